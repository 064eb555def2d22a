// The commands behind the buttons: compute, copy, clear and About. Saving is in record_file.cpp.
#include "engine/wide_text.h"
#include "platform/platform.h"
#include "ui/main_window.h"
#include "version.h"

namespace {

constexpr std::int32_t kWindowDetail = kLastResultCapacity;
constexpr std::int32_t kInputMessage = 256;
constexpr std::int32_t kAboutText = 2048;
constexpr int kClipboardAttempts = 6;
constexpr DWORD kClipboardPause = 20;
constexpr const wchar_t* kImplausibleNotice = L"输入不合理，请核对后重新计算";

// No result is kept after a refused calculation: saving, copying or printing now would take
// the previous result for the current one.
void forget_result() {
    g_window.last_result[0] = L'\0';
    g_window.summary_text[0] = L'\0';
    g_window.result_implausible = false;
}

// Reads every input; on a value that cannot be read, says which input and what it expects and
// returns false.
bool read_inputs(InputState& inputs) {
    const ToolSpec& tool = *g_window.tool;
    for (std::int32_t i = 0; i < form_input_count(); ++i) {
        if (!form_input_read(i, &inputs.values[i], &inputs.checked[i])) {
            bool date = input_kind(tool.inputs[i]) == InputKind::Date;
            wchar_t message[kInputMessage];
            text_format(
                message, kInputMessage,
                date ? L"第 %d 项“%ls”请输入日期，如 2026-03-01。" : L"第 %d 项“%ls”请输入数字。",
                i + 1, tool.inputs[i].label);
            forget_result();
            MessageBoxW(g_window.main_window, message, L"输入有误", MB_ICONWARNING);
            focus_input(i);
            return false;
        }
    }
    return true;
}

// The clipboard block: title, CR LF and the summary, filled before the clipboard is touched.
HGLOBAL make_clipboard_block() {
    const wchar_t* title = g_window.tool->title;
    std::int32_t units = text_length(g_window.summary_text) + text_length(title) + 16;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(units) * sizeof(wchar_t));
    if (block == nullptr) return nullptr;
    auto* text = static_cast<wchar_t*>(GlobalLock(block));
    if (text == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    text_format(text, units, L"%ls\r\n%ls", title,
                static_cast<const wchar_t*>(g_window.summary_text));
    GlobalUnlock(block);
    return block;
}

// Another program (a remote-desktop clipboard, a clipboard manager) may hold the clipboard for
// a moment: try a few times over about 100 ms before giving up.
bool open_clipboard() {
    for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
        if (attempt > 0) Sleep(kClipboardPause);
        if (OpenClipboard(g_window.main_window)) return true;
    }
    return false;
}

// The next assessment's advice under the outputs, for an assessment tool with a table.
void show_next_assessment(wchar_t* detail) {
    const ToolSpec& tool = *g_window.tool;
    double outputs[kMaxValues] = {};
    tool_evaluate_outputs(tool, g_window.inputs.values, outputs);
    g_window.next = next_assessment(tool, g_window.inputs.values, outputs, g_window.computed_at);
    wchar_t advice[kNextTextCapacity];
    next_assessment_advice(g_window.next, advice, kNextTextCapacity);
    if (advice[0] == L'\0') return;
    text_append(detail, kWindowDetail, L"\r\n");
    text_append(detail, kWindowDetail, advice);
}

}  // namespace

bool has_kept_result(const wchar_t* not_calculated_notice) {
    if (g_window.last_result[0] != L'\0') return true;
    if (g_window.result_implausible) {
        MessageBoxW(g_window.main_window, kImplausibleNotice, L"提示", MB_ICONWARNING);
    } else {
        MessageBoxW(g_window.main_window, not_calculated_notice, L"提示", MB_ICONINFORMATION);
    }
    return false;
}

void compute_command() {
    InputState inputs = {};
    if (!read_inputs(inputs)) return;
    const ToolSpec& tool = *g_window.tool;
    g_window.inputs = inputs;
    g_window.computed_at = platform().now();
    wchar_t detail[kWindowDetail];
    wchar_t verdict[kVerdictCapacity];
    tool_compute(tool, g_window.inputs.values, detail, kWindowDetail, verdict, kVerdictCapacity,
                 &g_window.verdict_level, g_window.last_result, kLastResultCapacity);
    g_window.result_implausible = tool_inputs_implausible(tool, g_window.inputs.values);
    show_next_assessment(detail);

    g_window.summary_text[0] = L'\0';
    SetWindowTextW(g_window.result_edit, detail);
    SetWindowTextW(g_window.verdict_label, verdict);
    if (tool.report_kind != 0) {
        text_copy(g_window.summary_text, kSummaryCapacity, detail);
    } else {
        text_format(g_window.summary_text, kSummaryCapacity, L"%ls—— %ls",
                    static_cast<const wchar_t*>(detail), static_cast<const wchar_t*>(verdict));
    }
    InvalidateRect(g_window.verdict_label, nullptr, TRUE);
    wchar_t status[kStatusCapacity];
    text_format(status, kStatusCapacity, L"计算完成  %ls", tool.title);
    set_status(status);
    std::int32_t outside = tool_input_outside_limits(tool, g_window.inputs.values);
    if (outside >= 0) {
        focus_input(outside);
    } else {
        SetFocus(g_window.main_window);
    }
}

void copy_result_command() {
    if (!has_kept_result(L"请先点击“计算”生成结果。")) return;
    HGLOBAL block = make_clipboard_block();
    if (block == nullptr) {
        set_status(L"复制失败，请重试");
        return;
    }
    if (!open_clipboard()) {
        GlobalFree(block);
        set_status(L"复制失败，请重试");
        return;
    }
    EmptyClipboard();
    bool placed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    CloseClipboard();
    if (!placed) {
        GlobalFree(block);
        set_status(L"复制失败，请重试");
        return;
    }
    set_status(L"结果已复制到剪贴板");
}

void clear_command() {
    show_default_inputs();
    const ToolSpec& tool = *g_window.tool;
    SetWindowTextW(g_window.result_edit, L"");
    SetWindowTextW(g_window.verdict_label, kVerdictPrompt);
    SetWindowTextW(g_window.tip_label, tool.tip != nullptr ? tool.tip : L"");
    g_window.last_result[0] = L'\0';
    g_window.result_implausible = false;
    g_window.verdict_level = 0;
    set_status(L"已恢复默认值");
}

void about_command() {
    const ToolSpec& tool = *g_window.tool;
    wchar_t text[kAboutText];
    text_format(text, kAboutText,
                L"%ls\r\n\r\n分类：%ls\r\n参考依据：%ls\r\n\r\n"
                L"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
                L"具体用药与处置请结合患者实际情况及本院规范执行。\r\n\r\n"
                L"版本 V%ls    官网：%ls",
                tool.title, tool.category, tool.basis, TALVO_VERSION_WIDE, kWebAddress);
    // A ward's shared folder is named, so that a nurse can tell where the records go; the
    // user's own folder is what the program always used.
    wchar_t folder[kRecordPathCapacity];
    if (platform().records_folder(folder, kRecordPathCapacity).shared) {
        text_append(text, kAboutText, L"\r\n\r\n记录文件夹（病区共享）：");
        text_append(text, kAboutText, folder);
    }
    MessageBoxW(g_window.main_window, text, L"关于本工具", MB_ICONINFORMATION);
}
