#pragma once
// The lexicon editor's reads and writes of the user-lexicon file.
//
// Every change reads the file afresh, changes that copy and writes the whole file
// back through a temporary file (WriteUserLexiconFile), so entries another program
// wrote since the editor last looked are kept. A file that cannot be read as a
// lexicon of the wanted direction is never written.
#include <string>

#include "lexicon/editor_entries.h"
#include "lexicon/user_lexicon_file.h"

enum class EditorFailure {
    None,
    Missing,
    Unreadable,
    Foreign,
    NewerVersion,
    Damaged,
    WrongDirection,
    NoSource,
    NoTranslation,
    BadCharacters,
    UnknownArea,
    NotFound,  // deleting an entry the file does not hold
    WriteFailed,
    Full,      // the change would make the file larger than a lexicon may be
};

struct EditOutcome {
    EditorFailure failure = EditorFailure::None;
    EntryChange change = EntryChange::NotFound;
    LexiconContent content;  // the file as written, or as read when nothing was written
};

// Reads path; direction "" takes a lexicon of either direction.
EditorFailure ReadLexiconForEditing(const char* path, const std::string& direction,
                                    LexiconContent& out);

// Adds or replaces entry (blanks around the words are dropped first).
EditOutcome SaveEntryToFile(const char* path, const std::string& direction, LexiconEntry entry);

// Removes the entry with the key of key.
EditOutcome DeleteEntryFromFile(const char* path, const std::string& direction,
                                LexiconEntry key);

// What the user is told, in German; "" for None.
std::string FailureMessage(EditorFailure failure, const std::string& path);
