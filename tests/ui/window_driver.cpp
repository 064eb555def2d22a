#include "ui/window_driver.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "records/record_save.h"
#include "ui/main_window.h"

namespace {

struct BoxSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK find_owned_box(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<BoxSearch*>(data);
    if (class_name(window) == L"#32770" && GetWindow(window, GW_OWNER) == search->owner &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::wstring program_path() {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring self(path, length);
    return self.substr(0, self.find_last_of(L"\\/") + 1) + L"sorvane.exe";
}

bool wait_until(const std::function<bool()>& condition, int milliseconds) {
    for (int i = 0; i < milliseconds / 20; ++i) {
        if (condition()) return true;
        Sleep(20);
    }
    return condition();
}

RunningProgram launch_program(const std::wstring& arguments) {
    RunningProgram program = {};
    std::wstring command = L"\"" + program_path() + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &program.process)) {
        program.process = {};
    }
    return program;
}

void wait_for_window(RunningProgram& program) {
    if (program.process.hProcess == nullptr) return;
    WaitForInputIdle(program.process.hProcess, 5000);
    bool shown = wait_until(
        [&] {
            HWND window = FindWindowW(kMainWindowClass, nullptr);
            DWORD process_id = 0;
            if (window != nullptr) GetWindowThreadProcessId(window, &process_id);
            if (process_id != program.process.dwProcessId) return false;
            program.window = window;
            return IsWindowVisible(window) != FALSE;
        },
        kFirstWindowMilliseconds);
    // A program whose window never came is ended, so that it cannot disturb the tests after it
    // or hold their output open.
    if (!shown) {
        TerminateProcess(program.process.hProcess, 98);
        WaitForSingleObject(program.process.hProcess, 5000);
        program.window = nullptr;
    }
}

RunningProgram start_program(const std::wstring& arguments) {
    RunningProgram program = launch_program(arguments);
    wait_for_window(program);
    return program;
}

DWORD close_program(RunningProgram& program) {
    if (program.process.hProcess == nullptr) return static_cast<DWORD>(-1);
    PostMessageW(program.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(program.process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(program.process.hProcess, 99);
    }
    DWORD exit_code = 0;
    GetExitCodeProcess(program.process.hProcess, &exit_code);
    CloseHandle(program.process.hThread);
    CloseHandle(program.process.hProcess);
    program = {};
    return exit_code;
}

// WM_GETTEXT itself: GetWindowTextW does not read a control of another process.
std::wstring window_text(HWND window) {
    static wchar_t text[8192];
    DWORD_PTR length = 0;
    if (SendMessageTimeoutW(window, WM_GETTEXT, 8192, reinterpret_cast<LPARAM>(text),
                            SMTO_ABORTIFHUNG, 5000, &length) == 0) {
        return L"(no answer)";
    }
    return std::wstring(text, static_cast<size_t>(length));
}

std::wstring class_name(HWND window) {
    wchar_t name[256];
    int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}

std::wstring status_text(HWND main_window) {
    auto atom =
        static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(main_window, kStatusProperty)));
    wchar_t text[256] = L"";
    if (atom != 0) GlobalGetAtomNameW(atom, text, 256);
    return text;
}

HWND focused_window(HWND main_window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(main_window, nullptr), &info);
    return info.hwndFocus;
}

HWND current_message_box(HWND main_window) {
    BoxSearch search = {main_window, nullptr};
    EnumWindows(find_owned_box, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND wait_for_message_box(HWND main_window) {
    HWND box = nullptr;
    wait_until([&] { return (box = current_message_box(main_window)) != nullptr; });
    return box;
}

std::wstring message_box_text(HWND box) {
    return window_text(GetDlgItem(box, 0xFFFF));
}

void dismiss(HWND box) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    wait_until([&] { return IsWindow(box) == FALSE; });
}

std::wstring clipboard_text() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return L"(clipboard not opened)";
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data != nullptr) {
        auto* units = static_cast<const wchar_t*>(GlobalLock(data));
        if (units != nullptr) text = units;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

int ClientPixels::count(COLORREF color, const RECT& box) const {
    int matches = 0;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x)
            matches += at(x, y) == color ? 1 : 0;
    }
    return matches;
}

ClientPixels capture_client(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    ClientPixels picture = {client.right, client.bottom, {}};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* raw = static_cast<const unsigned char*>(bits);
    for (int i = 0; i < picture.width * picture.height; ++i) {
        picture.pixels.push_back(RGB(raw[4 * i + 2], raw[4 * i + 1], raw[4 * i]));
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

void press_ctrl(HWND window, WORD key, bool shift) {
    SetForegroundWindow(window);
    std::vector<INPUT> keys;
    auto add = [&](WORD code, bool down) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        keys.push_back(input);
    };
    add(VK_CONTROL, true);
    if (shift) add(VK_SHIFT, true);
    add(key, true);
    add(key, false);
    if (shift) add(VK_SHIFT, false);
    add(VK_CONTROL, false);
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

namespace {

// A block of memory in the list's own process, with the item first and its text after it.
struct RemoteItem {
    HANDLE process;
    char* block;
};

constexpr int kRemoteText = 512;

RemoteItem remote_item(HWND list) {
    DWORD id = 0;
    GetWindowThreadProcessId(list, &id);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    void* block = process != nullptr
                      ? VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + kRemoteText * 2,
                                       MEM_COMMIT, PAGE_READWRITE)
                      : nullptr;
    return {process, static_cast<char*>(block)};
}

void release(RemoteItem& remote) {
    if (remote.block != nullptr) VirtualFreeEx(remote.process, remote.block, 0, MEM_RELEASE);
    if (remote.process != nullptr) CloseHandle(remote.process);
}

}  // namespace

std::wstring list_view_text(HWND list, int row, int column) {
    RemoteItem remote = remote_item(list);
    if (remote.block == nullptr) {
        release(remote);
        return L"";
    }
    LVITEMW item = {};
    item.iSubItem = column;
    item.cchTextMax = kRemoteText;
    item.pszText = reinterpret_cast<wchar_t*>(remote.block + sizeof(LVITEMW));
    WriteProcessMemory(remote.process, remote.block, &item, sizeof(item), nullptr);
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(remote.block));
    wchar_t text[kRemoteText] = {};
    ReadProcessMemory(remote.process, remote.block + sizeof(LVITEMW), text, sizeof(text), nullptr);
    text[kRemoteText - 1] = L'\0';
    release(remote);
    return text;
}

void list_view_select(HWND list, int row) {
    RemoteItem remote = remote_item(list);
    if (remote.block == nullptr) {
        release(remote);
        return;
    }
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    WriteProcessMemory(remote.process, remote.block, &item, sizeof(item), nullptr);
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(remote.block));
    release(remote);
}

std::string utf8_text(const std::wstring& text) {
    std::string bytes(text.size() * 3 + 1, '\0');
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &bytes[0],
                                   static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(size > 0 ? static_cast<size_t>(size - 1) : 0);
    return bytes;
}

std::wstring record_file_of(std::int32_t tool_id) {
    wchar_t folder[kRecordPathCapacity];
    wchar_t path[kRecordPathCapacity] = L"";
    record_file_path(tool_id, folder, path, kRecordPathCapacity);
    return path;
}
