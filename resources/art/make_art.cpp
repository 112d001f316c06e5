// Draws the program's pictures into the current folder, for the resource scripts:
//   qdge.ico, qdeg.ico          program icons (resources 138 and 137)
//   text_window.ico             input and output windows (147)
//   messages_window.ico         messages window (149)
//   start_qdge.bmp, start_qdeg.bmp   start picture, 460 x 320 ("IDB_STARTBMP")
//   busy1.bmp ... busy12.bmp    hourglass animation of the progress dialog,
//                               32 x 32 in 16 colours ("Bmp1" ... "Bmp12")
// Everything is drawn from shapes and our own dot font, so the build needs no
// picture files from anywhere.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "canvas.h"
#include "glyphs.h"
#include "image_files.h"

using namespace art;

namespace {

// ---- Colours ----
const Color kBlack = Rgb(0x000000);
const Color kWhite = Rgb(0xFFFFFF);
const Color kInk = Rgb(0x202020);
const Color kOutline = Rgb(0x404040);
const Color kGermanRed = Rgb(0xDD0000);
const Color kGermanGold = Rgb(0xFFCC00);
const Color kEnglishBlue = Rgb(0x012169);
const Color kEnglishRed = Rgb(0xC8102E);
const Color kArrow = Rgb(0xF08000);
const Color kPaperLine = Rgb(0x7080A0);
const Color kTransparent = Color{};

enum class Language { German, English };

const char* Code(Language language) { return language == Language::German ? "D" : "E"; }

Box Whole(const Canvas& canvas) {
    return Box{0, 0, static_cast<float>(canvas.Width()), static_cast<float>(canvas.Height())};
}

void FillRect(Canvas& canvas, float x0, float y0, float x1, float y1, Color color) {
    canvas.Fill(Box{x0, y0, x1, y1},
                [=](float x, float y) { return InRect(x, y, x0, y0, x1, y1); }, color);
}

// ---- Flag bands, in the coordinates of the shape that holds them ----

// Black, red and gold in three equal stripes.
Color GermanBand(float, float y, float top, float bottom) {
    float third = (bottom - top) / 3;
    if (y < top + third) return kBlack;
    if (y < top + 2 * third) return kGermanRed;
    return kGermanGold;
}

// Blue with a white-edged red cross, and the diagonals when there is room for them.
Color EnglishBand(float x, float y, float left, float top, float right, float bottom,
                  bool diagonals) {
    float cx = (left + right) / 2, cy = (top + bottom) / 2;
    float h = bottom - top;
    if (std::fabs(y - cy) < h * 0.12f || std::fabs(x - cx) < h * 0.12f) return kEnglishRed;
    if (std::fabs(y - cy) < h * 0.24f || std::fabs(x - cx) < h * 0.24f) return kWhite;
    if (diagonals) {
        Capsule down{{left, top}, {right, bottom}, h * 0.13f};
        Capsule up{{left, bottom}, {right, top}, h * 0.13f};
        Capsule downRed{{left, top}, {right, bottom}, h * 0.05f};
        Capsule upRed{{left, bottom}, {right, top}, h * 0.05f};
        if (downRed.Contains(x, y) || upRed.Contains(x, y)) return kEnglishRed;
        if (down.Contains(x, y) || up.Contains(x, y)) return kWhite;
    }
    return kEnglishBlue;
}

// ---- Icons: 32 x 32 and 16 x 16, each in 16 colours and in full colour ----

bool Small(const Canvas& canvas) { return canvas.Width() == 16; }

// Program icons: two overlapping cards, the source language behind.

struct CardLayout {
    int x0, y0, x1, y1;  // outline included
    int band;            // rows of the flag band
    float cell;          // dot size of the letter
    int letterLeft, letterTop;
};

void IconCard(Canvas& canvas, const CardLayout& card, Language language) {
    FillRect(canvas, card.x0, card.y0, card.x1, card.y1, kOutline);
    FillRect(canvas, card.x0 + 1, card.y0 + 1, card.x1 - 1, card.y1 - 1, kWhite);
    float left = card.x0 + 1, right = card.x1 - 1;
    float bandTop = card.y0 + 1, bandBottom = bandTop + card.band;
    canvas.Fill(Box{left, bandTop, right, bandBottom},
                [=](float x, float y) { return InRect(x, y, left, bandTop, right, bandBottom); },
                [=](float x, float y) {
                    return language == Language::German
                               ? GermanBand(x, y, bandTop, bandBottom)
                               : EnglishBand(x, y, left, bandTop, right, bandBottom, card.band >= 5);
                });
    TextShape letter =
        SetText(Code(language), card.letterLeft, card.letterTop, card.cell, Lettering::Blocks);
    canvas.Fill(letter.bounds, [&](float x, float y) { return letter.Contains(x, y); }, kInk);
}

// A bent arrow from the back card down to the front one (32 x 32 only).
void IconArrow(Canvas& canvas) {
    FillRect(canvas, 20, 2, 27, 4, kArrow);
    FillRect(canvas, 25, 2, 27, 5, kArrow);
    std::vector<Point> head{{22.5f, 4.5f}, {29.5f, 4.5f}, {26, 8}};
    canvas.Fill(Box{22, 4, 30, 8}, [&](float x, float y) { return InPolygon(x, y, head); }, kArrow);
}

void DrawProgramIcon(Canvas& canvas, Language source, Language target, bool smooth) {
    if (Small(canvas)) {
        IconCard(canvas, {0, 0, 9, 13, 3, 1, 2, 5}, source);
        IconCard(canvas, {7, 3, 16, 16, 3, 1, 9, 8}, target);
        return;
    }
    IconCard(canvas, {1, 1, 18, 25, 6, 2, 4, 8}, source);
    if (smooth) {
        canvas.Fill(Box{13, 7, 32, 32},
                    [](float x, float y) { return InRoundRect(x, y, 15, 10, 32, 32, 1.5f); },
                    Rgb(0x000000, 0.35f));
    }
    IconCard(canvas, {14, 8, 31, 32, 6, 2, 17, 15}, target);
    IconArrow(canvas);
}

// Window icons: a sheet of paper with a folded corner at the top right.

void DrawSheet(Canvas& canvas) {
    float k = Small(canvas) ? 0.5f : 1.0f;  // the small sheet is the large one halved
    auto at = [k](std::vector<Point> points) {
        for (Point& p : points) p = Point{p.x * k, p.y * k};
        return points;
    };
    std::vector<Point> outer = at({{4, 0}, {20, 0}, {28, 8}, {28, 32}, {4, 32}});
    std::vector<Point> inner = at({{6, 2}, {19, 2}, {26, 9}, {26, 30}, {6, 30}});
    std::vector<Point> fold = at({{19, 2}, {26, 9}, {19, 9}});
    Box box = Whole(canvas);
    canvas.Fill(box, [&](float x, float y) { return InPolygon(x, y, outer); }, kOutline);
    canvas.Fill(box, [&](float x, float y) { return InPolygon(x, y, inner); }, kWhite);
    canvas.Fill(box, [&](float x, float y) { return InPolygon(x, y, fold); }, Rgb(0xC0C0C0));
}

void DrawTextWindowIcon(Canvas& canvas, bool) {
    DrawSheet(canvas);
    if (Small(canvas)) {
        const int ends[] = {9, 11, 10, 12, 8};
        for (int i = 0; i < 5; ++i) FillRect(canvas, 5, 5 + 2 * i, ends[i], 6 + 2 * i, kPaperLine);
        return;
    }
    const int ends[] = {17, 23, 21, 24, 16, 23, 20};
    for (int i = 0; i < 7; ++i) FillRect(canvas, 9, 8 + 3 * i, ends[i], 10 + 3 * i, kPaperLine);
}

// A warning sign: a triangle with its apex at (cx, top), `size` high.
void WarningSign(Canvas& canvas, float cx, float top, float size, bool small) {
    std::vector<Point> edge{{cx, top}, {cx + size * 0.6f, top + size}, {cx - size * 0.6f, top + size}};
    float in = small ? 1.3f : 2.2f;
    std::vector<Point> face{{cx, top + in * 1.2f},
                            {cx + size * 0.6f - in, top + size - in * 0.45f},
                            {cx - size * 0.6f + in, top + size - in * 0.45f}};
    Box box = Whole(canvas);
    canvas.Fill(box, [&](float x, float y) { return InPolygon(x, y, edge); }, kInk);
    canvas.Fill(box, [&](float x, float y) { return InPolygon(x, y, face); }, kGermanGold);
    float stroke = small ? 1 : 2;
    float x0 = cx - stroke / 2;
    float markTop = top + size * (small ? 0.4f : 0.35f);
    FillRect(canvas, x0, markTop, x0 + stroke, top + size * 0.68f, kInk);
    FillRect(canvas, x0, top + size * 0.76f, x0 + stroke, top + size * 0.76f + stroke, kInk);
}

void DrawMessagesWindowIcon(Canvas& canvas, bool) {
    DrawSheet(canvas);
    if (Small(canvas)) {
        for (int i = 0; i < 3; ++i) {
            int y = 5 + 2 * i;
            FillRect(canvas, 4, y, 5, y + 1, kGermanRed);
            FillRect(canvas, 6, y, i == 1 ? 11 : 9, y + 1, kPaperLine);
        }
        WarningSign(canvas, 11.5f, 8, 8, true);
        return;
    }
    // Failure lines, each behind a red bullet.
    const int ends[] = {18, 23, 21};
    for (int i = 0; i < 3; ++i) {
        int y = 6 + 5 * i;
        FillRect(canvas, 8, y, 10, y + 2, kGermanRed);
        FillRect(canvas, 12, y, ends[i], y + 1, kPaperLine);
        FillRect(canvas, 12, y + 2, ends[i] - 4, y + 3, kPaperLine);
    }
    WarningSign(canvas, 23, 16, 16, false);
}

// Each size twice: 16 colours with hard edges, and full colour with smooth ones.
template <typename Draw>
void WriteIconFile(const std::string& path, Draw draw) {
    std::vector<Canvas> canvases;
    std::vector<int> bits;
    for (int size : {32, 16}) {
        for (bool smooth : {false, true}) {
            canvases.emplace_back(size, size, kTransparent,
                                  smooth ? Canvas::Edges::Smooth : Canvas::Edges::Hard);
            draw(canvases.back(), smooth);
            bits.push_back(smooth ? 32 : 4);
        }
    }
    std::vector<IconImage> images;
    for (size_t i = 0; i < canvases.size(); ++i) images.push_back({&canvases[i], bits[i]});
    WriteIcon(path, images);
}

// ---- Start picture ----

constexpr int kStartWidth = 460;
constexpr int kStartHeight = 320;

const char* LanguageName(Language language) {
    return language == Language::German ? "Deutsch" : "Englisch";
}

void StartBackground(Canvas& canvas) {
    Color top = Rgb(0x0B2340), bottom = Rgb(0x1C5C8A);
    canvas.Fill(Whole(canvas), [](float, float) { return true; },
                [=](float, float y) { return Mix(top, bottom, y / kStartHeight); });
    // A soft light behind the two cards.
    canvas.Fill(Box{80, 60, 380, 340}, [](float x, float y) { return InDisk(x, y, 230, 205, 150); },
                Rgb(0xFFFFFF, 0.06f));
    // Edges: the picture has no window frame around it.
    canvas.Fill(Whole(canvas),
                [](float x, float y) {
                    return !InRect(x, y, 2, 2, kStartWidth - 2, kStartHeight - 2);
                },
                Rgb(0x5D8FBF));
    canvas.Fill(Whole(canvas),
                [](float x, float y) {
                    return InRect(x, y, 7, 7, kStartWidth - 7, kStartHeight - 7) &&
                           !InRect(x, y, 8, 8, kStartWidth - 8, kStartHeight - 8);
                },
                Rgb(0xC9A43A, 0.6f));
}

void DrawText(Canvas& canvas, const TextShape& text, Color color) {
    canvas.Fill(text.bounds, [&](float x, float y) { return text.Contains(x, y); }, color);
}

void StartTitle(Canvas& canvas) {
    const char* title = "Quendel";
    float cell = 9;
    float left = (kStartWidth - TextWidth(title, cell)) / 2;
    DrawText(canvas, SetText(title, left + 3, 25, cell, Lettering::Strokes, 0.4f),
             Rgb(0x000000, 0.35f));
    DrawText(canvas, SetText(title, left, 22, cell, Lettering::Strokes, 0.4f), kWhite);
}

// A straight arrow from `from` to `to`.
void DrawArrow(Canvas& canvas, Point from, Point to, float thickness, Color color) {
    float dx = to.x - from.x, dy = to.y - from.y;
    float length = std::sqrt(dx * dx + dy * dy);
    float ux = dx / length, uy = dy / length;
    float head = thickness * 4.5f;
    Point base{to.x - ux * head, to.y - uy * head};
    Capsule shaft{from, {base.x + ux * thickness, base.y + uy * thickness}, thickness};
    std::vector<Point> tip{{base.x - uy * head * 0.6f, base.y + ux * head * 0.6f},
                           to,
                           {base.x + uy * head * 0.6f, base.y - ux * head * 0.6f}};
    Box box = Grow(Box{std::fmin(from.x, to.x), std::fmin(from.y, to.y), std::fmax(from.x, to.x),
                       std::fmax(from.y, to.y)},
                   head);
    canvas.Fill(box, [&](float x, float y) { return shaft.Contains(x, y) || InPolygon(x, y, tip); },
                color);
}

void StartSubtitle(Canvas& canvas, Language source, Language target) {
    float cell = 3, gap = 14, arrow = 40;
    const char* from = LanguageName(source);
    const char* to = LanguageName(target);
    float width = TextWidth(from, cell) + gap + arrow + gap + TextWidth(to, cell);
    float x = (kStartWidth - width) / 2, top = 102;
    Color text = Rgb(0xCFE3F5);
    DrawText(canvas, SetText(from, x, top, cell, Lettering::Strokes, 0.45f), text);
    x += TextWidth(from, cell) + gap;
    DrawArrow(canvas, {x, top + 10.5f}, {x + arrow, top + 10.5f}, 2.5f, Rgb(0xFFC83D));
    x += arrow + gap;
    DrawText(canvas, SetText(to, x, top, cell, Lettering::Strokes, 0.45f), text);
}

// A sheet of text in one language, turned a little, centred at (cx, cy).
void StartCard(Canvas& canvas, float cx, float cy, float degrees, Language language) {
    const float hw = 62, hh = 61;
    Turn turn(cx, cy, degrees);
    Box box = Grow(Box{cx - hw, cy - hh, cx + hw, cy + hh}, 12);
    auto card = [=](float x, float y) {
        Point p = turn.ToShape(x, y);
        return InRoundRect(p.x, p.y, -hw, -hh, hw, hh, 7);
    };
    Turn shadowTurn(cx + 5, cy + 6, degrees);
    canvas.Fill(Grow(box, 6),
                [=](float x, float y) {
                    Point p = shadowTurn.ToShape(x, y);
                    return InRoundRect(p.x, p.y, -hw, -hh, hw, hh, 7);
                },
                Rgb(0x000000, 0.35f));
    canvas.Fill(box, card, Rgb(0xFBFBF7));

    const float bandBottom = -hh + 26;
    canvas.Fill(box, [=](float x, float y) { return card(x, y) && turn.ToShape(x, y).y < bandBottom; },
                [=](float x, float y) {
                    Point p = turn.ToShape(x, y);
                    return language == Language::German
                               ? GermanBand(p.x, p.y, -hh, bandBottom)
                               : EnglishBand(p.x, p.y, -hw, -hh, hw, bandBottom, true);
                });

    TextShape code = SetText(language == Language::German ? "DE" : "EN", -50, -26, 4,
                             Lettering::Strokes, 0.42f);
    canvas.Fill(box, [&](float x, float y) {
                    Point p = turn.ToShape(x, y);
                    return code.Contains(p.x, p.y);
                },
                Rgb(0x1A1A1A));
    // Lines of text, suggested.
    const float ends[] = {48, 30, 44, 12};
    for (int i = 0; i < 4; ++i) {
        float y = 14 + 10 * i;
        float end = ends[i];
        canvas.Fill(box, [=](float x, float yy) {
                        Point p = turn.ToShape(x, yy);
                        return InRoundRect(p.x, p.y, -50, y, end, y + 5, 2.5f);
                    },
                    Rgb(0xB8C2CC));
    }
}

void StartFooter(Canvas& canvas) {
    const char* footer = "Maschinelle \xDC" "bersetzung";
    float cell = 2;
    float left = (kStartWidth - TextWidth(footer, cell)) / 2;
    DrawText(canvas, SetText(footer, left, 284, cell, Lettering::Strokes, 0.45f), Rgb(0x9FC3E6));
}

void WriteStartPicture(const std::string& path, Language source, Language target) {
    Canvas canvas(kStartWidth, kStartHeight, kBlack, Canvas::Edges::Smooth);
    StartBackground(canvas);
    StartTitle(canvas);
    StartSubtitle(canvas, source, target);
    StartCard(canvas, 128, 201, -4, source);
    StartCard(canvas, 332, 201, 4, target);
    DrawArrow(canvas, {204, 186}, {262, 186}, 4, Rgb(0xFFC83D));
    DrawArrow(canvas, {256, 220}, {198, 220}, 3, Rgb(0x7FB2E0));
    StartFooter(canvas);
    WriteBitmap24(path, canvas);
}

// ---- Hourglass animation ----
//
// The progress dialog copies each 32 x 32 frame to the corner of a control only
// 8 x 8 dialog units large, which clips it to about 12 x 13 pixels. So the
// hourglass stands in that corner, on the dialog's face colour, and looks the
// same whether the rest of the frame is cut off or drawn.

const Color kFace = Rgb(0xF5F5F5);

// The empty glass, 9 x 12 pixels: 'W' wood, 'G' glass edge, '.' inside.
const char* const kGlass[] = {
    "WWWWWWWWW",
    " G.....G ",
    " G.....G ",
    " G.....G ",
    "  G...G  ",
    "   G.G   ",
    "   G.G   ",
    "  G...G  ",
    " G.....G ",
    " G.....G ",
    " G.....G ",
    "WWWWWWWWW",
};
constexpr int kGlassHeight = 12, kNeckTop = 5, kNeckBottom = 6;  // the neck: rows 5 and 6
constexpr int kCentreColumn = 4;

using Grid = std::vector<std::string>;

// The inside cells of one half, in the order the sand fills them: upwards from
// the neck (upper half) or from the floor (lower half), centre first.
std::vector<std::pair<int, int>> FillOrder(bool upper) {
    std::vector<std::pair<int, int>> cells;
    int first = upper ? kNeckTop : kGlassHeight - 2;
    int last = upper ? 1 : kNeckBottom;
    for (int row = first; row >= last; --row) {
        for (int offset = 0; offset <= kCentreColumn; ++offset) {
            if (kGlass[row][kCentreColumn - offset] == '.') cells.emplace_back(row, kCentreColumn - offset);
            if (offset > 0 && kGlass[row][kCentreColumn + offset] == '.')
                cells.emplace_back(row, kCentreColumn + offset);
        }
    }
    return cells;
}

// The glass with `fallen` of its grains in the lower half ('S' sand).
Grid HourglassGrid(int fallen, int grains) {
    Grid grid(kGlass, kGlass + kGlassHeight);
    std::vector<std::pair<int, int>> upper = FillOrder(true), lower = FillOrder(false);
    for (int i = 0; i < grains - fallen; ++i) grid[upper[i].first][upper[i].second] = 'S';
    int heapTop = kGlassHeight - 1;
    for (int i = 0; i < fallen; ++i) {
        grid[lower[i].first][lower[i].second] = 'S';
        heapTop = std::min(heapTop, lower[i].first);
    }
    // While it runs, a thread of sand falls from the neck down to the heap.
    if (fallen > 0 && fallen < grains)
        for (int row = kNeckTop; row < heapTop; ++row) grid[row][kCentreColumn] = 'S';
    return grid;
}

// The same picture turned a quarter clockwise.
Grid TurnQuarter(const Grid& grid) {
    int rows = static_cast<int>(grid.size()), columns = static_cast<int>(grid[0].size());
    Grid turned(columns, std::string(rows, ' '));
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            turned[column][rows - 1 - row] = grid[row][column];
    return turned;
}

void PaintGrid(Canvas& canvas, const Grid& grid, int left, int top) {
    for (size_t row = 0; row < grid.size(); ++row) {
        for (size_t column = 0; column < grid[row].size(); ++column) {
            Color color;
            switch (grid[row][column]) {
            case 'W': color = Rgb(0x7A4A1E); break;
            case 'G': color = Rgb(0x2E3F66); break;
            case '.': color = Rgb(0xCFE8F4); break;
            case 'S': color = Rgb(0xE0A020); break;
            default: continue;
            }
            float x = left + static_cast<float>(column), y = top + static_cast<float>(row);
            FillRect(canvas, x, y, x + 1, y + 1, color);
        }
    }
}

// Frames 1 to 11 let the sand run down; frame 12 has the glass on its side,
// turning over, and frame 1 shows it upright again with the sand above.
void WriteBusyFrames() {
    const int grains = static_cast<int>(FillOrder(true).size());
    for (int frame = 0; frame < 12; ++frame) {
        Canvas canvas(32, 32, kFace, Canvas::Edges::Hard);
        if (frame < 11) {
            int fallen = (grains * frame + 5) / 10;
            PaintGrid(canvas, HourglassGrid(fallen, grains), 1, 0);
        } else {
            PaintGrid(canvas, TurnQuarter(HourglassGrid(grains, grains)), 0, 2);
        }
        WriteBitmap16Colours("busy" + std::to_string(frame + 1) + ".bmp", canvas);
    }
}

}  // namespace

int main() {
    WriteIconFile("qdge.ico", [](Canvas& c, bool smooth) {
        DrawProgramIcon(c, Language::German, Language::English, smooth);
    });
    WriteIconFile("qdeg.ico", [](Canvas& c, bool smooth) {
        DrawProgramIcon(c, Language::English, Language::German, smooth);
    });
    WriteIconFile("text_window.ico", DrawTextWindowIcon);
    WriteIconFile("messages_window.ico", DrawMessagesWindowIcon);
    WriteStartPicture("start_qdge.bmp", Language::German, Language::English);
    WriteStartPicture("start_qdeg.bmp", Language::English, Language::German);
    WriteBusyFrames();
    return 0;
}
