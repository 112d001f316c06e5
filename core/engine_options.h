#pragma once
#include <string>

#include "lexicon/subject_area.h"

// The translation settings: what the engine is told, loaded from "QDMode" and
// "SubjectAreas" (settings/translation_settings.h).
struct TranslationSettings {
    int rap = 0;
    int sssz = 0;
    int ssszeg = 0;
    char timeLimit[4] = "500";   // decimal seconds, at most three characters
    int impersonal = 0;
    int honorific = 1;
    int letter = 1;               // read and written back; no option uses it
    int newLine = 1;              // a line break ends a sentence (scanner)
    int compoundAnalysis = 1;     // stored by the options dialog only
    SubjectArea* subjectAreas = nullptr;  // the list in use
};

extern TranslationSettings g_translation;

// Links the build's built-in table in array order and makes it the list in use.
SubjectArea* LinkBuiltinSubjectAreas();

// Sends every option to the engine in the fixed order.
void SendEngineOptions();

// Sets one option; a refusal is reported in the messages window. Always 0.
int SetEngineOption(const char* name, const char* value);

// The "setsa" value: each selected code followed by one space.
std::string SubjectAreaOptionValue(const SubjectArea* list);

// The "timelimit" value in milliseconds, or "" when the stored seconds do not
// begin with a number of at least 1 (then no option is sent).
std::string TimeLimitOptionValue(const char* seconds);
