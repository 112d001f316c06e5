#include "engine/english_words.h"

#include "engine/text_1252.h"

namespace velloc {
namespace {

const EnglishWord kEnglishWords[] = {
    {"the", EnKind::Article, "def", 3, false, false, Case::Nominative},
    {"a", EnKind::Article, "ein", 3, false, false, Case::Nominative},
    {"an", EnKind::Article, "ein", 3, false, false, Case::Nominative},
    {"no", EnKind::Article, "kein", 3, false, false, Case::Nominative},
    {"my", EnKind::Possessive, "mein", 3, false, false, Case::Nominative},
    {"your", EnKind::Possessive, "dein", 3, false, false, Case::Nominative},
    {"his", EnKind::Possessive, "sein", 3, false, false, Case::Nominative},
    {"her", EnKind::Possessive, "ihr", 3, false, false, Case::Nominative},
    {"its", EnKind::Possessive, "sein", 3, false, false, Case::Nominative},
    {"our", EnKind::Possessive, "unser", 3, false, false, Case::Nominative},
    {"their", EnKind::Possessive, "ihr", 3, false, false, Case::Nominative},
    {"this", EnKind::Demonstrative, "dies", 3, false, false, Case::Nominative},
    {"that", EnKind::Demonstrative, "dies", 3, false, false, Case::Nominative},
    {"these", EnKind::Demonstrative, "dies", 3, true, false, Case::Nominative},
    {"those", EnKind::Demonstrative, "jen", 3, true, false, Case::Nominative},
    {"every", EnKind::Demonstrative, "jed", 3, false, false, Case::Nominative},
    {"each", EnKind::Demonstrative, "jed", 3, false, false, Case::Nominative},
    {"all", EnKind::Demonstrative, "all", 3, true, false, Case::Nominative},
    {"some", EnKind::Demonstrative, "einig", 3, true, false, Case::Nominative},
    {"many", EnKind::Demonstrative, "viel", 3, true, false, Case::Nominative},
    {"I", EnKind::Pronoun, "ich", 1, false, false, Case::Nominative},
    {"you", EnKind::Pronoun, "du", 2, false, false, Case::Nominative},
    {"he", EnKind::Pronoun, "er", 3, false, false, Case::Nominative},
    {"she", EnKind::Pronoun, "sie", 3, false, false, Case::Nominative},
    {"it", EnKind::Pronoun, "es", 3, false, false, Case::Nominative},
    {"we", EnKind::Pronoun, "wir", 1, true, false, Case::Nominative},
    {"they", EnKind::Pronoun, "sie", 3, true, false, Case::Nominative},
    {"me", EnKind::Pronoun, "mich", 1, false, false, Case::Accusative},
    {"him", EnKind::Pronoun, "ihn", 3, false, false, Case::Accusative},
    {"us", EnKind::Pronoun, "uns", 1, true, false, Case::Accusative},
    {"them", EnKind::Pronoun, "sie", 3, true, false, Case::Accusative},
    {"in", EnKind::Preposition, "in", 0, false, false, Case::Dative},
    {"at", EnKind::Preposition, "an", 0, false, false, Case::Dative},
    {"on", EnKind::Preposition, "auf", 0, false, false, Case::Dative},
    {"with", EnKind::Preposition, "mit", 0, false, false, Case::Dative},
    {"from", EnKind::Preposition, "von", 0, false, false, Case::Dative},
    {"of", EnKind::Preposition, "von", 0, false, false, Case::Dative},
    {"to", EnKind::Preposition, "zu", 0, false, false, Case::Dative},
    {"for", EnKind::Preposition, "für", 0, false, false, Case::Accusative},
    {"by", EnKind::Preposition, "von", 0, false, false, Case::Dative},
    {"about", EnKind::Preposition, "über", 0, false, false, Case::Accusative},
    {"after", EnKind::Preposition, "nach", 0, false, false, Case::Dative},
    {"before", EnKind::Preposition, "vor", 0, false, false, Case::Dative},
    {"under", EnKind::Preposition, "unter", 0, false, false, Case::Dative},
    {"over", EnKind::Preposition, "über", 0, false, false, Case::Dative},
    {"between", EnKind::Preposition, "zwischen", 0, false, false, Case::Dative},
    {"through", EnKind::Preposition, "durch", 0, false, false, Case::Accusative},
    {"against", EnKind::Preposition, "gegen", 0, false, false, Case::Accusative},
    {"without", EnKind::Preposition, "ohne", 0, false, false, Case::Accusative},
    {"into", EnKind::Preposition, "in", 0, false, false, Case::Accusative},
    {"since", EnKind::Preposition, "seit", 0, false, false, Case::Dative},
    {"during", EnKind::Preposition, "während", 0, false, false, Case::Genitive},
    {"until", EnKind::Preposition, "bis", 0, false, false, Case::Accusative},
    {"behind", EnKind::Preposition, "hinter", 0, false, false, Case::Dative},
    {"around", EnKind::Preposition, "um", 0, false, false, Case::Accusative},
    {"near", EnKind::Preposition, "nahe", 0, false, false, Case::Dative},
    {"and", EnKind::Coordinator, "und", 0, false, false, Case::Nominative},
    {"or", EnKind::Coordinator, "oder", 0, false, false, Case::Nominative},
    {"but", EnKind::Coordinator, "aber", 0, false, false, Case::Nominative},
    {"because", EnKind::Subordinator, "weil", 0, false, false, Case::Nominative},
    {"if", EnKind::Subordinator, "wenn", 0, false, false, Case::Nominative},
    {"when", EnKind::Subordinator, "wenn", 0, false, false, Case::Nominative},
    {"although", EnKind::Subordinator, "obwohl", 0, false, false, Case::Nominative},
    {"while", EnKind::Subordinator, "während", 0, false, false, Case::Nominative},
    {"whether", EnKind::Subordinator, "ob", 0, false, false, Case::Nominative},
    {"that", EnKind::Subordinator, "dass", 0, false, false, Case::Nominative},
    {"who", EnKind::Question, "wer", 3, false, false, Case::Nominative},
    {"what", EnKind::Question, "was", 3, false, false, Case::Nominative},
    {"where", EnKind::Question, "wo", 0, false, false, Case::Nominative},
    {"why", EnKind::Question, "warum", 0, false, false, Case::Nominative},
    {"how", EnKind::Question, "wie", 0, false, false, Case::Nominative},
    {"which", EnKind::Question, "welche", 0, false, false, Case::Nominative},
    {"not", EnKind::Negation, "nicht", 0, false, false, Case::Nominative},
    {"n't", EnKind::Negation, "nicht", 0, false, false, Case::Nominative},
    {"am", EnKind::Be, "sein", 1, false, false, Case::Nominative},
    {"is", EnKind::Be, "sein", 3, false, false, Case::Nominative},
    {"are", EnKind::Be, "sein", 3, true, false, Case::Nominative},
    {"was", EnKind::Be, "sein", 3, false, true, Case::Nominative},
    {"were", EnKind::Be, "sein", 3, true, true, Case::Nominative},
    {"be", EnKind::Be, "sein", 0, false, false, Case::Nominative},
    {"been", EnKind::Be, "sein", 0, false, false, Case::Nominative},
    {"have", EnKind::Have, "haben", 3, true, false, Case::Nominative},
    {"has", EnKind::Have, "haben", 3, false, false, Case::Nominative},
    {"had", EnKind::Have, "haben", 3, false, true, Case::Nominative},
    {"do", EnKind::Do, "tun", 3, true, false, Case::Nominative},
    {"does", EnKind::Do, "tun", 3, false, false, Case::Nominative},
    {"did", EnKind::Do, "tun", 3, false, true, Case::Nominative},
    {"will", EnKind::Will, "werden", 3, false, false, Case::Nominative},
    {"would", EnKind::Will, "würden", 3, false, true, Case::Nominative},
    {"can", EnKind::Modal, "können", 3, false, false, Case::Nominative},
    {"could", EnKind::Modal, "können", 3, false, true, Case::Nominative},
    {"must", EnKind::Modal, "müssen", 3, false, false, Case::Nominative},
    {"should", EnKind::Modal, "sollen", 3, false, false, Case::Nominative},
    {"may", EnKind::Modal, "dürfen", 3, false, false, Case::Nominative},
    {"might", EnKind::Modal, "können", 3, false, true, Case::Nominative},
    {"very", EnKind::Adverb, "sehr", 0, false, false, Case::Nominative},
    {"also", EnKind::Adverb, "auch", 0, false, false, Case::Nominative},
    {"only", EnKind::Adverb, "nur", 0, false, false, Case::Nominative},
    {"still", EnKind::Adverb, "noch", 0, false, false, Case::Nominative},
    {"already", EnKind::Adverb, "schon", 0, false, false, Case::Nominative},
    {"always", EnKind::Adverb, "immer", 0, false, false, Case::Nominative},
    {"never", EnKind::Adverb, "nie", 0, false, false, Case::Nominative},
    {"here", EnKind::Adverb, "hier", 0, false, false, Case::Nominative},
    {"there", EnKind::Adverb, "dort", 0, false, false, Case::Nominative},
    {"now", EnKind::Adverb, "jetzt", 0, false, false, Case::Nominative},
    {"today", EnKind::Adverb, "heute", 0, false, false, Case::Nominative},
    {"yesterday", EnKind::Adverb, "gestern", 0, false, false, Case::Nominative},
    {"tomorrow", EnKind::Adverb, "morgen", 0, false, false, Case::Nominative},
    {"then", EnKind::Adverb, "dann", 0, false, false, Case::Nominative},
    {"so", EnKind::Adverb, "so", 0, false, false, Case::Nominative},
    {"too", EnKind::Adverb, "zu", 0, false, false, Case::Nominative},
    {"again", EnKind::Adverb, "wieder", 0, false, false, Case::Nominative},
    {"more", EnKind::Adverb, "mehr", 0, false, false, Case::Nominative},
    {"yes", EnKind::Adverb, "ja", 0, false, false, Case::Nominative},
    {"please", EnKind::Adverb, "bitte", 0, false, false, Case::Nominative},
    {"than", EnKind::Adverb, "als", 0, false, false, Case::Nominative},
    {"as", EnKind::Adverb, "wie", 0, false, false, Case::Nominative},
    {"nothing", EnKind::Adverb, "nichts", 0, false, false, Case::Nominative},
    {"something", EnKind::Adverb, "etwas", 0, false, false, Case::Nominative},
    {"everything", EnKind::Adverb, "alles", 0, false, false, Case::Nominative},
};

}  // namespace

// Given names that are also English words; at the start of a sentence only these
// are taken for names.
bool IsCommonGivenName(std::string_view word) {
    static const char* const kNames[] = {"Tom", "Bill", "Jack", "Mark", "Will", "Frank", "Rose", "Grace",
                                         "Pat", "Ray", "Bob", "Sue", "Jean", "Art", "Jim", "Ken", "Tim"};
    for (const char* n : kNames)
        if (word == n) return true;
    return false;
}

const EnglishWord* FindEnglishWord(std::string_view lower) {
    for (const EnglishWord& w : kEnglishWords)
        if (Lower1252(w.form) == lower) return &w;
    return nullptr;
}

const EnglishWord* FindEnglishWordOfKind(std::string_view lower, EnKind kind) {
    for (const EnglishWord& w : kEnglishWords)
        if (w.kind == kind && Lower1252(w.form) == lower) return &w;
    return nullptr;
}

}  // namespace velloc
