#pragma once

// Translates one piece of text that a caller cut out as a sentence: the prefix and
// tail go to the output as they are, the sentence through the engine, failures to
// the messages window. piece is changed in place. Returns the sentence's length
// after an engine answer, the piece's length when it holds nothing to translate,
// and 0 when the sentence was too long or the engine raised an exception.
int TranslateSentence(char* piece);

// Messages for an engine error type and the unrecognised words; 1 for a type above 4.
int ReportErrorType(unsigned type, const char* unrecognised, const char* sentence);

// The modal notices of the translation core. The program shows its dialogs;
// tests put their own functions here.
struct TranslationNotices {
    void (*engineFailed)();                      // dialog 183 / 184
    void (*outputFull)();                        // dialog 131
    void (*targetWriteFailed)(const char* path); // message 4
};

extern TranslationNotices g_notices;

// Longest engine answer taken over; longer ones are cut.
constexpr int kEngineAnswerMax = 1023;
// A prepared sentence is sent only when it is shorter than this.
constexpr int kSentenceLimit = 512;
