#include "settings/user_lexicon.h"

#include <stdio.h>

#include "app/build_profile.h"
#include "core/engine_options.h"
#include "messages/message_box.h"
#include "resources/resource_ids.h"
#include "settings/lexicon_library.h"
#include "settings/settings_file.h"

UserLexicon g_userLexicon;

namespace {
constexpr int kUseLexProbe = 1234;
SubjectArea* g_lastLexiconList;  // handed back to the store on its next call
}  // namespace

void OpenStoredUserLexicon(const char* programDir, HWND owner) {
    char defaultPath[160];
    snprintf(defaultPath, sizeof defaultPath, "%s%s", programDir, CurrentBuild().lexiconFileName);

    if (ReadIntSetting(Setting::UseLex, kUseLexProbe) == kUseLexProbe) {
        WriteIntSetting(Setting::UseLex, 1);
        WriteTextSetting(Setting::LexFile, defaultPath);
    }
    g_userLexicon.inUse = ReadIntSetting(Setting::UseLex, 0);
    ReadTextSetting(Setting::LexFile, g_userLexicon.path, sizeof g_userLexicon.path);

    if (g_userLexicon.path[0] && g_userLexicon.inUse) {
        int result = LexiconOpen(g_userLexicon.path, kLexiconOpen, nullptr,
                                 CurrentBuild().directionTag);
        if (result < 0) {
            ShowMessage(owner, kStopBox, IDS_CANNOT_OPEN, g_userLexicon.path);
            g_userLexicon.inUse = 0;
        } else {
            AdoptLexiconSubjectAreas();
        }
    }
    WriteTextSetting(Setting::Lexica2, g_userLexicon.path);
}

void AdoptLexiconSubjectAreas() {
    SubjectArea* list = LexiconSubjectAreas(g_lastLexiconList);
    g_lastLexiconList = list;
    g_translation.subjectAreas = list;
    g_userLexicon.listFromLexicon = true;
}

void UseBuiltinSubjectAreas() {
    SubjectArea* table = CurrentBuild().builtinSubjectAreas;
    g_translation.subjectAreas = table->code ? table : nullptr;
    g_userLexicon.listFromLexicon = false;
}
