#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {
constexpr int kSamples = 4;  // per axis

float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
}  // namespace

Color Rgb(uint32_t hex, float alpha) {
    return Color{((hex >> 16) & 0xFF) / 255.0f, ((hex >> 8) & 0xFF) / 255.0f, (hex & 0xFF) / 255.0f,
                 alpha};
}

Color Mix(Color from, Color to, float t) {
    t = Clamp01(t);
    return Color{from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
                 from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

Canvas::Canvas(int width, int height, Color background, Edges edges)
    : width_(width), height_(height), edges_(edges), pixels_(width * height, background) {}

void Canvas::Fill(const Box& box, const Inside& inside, Color color) {
    Fill(box, inside, [color](float, float) { return color; });
}

void Canvas::Fill(const Box& box, const Inside& inside, const Shade& shade) {
    int x0 = std::max(0, static_cast<int>(std::floor(box.x0)));
    int y0 = std::max(0, static_cast<int>(std::floor(box.y0)));
    int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(box.x1)));
    int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(box.y1)));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    float px = x + (sx + 0.5f) / kSamples;
                    float py = y + (sy + 0.5f) / kSamples;
                    if (inside(px, py)) ++hits;
                }
            }
            if (hits == 0) continue;
            Put(x, y, shade(x + 0.5f, y + 0.5f), static_cast<float>(hits) / (kSamples * kSamples));
        }
    }
}

void Canvas::Put(int x, int y, Color color, float coverage) {
    Color& dst = pixels_[y * width_ + x];
    if (edges_ == Edges::Hard) {
        // 16-colour pictures: no blends, which would fall between palette colours.
        if (coverage >= 0.5f) dst = color;
        return;
    }
    float a = color.a * coverage;
    float out = a + dst.a * (1 - a);
    if (out <= 0) {
        dst = Color{};
        return;
    }
    dst.r = (color.r * a + dst.r * dst.a * (1 - a)) / out;
    dst.g = (color.g * a + dst.g * dst.a * (1 - a)) / out;
    dst.b = (color.b * a + dst.b * dst.a * (1 - a)) / out;
    dst.a = out;
}

bool Capsule::Contains(float x, float y) const {
    float dx = b.x - a.x, dy = b.y - a.y;
    float length2 = dx * dx + dy * dy;
    float t = length2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / length2 : 0;
    t = Clamp01(t);
    float ex = a.x + t * dx - x, ey = a.y + t * dy - y;
    return ex * ex + ey * ey <= radius * radius;
}

Box Capsule::Bounds() const {
    return Box{std::min(a.x, b.x) - radius, std::min(a.y, b.y) - radius,
               std::max(a.x, b.x) + radius, std::max(a.y, b.y) + radius};
}

bool InRect(float x, float y, float x0, float y0, float x1, float y1) {
    return x >= x0 && x < x1 && y >= y0 && y < y1;
}

bool InRoundRect(float x, float y, float x0, float y0, float x1, float y1, float radius) {
    if (!InRect(x, y, x0, y0, x1, y1)) return false;
    float cx = std::clamp(x, x0 + radius, x1 - radius);
    float cy = std::clamp(y, y0 + radius, y1 - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

bool InDisk(float x, float y, float cx, float cy, float radius) {
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

bool InPolygon(float x, float y, const std::vector<Point>& corners) {
    bool inside = false;
    for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point& p = corners[i];
        const Point& q = corners[j];
        if ((p.y > y) != (q.y > y) && x < (q.x - p.x) * (y - p.y) / (q.y - p.y) + p.x) inside = !inside;
    }
    return inside;
}

Turn::Turn(float cx_, float cy_, float degrees)
    : cx(cx_), cy(cy_), cosine(std::cos(degrees * 3.14159265f / 180)),
      sine(std::sin(degrees * 3.14159265f / 180)) {}

Point Turn::ToShape(float x, float y) const {
    float dx = x - cx, dy = y - cy;
    return Point{cosine * dx + sine * dy, -sine * dx + cosine * dy};
}

Box Grow(const Box& box, float margin) {
    return Box{box.x0 - margin, box.y0 - margin, box.x1 + margin, box.y1 + margin};
}

}  // namespace art
