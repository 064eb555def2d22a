// The main window: one fixed-size top-level window that shows one tool.
#pragma once

#include <windows.h>

#include <cstdint>

#include "engine/tool_spec.h"
#include "records/next_assessment.h"
#include "records/patient.h"
#include "records/record_save.h"

enum ControlId : int {
    ID_COMPUTE = 1001,
    ID_SAVE_RECORD = 1002,
    ID_COPY_RESULT = 1003,
    ID_CLEAR = 1004,
    ID_ABOUT = 1005,
    ID_OPEN_RECORDS = 1006,
    ID_FIND_TOOL = 1007,
    ID_PRINT = 1012,
    ID_SET_PATIENT = 1013,
    ID_CLEAR_PATIENT = 1014,
    ID_HISTORY = 1015,
    ID_DUE_LIST = 1016,
    ID_INPUT_FIRST = 2000,
    ID_RESULT = 3000,
    ID_TOOL_FIRST = 4000,  // the menu item of catalogue entry i is ID_TOOL_FIRST + i
};

constexpr int kButtonCount = 5;
constexpr std::int32_t kLastResultCapacity = 8192;
// The clipboard's summary: the whole result and its verdict.
constexpr std::int32_t kSummaryCapacity = kLastResultCapacity + kVerdictCapacity + 8;
constexpr std::int32_t kStatusCapacity = 256;

constexpr const wchar_t* kMainWindowClass = L"TalvoMedToolWnd";
constexpr const wchar_t* kStatusProperty = L"TalvoMed.StatusText";
constexpr const wchar_t* kWebAddress = L"www.talvomed.example";
constexpr const wchar_t* kVerdictPrompt = L"填写左侧参数，点击“计算”";

// The window-wide state: one record for the whole process, zero at start, never released.
struct MainWindowState {
    HINSTANCE instance;
    HWND main_window;
    int layout_dpi;  // every layout number, font height and pen width is drawn at this DPI
    const ToolSpec* tool;
    VerdictLevel verdict_level;
    HWND input_edits[kMaxValues];  // an edit box, or a drop-down list for an input with choices
    HWND input_labels[kMaxValues];
    HWND input_units[kMaxValues];
    HWND result_edit;
    HWND verdict_label;
    HWND tip_label;
    HWND basis_label;
    HWND buttons[kButtonCount];
    HFONT title_font;
    HFONT caption_font;
    HFONT label_font;
    HFONT input_font;
    HFONT verdict_font;
    HFONT result_font;
    HFONT button_font;
    HFONT small_font;
    HBRUSH white_brush;
    HBRUSH background_brush;
    wchar_t last_result[kLastResultCapacity];
    wchar_t summary_text[kSummaryCapacity];
    wchar_t status_text[kStatusCapacity];
    InputState inputs;        // the inputs of the kept result
    bool result_implausible;  // the last calculation's inputs were implausible: nothing kept
    LocalTime computed_at;    // when the kept result was calculated: its sheet, its next due
    NextAssessment next;      // when the kept result's assessment is due again
    Patient patient;          // the patient every result belongs to until cleared; may be unset
    wchar_t result_file[kRecordPathCapacity];  // "--result-file": every save writes it too
};

extern MainWindowState g_window;

struct CommandLine;

// Creates the window and runs the message loop; 1 when the window cannot be created, else 0.
// The command line's patient, inputs and result file are applied once the window shows.
int run_main_window(HINSTANCE instance, const ToolSpec* tool, const CommandLine& launch);

// A start from the hospital system (launch.cpp): the patient set, the named inputs filled in.
void apply_launch(const CommandLine& command);

// A place in the client area.
struct Box {
    int x;
    int y;
    int width;
    int height;
};

// A layout number, or a box of them, as drawn at the window's layout DPI.
int scaled(int value);
Box scaled(const Box& box);

// One visible child control of the main window, with its font; the box is in layout numbers.
HWND create_child(const wchar_t* window_class, DWORD ex_style, DWORD style, const Box& layout,
                  int id, const wchar_t* text, HFONT font);
// The same in another of the program's windows (the tool finder).
HWND create_child_in(HWND parent, const wchar_t* window_class, DWORD ex_style, DWORD style,
                     const Box& layout, int id, const wchar_t* text, HFONT font);

// Shows the tool's tip and basis in their labels.
void show_tool_texts();

// The input form (tool_form.cpp): one row per input, a box or a drop-down list each.
// The inputs the form shows: the tool's, at most kMaxFormRows.
std::int32_t form_input_count();
void create_input_rows();
void destroy_input_rows();
// The value of input i as the form holds it: the typed number, the chosen option's value, a
// checklist's points and checked items, a typed date's day number. False when the text is not a
// finite number or not a real YYYY-MM-DD date.
bool form_input_read(std::int32_t i, double* value, CheckedItems* checked);
// Puts every input back to its default.
void show_default_inputs();
// Shows a value in input i's control as the form would hold it (a number as its shortest text,
// a choice by its option, a checklist by its checked items, a date as YYYY-MM-DD).
void show_input_value(std::int32_t i, double value, CheckedItems checked);
// The focus in the first input, or in the window when the tool has none.
void focus_first_input();
// Puts the caret in input i's control, a box with its text selected so the next keys replace it.
void focus_input(std::int32_t i);
// Tab and Shift+Tab from the control that has the focus: true when the key was taken.
bool move_input_focus(const MSG& message);

// A checklist input (checklist_input.cpp): a list with a check box and the points per item,
// below a label that counts the checked items and their points.
HWND create_checklist(const InputSpec& input, std::int32_t row_top, int id);
void show_no_items_checked(HWND list);
void show_items_checked(HWND list, CheckedItems checked);
CheckedItems checked_items(HWND list);
// The label's text: "<label>（已选 n 项，m 分）".
void show_checklist_count(std::int32_t i);
// A toggled item updates its checklist's label; false for other notifications.
bool checklist_notify(const NMHDR& header);

// The menu bar (tool_menu.cpp): tools by category, records and help.
HMENU create_main_menu();
// The shortcuts of the record commands, as the records menu shows them.
HACCEL create_record_accelerators();
// A check mark beside the open tool's menu item only.
void check_open_tool();
// Opens the tool in the window: a new form, texts and an empty result.
void select_tool(const ToolSpec* tool);
// The title bar: the tool's title, and the patient's bed and name when one is set.
void show_window_title();
// Menu commands beyond the buttons; false for an id that is none of them.
bool menu_command(WORD id);

// The tool finder (tool_finder.cpp): a search box over the tools, owned by the main window.
void open_tool_finder();
// Ctrl+F in the main window or the finder opens it: true when the key was taken.
bool take_find_key(const MSG& message);

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// The colour of a verdict level, as the verdict line and the trend's points show it.
COLORREF level_color(VerdictLevel level);

// The history window (history_window.cpp): the open tool's records, of the patient set or of
// all, with the trend; "评估记录…" (Ctrl+H).
void history_command();
// The ward's due list (due_list_window.cpp): "待评估患者…" (Ctrl+D).
void due_list_command();

// Replaces the status line and has the footer repainted.
void set_status(const wchar_t* text);

// True when a result is kept. Otherwise says why there is none (nothing calculated yet: the
// notice given; implausible inputs: "输入不合理，请核对后重新计算") and returns false.
bool has_kept_result(const wchar_t* not_calculated_notice);

// Commands behind the buttons; compute also runs on Enter and F5.
void compute_command();
void save_record_command();
void copy_result_command();
void clear_command();
void about_command();
void open_records_command();
// The patient (patient_dialog.cpp): "录入患者…" (Ctrl+I) sets the patient and the assessor,
// "清除患者" clears them; the header, the title bar and every save then name them.
void set_patient_command();
void clear_patient_command();
// Sets the patient and shows it everywhere it shows.
void show_patient(const Patient& patient);
// Printing the kept result (print_command.cpp): "打印…" and Ctrl+P.
void print_command();
bool is_print_key(const MSG& message);

// Painting.
void paint_main_window(HWND window);
void draw_owner_button(const DRAWITEMSTRUCT& item);
HBRUSH static_colors(HDC dc, HWND control);
HBRUSH edit_colors(HDC dc);
