#include "settings/translation_settings.h"

#include "settings/settings_file.h"

namespace {

#define TRANSLATION_FIELD(member, setting) SETTING_FIELD(TranslationSettings, member, setting)

// The order in which the options dialog writes them.
const SettingField kStoredFields[] = {
    TRANSLATION_FIELD(timeLimit, Setting::Timelimit),
    TRANSLATION_FIELD(compoundAnalysis, Setting::CompoundAnalysis),
    TRANSLATION_FIELD(sssz, Setting::Sssz),
    TRANSLATION_FIELD(ssszeg, Setting::Ssszeg),
    TRANSLATION_FIELD(rap, Setting::Rap),
    TRANSLATION_FIELD(impersonal, Setting::Impersonal),
    TRANSLATION_FIELD(honorific, Setting::Honorific),
    TRANSLATION_FIELD(letter, Setting::Letter),
    TRANSLATION_FIELD(newLine, Setting::NewLine),
};

// "CompoundAnalysis" is only written: the options box starts from the program's
// own default each time.
const SettingField kLoadedFields[] = {
    TRANSLATION_FIELD(rap, Setting::Rap),
    TRANSLATION_FIELD(sssz, Setting::Sssz),
    TRANSLATION_FIELD(ssszeg, Setting::Ssszeg),
    TRANSLATION_FIELD(timeLimit, Setting::Timelimit),
    TRANSLATION_FIELD(impersonal, Setting::Impersonal),
    TRANSLATION_FIELD(honorific, Setting::Honorific),
    TRANSLATION_FIELD(letter, Setting::Letter),
    TRANSLATION_FIELD(newLine, Setting::NewLine),
};

}  // namespace

void LoadTranslationSettings() {
    const SubjectAreaSelections stored;
    for (SubjectArea* area = g_translation.subjectAreas; area; area = area->next)
        area->selected = stored.Get(area->code, area->selected);
    LoadSettings(kLoadedFields, g_translation);
}

void StoreTranslationSettings() { StoreSettings(kStoredFields, g_translation); }
