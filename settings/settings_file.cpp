#include "settings/settings_file.h"

#include <windows.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

constexpr SettingStore P = SettingStore::Private;
constexpr SettingStore S = SettingStore::System;
constexpr SettingType I = SettingType::Int;
constexpr SettingType T = SettingType::Text;

// One row per setting, in the order of the enum. Integer rows end with the range a
// record accepts; a hand-edited value outside it is taken as no value at all.
constexpr int kAny = INT_MIN, kAll = INT_MAX;
constexpr int kShort = 32767;
const SettingDef kSettings[] = {
    {P, "MainWindow", "PosX", I, 20, nullptr, 0, -kShort - 1, kShort},
    {P, "MainWindow", "PosY", I, 20, nullptr, 0, -kShort - 1, kShort},
    {P, "MainWindow", "Width", I, 580, nullptr, 0, 1, kShort},
    {P, "MainWindow", "Height", I, 420, nullptr, 0, 1, kShort},
    {P, "MainWindow", "ShowState", I, 1, nullptr, 0, 1, 3},
    {P, "Font", "Height", I, 20, nullptr, 0, -kShort - 1, kShort},
    {P, "Font", "Width", I, 0, nullptr, 0, 0, kShort},
    {P, "Font", "Escapement", I, 0, nullptr, 0, -3600, 3600},
    {P, "Font", "Orientation", I, 0, nullptr, 0, -3600, 3600},
    {P, "Font", "Weight", I, 0, nullptr, 0, 0, 1000},
    {P, "Font", "Italic", I, 0, nullptr, 0, 0, 255},
    {P, "Font", "Underline", I, 0, nullptr, 0, 0, 255},
    {P, "Font", "StrikeOut", I, 0, nullptr, 0, 0, 255},
    {P, "Font", "CharSet", I, 0, nullptr, 0, 0, 255},
    {P, "Font", "OutPrecision", I, 0, nullptr, 0, 0, 255},
    {P, "Font", "ClipPrecision", I, 0, nullptr, 0, 0, 255},
    {P, "Font", "Quality", I, 0, nullptr, 0, 0, 255},
    {P, "Font", "PitchAndFamily", I, 0, nullptr, 0, 0, 255},
    {P, "Font", "Name", T, 0, "Arial", 31, 0, 0},
    {P, "QDMode", "Rap", I, 0, nullptr, 0, 0, 1},
    {P, "QDMode", "sssz", I, 0, nullptr, 0, 0, 1},
    {P, "QDMode", "ssszeg", I, 0, nullptr, 0, 0, 1},
    {P, "QDMode", "Timelimit", T, 0, "500", 4, 0, 0},
    {P, "QDMode", "Impersonal", I, 0, nullptr, 0, 0, 1},
    {P, "QDMode", "Honorific", I, 1, nullptr, 0, 0, 1},
    {P, "QDMode", "Letter", I, 1, nullptr, 0, 0, 1},
    {P, "QDMode", "NewLine", I, 1, nullptr, 0, 0, 1},
    {P, "QDMode", "CompoundAnalysis", I, 1, nullptr, 0, 0, 1},
    {P, "Lexikon", "UseLex", I, 0, nullptr, 0, kAny, kAll},
    {P, "Lexikon", "LexFile", T, 0, "", 160, 0, 0},
    {S, "DavAri", "Lexica2", T, 0, "", 160, 0, 0},
    {S, "QDplus", "WordDir", T, 0, "", 256, 0, 0},
    {S, "QDplus", "WordDoc", T, 0, "", 256, 0, 0},
    {S, "QDplus", "QDplusDoc", T, 0, "", 256, 0, 0},
};
static_assert(sizeof kSettings / sizeof kSettings[0] == static_cast<size_t>(Setting::Count),
              "one row per setting");

char g_settingsName[160];

// The system profile has no integer reader of its own: read the text and convert
// it the way the private reader does.
int ReadSystemInt(const SettingDef& def, int defaultValue) {
    char text[32];
    if (GetProfileStringA(def.section, def.key, "", text, sizeof text) == 0) return defaultValue;
    return atoi(text);
}

}  // namespace

const SettingDef& SettingDefinition(Setting setting) {
    return kSettings[static_cast<int>(setting)];
}

bool SetSettingsFileName(const char* baseName) {
    if (!baseName || !*baseName) return false;
    snprintf(g_settingsName, sizeof g_settingsName, "%s.INI", baseName);
    return true;
}

const char* SettingsFileName() { return g_settingsName; }

int ReadIntSetting(Setting setting) {
    return ReadIntSetting(setting, SettingDefinition(setting).intDefault);
}

int ReadIntSetting(Setting setting, int defaultValue) {
    const SettingDef& def = SettingDefinition(setting);
    if (def.store == SettingStore::System) return ReadSystemInt(def, defaultValue);
    return static_cast<int>(
        GetPrivateProfileIntA(def.section, def.key, defaultValue, g_settingsName));
}

void WriteIntSetting(Setting setting, int value) {
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    WriteTextSetting(setting, text);
}

int ReadTextSetting(Setting setting, char* buffer, int size) {
    return ReadTextSetting(setting, SettingDefinition(setting).textDefault, buffer, size);
}

int ReadTextSetting(Setting setting, const char* defaultValue, char* buffer, int size) {
    const SettingDef& def = SettingDefinition(setting);
    if (size <= 0) size = def.bufferSize;
    if (def.store == SettingStore::System)
        return static_cast<int>(GetProfileStringA(def.section, def.key, defaultValue, buffer, size));
    return static_cast<int>(GetPrivateProfileStringA(def.section, def.key, defaultValue, buffer,
                                                     size, g_settingsName));
}

void WriteTextSetting(Setting setting, const char* value) {
    const SettingDef& def = SettingDefinition(setting);
    if (def.store == SettingStore::System)
        WriteProfileStringA(def.section, def.key, value);
    else
        WritePrivateProfileStringA(def.section, def.key, value, g_settingsName);
}

namespace {

char* FieldAt(void* record, const SettingField& field) {
    return static_cast<char*>(record) + field.offset;
}
const char* FieldAt(const void* record, const SettingField& field) {
    return static_cast<const char*>(record) + field.offset;
}

void PutInt(char* at, size_t size, int value) {
    if (size == sizeof(BYTE)) {
        *reinterpret_cast<BYTE*>(at) = static_cast<BYTE>(value);
    } else {
        const INT32 wide = value;
        memcpy(at, &wide, sizeof wide);
    }
}

int GetInt(const char* at, size_t size) {
    if (size == sizeof(BYTE)) return *reinterpret_cast<const BYTE*>(at);
    INT32 wide = 0;
    memcpy(&wide, at, sizeof wide);
    return wide;
}

// The stored text of a key, or empty when it is missing.
std::string StoredText(const SettingDef& def) {
    char text[64];
    if (def.store == SettingStore::System)
        GetProfileStringA(def.section, def.key, "", text, sizeof text);
    else
        GetPrivateProfileStringA(def.section, def.key, "", text, sizeof text, g_settingsName);
    return text;
}

// Blanks, a sign and at least one digit, as the profile service reads a number
// (what follows the digits is ignored). False for anything else.
bool ReadNumber(const std::string& text, long long* value) {
    const char* start = text.c_str();
    char* end = nullptr;
    *value = strtoll(start, &end, 10);
    return end != start;
}

}  // namespace

void ResetSettingFields(const SettingField* fields, size_t count, void* record) {
    for (size_t i = 0; i < count; ++i) {
        const SettingDef& def = SettingDefinition(fields[i].setting);
        char* at = FieldAt(record, fields[i]);
        if (def.type == SettingType::Text)
            lstrcpynA(at, def.textDefault, static_cast<int>(fields[i].size));
        else
            PutInt(at, fields[i].size, def.intDefault);
    }
}

void LoadSettingFields(const SettingField* fields, size_t count, void* record) {
    for (size_t i = 0; i < count; ++i) {
        const SettingField& field = fields[i];
        const SettingDef& def = SettingDefinition(field.setting);
        char* at = FieldAt(record, field);
        if (def.type == SettingType::Text) {
            ReadTextSetting(field.setting, at, static_cast<int>(field.size));
            continue;
        }
        const std::string stored = StoredText(def);
        if (stored.find_first_not_of(" \t") == std::string::npos) continue;
        long long value = 0;
        const bool good = ReadNumber(stored, &value) && value >= def.minimum && value <= def.maximum;
        PutInt(at, field.size, good ? static_cast<int>(value) : def.intDefault);
    }
}

void StoreSettingFields(const SettingField* fields, size_t count, const void* record) {
    for (size_t i = 0; i < count; ++i) {
        const SettingField& field = fields[i];
        const char* at = FieldAt(record, field);
        if (SettingDefinition(field.setting).type == SettingType::Text)
            WriteTextSetting(field.setting, at);
        else
            WriteIntSetting(field.setting, GetInt(at, field.size));
    }
}

namespace {

std::string UpperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return text;
}

// An integer as the profile service reads one: blanks, a sign, the leading digits.
int ProfileInteger(const std::string& text) {
    const char* p = text.c_str();
    while (*p == ' ' || *p == '\t') ++p;
    return static_cast<int>(strtol(p, nullptr, 10));
}

}  // namespace

SubjectAreaSelections::SubjectAreaSelections() {
    std::string section(4096, '\0');
    for (;;) {
        DWORD got = GetPrivateProfileSectionA("SubjectAreas", &section[0],
                                              static_cast<DWORD>(section.size()), g_settingsName);
        if (got + 2 < section.size()) {
            section.resize(got);
            break;
        }
        section.assign(section.size() * 2, '\0');
    }
    for (size_t at = 0; at < section.size();) {
        size_t end = section.find('\0', at);
        if (end == std::string::npos) end = section.size();
        const std::string line = section.substr(at, end - at);
        const size_t equals = line.find('=');
        if (equals != std::string::npos)
            values_.emplace(UpperAscii(line.substr(0, equals)), line.substr(equals + 1));
        at = end + 1;
    }
}

int SubjectAreaSelections::Get(const char* code, int defaultValue) const {
    auto found = values_.find(UpperAscii(code));
    if (found == values_.end() || found->second.empty()) return defaultValue;
    return ProfileInteger(found->second);
}

void WriteSubjectAreaSelection(const char* code, int selected) {
    WritePrivateProfileStringA("SubjectAreas", code, selected ? "1" : "0", g_settingsName);
}
