#include "core/engine_options.h"

#include <stdio.h>
#include <stdlib.h>

#include "app/build_profile.h"
#include "core/engine_binding.h"
#include "core/message_log.h"

TranslationSettings g_translation;

SubjectArea* LinkBuiltinSubjectAreas() {
    SubjectArea* table = CurrentBuild().builtinSubjectAreas;
    for (SubjectArea* entry = table; entry->code; ++entry) {
        entry->next = (entry + 1)->code ? entry + 1 : nullptr;
    }
    g_translation.subjectAreas = table->code ? table : nullptr;
    return g_translation.subjectAreas;
}

std::string SubjectAreaOptionValue(const SubjectArea* list) {
    std::string value;
    for (const SubjectArea* area = list; area; area = area->next) {
        if (area->selected) {
            value += area->code;
            value += ' ';
        }
    }
    return value;
}

std::string TimeLimitOptionValue(const char* seconds) {
    if (atoi(seconds) < 1) return std::string();
    return std::string(seconds) + "000";
}

namespace {
const char* OnOff(int flag) { return flag ? "on" : "off"; }
}  // namespace

void SendEngineOptions() {
    const TranslationSettings& s = g_translation;
    SetEngineOption("setsa", SubjectAreaOptionValue(s.subjectAreas).c_str());
    SetEngineOption("rap", OnOff(s.rap));
    SetEngineOption("sssz", OnOff(s.sssz));
    SetEngineOption("ssszeg", OnOff(s.ssszeg));
    std::string timeLimit = TimeLimitOptionValue(s.timeLimit);
    if (!timeLimit.empty()) SetEngineOption("timelimit", timeLimit.c_str());
    SetEngineOption("impersonal", OnOff(s.impersonal));
    SetEngineOption(CurrentBuild().honorificOption, OnOff(s.honorific));
}

int SetEngineOption(const char* name, const char* value) {
    if (!g_engine.QP_query_setqdoption) return 0;
    int result = 0;
    switch (g_engine.QP_query_setqdoption(name, value, &result)) {
    case -2:
        AppendMessage("\r\n• Ausnahmebedingung beim Setzen von Optionen", nullptr);
        break;
    case -1: {
        char line[512];
        snprintf(line, sizeof line, "Die Option '%s' läßt sich nicht auf '%s' setzen\r\n", name,
                 value);
        AppendMessage(line, nullptr);
        break;
    }
    default:
        break;
    }
    return 0;
}
