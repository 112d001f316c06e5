#pragma once
// Every setting that outlives the program: the private settings file (QDGE.INI or
// QDEG.INI, a bare name the profile service places in the Windows folder) and the
// keys shared with other programs in the system profile. Each read or write is one
// profile call; nothing holds the file open.
#include <stddef.h>

#include <map>
#include <string>

enum class Setting {
    // "MainWindow"
    PosX, PosY, WindowWidth, WindowHeight, ShowState,
    // "Font"
    FontHeight, FontWidth, FontEscapement, FontOrientation, FontWeight, FontItalic,
    FontUnderline, FontStrikeOut, FontCharSet, FontOutPrecision, FontClipPrecision,
    FontQuality, FontPitchAndFamily, FontName,
    // "QDMode"
    Rap, Sssz, Ssszeg, Timelimit, Impersonal, Honorific, Letter, NewLine, CompoundAnalysis,
    // "Lexikon"
    UseLex, LexFile,
    // system profile
    Lexica2, WordDir, WordDoc, QDplusDoc,
    Count
};

enum class SettingStore { Private, System };
enum class SettingType { Int, Text };

struct SettingDef {
    SettingStore store;
    const char* section;
    const char* key;
    SettingType type;
    int intDefault;
    const char* textDefault;
    int bufferSize;  // text settings: bytes read, terminator included
    int minimum;     // integer settings: the values a record loads; others give the default
    int maximum;
};

const SettingDef& SettingDefinition(Setting setting);

// The settings file's name: the build's base name followed by ".INI". Returns
// false when the base name is empty.
bool SetSettingsFileName(const char* baseName);
const char* SettingsFileName();

// Integer keys: the table's default, or the one given (the current value).
int ReadIntSetting(Setting setting);
int ReadIntSetting(Setting setting, int defaultValue);
void WriteIntSetting(Setting setting, int value);  // written with "%d"

// Text keys, cut to size - 1 characters (size 0 means the table's buffer size).
// Returns the number of characters read.
int ReadTextSetting(Setting setting, char* buffer, int size = 0);
int ReadTextSetting(Setting setting, const char* defaultValue, char* buffer, int size);
void WriteTextSetting(Setting setting, const char* value);

// A field of a record bound to its setting, so that a whole record is loaded and
// stored by one loop over its fields. Integer settings are held in 4-byte (int,
// LONG) or 1-byte (BYTE) fields, text settings in char arrays.
struct SettingField {
    Setting setting;
    size_t offset;
    size_t size;
};
#define SETTING_FIELD(Record, member, setting) \
    SettingField { setting, offsetof(Record, member), sizeof(static_cast<Record*>(nullptr)->member) }

// Each field gets its setting's default.
void ResetSettingFields(const SettingField* fields, size_t count, void* record);
// Each field is read: a missing or empty integer key keeps the field's value, one
// that is no number or lies outside the setting's range gives its default; a text
// key is read as ReadTextSetting reads it, cut to the field.
void LoadSettingFields(const SettingField* fields, size_t count, void* record);
// Each field is written in the order of the list (integers with "%d").
void StoreSettingFields(const SettingField* fields, size_t count, const void* record);

template <typename Record, size_t N>
void ResetSettings(const SettingField (&fields)[N], Record& record) {
    ResetSettingFields(fields, N, &record);
}
template <typename Record, size_t N>
void LoadSettings(const SettingField (&fields)[N], Record& record) {
    LoadSettingFields(fields, N, &record);
}
template <typename Record, size_t N>
void StoreSettings(const SettingField (&fields)[N], const Record& record) {
    StoreSettingFields(fields, N, &record);
}

// "SubjectAreas": one key per area code, "1" selected and "0" not. The section is
// read in one call: a user lexicon may bring a million areas, and a profile call
// per area would hold start-up for minutes.
class SubjectAreaSelections {
public:
    SubjectAreaSelections();  // reads the section
    // The stored value of the key as the profile service reads an integer, or
    // defaultValue when the key is missing or empty. Keys compare without case.
    int Get(const char* code, int defaultValue) const;

private:
    std::map<std::string, std::string> values_;  // by upper-case key
};
void WriteSubjectAreaSelection(const char* code, int selected);
