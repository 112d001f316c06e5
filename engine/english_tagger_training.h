#pragma once
// Making the English tagger's model (engine/english_tagger.h) from tagged text: the
// Brown corpus's tags mapped onto the engine's by the table in
// engine/data/brown-tags.txt, its sentences cut as the engine's tokeniser cuts them,
// and an averaged perceptron trained on them. Runs at build time, in lctc.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/english_tagger.h"

namespace velloc {

struct TaggedWord {
    std::string word;
    EnglishTag tag;
};
using TaggedSentence = std::vector<TaggedWord>;

// The table of engine/data/brown-tags.txt; its head comment says how a tag is looked up.
class BrownTagTable {
public:
    // False, naming the line, when a line does not read "brown-tag engine-tag [comment]".
    bool Parse(std::string_view text, std::string* error);
    enum class Lookup { kTagged, kLeaveOut, kUnknown };  // kLeaveOut: the sentence is not used
    Lookup Find(std::string_view brownTag, EnglishTag* tag) const;

private:
    std::map<std::string, int, std::less<>> entries_;  // engine tag, or -1: untagged
};

// Appends the sentences of one Brown text (a sentence per line of "word/tag" tokens),
// cut as the engine's tokeniser would cut them. False, naming the tag or token, when a
// tag is not in the table or a token has no tag; sentences with a tag that the table
// leaves out are skipped.
bool ReadBrownText(std::string_view text, const BrownTagTable& table,
                   std::vector<TaggedSentence>* sentences, std::string* error);

struct TrainingOptions {
    int iterations = 8;
    int beamWidth = 4;
    bool shortSentences = true;  // adds each sentence's start up to its first verb
    std::uint32_t rowBits = 17;  // the hashed weight table has 2^rowBits rows of 32 bytes (8 to 22)
};

// The model blob that TaggerModel::Open reads; the same bytes for the same sentences and
// options on every machine.
std::string TrainTagger(const std::vector<TaggedSentence>& sentences, const TrainingOptions& options = {});

// Reads the texts that folder/cats.txt lists, in its order, one entry of texts each, with
// the tag table from tagTablePath.
bool ReadBrownCorpus(const std::string& folder, const std::string& tagTablePath,
                     std::vector<std::vector<TaggedSentence>>* texts, std::string* error);

// The model from the whole corpus; "" with the reason when the files cannot be read.
std::string TrainTaggerFromBrown(const std::string& folder, const std::string& tagTablePath,
                                 std::string* error, const TrainingOptions& options = {});

}  // namespace velloc
