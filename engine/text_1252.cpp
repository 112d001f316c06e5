#include "engine/text_1252.h"

namespace velloc {
namespace {

// Unicode of the Windows-1252 bytes 0x80 to 0x9F (0 where the byte is unused).
constexpr std::uint16_t kHigh1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Unicode of the code page 850 bytes 0x80 to 0xFF.
constexpr std::uint16_t kHigh850[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};

// Plain stand-ins for characters of Latin Extended-A (U+0100 to U+017F).
constexpr char kLatinExtendedA[] =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiJjJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSs"
    "TtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";

int UnicodeTo1252(std::uint32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
    for (int i = 0; i < 32; ++i)
        if (kHigh1252[i] == code) return 0x80 + i;
    return -1;
}

std::uint32_t Unicode1252(unsigned char c) {
    if (c >= 0x80 && c < 0xA0) return kHigh1252[c - 0x80] ? kHigh1252[c - 0x80] : c;
    return c;
}

// The plain form of a character that 1252 lacks.
std::string PlainForm(std::uint32_t code) {
    if (code >= 0x100 && code < 0x100 + sizeof kLatinExtendedA - 1)
        return std::string(1, kLatinExtendedA[code - 0x100]);
    switch (code) {
    case 0x2010: case 0x2011: case 0x2012: case 0x2212: return "-";
    case 0x2032: case 0x02BC: return "'";
    case 0x2033: return "\"";
    case 0x00A0: case 0x2009: case 0x202F: case 0x2002: case 0x2003: return " ";
    case 0x2192: return "->";
    case 0x2190: return "<-";
    case 0x2260: return "!=";
    case 0x2264: return "<=";
    case 0x2265: return ">=";
    case 0x2248: return "~";
    case 0x2026: return "...";
    default: return "?";
    }
}

// The plain 850 form of a 1252 character that 850 lacks.
std::string OemPlainForm(unsigned char c) {
    switch (c) {
    case 0x80: return "EUR";
    case 0x82: case 0x91: case 0x92: case 0x8B: case 0x9B: return "'";
    case 0x84: case 0x93: case 0x94: return "\"";
    case 0x85: return "...";
    case 0x86: return "+";
    case 0x88: return "^";
    case 0x89: return "%";
    case 0x8A: return "S";
    case 0x8C: return "OE";
    case 0x8E: return "Z";
    case 0x95: return "*";
    case 0x96: case 0x97: return "-";
    case 0x98: return "~";
    case 0x99: return "TM";
    case 0x9A: return "s";
    case 0x9C: return "oe";
    case 0x9E: return "z";
    case 0x9F: return "Y";
    default: return "?";
    }
}

struct OemTables {
    unsigned char toAnsi[256];
    short toOem[256];  // -1: no 850 equivalent
    OemTables() {
        for (int i = 0; i < 256; ++i) toOem[i] = -1;
        for (int i = 0; i < 128; ++i) {
            toAnsi[i] = static_cast<unsigned char>(i);
            toOem[i] = static_cast<short>(i);
        }
        for (int i = 0; i < 128; ++i) {
            int ansi = UnicodeTo1252(kHigh850[i]);
            toAnsi[0x80 + i] = ansi >= 0 ? static_cast<unsigned char>(ansi) : '?';
            if (ansi >= 0 && toOem[ansi] < 0) toOem[ansi] = static_cast<short>(0x80 + i);
        }
    }
};

const OemTables& Tables() {
    static const OemTables tables;
    return tables;
}

}  // namespace

bool IsUpper1252(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x8A ||
           c == 0x8C || c == 0x8E || c == 0x9F;
}

bool IsLetter1252(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           (c >= 0xC0 && c != 0xD7 && c != 0xF7) || c == 0x8A || c == 0x8C || c == 0x8E ||
           c == 0x9A || c == 0x9C || c == 0x9E || c == 0x9F;
}

bool IsDigit1252(unsigned char c) { return c >= '0' && c <= '9'; }

unsigned char ToLower1252(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 16;
    if (c == 0x9F) return 0xFF;
    return c;
}

unsigned char ToUpper1252(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
    if (c == 0x9A || c == 0x9C || c == 0x9E) return c - 16;
    if (c == 0xFF) return 0x9F;
    return c;
}

std::string Lower1252(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(ToLower1252(static_cast<unsigned char>(c)));
    return out;
}

std::string SwapDigitMarks(std::string_view number) {
    std::string out(number);
    for (char& c : out) c = c == ',' ? '.' : c == '.' ? ',' : c;
    return out;
}

std::string Capitalised(std::string_view text) {
    std::string out(text);
    if (!out.empty()) out[0] = static_cast<char>(ToUpper1252(static_cast<unsigned char>(out[0])));
    return out;
}

std::string Utf8To1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        std::uint32_t code = c;
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        if (c >= 0x80 && c < 0xC0) extra = -1;
        ++i;
        if (extra < 0) { out += '?'; continue; }
        code = extra == 3 ? c & 0x07 : extra == 2 ? c & 0x0F : extra == 1 ? c & 0x1F : c;
        for (int k = 0; k < extra && i < utf8.size(); ++k, ++i)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
        int ansi = UnicodeTo1252(code);
        if (ansi >= 0) out += static_cast<char>(ansi);
        else out += PlainForm(code);
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char ch : text) {
        std::uint32_t code = Unicode1252(static_cast<unsigned char>(ch));
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

std::string OemTo1252(std::string_view oem) {
    std::string out(oem);
    for (char& c : out) c = static_cast<char>(Tables().toAnsi[static_cast<unsigned char>(c)]);
    return out;
}

std::string Cp1252ToOem(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        short oem = Tables().toOem[static_cast<unsigned char>(ch)];
        if (oem >= 0) out += static_cast<char>(oem);
        else out += OemPlainForm(static_cast<unsigned char>(ch));
    }
    return out;
}

std::uint32_t HashText(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash ? hash : 1;
}

}  // namespace velloc
