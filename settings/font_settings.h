#pragma once
#include <windows.h>

// The font of the input and output windows, kept in the "Font" section; the
// messages window uses the same font in bold.
void ReadFontSettings(LOGFONTA& font);
void WriteFontSettings(const LOGFONTA& font);
