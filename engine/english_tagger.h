#pragma once
// Part-of-speech tags for English sentences, so that the English into German direction
// can tell "drinks" the verb from "drinks" the noun. An averaged perceptron scores each
// token's tag from its word, suffixes, shape and neighbours and from the tags before it;
// a beam search of a few readings from left to right weighs whole sentences, so that a
// reading without any verb loses. Tokens are taken as Tokenise cuts them (Windows-1252).
// The model is one byte blob, used straight from a read-only mapping;
// engine/english_tagger_training.h makes it from the tagged Brown corpus.
//
// Contractions stay one token, as the tokeniser leaves them, and take the tag of their
// first part: "it's" PPS, "don't" DO, "isn't" BE, "can't" MD, "I'll" PPS, "let's" VB;
// the clitic itself says what follows. "John's" is GEN when it is a genitive and NP
// when it stands for "John is".
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velloc {

// The names in comments are the ones engine/data/brown-tags.txt and the model use.
enum EnglishTag : std::uint8_t {
    kTagNoun,            // NN    singular or mass noun
    kTagNounPlural,      // NNS
    kTagProperNoun,      // NP
    kTagGenitive,        // GEN   noun or name with the genitive 's
    kTagVerbBase,        // VB
    kTagVerbThird,       // VBZ   3rd person singular present
    kTagVerbPast,        // VBD
    kTagVerbPastPart,    // VBN
    kTagVerbIng,         // VBG
    kTagModal,           // MD
    kTagBe,              // BE    every form of be
    kTagHave,            // HV    every form of have
    kTagDo,              // DO    every form of do
    kTagAdjective,       // JJ
    kTagComparative,     // JJR
    kTagSuperlative,     // JJT
    kTagAdverb,          // RB    also "not" and interjections
    kTagParticle,        // RP    up, out, off
    kTagPreposition,     // IN
    kTagSubordinator,    // CS    that, if, because
    kTagCoordinator,     // CC
    kTagDeterminer,      // DT    articles and determiners
    kTagPossessive,      // PP$   my, his, mine
    kTagSubjectPronoun,  // PPS   I, he, they
    kTagObjectPronoun,   // PPO   me, him, themselves
    kTagThere,           // EX    existential "there"
    kTagNumber,          // CD
    kTagTo,              // TO    the "to" of the infinitive
    kTagWh,              // WH    who, which, what, how, where
    kTagPunctuation,     // PUNCT
    kEnglishTagCount
};

// A set of tags, bit i for tag i.
using TagMask = std::uint32_t;
constexpr TagMask TagBit(EnglishTag tag) { return TagMask(1) << tag; }

// The sets a dictionary's word classes stand for.
constexpr TagMask kNounTags = TagBit(kTagNoun) | TagBit(kTagNounPlural) | TagBit(kTagProperNoun) |
                              TagBit(kTagGenitive);
constexpr TagMask kVerbTags = TagBit(kTagVerbBase) | TagBit(kTagVerbThird) | TagBit(kTagVerbPast) |
                              TagBit(kTagVerbPastPart) | TagBit(kTagVerbIng);
constexpr TagMask kAdjectiveTags = TagBit(kTagAdjective) | TagBit(kTagComparative) |
                                   TagBit(kTagSuperlative);
constexpr TagMask kPronounTags = TagBit(kTagSubjectPronoun) | TagBit(kTagObjectPronoun) |
                                 TagBit(kTagPossessive);

// "NN", "VBD", ...; nullptr for a value outside the set.
const char* EnglishTagName(EnglishTag tag);
bool EnglishTagFromName(std::string_view name, EnglishTag* tag);

class TaggerModel {
public:
    // False, with a reason, when the bytes are not a sound model of this tag set.
    // The bytes stay the caller's and must outlive the model.
    bool Open(const void* data, std::size_t size, std::string* error);
    bool IsOpen() const { return weights_ != nullptr; }

    // Tags one sentence: tags[i] for words[i]. When allowed is given and allowed[i] is
    // not 0, token i gets one of those tags (the ones a dictionary knows for it). Without
    // a model every token is a noun. Allocates nothing for sentences up to 128 tokens.
    void Tag(const std::string_view* words, std::size_t count, const TagMask* allowed,
             EnglishTag* tags) const;
    std::vector<EnglishTag> Tag(const std::vector<std::string_view>& words,
                                const std::vector<TagMask>& allowed = {}) const;

private:
    const std::int8_t* weights_ = nullptr;
    std::uint32_t hashedRowMask_ = 0;
    int beamWidth_ = 1;
};

}  // namespace velloc
