#pragma once
// Steps of a person at the workbench that several UI tests share.
#include <windows.h>

#include <functional>
#include <string>

#include "tests/support/driver.h"

namespace qd {

constexpr int kNew = 1099, kOpen = 1002, kSave = 1003, kSaveAs = 1004, kExit = 1006;
constexpr int kWordWrap = 2008;
constexpr int kTile = 4001, kSideBySide = 137, kCascade = 4002;

inline std::string SaveQuestion(const std::string& name) {
    return name + " wurde verändert. Vor dem Schließen speichern?";
}

// Makes pane active, chooses "Öffnen..." and names path in the open dialog. What
// the program shows after that is left to the caller.
inline void OpenFileInto(Program& app, Pane pane, const std::string& path, Caller at = {}) {
    app.Activate(pane, at);
    app.PostCommand(kOpen, 0, at);
    Box dialog = app.WaitForBox(kWaitLimitMs, at);
    if (dialog.title != "Datei öffnen")
        ADD_FAILURE_AT(at.file, at.line) << "expected the open dialog, found " << dialog.Describe();
    app.AnswerFileDialog(dialog, path, at);
}

// Polls condition until it holds or the wait limit has passed; returns its last
// value, so that the caller's own check can say what it found.
inline bool Eventually(const std::function<bool()>& condition) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitLimitMs; Sleep(20))
        if (condition()) return true;
    return condition();
}

// Waits until the pane's caption reads caption.
inline void WaitForCaption(Program& app, Pane pane, const std::string& caption, Caller at = {}) {
    DWORD start = GetTickCount();
    for (std::string now; (now = app.Caption(pane, at)) != caption; Sleep(20)) {
        if (GetTickCount() - start > kWaitLimitMs)
            Fail(at, "the caption reads \"" + now + "\", not \"" + caption + "\"");
    }
}

}  // namespace qd
