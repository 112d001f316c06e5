#pragma once
// Single-byte text helpers. Inside the engine every text is Windows-1252; the
// entry points convert from and to the OEM code page 850.
#include <cstdint>
#include <string>
#include <string_view>

namespace velloc {

bool IsLetter1252(unsigned char c);
bool IsDigit1252(unsigned char c);
bool IsUpper1252(unsigned char c);
unsigned char ToLower1252(unsigned char c);
unsigned char ToUpper1252(unsigned char c);
std::string Lower1252(std::string_view text);
// First letter upper-cased, the rest kept.
std::string Capitalised(std::string_view text);
// A number with its points and commas swapped: "1,000.5" in English is "1.000,5" in
// German, and back.
std::string SwapDigitMarks(std::string_view number);
// Whether text ends in suffix ("Spielern", "ern").
inline bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// UTF-8 to Windows-1252; characters that 1252 lacks become their plain form
// (accents dropped) or '?'.
std::string Utf8To1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view text);

// Code page 850 and Windows-1252. OemTo1252 is exact for every byte 850 maps to a
// 1252 character; 1252 characters missing from 850 become their nearest plain
// form, which may take several bytes (an ellipsis becomes "...").
std::string OemTo1252(std::string_view oem);
std::string Cp1252ToOem(std::string_view text);

// FNV-1a over the bytes; never 0, so 0 can mark an empty hash slot.
std::uint32_t HashText(std::string_view text);

}  // namespace velloc
