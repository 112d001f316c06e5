// Takes one screenshot of QDGE.exe or QDEG.exe for the README (tools/make-screenshots):
//
//   qdshot PROGRAM.exe FILE COMMAND PICTURE.bmp
//
// starts PROGRAM with FILE, which it loads and translates; waits until that is
// over; posts COMMAND to the frame unless it is 0 and waits for the window that
// the command opens; then writes what the screen shows of the frame and that
// window into PICTURE.bmp and ends the program.
#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "tools/program_driver.h"

namespace {

constexpr DWORD kWindowLimitMs = 30000;
constexpr DWORD kPaintMs = 1000;  // for the window to be drawn once it is there

struct WindowSearch {
    DWORD processId;
    HWND frame;
    HWND found;
    RECT all;  // every visible window of the program together
};

BOOL CALLBACK FindOtherWindow(HWND window, LPARAM parameter) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    RECT area;
    if (owner == search->processId && window != search->frame && IsWindowVisible(window) &&
        GetWindowRect(window, &area) && area.right - area.left > 50) {
        search->found = window;
        UnionRect(&search->all, &search->all, &area);
    }
    return TRUE;
}

// Once the command has opened a window: the area of all the program's windows.
RECT WaitForOpenedWindows(const Started& program, HWND frame) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kWindowLimitMs; Sleep(50)) {
        StopIfEnded(program, "before its window opened");
        WindowSearch search = {program.processId, frame, nullptr, {}};
        GetWindowRect(frame, &search.all);
        EnumWindows(FindOtherWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            Sleep(kPaintMs);  // the command may open more than one window
            EnumWindows(FindOtherWindow, reinterpret_cast<LPARAM>(&search));
            return search.all;
        }
    }
    Stop(program, "the command opened no window");
}

bool WriteBitmap(const std::string& path, const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    const int stride = (width * 3 + 3) & ~3;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom row first, as the file keeps it
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + stride * height;
    bool written = false;
    if (FILE* out = fopen(path.c_str(), "wb")) {
        written = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&header, sizeof header, 1, out) == 1 &&
                  fwrite(bits, stride, height, out) == static_cast<size_t>(height);
        written = fclose(out) == 0 && written;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        fprintf(stderr, "usage: qdshot PROGRAM.exe FILE COMMAND PICTURE.bmp\n");
        return 2;
    }
    const std::string program = argv[1], file = argv[2], picture = argv[4];
    const int command = atoi(argv[3]);
    Started started = Start(program, file, Folder(file));
    HWND frame = WaitForFrame(started, FrameClass(program));
    WaitForTranslation(started, frame);
    RECT area;
    GetWindowRect(frame, &area);
    if (command != 0) {
        PostMessageA(frame, WM_COMMAND, command, 0);
        area = WaitForOpenedWindows(started, frame);
    }
    Sleep(kPaintMs);
    // Nothing beyond the screen.
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&area, &area, &screen);
    // Written under another name first: whoever waits for the picture sees it whole.
    const std::string partial = picture + ".part";
    const bool written = WriteBitmap(partial, area) &&
                         MoveFileExA(partial.c_str(), picture.c_str(), MOVEFILE_REPLACE_EXISTING);
    TerminateProcess(started.process, 0);
    if (!written) {
        fprintf(stderr, "cannot write %s\n", picture.c_str());
        return 1;
    }
    return 0;
}
