#include "settings/font_settings.h"

#include "settings/settings_file.h"

namespace {
BYTE ReadByte(Setting setting) { return static_cast<BYTE>(ReadIntSetting(setting)); }
}  // namespace

void ReadFontSettings(LOGFONTA& font) {
    font = LOGFONTA{};
    font.lfHeight = ReadIntSetting(Setting::FontHeight);
    font.lfWidth = ReadIntSetting(Setting::FontWidth);
    font.lfEscapement = ReadIntSetting(Setting::FontEscapement);
    font.lfOrientation = ReadIntSetting(Setting::FontOrientation);
    font.lfWeight = ReadIntSetting(Setting::FontWeight);
    font.lfItalic = ReadByte(Setting::FontItalic);
    font.lfUnderline = ReadByte(Setting::FontUnderline);
    font.lfStrikeOut = ReadByte(Setting::FontStrikeOut);
    font.lfCharSet = ReadByte(Setting::FontCharSet);
    font.lfOutPrecision = ReadByte(Setting::FontOutPrecision);
    font.lfClipPrecision = ReadByte(Setting::FontClipPrecision);
    font.lfQuality = ReadByte(Setting::FontQuality);
    font.lfPitchAndFamily = ReadByte(Setting::FontPitchAndFamily);
    ReadTextSetting(Setting::FontName, font.lfFaceName, sizeof font.lfFaceName);
}

void WriteFontSettings(const LOGFONTA& font) {
    WriteIntSetting(Setting::FontHeight, font.lfHeight);
    WriteIntSetting(Setting::FontWidth, font.lfWidth);
    WriteIntSetting(Setting::FontEscapement, font.lfEscapement);
    WriteIntSetting(Setting::FontOrientation, font.lfOrientation);
    WriteIntSetting(Setting::FontWeight, font.lfWeight);
    WriteIntSetting(Setting::FontItalic, font.lfItalic);
    WriteIntSetting(Setting::FontUnderline, font.lfUnderline);
    WriteIntSetting(Setting::FontStrikeOut, font.lfStrikeOut);
    WriteIntSetting(Setting::FontCharSet, font.lfCharSet);
    WriteIntSetting(Setting::FontOutPrecision, font.lfOutPrecision);
    WriteIntSetting(Setting::FontClipPrecision, font.lfClipPrecision);
    WriteIntSetting(Setting::FontQuality, font.lfQuality);
    WriteIntSetting(Setting::FontPitchAndFamily, font.lfPitchAndFamily);
    WriteTextSetting(Setting::FontName, font.lfFaceName);
}
