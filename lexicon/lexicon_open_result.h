#pragma once
// What LexiconOpen (MBXLLDB ordinal 7) returns. The program tells only success (0)
// from failure, and takes a negative value for failure, so every failure is negative.
enum LexiconOpenResult {
    kLexiconOpened = 0,
    kLexiconBadArgument = -1,     // no path, unknown mode, or nothing usable to create from
    kLexiconMissing = -2,         // no file at that path
    kLexiconUnreadable = -3,      // the file exists but cannot be read, or is far too large
    kLexiconForeign = -4,         // not a user lexicon
    kLexiconNewerVersion = -5,    // a user lexicon of a later format
    kLexiconDamaged = -6,         // a user lexicon that is cut short or broken
    kLexiconWrongDirection = -7,  // the lexicon translates the other way
    kLexiconWriteFailed = -8,     // creating: the file could not be written
    kLexiconInternalError = -9,   // out of memory or any other failure inside the library
};
