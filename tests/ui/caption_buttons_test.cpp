// The frame's caption buttons as a person sees them, read off the screen: the close
// button must show its cross, drawn from the symbol font, and not the letter "r"
// that stands for the cross in that font when the font is missing.
#include <vector>

#include "tests/support/driver.h"

using namespace qd;

namespace {

class UICaptionButtons : public UiTest {};

using Pixels = std::vector<std::vector<bool>>;  // dark or not, row by row

Pixels DarkPixelsOnScreen(const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    Pixels dark(height, std::vector<bool>(width, false));
    const unsigned char* bytes = static_cast<const unsigned char*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = bytes + 4 * (y * width + x);
            dark[y][x] = p[0] + p[1] + p[2] < 3 * 128;
        }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return dark;
}

std::string Picture(const Pixels& pixels) {
    std::string text;
    for (const auto& row : pixels) {
        text += "\n  ";
        for (bool dark : row) text += dark ? '#' : '.';
    }
    return text;
}

int DarkCount(const Pixels& pixels) {
    int count = 0;
    for (const auto& row : pixels)
        for (bool dark : row) count += dark;
    return count;
}

// The button's shadow edges are dark lines across half the area or more; what is
// left is the glyph.
Pixels WithoutLines(Pixels pixels) {
    const int height = static_cast<int>(pixels.size()), width = static_cast<int>(pixels[0].size());
    std::vector<int> inRow(height, 0), inColumn(width, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (pixels[y][x]) ++inRow[y], ++inColumn[x];
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (2 * inRow[y] >= width || 2 * inColumn[x] >= height) pixels[y][x] = false;
    return pixels;
}

// The share of the glyph's dark pixels whose mirror image across the middle of the
// glyph is dark too: 1 for a cross, well below for a letter.
double MirrorShare(const Pixels& pixels, bool leftRight) {
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1, count = 0;
    for (int y = 0; y < static_cast<int>(pixels.size()); ++y)
        for (int x = 0; x < static_cast<int>(pixels[y].size()); ++x)
            if (pixels[y][x]) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
                ++count;
            }
    if (count == 0) return 0;
    int matched = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (pixels[y][x] && (leftRight ? pixels[y][left + right - x] : pixels[top + bottom - y][x]))
                ++matched;
    return static_cast<double>(matched) / count;
}

}  // namespace

TEST_F(UICaptionButtons, TheCloseButtonShowsItsCrossAndNotALetter) {
    Program app(StartOptions(Build::QDGE));
    HWND frame = app.Frame();
    // Nothing of another window may cover the caption while it is read.
    SetWindowPos(frame, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    app.ExpectNoBox();

    TITLEBARINFO bar = {};
    bar.cbSize = sizeof bar;
    ASSERT_TRUE(GetTitleBarInfo(frame, &bar));
    const int side = bar.rcTitleBar.bottom - bar.rcTitleBar.top;
    ASSERT_GT(side, 8);
    // The close button is the caption's last square.
    RECT button = {bar.rcTitleBar.right - side, bar.rcTitleBar.top, bar.rcTitleBar.right,
                   bar.rcTitleBar.bottom};
    Pixels glyph = WithoutLines(DarkPixelsOnScreen(button));
    EXPECT_GE(DarkCount(glyph), 6) << Picture(glyph);
    EXPECT_GE(MirrorShare(glyph, true), 0.9) << Picture(glyph);
    EXPECT_GE(MirrorShare(glyph, false), 0.9) << Picture(glyph);
    EXPECT_EQ(app.Close(), 0);
}
