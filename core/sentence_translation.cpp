#include "core/sentence_translation.h"

#include <windows.h>
#include <string.h>

#include "core/engine_binding.h"
#include "core/engine_options.h"
#include "core/message_log.h"
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

void WriteUntranslated(const char* sentence) {
    AppendOutput(">>> ");
    AppendOutput(sentence);
}

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
    if (prepared.prefixLength > 0) {
        if (g_translation.rap && rapLineStart) SetEngineOption("rapinit", "on");
        char first = *sentence;
        *sentence = '\0';
        AppendOutput(piece);
        *sentence = first;
    }

    const int length = prepared.sentenceLength;
    const unsigned char last = static_cast<unsigned char>(sentence[length - 1]);
    if (length >= kSentenceLimit) {
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
        AppendOutput(translation);
        AppendOutput(prepared.tail.c_str());
        TakeEngineText(unknownAtom, unknown);
        ReportErrorType(static_cast<unsigned>(errorType), unknown, kept);
        ClearEngineLimits();
        break;
    }
    case -1:
        WriteUntranslated(sentence);
        AppendMessage(sentence, "\r\n• Keine Übersetzung bei: ");
        ClearEngineLimits();
        break;
    case -2:
        if (g_run.cancelCount != 0) {
            AppendMessage(sentence, "\r\n• Abbruch bei: ");
        } else {
            bool noTranslation = g_engine.QP_query_qtimeout && g_engine.QP_query_qtimeout() != 0;
            AppendMessage(sentence, noTranslation ? "\r\n• Keine Übersetzung: "
                                                  : "\r\n• Zeitüberschreitung bei: ");
            WriteUntranslated(sentence);
        }
        ClearEngineLimits();
        break;
    default:
        break;
    }
    return length;
}
