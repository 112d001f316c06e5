#include "app/frame.h"

LRESULT CALLBACK FrameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(frame);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(frame, message, wParam, lParam);
    }
}
