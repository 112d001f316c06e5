#include "settings/font_settings.h"

#include "settings/settings_file.h"

namespace {

#define FONT_FIELD(member, setting) SETTING_FIELD(LOGFONTA, member, setting)

const SettingField kFontFields[] = {
    FONT_FIELD(lfHeight, Setting::FontHeight),
    FONT_FIELD(lfWidth, Setting::FontWidth),
    FONT_FIELD(lfEscapement, Setting::FontEscapement),
    FONT_FIELD(lfOrientation, Setting::FontOrientation),
    FONT_FIELD(lfWeight, Setting::FontWeight),
    FONT_FIELD(lfItalic, Setting::FontItalic),
    FONT_FIELD(lfUnderline, Setting::FontUnderline),
    FONT_FIELD(lfStrikeOut, Setting::FontStrikeOut),
    FONT_FIELD(lfCharSet, Setting::FontCharSet),
    FONT_FIELD(lfOutPrecision, Setting::FontOutPrecision),
    FONT_FIELD(lfClipPrecision, Setting::FontClipPrecision),
    FONT_FIELD(lfQuality, Setting::FontQuality),
    FONT_FIELD(lfPitchAndFamily, Setting::FontPitchAndFamily),
    FONT_FIELD(lfFaceName, Setting::FontName),
};

}  // namespace

void ReadFontSettings(LOGFONTA& font) {
    font = LOGFONTA{};
    ResetSettings(kFontFields, font);
    LoadSettings(kFontFields, font);
}

void WriteFontSettings(const LOGFONTA& font) { StoreSettings(kFontFields, font); }
