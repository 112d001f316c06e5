#pragma once
// Read-only view of a catalogue held in memory (a file mapping). Open checks the
// header, the section table and the block checksums; every later access checks
// its offsets and indexes, so a damaged file can never make a lookup read outside,
// even in blocks whose check was left for later.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/catalogue_format.h"
#include "engine/engine_tables.h"
#include "engine/english_tagger.h"

namespace velloc {

template <typename T>
struct Records {
    const T* data = nullptr;
    std::uint32_t count = 0;
    const T* begin() const { return data; }
    const T* end() const { return data + count; }
    bool empty() const { return count == 0; }
};

// What Open checks besides the header: every block, or only the blocks that hold the
// hash tables (the rest then with BlockIsSound). The engine checks the whole file:
// with the block checksums that takes a few milliseconds beyond touching its pages.
enum class CatalogueCheck { kWhole, kIndexes };

class Catalogue {
public:
    // False, with a reason, when the bytes are not a sound catalogue.
    bool Open(const void* data, std::size_t size, std::string* error,
              CatalogueCheck check = CatalogueCheck::kWhole);
    std::uint32_t BlockCount() const { return blockCount_; }
    // Whether the block's bytes still match their checksum; reads that block and
    // nothing else, so it may run on another thread beside lookups.
    bool BlockIsSound(std::uint32_t block) const;
    bool IsOpen() const { return base_ != nullptr; }
    Direction direction() const { return direction_; }
    std::uint32_t subjectCount() const { return subjectCount_; }

    const char* String(std::uint32_t offset) const;
    Records<FormLink> Forms(std::string_view form) const;
    const WordRecord* Word(std::uint32_t index) const;
    Records<SenseRecord> Senses(std::uint32_t first, std::uint32_t count) const;
    Records<PhraseRecord> PhrasesStartingWith(std::string_view token) const;
    // The target word's inflection record of that class (any class when 0).
    const TargetRecord* Target(std::string_view lemma, std::uint8_t wordClass) const;
    bool IsAbbreviation(std::string_view word) const;
    // The translation of a whole example sentence (normalised), or nullptr.
    const char* Example(std::string_view normalised) const;
    // A word the parallel corpus keeps untranslated ("Schmidt", "Baker"), as written.
    bool IsName(std::string_view word) const;

    // The target language's word model. Words go in as they are (case is folded
    // here); kSentenceStartWord and kSentenceEndWord mark the sentence's ends, an
    // empty word means no history. Results are log10 probabilities; without a model
    // every word scores 0. Nothing here allocates.
    bool HasLanguageModel() const { return model_ != nullptr; }
    std::uint32_t ModelWord(std::string_view word) const;  // 0: unknown to the model
    std::uint32_t ModelWordCount() const { return model_ ? model_->wordCount : 0; }  // ids below it
    // log10 P(w3 | w1 w2)
    float LogProb(std::uint32_t w1, std::uint32_t w2, std::uint32_t w3) const;
    float LogProb(std::string_view w1, std::string_view w2, std::string_view w3) const;
    // The words' log10 probability, from the sentence start and up to its end when
    // those are asked for; otherwise the first words go with shorter histories.
    float ScoreSequence(const std::vector<std::string>& words, bool sentenceStart = true,
                        bool sentenceEnd = true) const;

    // The English tagger (a model that tags everything a noun when the catalogue has none).
    const TaggerModel& Tagger() const { return *tagger_; }
    // The text of one of the engine's tables (engine/data), "" when the catalogue has none.
    std::string_view Table(std::string_view name) const;
    // What those tables hold, read when the catalogue was opened.
    const EngineTables& Tables() const { return *engineTables_; }
    // Tries another value for one of the tables' weights (for tuning; copies of this
    // catalogue share its tables and see the new value too).
    void OverrideWeight(const std::string& name, float value) { engineTables_->SetWeight(name, value); }

private:
    bool OpenTagger(std::string* error);
    bool OpenTables(std::string* error);
    template <typename T>
    Records<T> Section(Section section) const;
    const HashSlot* Find(Records<HashSlot> slots, std::string_view key) const;
    bool OpenModel(std::string* error);
    std::uint32_t FindBigram(std::uint32_t first, std::uint32_t second) const;  // slot + 1, 0: none
    bool BlockIsSound(const unsigned char* bytes, std::uint32_t block) const;

    const unsigned char* base_ = nullptr;
    std::size_t size_ = 0;
    Direction direction_ = Direction::GermanToEnglish;
    std::uint32_t subjectCount_ = 0;
    const CatalogueHeader* header_ = nullptr;
    const std::uint32_t* blockSums_ = nullptr;
    std::uint32_t blockCount_ = 0;
    std::uint32_t bodyEnd_ = 0;  // where the block sums start
    const char* strings_ = nullptr;
    std::uint32_t stringsSize_ = 0;
    Records<WordRecord> words_;
    Records<SenseRecord> senses_;
    Records<HashSlot> formSlots_, phraseSlots_, targetSlots_, abbreviationSlots_, exampleSlots_, nameSlots_;
    Records<FormLink> links_;
    Records<PhraseRecord> phrases_;
    Records<TargetRecord> targets_;
    std::shared_ptr<TaggerModel> tagger_ = std::make_shared<TaggerModel>();
    std::vector<std::pair<std::string_view, std::string_view>> tables_;
    std::shared_ptr<EngineTables> engineTables_ = std::make_shared<EngineTables>();
    const ModelHeader* model_ = nullptr;
    Records<HashSlot> modelWordSlots_;
    Records<UnigramRecord> unigrams_;
    Records<BigramSlot> bigrams_;
    Records<TrigramSlot> trigrams_;
    std::uint32_t sentenceStart_ = 0, sentenceEnd_ = 0;
};

}  // namespace velloc
