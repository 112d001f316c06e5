#pragma once
// A small raster canvas for the program's pictures. Shapes are given as inside
// tests; each pixel is sampled 4 x 4 times, so edges come out smooth (blended)
// or, for 16-colour pictures, clean (a pixel takes the shape's colour when at
// least half of it is covered).
#include <cstdint>
#include <functional>
#include <vector>

namespace art {

struct Color {
    float r = 0, g = 0, b = 0, a = 0;  // 0..1, alpha not premultiplied
};

// 0xRRGGBB with an optional opacity.
Color Rgb(uint32_t hex, float alpha = 1.0f);
Color Mix(Color from, Color to, float t);

struct Box {
    float x0, y0, x1, y1;
};

using Inside = std::function<bool(float x, float y)>;
using Shade = std::function<Color(float x, float y)>;

class Canvas {
public:
    enum class Edges { Smooth, Hard };

    Canvas(int width, int height, Color background, Edges edges);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Color At(int x, int y) const { return pixels_[y * width_ + x]; }

    void Fill(const Box& box, const Inside& inside, Color color);
    void Fill(const Box& box, const Inside& inside, const Shade& shade);

private:
    void Put(int x, int y, Color color, float coverage);

    int width_;
    int height_;
    Edges edges_;
    std::vector<Color> pixels_;
};

// ---- Shapes: inside tests in picture coordinates ----

struct Point {
    float x, y;
};

// A straight stroke with round ends.
struct Capsule {
    Point a, b;
    float radius;
    bool Contains(float x, float y) const;
    Box Bounds() const;
};

bool InRect(float x, float y, float x0, float y0, float x1, float y1);
bool InRoundRect(float x, float y, float x0, float y0, float x1, float y1, float radius);
bool InDisk(float x, float y, float cx, float cy, float radius);
bool InPolygon(float x, float y, const std::vector<Point>& corners);

// Turns picture coordinates into those of a shape drawn turned by `degrees`
// (clockwise on screen) around (cx, cy); the shape's own origin is that centre.
struct Turn {
    float cx, cy, cosine, sine;
    Turn(float cx, float cy, float degrees);
    Point ToShape(float x, float y) const;
};

Box Grow(const Box& box, float margin);

}  // namespace art
