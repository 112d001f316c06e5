#pragma once
// Reading and writing user-lexicon files. Kept apart from the format so that the
// parser links without any window or file-system code.
#include <string>

#include "lexicon/user_lexicon_file.h"

// The whole file, refused when larger than maxBytes.
LexiconStatus ReadWholeFile(const char* path, std::size_t maxBytes, std::string& bytes);

// Replaces path with bytes in one step: the bytes go to a temporary file in the
// same folder, which takes the target's place only once all of it is written.
// Readers therefore see the old file or the new one, never a mixture.
LexiconStatus ReplaceFileContent(const char* path, const std::string& bytes);

LexiconStatus ReadUserLexiconFile(const char* path, LexiconContent& out);
LexiconStatus WriteUserLexiconFile(const char* path, const LexiconContent& content);
