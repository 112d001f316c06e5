#pragma once
// Cutting Windows-1252 text into sentences. Pure text logic: the only outside
// calls are the engine's abbreviation question and the message log.
//
// Positions are byte offsets; a position at or beyond the text's length reads as
// NUL, and nothing is read outside the given length.

// One past the last character of the sentence that begins at or after start (the
// end character and at most one closing quote included); length + 1 at the end of
// the text, where it also sets the end-of-text flag of the run state.
int FindSentenceEnd(const char* text, int length, int start);

// The index just after the end character of the sentence before the one that
// contains position, or 0 when that sentence begins the text.
int FindSentenceStart(const char* text, int length, int position);
int FindSentenceStart(const char* text, int position);  // NUL-terminated text

// 0 when the character at n - 1 really ends a sentence, non-zero when it does not.
// n <= 0 means the whole text.
int IsSentenceEnd(const char* text, int length, int n);
int IsSentenceEnd(const char* text, int n);  // NUL-terminated text

// Character classes shared with sentence preparation and marking.
bool IsScannerWhiteSpace(unsigned char c);
bool IsWordLike(unsigned char c);
