#include "glyphs.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace art {

namespace {

constexpr int kRows = 9;     // 7 down to the line, 2 below it
constexpr int kRaised = 2;   // rows above the capitals, for the dots of Ä, Ö, Ü

struct Glyph {
    std::vector<std::string> rows;  // from the top, '#' a dot
    int top = 0;                    // row of the first line; negative above the capitals
};

const std::map<char, Glyph>& Font() {
    static const std::map<char, Glyph> font = {
        {'A', {{".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}}},
        {'B', {{"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}}},
        {'C', {{".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}}},
        {'D', {{"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}}},
        {'E', {{"#####", "#....", "#....", "####.", "#....", "#....", "#####"}}},
        {'F', {{"#####", "#....", "#....", "####.", "#....", "#....", "#...."}}},
        {'G', {{".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."}}},
        {'H', {{"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}}},
        {'I', {{"###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"}}},
        {'K', {{"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}}},
        {'L', {{"#....", "#....", "#....", "#....", "#....", "#....", "#####"}}},
        {'M', {{"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}}},
        {'N', {{"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}}},
        {'O', {{".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}}},
        {'P', {{"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}}},
        {'Q', {{".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}}},
        {'R', {{"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}}},
        {'S', {{".####", "#....", "#....", ".###.", "....#", "....#", "####."}}},
        {'T', {{"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}}},
        {'U', {{"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}}},
        {'V', {{"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}}},
        {'W', {{"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}}},
        {'Z', {{"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}}},
        {'a', {{".....", ".....", ".###.", "....#", ".####", "#...#", ".####"}}},
        {'b', {{"#....", "#....", "#.##.", "##..#", "#...#", "#...#", "####."}}},
        {'c', {{".....", ".....", ".###.", "#....", "#....", "#...#", ".###."}}},
        {'d', {{"....#", "....#", ".##.#", "#..##", "#...#", "#...#", ".####"}}},
        {'e', {{".....", ".....", ".###.", "#...#", "#####", "#....", ".###."}}},
        {'f', {{"..##", ".#..", ".#..", "###.", ".#..", ".#..", ".#.."}}},
        {'g', {{".....", ".....", ".####", "#...#", "#...#", "#...#", ".####", "....#", ".###."}}},
        {'h', {{"#....", "#....", "#.##.", "##..#", "#...#", "#...#", "#...#"}}},
        {'i', {{".#.", "...", "##.", ".#.", ".#.", ".#.", "###"}}},
        {'k', {{"#...", "#...", "#..#", "#.#.", "##..", "#.#.", "#..#"}}},
        {'l', {{"##.", ".#.", ".#.", ".#.", ".#.", ".#.", "###"}}},
        {'m', {{".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"}}},
        {'n', {{".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"}}},
        {'o', {{".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}}},
        {'p', {{".....", ".....", "####.", "#...#", "#...#", "#...#", "####.", "#....", "#...."}}},
        {'r', {{".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."}}},
        {'s', {{".....", ".....", ".####", "#....", ".###.", "....#", "####."}}},
        {'t', {{".#..", ".#..", "###.", ".#..", ".#..", ".#.#", "..#."}}},
        {'u', {{".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"}}},
        {'v', {{".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."}}},
        {'w', {{".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."}}},
        {'z', {{".....", ".....", "#####", "...#.", "..#..", ".#...", "#####"}}},
        {'\xC4', {{".#.#.", ".....", ".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}, -kRaised}},  // Ä
        {'\xD6', {{".#.#.", ".....", ".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}, -kRaised}},  // Ö
        {'\xDC', {{".#.#.", ".....", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}, -kRaised}},  // Ü
        {'\xE4', {{".#.#.", ".....", ".###.", "....#", ".####", "#...#", ".####"}}},  // ä
        {'\xF6', {{".#.#.", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}}},  // ö
        {'\xFC', {{".#.#.", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"}}},  // ü
        {'\xDF', {{".##..", "#..#.", "#..#.", "#.#..", "#..#.", "#...#", "#.##."}}},  // ß
        {'0', {{".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}}},
        {'1', {{".#.", "##.", ".#.", ".#.", ".#.", ".#.", "###"}}},
        {'2', {{".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}}},
        {'6', {{"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}}},
        {'.', {{".", ".", ".", ".", ".", ".", "#"}}},
        {',', {{".", ".", ".", ".", ".", "#", "#", "#"}}},
        {':', {{".", ".", "#", ".", ".", "#", "."}}},
        {'-', {{"....", "....", "....", "####", "....", "....", "...."}}},
        {'!', {{"#", "#", "#", "#", "#", ".", "#"}}},
        {'>', {{"#...", ".#..", "..#.", "...#", "..#.", ".#..", "#..."}}},
        {'<', {{"...#", "..#.", ".#..", "#...", ".#..", "..#.", "...#"}}},
    };
    return font;
}

constexpr int kSpaceColumns = 3;

// A blank has no glyph; any other byte without one is a slip in a picture's text.
const Glyph* GlyphOf(char c) {
    if (c == ' ') return nullptr;
    auto found = Font().find(c);
    if (found == Font().end()) {
        std::fprintf(stderr, "make_art: no glyph for byte 0x%02X\n", static_cast<unsigned char>(c));
        std::exit(1);
    }
    return &found->second;
}

bool Dot(const Glyph& glyph, int column, int row) {
    int index = row - glyph.top;
    if (index < 0 || index >= static_cast<int>(glyph.rows.size())) return false;
    const std::string& line = glyph.rows[index];
    return column >= 0 && column < static_cast<int>(line.size()) && line[column] == '#';
}

int GlyphColumns(const Glyph* glyph) {
    if (!glyph) return kSpaceColumns;
    size_t columns = 0;
    for (const std::string& line : glyph->rows) columns = std::max(columns, line.size());
    return static_cast<int>(columns);
}

void AddGlyph(const Glyph& glyph, float left, float top, float cell, Lettering lettering,
              float weight, TextShape& shape) {
    auto centre = [&](int column, int row) {
        return Point{left + (column + 0.5f) * cell, top + (row + 0.5f) * cell};
    };
    int columns = GlyphColumns(&glyph);
    for (int row = -kRaised; row < kRows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (!Dot(glyph, column, row)) continue;
            if (lettering == Lettering::Blocks) {
                float x = left + column * cell, y = top + row * cell;
                shape.blocks.push_back(Box{x, y, x + cell, y + cell});
                continue;
            }
            float radius = weight * cell;
            Point here = centre(column, row);
            shape.strokes.push_back(Capsule{here, here, radius});
            if (Dot(glyph, column + 1, row))
                shape.strokes.push_back(Capsule{here, centre(column + 1, row), radius});
            if (Dot(glyph, column, row + 1))
                shape.strokes.push_back(Capsule{here, centre(column, row + 1), radius});
            // A diagonal step is joined only where no straight path turns the corner,
            // so that corners stay corners and slopes stay thin.
            if (Dot(glyph, column + 1, row + 1) && !Dot(glyph, column + 1, row) &&
                !Dot(glyph, column, row + 1))
                shape.strokes.push_back(Capsule{here, centre(column + 1, row + 1), radius});
            if (Dot(glyph, column - 1, row + 1) && !Dot(glyph, column - 1, row) &&
                !Dot(glyph, column, row + 1))
                shape.strokes.push_back(Capsule{here, centre(column - 1, row + 1), radius});
        }
    }
}

}  // namespace

bool TextShape::Contains(float x, float y) const {
    if (!InRect(x, y, bounds.x0, bounds.y0, bounds.x1, bounds.y1)) return false;
    for (const Box& b : blocks)
        if (InRect(x, y, b.x0, b.y0, b.x1, b.y1)) return true;
    for (const Capsule& c : strokes)
        if (c.Contains(x, y)) return true;
    return false;
}

float TextWidth(const char* text, float cell) {
    int columns = 0;
    for (const char* p = text; *p; ++p) {
        columns += GlyphColumns(GlyphOf(*p));
        if (p[1]) ++columns;  // one blank column between letters
    }
    return columns * cell;
}

TextShape SetText(const char* text, float left, float top, float cell, Lettering lettering,
                  float weight) {
    TextShape shape;
    float x = left;
    for (const char* p = text; *p; ++p) {
        const Glyph* glyph = GlyphOf(*p);
        if (glyph) AddGlyph(*glyph, x, top, cell, lettering, weight, shape);
        x += (GlyphColumns(glyph) + 1) * cell;
    }
    float margin = lettering == Lettering::Strokes ? cell : 0;
    shape.bounds = Box{left - margin, top - kRaised * cell - margin, x + margin,
                       top + kRows * cell + margin};
    return shape;
}

}  // namespace art
