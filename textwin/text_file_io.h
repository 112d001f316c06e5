#pragma once
// Reading and writing the files of the text windows, with no window in sight: the
// callers decide how to tell the user.
#include <windows.h>

#include <cstddef>
#include <string>

enum class TextFileProblem {
    None,
    CannotOpen,  // message 1
    CannotRead,  // message 2; an empty file too
    TooLarge,    // more than the window holds: dialog 130
    NotText,     // NUL bytes or a UTF-16 mark: the window could hold only part of it
};

// The whole file, or why not. A file is taken whole or not at all, so that a later
// save can never replace it with a part of it.
TextFileProblem ReadTextFile(const char* path, std::size_t limit, std::string& bytes);

// Writes bytes to a temporary file beside path, then puts it in path's place, so a
// failed write leaves the old file as it was. Returns 0, or the message that tells
// what failed.
int ReplaceFileWith(const char* path, const char* bytes, DWORD length);
