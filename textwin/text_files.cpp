#include "textwin/text_files.h"

#include <commdlg.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "app/build_profile.h"
#include "app/shell_state.h"
#include "core/message_log.h"
#include "messages/message_box.h"
#include "messages/window_text.h"
#include "resources/resource_ids.h"
#include "textwin/text_file_io.h"
#include "textwin/text_windows.h"

char g_fileName[2][160];

std::string TextOpenFilter() {
    return FileFilterEntry(IDS_TEXT_FILES, "*.TXT") + FileFilterEntry(IDS_ALL_FILES, "*.*");
}

std::string TextSaveFilter() {
    return FileFilterEntry(IDS_TEXT_FILES, "*.txt") + FileFilterEntry(IDS_ALL_FILES, "*.*");
}

namespace {

constexpr int kFileNameSize = 160;

char FoldAtoZ(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

// Caption: "Eingabe " or "Ausgabe ", the language label, then the name.
void BuildCaption(int kind, const char* name) {
    char* title = g_windowTitle[kind];
    const int size = sizeof g_windowTitle[kind];
    LoadProgramString(kind == kInputWindow ? IDS_INPUT_CAPTION : IDS_OUTPUT_CAPTION, title, size);
    const BuildProfile& build = CurrentBuild();
    char part[160];
    LoadProgramString(kind == kInputWindow ? build.inputLabelString : build.outputLabelString,
                      part, sizeof part);
    lstrcatA(title, part);
    if (name && *name) {
        strncat(title, name, size - 1 - strlen(title));
    } else {
        LoadProgramString(IDS_UNTITLED, part, sizeof part);
        lstrcatA(title, part);
    }
}

// Splits a stored name into the dialog's initial folder and proposed file name.
void SplitProposal(const char* name, char* folder, char* file) {
    folder[0] = file[0] = '\0';
    const char* slash = strrchr(name, '\\');
    if (!slash || slash == name) return;
    lstrcpynA(folder, name, static_cast<int>(slash - name) + 1);
    lstrcpynA(file, slash + 1, kFileNameSize);
}

// The name with ".TXT" when its last part has no full stop.
void AddDefaultExtension(char* name) {
    const char* last = name;
    for (const char* p = name; *p; ++p)
        if (*p == '\\' || *p == ':') last = p + 1;
    if (strchr(last, '.')) return;
    char extension[16];
    LoadProgramString(IDS_TXT_EXTENSION, extension, sizeof extension);
    strncat(name, extension, kFileNameSize - 1 - strlen(name));
}

bool RunFileDialog(OPENFILENAMEA& dialog, bool save) {
    return save ? GetSaveFileNameA(&dialog) != 0 : GetOpenFileNameA(&dialog) != 0;
}

}  // namespace

bool SameFileName(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (FoldAtoZ(*a) != FoldAtoZ(*b)) return false;
    return *a == *b;
}

HWND TextWindowOfKind(int kind) {
    return kind == kInputWindow ? g_windows.inputWindow : g_windows.outputWindow;
}

void ComposeWindowTitle(int kind) {
    g_fileName[kind][0] = '\0';
    BuildCaption(kind, nullptr);
}

void UpdateWindowTitle(int kind) {
    char untitled[32];
    LoadProgramString(IDS_UNTITLED, untitled, sizeof untitled);
    const char* other = g_fileName[OtherTextKind(kind)];
    if (other[0] && SameFileName(other, g_fileName[kind]) && strcmp(g_fileName[kind], untitled)) {
        ShowMessage(g_shell.frame, kWarningBox, IDS_SAME_FILE, nullptr);
        g_fileName[kind][0] = '\0';
    }
    BuildCaption(kind, g_fileName[kind]);
    SetWindowTextA(TextWindowOfKind(kind), g_windowTitle[kind]);
}

bool LoadTextFile(HWND window, const char* path) {
    HWND edit = ChildEdit(window);
    std::string text;
    // A text beyond the edit control's capacity is refused as a whole.
    const std::size_t limit = static_cast<std::size_t>(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
    switch (ReadTextFile(path, limit, text)) {
    case TextFileProblem::None: break;
    case TextFileProblem::CannotOpen: ShowMessage(g_shell.frame, kStopBox, IDS_CANNOT_OPEN, path); return false;
    case TextFileProblem::CannotRead: ShowMessage(g_shell.frame, kStopBox, IDS_CANNOT_READ, path); return false;
    case TextFileProblem::NotText: ShowMessage(g_shell.frame, kStopBox, IDS_NOT_TEXT, path); return false;
    case TextFileProblem::TooLarge:
        SetWindowTextA(edit, "");
        ShowNoticeDialog(IDD_FILE_TOO_LARGE, g_shell.frame);
        return false;
    }
    SetWindowTextA(edit, text.c_str());
    if (GetWindowTextLengthA(edit) != static_cast<int>(text.size())) {
        SetWindowTextA(edit, "");
        ShowNoticeDialog(IDD_FILE_TOO_LARGE, g_shell.frame);
        return false;
    }
    SetChildModified(window, 0);
    return true;
}

bool WriteTextFile(HWND window) {
    char* name = g_fileName[ChildKind(window)];
    AddDefaultExtension(name);

    HWND edit = ChildEdit(window);
    int length = GetWindowTextLengthA(edit);
    if (length == 0) {
        // Nothing to write: the file keeps what it holds.
        ShowMessage(g_shell.frame, 0, IDS_WINDOW_AND_FILE_EMPTY, nullptr);
        return false;
    }
    EditTextCopy copy(edit);
    if (!copy) {
        ShowMessage(g_shell.frame, kStopBox, IDS_NO_MEMORY, nullptr);
        return false;
    }
    int failure = ReplaceFileWith(name, copy.text(), static_cast<DWORD>(copy.length()));
    if (failure) ShowMessage(g_shell.frame, kStopBox, failure, name);
    return failure == 0;
}

void SaveTextWindow(HWND window) {
    int kind = ChildKind(window);
    if (!g_fileName[kind][0] && !ChooseSaveName(window, false)) return;
    if (g_fileName[kind][0] && WriteTextFile(window)) SetChildModified(window, 0);
}

void OpenTextFile(HWND) {
    HWND window = g_windows.activeChild;
    if (!window) return;
    int kind = ChildKind(window);
    if (kind != kInputWindow && kind != kOutputWindow) return;
    LoadProgramString(kind == kInputWindow ? IDS_INPUT_CAPTION : IDS_OUTPUT_CAPTION,
                      g_windowTitle[kind], sizeof g_windowTitle[kind]);

    char title[60];
    char path[kFileNameSize] = "";
    LoadProgramString(IDS_OPEN_TITLE, title, sizeof title);
    if (!ChooseOpenFile(title, path, TextOpenFilter().c_str())) return;
    if (SameFileName(path, g_fileName[OtherTextKind(kind)])) {
        ShowMessage(g_shell.frame, kWarningBox, IDS_SAME_FILE, nullptr);
        return;
    }
    // A failed load leaves the window without a name, so saving asks for one.
    if (LoadTextFile(window, path)) {
        CharUpperA(path);
        lstrcpynA(g_fileName[kind], path, kFileNameSize);
    } else {
        g_fileName[kind][0] = '\0';
    }
    UpdateWindowTitle(kind);
}

bool QuerySaveChanges(HWND window) {
    if (!ChildModified(window)) return true;
    HWND edit = ChildEdit(window);
    if (edit && GetWindowTextLengthA(edit) == 0) return true;

    int kind = ChildKind(window);
    const char* name = g_fileName[kind][0] ? g_fileName[kind] : g_windowTitle[kind];
    switch (ShowMessage(g_shell.frame, kYesNoCancelBox, IDS_SAVE_CHANGES, name)) {
    case IDYES:
        if (!g_fileName[kind][0] && !ChooseSaveName(window, true)) return false;
        // A failed write keeps the text: the caller must not throw it away.
        return WriteTextFile(window);
    case IDNO:
        return true;
    default:
        return false;
    }
}

bool ChooseSaveName(HWND window, bool saveAs) {
    char title[60];
    char path[kFileNameSize] = "";
    char fileTitle[kFileNameSize] = "";
    char folder[kFileNameSize] = "";
    int kind = window ? ChildKind(window) : -1;
    if (saveAs) {
        LoadProgramString(IDS_SAVE_AS_TITLE, title, sizeof title);
        if (kind >= 0 && g_fileName[kind][0]) SplitProposal(g_fileName[kind], folder, path);
    } else {
        LoadProgramString(IDS_SAVE_TITLE, title, sizeof title);
    }

    const std::string filter = TextSaveFilter();
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window ? window : g_shell.frame;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrFileTitle = fileTitle;
    dialog.nMaxFileTitle = sizeof fileTitle;
    dialog.lpstrInitialDir = folder[0] ? folder : nullptr;
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = "TXT";
    dialog.Flags = OFN_OVERWRITEPROMPT;
    if (!RunFileDialog(dialog, true)) return false;
    CharUpperA(path);

    if (!window) {
        lstrcpynA(g_outputTarget.path, path, sizeof g_outputTarget.path);
        return true;
    }
    if (SameFileName(path, g_fileName[OtherTextKind(kind)])) {
        ShowMessage(window, kWarningBox, IDS_SAME_FILE, nullptr);
        return false;
    }
    lstrcpynA(g_fileName[kind], path, kFileNameSize);
    return true;
}

bool ChooseOpenFile(const char* title, char* result, const char* filter) {
    char path[kFileNameSize] = "";
    char fileTitle[kFileNameSize] = "";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter;
    // No custom filter: a buffer whose description is still empty is a broken
    // filter pair, and the dialog then lists garbage or no types at all.
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrFileTitle = fileTitle;
    dialog.nMaxFileTitle = sizeof fileTitle;
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = "TXT";
    dialog.Flags = OFN_FILEMUSTEXIST;
    if (!RunFileDialog(dialog, false)) return false;
    lstrcpynA(result, path, kFileNameSize);
    return true;
}

bool ChooseSaveFile(const char* title, char* path, const char* filter, const char* extension) {
    char file[kFileNameSize] = "";
    char folder[kFileNameSize] = "";
    char fileTitle[kFileNameSize] = "";
    SplitProposal(path, folder, file);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrFileTitle = fileTitle;
    dialog.nMaxFileTitle = sizeof fileTitle;
    dialog.lpstrInitialDir = folder[0] ? folder : nullptr;
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = extension;
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN;
    if (!RunFileDialog(dialog, true)) return false;
    CharUpperA(file);
    lstrcpynA(path, file, kFileNameSize);
    return true;
}
