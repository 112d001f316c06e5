#pragma once
#include <windows.h>

#include <string>

// Message-box styles the callers pass.
constexpr UINT kStopBox = MB_ICONHAND | MB_OK;                       // 16
constexpr UINT kWarningBox = MB_ICONEXCLAMATION | MB_OK;             // 48
constexpr UINT kYesNoBox = MB_ICONQUESTION | MB_YESNO;               // 36
constexpr UINT kYesNoCancelBox = MB_ICONQUESTION | MB_YESNOCANCEL;   // 35

// Loads a string of the program's table; returns its length (0 when missing).
int LoadProgramString(int id, char* buffer, int size);

// A string of the program's table (empty when missing).
std::string ProgramString(int id);

// One entry of a file dialog's filter: the type's name from the string table,
// then its pattern, each closed by a NUL. Entries are joined by +.
std::string FileFilterEntry(int nameId, const char* pattern);

// Formats string id with one text argument (for its "%s") and shows it with the
// product name as title. Returns the button pressed.
int ShowMessage(HWND owner, UINT style, int id, const char* argument);

// The formatted text of ShowMessage, cut to the 159 characters its box shows.
void FormatMessageText(const char* format, const char* argument, char (&text)[160]);

// Moves a window, keeping its size, to the middle of the screen (x on a multiple of 8).
void CenterWindow(HWND window);

// Brings window to the top if it still names one.
void BringToFront(HWND window);

// A notice dialog's caption becomes the product name and the dialog is centred.
void PrepareNoticeDialog(HWND dialog);

// Notice dialogs: caption replaced by the product name, centred, ended with 1 or 2.
INT_PTR CALLBACK NoticeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
int ShowNoticeDialog(int dialogId, HWND owner);
