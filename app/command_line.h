#pragma once
// The command line: the program's folder, the argument text and what it asks for.
#include <string>

// The argument text: what follows the program's path and the blanks after it.
// A quoted program path is skipped as a whole.
std::string ArgumentText(const char* commandLine);

// The program's folder from its full path: everything up to the last backslash.
std::string ProgramDirectory(const char* programPath);

// The help file's path from the program's full path; a folder too long for the
// 160-byte buffer gives a name ending in "?", which names no file.
std::string HelpFilePath(const char* programPath);

struct CommandLineRequest {
    enum Action { Nothing, TranslateFile, LoadAndTranslate } action = Nothing;
    bool switchSet = false;
    std::string pendingSwitch;
    std::string pendingFile;
};

// What the argument text asks for: a switch "/S", "/T" or "/W" (before or after
// a file name) translates the file to file; a file alone is loaded and translated.
CommandLineRequest ParseArguments(const std::string& arguments);
