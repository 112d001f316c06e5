#pragma once
// Lettering for the pictures: a 5 x 7 dot font of our own (two rows more below
// the line for descenders), for the letters, digits and signs the pictures use.
// Text is Windows-1252, like every text of the program.
#include <vector>

#include "canvas.h"

namespace art {

enum class Lettering {
    Blocks,   // every dot a square cell: crisp at 1:1 in icons
    Strokes,  // dots joined to their neighbours by round strokes: for large text
};

struct TextShape {
    std::vector<Box> blocks;
    std::vector<Capsule> strokes;
    Box bounds;
    bool Contains(float x, float y) const;
};

// Width in pixels of `text` set with dots `cell` pixels apart.
float TextWidth(const char* text, float cell);

// `weight` is the stroke radius as a share of the cell (Strokes only).
TextShape SetText(const char* text, float left, float top, float cell, Lettering lettering,
                  float weight = 0.4f);

}  // namespace art
