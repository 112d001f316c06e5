#include "image_files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace art {

namespace {

using Bytes = std::vector<uint8_t>;

[[noreturn]] void Fail(const std::string& path, const char* why) {
    std::fprintf(stderr, "make_art: %s: %s\n", path.c_str(), why);
    std::exit(1);
}

void Put16(Bytes& out, uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}
void Put32(Bytes& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

uint8_t Channel(float v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); }

uint32_t PackedRgb(Color c) { return (Channel(c.r) << 16) | (Channel(c.g) << 8) | Channel(c.b); }

bool Opaque(Color c) { return c.a >= 0.5f; }

// Rows are padded to whole 32-bit words.
int RowBytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

void PutInfoHeader(Bytes& out, int width, int height, int bits, int colours, uint32_t imageBytes) {
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height);
    Put16(out, 1);
    Put16(out, bits);
    Put32(out, 0);  // BI_RGB
    Put32(out, imageBytes);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, colours);
    Put32(out, 0);
}

// The picture's colours; `first` (if given) is put at index 0.
std::vector<uint32_t> Palette(const std::string& path, const Canvas& canvas, const uint32_t* first) {
    std::vector<uint32_t> palette;
    if (first) palette.push_back(*first);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            Color c = canvas.At(x, y);
            if (first && !Opaque(c)) continue;
            uint32_t rgb = PackedRgb(c);
            if (std::find(palette.begin(), palette.end(), rgb) == palette.end()) palette.push_back(rgb);
        }
    }
    if (palette.size() > 16) Fail(path, "more than 16 colours in a 16-colour picture");
    palette.resize(16, 0);
    return palette;
}

void PutPalette(Bytes& out, const std::vector<uint32_t>& palette) {
    for (uint32_t rgb : palette) {
        out.push_back(rgb & 0xFF);
        out.push_back((rgb >> 8) & 0xFF);
        out.push_back((rgb >> 16) & 0xFF);
        out.push_back(0);
    }
}

// Pixel rows from the bottom up, as Windows stores them.
void PutNibbles(Bytes& out, const Canvas& canvas, const std::vector<uint32_t>& palette, bool masked) {
    int row = RowBytes(canvas.Width(), 4);
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        Bytes line(row, 0);
        for (int x = 0; x < canvas.Width(); ++x) {
            Color c = canvas.At(x, y);
            uint8_t index = 0;
            if (!masked || Opaque(c))
                index = static_cast<uint8_t>(
                    std::find(palette.begin(), palette.end(), PackedRgb(c)) - palette.begin());
            line[x / 2] |= (x % 2) ? index : static_cast<uint8_t>(index << 4);
        }
        out.insert(out.end(), line.begin(), line.end());
    }
}

void PutMask(Bytes& out, const Canvas& canvas) {
    int row = RowBytes(canvas.Width(), 1);
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        Bytes line(row, 0);
        for (int x = 0; x < canvas.Width(); ++x)
            if (!Opaque(canvas.At(x, y))) line[x / 8] |= 0x80 >> (x % 8);
        out.insert(out.end(), line.begin(), line.end());
    }
}

void Save(const std::string& path, const Bytes& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) Fail(path, "cannot create the file");
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) Fail(path, "cannot write the file");
}

void PutFileHeader(Bytes& out, uint32_t fileBytes, uint32_t pixelOffset) {
    out.push_back('B');
    out.push_back('M');
    Put32(out, fileBytes);
    Put32(out, 0);
    Put32(out, pixelOffset);
}

// One icon image: the header (of twice the height: picture and mask), palette,
// colour bits and the mask.
Bytes IconImageBytes(const std::string& path, const IconImage& image) {
    const Canvas& c = *image.canvas;
    Bytes out;
    uint32_t colourBytes = RowBytes(c.Width(), image.bits) * c.Height();
    uint32_t maskBytes = RowBytes(c.Width(), 1) * c.Height();
    if (image.bits == 4) {
        const uint32_t black = 0;  // masked pixels: index 0, which must leave the screen as it is
        std::vector<uint32_t> palette = Palette(path, c, &black);
        PutInfoHeader(out, c.Width(), 2 * c.Height(), 4, 16, colourBytes + maskBytes);
        PutPalette(out, palette);
        PutNibbles(out, c, palette, true);
    } else {
        PutInfoHeader(out, c.Width(), 2 * c.Height(), 32, 0, colourBytes + maskBytes);
        for (int y = c.Height() - 1; y >= 0; --y) {
            for (int x = 0; x < c.Width(); ++x) {
                Color p = c.At(x, y);
                uint8_t alpha = Channel(p.a);
                out.push_back(alpha ? Channel(p.b) : 0);
                out.push_back(alpha ? Channel(p.g) : 0);
                out.push_back(alpha ? Channel(p.r) : 0);
                out.push_back(alpha);
            }
        }
    }
    PutMask(out, c);
    return out;
}

}  // namespace

void WriteBitmap24(const std::string& path, const Canvas& canvas) {
    int row = RowBytes(canvas.Width(), 24);
    uint32_t pixels = row * canvas.Height();
    Bytes out;
    PutFileHeader(out, 14 + 40 + pixels, 14 + 40);
    PutInfoHeader(out, canvas.Width(), canvas.Height(), 24, 0, pixels);
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        Bytes line(row, 0);
        for (int x = 0; x < canvas.Width(); ++x) {
            Color c = canvas.At(x, y);
            line[3 * x] = Channel(c.b);
            line[3 * x + 1] = Channel(c.g);
            line[3 * x + 2] = Channel(c.r);
        }
        out.insert(out.end(), line.begin(), line.end());
    }
    Save(path, out);
}

void WriteBitmap16Colours(const std::string& path, const Canvas& canvas) {
    std::vector<uint32_t> palette = Palette(path, canvas, nullptr);
    uint32_t pixels = RowBytes(canvas.Width(), 4) * canvas.Height();
    uint32_t offset = 14 + 40 + 16 * 4;
    Bytes out;
    PutFileHeader(out, offset + pixels, offset);
    PutInfoHeader(out, canvas.Width(), canvas.Height(), 4, 16, pixels);
    PutPalette(out, palette);
    PutNibbles(out, canvas, palette, false);
    Save(path, out);
}

void WriteIcon(const std::string& path, const std::vector<IconImage>& images) {
    std::vector<Bytes> bodies;
    for (const IconImage& image : images) bodies.push_back(IconImageBytes(path, image));
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);  // icon
    Put16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const Canvas& c = *images[i].canvas;
        out.push_back(static_cast<uint8_t>(c.Width()));
        out.push_back(static_cast<uint8_t>(c.Height()));
        out.push_back(images[i].bits == 4 ? 16 : 0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, images[i].bits);
        Put32(out, static_cast<uint32_t>(bodies[i].size()));
        Put32(out, offset);
        offset += static_cast<uint32_t>(bodies[i].size());
    }
    for (const Bytes& body : bodies) out.insert(out.end(), body.begin(), body.end());
    Save(path, out);
}

}  // namespace art
