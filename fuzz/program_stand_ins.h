#pragma once
// What the translation core calls outside itself, for the fuzz build: the bound
// engine, the settings, the engine guard, the output and message windows and the
// notices. Each stand-in records what it was given, so a fuzzer can check it.
#include <cstddef>
#include <string>

struct ProgramRecord {
    std::string output;      // everything AppendOutput took
    std::string messages;    // everything AppendMessage took, prefixes included
    int notices = 0;         // modal notices shown
    // The target file takes this many bytes; the write that would pass it fails.
    std::size_t targetCapacity = static_cast<std::size_t>(-1);
    // The next engine call raises an exception, which the guard catches.
    bool engineRaises = false;
};

extern ProgramRecord g_program;

// Forgets everything recorded and puts the core's state (run state, settings,
// output target, engine) back as at program start.
void ResetProgram();
