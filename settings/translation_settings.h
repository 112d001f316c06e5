#pragma once
// Loading and storing the translation settings ("QDMode" and "SubjectAreas").
// Sending them to the engine is the core's business (core/engine_options.h).
#include "core/engine_options.h"

// Reads "SubjectAreas" and "QDMode" into g_translation; each read keeps the
// current value as its default, and a hand-edited value that is no flag gives
// the setting's default.
void LoadTranslationSettings();

// Writes the "QDMode" keys of g_translation, the time limit first.
void StoreTranslationSettings();
