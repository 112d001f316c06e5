#pragma once
// Read-only view of a catalogue held in memory (a file mapping). Open checks the
// header, the section table and the checksum; every later access checks its
// offsets and indexes, so a damaged file can never make a lookup read outside.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/catalogue_format.h"

namespace velloc {

template <typename T>
struct Records {
    const T* data = nullptr;
    std::uint32_t count = 0;
    const T* begin() const { return data; }
    const T* end() const { return data + count; }
    bool empty() const { return count == 0; }
};

class Catalogue {
public:
    // False, with a reason, when the bytes are not a sound catalogue.
    bool Open(const void* data, std::size_t size, std::string* error);
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

private:
    template <typename T>
    Records<T> Section(Section section) const;
    const HashSlot* Find(Records<HashSlot> slots, std::string_view key) const;

    const unsigned char* base_ = nullptr;
    std::size_t size_ = 0;
    Direction direction_ = Direction::GermanToEnglish;
    std::uint32_t subjectCount_ = 0;
    const CatalogueHeader* header_ = nullptr;
    const char* strings_ = nullptr;
    std::uint32_t stringsSize_ = 0;
    Records<WordRecord> words_;
    Records<SenseRecord> senses_;
    Records<HashSlot> formSlots_, phraseSlots_, targetSlots_, abbreviationSlots_, exampleSlots_;
    Records<FormLink> links_;
    Records<PhraseRecord> phrases_;
    Records<TargetRecord> targets_;
};

}  // namespace velloc
