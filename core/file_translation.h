#pragma once

// Translates a text file into another file, sentence by sentence, with the
// progress dialog. Missing paths are asked for. 0 when the file was worked
// through or the user cancelled, -1 on any failure or refusal, each of which has
// been reported to the user.
int TranslateFile(const char* source, const char* target);
