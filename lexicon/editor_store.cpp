#include "lexicon/editor_store.h"

#include "lexicon/user_lexicon_io.h"

namespace {

EditorFailure FailureOf(LexiconStatus status) {
    switch (status) {
    case LexiconStatus::Ok: return EditorFailure::None;
    case LexiconStatus::Missing: return EditorFailure::Missing;
    case LexiconStatus::Unreadable: return EditorFailure::Unreadable;
    case LexiconStatus::TooLarge: return EditorFailure::Unreadable;
    case LexiconStatus::Foreign: return EditorFailure::Foreign;
    case LexiconStatus::NewerVersion: return EditorFailure::NewerVersion;
    case LexiconStatus::Damaged: return EditorFailure::Damaged;
    case LexiconStatus::InvalidContent: return EditorFailure::BadCharacters;
    case LexiconStatus::WriteFailed: return EditorFailure::WriteFailed;
    }
    return EditorFailure::WriteFailed;
}

EditorFailure FailureOf(EntryProblem problem) {
    switch (problem) {
    case EntryProblem::None: return EditorFailure::None;
    case EntryProblem::NoSource: return EditorFailure::NoSource;
    case EntryProblem::NoTranslation: return EditorFailure::NoTranslation;
    case EntryProblem::BadCharacters: return EditorFailure::BadCharacters;
    case EntryProblem::UnknownArea: return EditorFailure::UnknownArea;
    }
    return EditorFailure::BadCharacters;
}

void TrimWords(LexiconEntry& entry) {
    entry.source = TrimBlanks(entry.source);
    entry.translation = TrimBlanks(entry.translation);
}

// Writes outcome.content unless an earlier step failed.
void WriteBack(const char* path, EditOutcome& outcome) {
    if (outcome.failure != EditorFailure::None) return;
    LexiconStatus status = WriteUserLexiconFile(path, outcome.content);
    outcome.failure = status == LexiconStatus::TooLarge ? EditorFailure::Full : FailureOf(status);
}

}  // namespace

EditorFailure ReadLexiconForEditing(const char* path, const std::string& direction,
                                    LexiconContent& out) {
    LexiconStatus status = ReadUserLexiconFile(path, out);
    if (status != LexiconStatus::Ok) return FailureOf(status);
    if (!direction.empty() && out.direction != direction) {
        out = LexiconContent{};
        return EditorFailure::WrongDirection;
    }
    return EditorFailure::None;
}

EditOutcome SaveEntryToFile(const char* path, const std::string& direction, LexiconEntry entry) {
    EditOutcome outcome;
    TrimWords(entry);
    outcome.failure = ReadLexiconForEditing(path, direction, outcome.content);
    if (outcome.failure != EditorFailure::None) return outcome;
    outcome.failure = FailureOf(CheckEntry(outcome.content, entry));
    if (outcome.failure != EditorFailure::None) return outcome;
    outcome.change = PutEntry(outcome.content, entry);
    WriteBack(path, outcome);
    return outcome;
}

EditOutcome DeleteEntryFromFile(const char* path, const std::string& direction,
                                LexiconEntry key) {
    EditOutcome outcome;
    TrimWords(key);
    outcome.failure = ReadLexiconForEditing(path, direction, outcome.content);
    if (outcome.failure != EditorFailure::None) return outcome;
    outcome.change = RemoveEntry(outcome.content, key);
    if (outcome.change == EntryChange::NotFound) {
        outcome.failure = EditorFailure::NotFound;
        return outcome;
    }
    WriteBack(path, outcome);
    return outcome;
}

std::string FailureMessage(EditorFailure failure, const std::string& path) {
    const std::string file = "'" + path + "'";
    switch (failure) {
    case EditorFailure::None: return "";
    case EditorFailure::Missing:
        return "Die Lexikondatei " + file + " ist nicht vorhanden.";
    case EditorFailure::Unreadable:
        return "Die Lexikondatei " + file + " läßt sich nicht lesen.";
    case EditorFailure::Foreign:
        return "Die Datei " + file + " ist kein Benutzerlexikon von Quendel. Sie wird nicht "
               "verändert.";
    case EditorFailure::NewerVersion:
        return "Die Lexikondatei " + file + " stammt von einer neueren Programmversion. Sie "
               "kann nicht bearbeitet werden.";
    case EditorFailure::Damaged:
        return "Die Lexikondatei " + file + " ist beschädigt oder unvollständig. Sie wird "
               "nicht verändert.";
    case EditorFailure::WrongDirection:
        return "Die Lexikondatei liegt in der falschen Sprachrichtung vor. Sie kann nicht "
               "bearbeitet werden!";
    case EditorFailure::NoSource:
        return "Bitte geben Sie das Ausgangswort ein.";
    case EditorFailure::NoTranslation:
        return "Bitte geben Sie die Übersetzung ein.";
    case EditorFailure::BadCharacters:
        return "Ausgangswort und Übersetzung dürfen keine Tabulatoren oder Steuerzeichen "
               "enthalten.";
    case EditorFailure::UnknownArea:
        return "Das Sachgebiet gibt es in der Lexikondatei nicht mehr. Bitte wählen Sie ein "
               "anderes.";
    case EditorFailure::NotFound:
        return "Diesen Eintrag gibt es im Lexikon nicht.";
    case EditorFailure::WriteFailed:
        return "Die Lexikondatei " + file + " läßt sich nicht schreiben. Die Änderung wurde "
               "nicht gespeichert.";
    case EditorFailure::Full:
        return "Die Lexikondatei " + file + " ist voll (höchstens 16 MB). Die Änderung wurde "
               "nicht gespeichert.";
    }
    return "";
}
