#pragma once
// Writes canvases as the Windows picture files the resource compiler takes in:
// .bmp (24 bits or 16 colours) and .ico (16 colours with a mask, and 32 bits with
// alpha, for screens that show more).
#include <string>
#include <vector>

#include "canvas.h"

namespace art {

// Every writer ends the tool with a message if the file cannot be written, or if
// a 16-colour picture holds more than 16 colours (drawn with Canvas::Edges::Hard
// and colours from a fixed set, it cannot).
void WriteBitmap24(const std::string& path, const Canvas& canvas);
void WriteBitmap16Colours(const std::string& path, const Canvas& canvas);

struct IconImage {
    const Canvas* canvas;
    int bits;  // 4 or 32
};
void WriteIcon(const std::string& path, const std::vector<IconImage>& images);

}  // namespace art
