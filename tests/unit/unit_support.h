#pragma once
// Shared pieces of the unit tests: an engine stand-in whose answers a test sets,
// and real edit controls standing in for the output and messages windows.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

// Answers of the in-process engine stand-in; every call is recorded in calls.
struct EngineStandIn {
    std::vector<std::string> calls;
    // Abbreviation question: word -> {result, flag}. Unlisted words end the sentence.
    std::map<std::string, std::pair<int, int>> abbreviations;
    // Sentence (in the window character set) -> answer.
    struct Answer {
        int result = 0;
        std::string translation;  // window character set; converted to OEM on the way out
        int errorType = 0;
        std::string unknown;
    };
    std::map<std::string, Answer> answers;
    std::map<std::string, int> optionResults;  // "name=value" -> result
    int qtimeout = 0;
    std::function<void(const std::string&)> onTranslate;  // may raise
};

extern EngineStandIn* g_standIn;

// Puts the stand-in's functions into g_engine for the life of the object.
class ScopedEngineStandIn {
public:
    ScopedEngineStandIn();
    ~ScopedEngineStandIn();
    EngineStandIn& operator*() { return standIn_; }
    EngineStandIn* operator->() { return &standIn_; }

private:
    EngineStandIn standIn_;
};

// A hidden window holding an output and a messages edit control, registered in
// g_windows for the life of the object.
class ScopedTextWindows {
public:
    ScopedTextWindows();
    ~ScopedTextWindows();
    std::string Output() const;
    std::string Messages() const;

private:
    HWND host_;
};

std::string WindowText(HWND window);
