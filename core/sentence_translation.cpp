#include "core/sentence_translation.h"

#include <windows.h>
#include <string.h>

#include <string>

#include "core/engine_binding.h"
#include "core/engine_options.h"
#include "core/message_log.h"
#include "core/run_marking.h"
#include "core/run_state.h"
#include "core/sentence_prep.h"

namespace {

// Copies an engine answer into the caller's buffer, cut to what the buffer holds,
// and converts it from the OEM character set.
void TakeEngineText(int atom, char (&buffer)[kEngineAnswerMax + 1]) {
    const char* text = g_engine.QP_StringFromAtom ? g_engine.QP_StringFromAtom(atom) : nullptr;
    buffer[0] = '\0';
    if (text) lstrcpynA(buffer, text, sizeof buffer);
    OemToCharA(buffer, buffer);
}

void ClearEngineLimits() {
    if (g_engine.QP_query_clearlmt) g_engine.QP_query_clearlmt();
}

// Output in as few appends as possible: a target file is opened and closed for each.
void Emit(const std::string& text) {
    if (!text.empty()) AppendOutput(text.c_str());
}

std::string Untranslated(const char* sentence) { return std::string(">>> ") + sentence; }

}  // namespace

int ReportErrorType(unsigned type, const char* unrecognised, const char* sentence) {
    static const char* const kTypeMessages[] = {
        nullptr,
        "\r\n• Zeitüberschreitung bei: ",
        "\r\n• Analysefehler bei: ",
        "\r\n• Zeitüberschreitung bei: ",
        "\r\n• Übersetzung abgebrochen: ",
    };
    if (type > 4) {
        AppendMessage(sentence, "\r\n• Unbekannter Übersetzungsfehler bei: ");
        return 1;
    }
    if (kTypeMessages[type]) AppendMessage(sentence, kTypeMessages[type]);
    if (unrecognised && unrecognised[0] && unrecognised[0] != '0')
        AppendMessage(unrecognised, "\r\n• Unbekannt: ");
    return 0;
}

int TranslateSentence(char* piece) {
    const bool rapLineStart = piece[0] == '\n' || (piece[0] && piece[1] == '\n');
    PreparedPiece prepared = PrepareSentence(piece);
    if (!prepared.hasSentence) {
        AppendOutput(piece);
        return static_cast<int>(strlen(piece));
    }

    char* sentence = piece + prepared.prefixLength;
    // What stands before the sentence goes out with the first output of the sentence.
    const std::string prefix(piece, prepared.prefixLength);
    if (prepared.prefixLength > 0 && g_translation.rap && rapLineStart) SetEngineOption("rapinit", "on");

    const int length = prepared.sentenceLength;
    const unsigned char last = static_cast<unsigned char>(sentence[length - 1]);
    if (length >= kSentenceLimit) {
        Emit(prefix);
        AppendMessage(sentence, "\r\n• Satz zu lang: ");
        return 0;
    }

    char kept[kSentenceLimit];
    memcpy(kept, sentence, length + 1);
    CharToOemA(sentence, sentence);

    int translationAtom = 0, errorType = 0, unknownAtom = 0, result = 0;
    DWORD exceptionCode = 0;
    if (!CallTranslateGuarded(g_run.progressDialog, sentence, &translationAtom, &errorType,
                              &unknownAtom, &result, &exceptionCode)) {
        Emit(prefix);
        ShowWhatWaits();
        g_notices.engineFailed();
        g_run.cancelCount = 1;
        return 0;
    }
    if (result != 0) OemToCharA(sentence, sentence);

    switch (result) {
    case 0: {
        char translation[kEngineAnswerMax + 1];
        char unknown[kEngineAnswerMax + 1];
        TakeEngineText(translationAtom, translation);
        DropAddedPeriod(translation, last);
        Emit(prefix + translation + prepared.tail);
        TakeEngineText(unknownAtom, unknown);
        ReportErrorType(static_cast<unsigned>(errorType), unknown, kept);
        ClearEngineLimits();
        break;
    }
    case -1:
        Emit(prefix + Untranslated(sentence));
        AppendMessage(sentence, "\r\n• Keine Übersetzung bei: ");
        ClearEngineLimits();
        break;
    case -2:
        if (g_run.cancelCount != 0) {
            Emit(prefix);
            AppendMessage(sentence, "\r\n• Abbruch bei: ");
        } else {
            bool noTranslation = g_engine.QP_query_qtimeout && g_engine.QP_query_qtimeout() != 0;
            AppendMessage(sentence, noTranslation ? "\r\n• Keine Übersetzung: "
                                                  : "\r\n• Zeitüberschreitung bei: ");
            Emit(prefix + Untranslated(sentence));
        }
        ClearEngineLimits();
        break;
    default:
        Emit(prefix);
        break;
    }
    return length;
}
