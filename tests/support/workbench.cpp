// The workbench seen from outside: its text windows, its menu and help context as
// the frame reports them, the common file dialogs and dropped files.
#include <shlobj.h>
#include <string.h>

#include "tests/support/box.h"
#include "tests/support/driver.h"
#include "tests/support/machine_paths.h"

namespace qd {

namespace {

constexpr int kFirstChildId = 4100;  // the MDI client numbers input, output, messages from here
constexpr int kFileNameBox = 0x47C;   // cmb13 of the Explorer-style file dialogs
constexpr int kFileTypeList = 0x470;  // cmb1: the file types
constexpr DWORD kPollMs = 20;
constexpr int kModifiedOffset = 8;  // the 16-bit modified flag of a text window's record

// The frame answers this registered message about what it shows (see app/frame.h).
UINT InspectionMessage() {
    static const UINT message = RegisterWindowMessageA("QuendelInspect");
    return message;
}
enum : WPARAM { kAskMenuState = 1, kAskMenuText = 2, kAskHelpContext = 3 };

const char* PaneName(Pane pane) {
    switch (pane) {
    case Pane::Input: return "input window";
    case Pane::Output: return "output window";
    case Pane::Messages: return "messages window";
    }
    return "window";
}

// The innermost edit of the file-name combo box, or the box itself.
HWND FileNameBox(HWND dialog) {
    HWND box = GetDlgItem(dialog, kFileNameBox);
    if (!box) return nullptr;
    HWND inner = box;
    for (HWND child = FindWindowExA(inner, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(inner, nullptr, nullptr, nullptr))
        inner = child;
    return inner;
}

}  // namespace

std::string ScratchFile(const std::string& name) { return kScratchDir + name; }

void Program::SendCommand(int commandId, Caller at) {
    Send(Frame(at), WM_COMMAND, MAKEWPARAM(commandId, 0), 0,
         ("command " + std::to_string(commandId)).c_str(), at);
    FailOnUnexpectedBox(at);
}

void Program::Answer(const Box& box, int buttonId, Caller at) {
    box.Press(buttonId, at);
    DWORD start = GetTickCount();
    while (IsWindow(box.window) && IsWindowVisible(box.window)) {
        if (!Running()) return;
        if (GetTickCount() - start > kWaitLimitMs)
            FailAndEnd(at, "the box stays open after pressing " + std::to_string(buttonId) + ": " +
                               box.Describe());
        Sleep(kPollMs);
    }
}

void Program::ExpectNoBox(Caller at) {
    FailOnUnexpectedBox(at);
    Send(Frame(at), WM_NULL, 0, 0, "WM_NULL", at);
    FailOnUnexpectedBox(at);
}

void Program::RequestClose(Caller at) {
    if (!PostMessageA(Frame(at), WM_CLOSE, 0, 0))
        FailAndEnd(at, "cannot post WM_CLOSE to the frame");
}

// ---- The text windows ----

HWND Program::MdiClient(Caller at) {
    HWND client = FindWindowExA(Frame(at), nullptr, "MDIClient", nullptr);
    if (!client) FailAndEnd(at, "the frame has no MDI client");
    return client;
}

HWND Program::Window(Pane pane, Caller at) {
    const int id = kFirstChildId + static_cast<int>(pane);
    for (HWND child = GetWindow(MdiClient(at), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) == id) return child;
    FailAndEnd(at, std::string("no ") + PaneName(pane) + " (MDI child " + std::to_string(id) +
                       ")");
}

bool Program::MarkedChanged(Pane pane, Caller at) {
    HWND window = Window(pane, at);
    SetLastError(0);
    WORD modified = GetWindowWord(window, kModifiedOffset);
    if (GetLastError() != 0)
        FailAndEnd(at, std::string("cannot read the record of the ") + PaneName(pane) +
                           " (error " + std::to_string(GetLastError()) + ")");
    return modified != 0;
}

HWND Program::Edit(Pane pane, Caller at) {
    HWND edit = FindWindowExA(Window(pane, at), nullptr, "Edit", nullptr);
    if (!edit) FailAndEnd(at, std::string("the ") + PaneName(pane) + " has no edit control");
    return edit;
}

HWND Program::ActiveWindow(Caller at) {
    return reinterpret_cast<HWND>(
        Send(MdiClient(at), WM_MDIGETACTIVE, 0, 0, "WM_MDIGETACTIVE", at));
}

void Program::Activate(Pane pane, Caller at) {
    HWND window = Window(pane, at);
    Send(MdiClient(at), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0, "WM_MDIACTIVATE",
         at);
    if (ActiveWindow(at) != window)
        FailAndEnd(at, std::string("the ") + PaneName(pane) + " did not become active");
}

std::string Program::Caption(Pane pane, Caller at) { return Text(Window(pane, at), at); }

std::string Program::EditText(Pane pane, Caller at) { return Text(Edit(pane, at), at); }

void Program::Type(Pane pane, const std::string& text, Caller at) {
    HWND edit = Edit(pane, at);
    LRESULT length = Send(edit, WM_GETTEXTLENGTH, 0, 0, "WM_GETTEXTLENGTH", at);
    Send(edit, EM_SETSEL, length, length, "EM_SETSEL", at);
    Send(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()), "EM_REPLACESEL", at);
}

void Program::Restore(Pane pane, Caller at) {
    Send(MdiClient(at), WM_MDIRESTORE, reinterpret_cast<WPARAM>(Window(pane, at)), 0,
         "WM_MDIRESTORE", at);
}

RECT Program::Placement(Pane pane, Caller at) {
    RECT rect = {};
    GetWindowRect(Window(pane, at), &rect);
    MapWindowPoints(HWND_DESKTOP, MdiClient(at), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// ---- Menu and help context ----

MenuItem Program::MenuState(int itemId, Caller at) {
    LRESULT state = Send(Frame(at), InspectionMessage(), kAskMenuState, itemId,
                         "the menu-state question", at);
    UINT bits = static_cast<UINT>(state);
    if (bits == static_cast<UINT>(-1)) return MenuItem{false, false, false};
    return MenuItem{true, (bits & MF_GRAYED) != 0, (bits & MF_CHECKED) != 0};
}

std::string Program::MenuText(int itemId, Caller at) {
    ATOM atom = static_cast<ATOM>(
        Send(Frame(at), InspectionMessage(), kAskMenuText, itemId, "the menu-text question", at));
    if (!atom) return std::string();
    char text[256] = "";
    UINT length = GlobalGetAtomNameA(atom, text, sizeof text);
    GlobalDeleteAtom(atom);
    return std::string(text, length);
}

int Program::HelpContext(Caller at) {
    return static_cast<int>(
        Send(Frame(at), InspectionMessage(), kAskHelpContext, 0, "the help-context question", at));
}

void Program::HighlightPopup(int position, Caller at) {
    HWND frame = Frame(at);
    Send(frame, WM_MENUSELECT, MAKEWPARAM(position, MF_POPUP | MF_HILITE),
         reinterpret_cast<LPARAM>(GetMenu(frame)), "WM_MENUSELECT", at);
}

void Program::HighlightMenuItem(int itemId, Caller at) {
    HWND frame = Frame(at);
    Send(frame, WM_MENUSELECT, MAKEWPARAM(itemId, MF_HILITE),
         reinterpret_cast<LPARAM>(GetMenu(frame)), "WM_MENUSELECT", at);
}

void Program::CloseMenu(Caller at) {
    Send(Frame(at), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0, "WM_MENUSELECT", at);
}

// ---- File dialogs ----

std::string Program::FileDialogName(const Box& dialog, Caller at) {
    HWND box = FileNameBox(dialog.window);
    if (!box) FailAndEnd(at, "no file-name box in " + dialog.Describe());
    return ReadWindowText(box);
}

Program::FileTypes Program::FileDialogTypes(const Box& dialog, Caller at) {
    HWND list = GetDlgItem(dialog.window, kFileTypeList);
    if (!list) FailAndEnd(at, "no file-type list in " + dialog.Describe());
    FileTypes types;
    const int count = static_cast<int>(Send(list, CB_GETCOUNT, 0, 0, "CB_GETCOUNT", at));
    for (int i = 0; i < count; ++i) {
        // Read as wide text, the form in which the list hands it across processes.
        wchar_t wide[512] = L"";
        SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
        char text[512] = "";
        WideCharToMultiByte(1252, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        types.entries.push_back(text);
    }
    types.selected = static_cast<int>(Send(list, CB_GETCURSEL, 0, 0, "CB_GETCURSEL", at));
    return types;
}

void Program::AnswerFileDialog(const Box& dialog, const std::string& name, Caller at) {
    HWND box = FileNameBox(dialog.window);
    if (!box) FailAndEnd(at, "no file-name box in " + dialog.Describe());
    SetText(box, name, at);
    dialog.Press(IDOK, at);
    // The dialog closes, or asks something first (replace a file? no such file?).
    DWORD start = GetTickCount();
    while (IsWindow(dialog.window) && IsWindowVisible(dialog.window)) {
        for (HWND window : FindBoxWindows(processId_))
            if (!Known(window)) return;
        if (!Running()) return;
        if (GetTickCount() - start > kWaitLimitMs)
            FailAndEnd(at, "the file dialog stays open after OK with " + name);
        Sleep(kPollMs);
    }
}

// ---- Dropped files ----

void Program::DropFile(const std::string& path, HWND window, Caller at) {
    HWND frame = Frame(at);
    RECT rect;
    if (!GetWindowRect(window, &rect)) FailAndEnd(at, "no window to drop onto");
    POINT point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ScreenToClient(frame, &point);

    // DROPFILES, then the name and the empty name that ends the list.
    std::string block(sizeof(DROPFILES), '\0');
    DROPFILES* header = reinterpret_cast<DROPFILES*>(&block[0]);
    header->pFiles = sizeof(DROPFILES);
    header->pt = point;
    header->fNC = FALSE;
    header->fWide = FALSE;
    block += path;
    block.append(2, '\0');

    // A fixed block that DragQueryFile can read in place; DragFinish's free of it
    // fails quietly, so the program keeps these few bytes.
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId_);
    if (!process) FailAndEnd(at, "cannot open the program's process to drop a file");
    void* remote =
        VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    SIZE_T written = 0;
    bool copied = remote && WriteProcessMemory(process, remote, block.data(), block.size(),
                                               &written) &&
                  written == block.size();
    CloseHandle(process);
    if (!copied) FailAndEnd(at, "cannot place the drop block in the program's memory");
    FailOnUnexpectedBox(at);
    if (!PostMessageA(frame, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0))
        FailAndEnd(at, "cannot post WM_DROPFILES");
}

}  // namespace qd
