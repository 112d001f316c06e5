#include "core/progress.h"

#include <stdio.h>

#include "app/shell_state.h"
#include "core/message_log.h"
#include "core/run_marking.h"
#include "core/run_state.h"
#include "resources/resource_ids.h"

namespace {

constexpr UINT_PTR kAnimationTimer = 13;
constexpr UINT kAnimationMs = 100;
constexpr int kFrames = 12;

int g_counter;
int g_frame;

HINSTANCE Instance() { return g_shell.instance ? g_shell.instance : GetModuleHandleA(nullptr); }

// Copies animation frame n (bitmap "Bmp<n+1>") to the top left of target.
void DrawFrame(HDC target, int frame) {
    char name[8];
    snprintf(name, sizeof name, "Bmp%d", frame + 1);
    HBITMAP bitmap = LoadBitmapA(Instance(), name);
    HDC memory = bitmap ? CreateCompatibleDC(target) : nullptr;
    if (memory) {
        BITMAP size = {};
        GetObjectA(bitmap, sizeof size, &size);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(target, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    if (bitmap) DeleteObject(bitmap);
}

void Animate(HWND dialog) {
    g_frame = (g_frame + 1) % kFrames;
    HWND control = GetDlgItem(dialog, IDC_ANIMATION);
    if (HDC dc = GetDC(control)) {
        DrawFrame(dc, g_frame);
        ReleaseDC(control, dc);
    }
}

void PaintFrameNumber(HWND dialog) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    if (g_frame > kFrames) g_frame = 0;
    char number[16];
    int length = snprintf(number, sizeof number, "%d", g_frame);
    TextOutA(dc, 10, 10, number, length);
    EndPaint(dialog, &paint);
}

}  // namespace

int ProgressSentenceCount() { return g_counter; }
int ProgressAnimationFrame() { return g_frame; }

INT_PTR CALLBACK ProgressDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        g_counter = 0;
        g_run.cancelCount = 0;
        g_frame = 0;
        SetTimer(dialog, kAnimationTimer, kAnimationMs, nullptr);
        return FALSE;
    case WM_TIMER:
        Animate(dialog);
        return TRUE;
    case WM_DRAWITEM:
        DrawFrame(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hDC, g_frame);
        return TRUE;
    case WM_PAINT:
        PaintFrameNumber(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDC_CANCEL_RUN) return FALSE;
        ++g_run.cancelCount;
        return TRUE;
    case WM_CLOSE:
        KillTimer(dialog, kAnimationTimer);
        return FALSE;
    case WM_SETCURSOR:
        return TRUE;
    default:
        return FALSE;
    }
}

HWND OpenProgressDialog(HWND owner) {
    g_run.progressDialog = CreateDialogParamA(Instance(), MAKEINTRESOURCEA(IDD_PROGRESS), owner,
                                              ProgressDialogProc, 0);
    return g_run.progressDialog;
}

void CloseProgressDialog() {
    ShowWhatWaits();  // marking and output are whole before anyone sees the run end
    if (g_run.progressDialog) DestroyWindow(g_run.progressDialog);
    g_run.progressDialog = nullptr;
}

int ProgressStep(HWND dialog, int every) {
    if (!dialog) dialog = g_run.progressDialog;
    if (every <= 0) every = 1;
    ++g_counter;
    if (dialog && g_counter % every == 0)
        SetDlgItemInt(dialog, IDC_SENTENCE_NUMBER, static_cast<UINT>(g_counter / every), TRUE);
    // Only the dialog's own messages: everything else waits for the main loop.
    // Without a dialog nothing is pumped, since a null filter would take them all.
    MSG message;
    while (dialog && PeekMessageA(&message, dialog, 0, 0, PM_REMOVE)) {
        if (IsWindow(dialog) && IsDialogMessageA(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return g_run.cancelCount;
}
