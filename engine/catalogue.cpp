#include "engine/catalogue.h"

#include <cstring>

#include "engine/text_1252.h"

namespace velloc {
namespace {

constexpr std::size_t kRecordSizes[kSectionCount] = {
    1, sizeof(WordRecord), sizeof(SenseRecord), sizeof(HashSlot), sizeof(FormLink),
    sizeof(PhraseRecord), sizeof(HashSlot), sizeof(TargetRecord), sizeof(HashSlot),
    sizeof(HashSlot), sizeof(HashSlot)};

bool Fail(std::string* error, const char* reason) {
    if (error) *error = reason;
    return false;
}

}  // namespace

template <typename T>
Records<T> Catalogue::Section(velloc::Section section) const {
    const SectionEntry& entry = header_->sections[section];
    return Records<T>{reinterpret_cast<const T*>(base_ + entry.offset),
                      static_cast<std::uint32_t>(entry.size / sizeof(T))};
}

bool Catalogue::Open(const void* data, std::size_t size, std::string* error) {
    base_ = nullptr;
    if (!data || size < sizeof(CatalogueHeader)) return Fail(error, "too short for a catalogue");
    const auto* bytes = static_cast<const unsigned char*>(data);
    const auto* header = reinterpret_cast<const CatalogueHeader*>(bytes);
    if (std::memcmp(header->magic, kCatalogueMagic, sizeof header->magic) != 0)
        return Fail(error, "not a catalogue");
    if (header->version != kCatalogueVersion) return Fail(error, "catalogue of another version");
    if (header->direction != static_cast<std::uint32_t>(Direction::GermanToEnglish) &&
        header->direction != static_cast<std::uint32_t>(Direction::EnglishToGerman))
        return Fail(error, "unknown direction");
    if (header->fileSize != size || header->sectionCount != kSectionCount || header->subjectCount > 32)
        return Fail(error, "damaged header");
    for (std::uint32_t i = 0; i < kSectionCount; ++i) {
        const SectionEntry& s = header->sections[i];
        if (s.offset < sizeof(CatalogueHeader) || s.offset % 4 != 0 || s.offset > size ||
            s.size > size - s.offset || s.size % kRecordSizes[i] != 0)
            return Fail(error, "damaged section table");
    }
    const std::uint32_t checksum = CatalogueChecksum(bytes + sizeof(CatalogueHeader),
                                                     static_cast<std::uint32_t>(size - sizeof(CatalogueHeader)));
    if (checksum != header->checksum) return Fail(error, "checksum mismatch");
    const SectionEntry& strings = header->sections[kSectionStrings];
    if (strings.size == 0 || bytes[strings.offset + strings.size - 1] != 0)
        return Fail(error, "damaged string pool");

    base_ = bytes;
    size_ = size;
    header_ = header;
    direction_ = static_cast<Direction>(header->direction);
    subjectCount_ = header->subjectCount;
    strings_ = reinterpret_cast<const char*>(bytes + strings.offset);
    stringsSize_ = strings.size;
    words_ = Section<WordRecord>(kSectionWords);
    senses_ = Section<SenseRecord>(kSectionSenses);
    formSlots_ = Section<HashSlot>(kSectionFormSlots);
    links_ = Section<FormLink>(kSectionFormLinks);
    phrases_ = Section<PhraseRecord>(kSectionPhrases);
    phraseSlots_ = Section<HashSlot>(kSectionPhraseSlots);
    targets_ = Section<TargetRecord>(kSectionTargets);
    targetSlots_ = Section<HashSlot>(kSectionTargetSlots);
    abbreviationSlots_ = Section<HashSlot>(kSectionAbbreviations);
    exampleSlots_ = Section<HashSlot>(kSectionExamples);
    return true;
}

const char* Catalogue::String(std::uint32_t offset) const {
    return offset < stringsSize_ ? strings_ + offset : "";
}

const HashSlot* Catalogue::Find(Records<HashSlot> slots, std::string_view key) const {
    if (slots.empty() || key.empty()) return nullptr;
    std::uint32_t i = HashText(key) % slots.count;
    for (std::uint32_t probes = 0; probes < slots.count; ++probes) {
        const HashSlot& slot = slots.data[i];
        if (slot.key == 0) return nullptr;
        const char* candidate = String(slot.key);
        if (std::strncmp(candidate, key.data(), key.size()) == 0 && candidate[key.size()] == 0)
            return &slot;
        i = i + 1 == slots.count ? 0 : i + 1;
    }
    return nullptr;
}

Records<FormLink> Catalogue::Forms(std::string_view form) const {
    const HashSlot* slot = Find(formSlots_, form);
    if (!slot || slot->first > links_.count || slot->count > links_.count - slot->first) return {};
    return Records<FormLink>{links_.data + slot->first, slot->count};
}

const WordRecord* Catalogue::Word(std::uint32_t index) const {
    return index < words_.count ? words_.data + index : nullptr;
}

Records<SenseRecord> Catalogue::Senses(std::uint32_t first, std::uint32_t count) const {
    if (first > senses_.count || count > senses_.count - first) return {};
    return Records<SenseRecord>{senses_.data + first, count};
}

Records<PhraseRecord> Catalogue::PhrasesStartingWith(std::string_view token) const {
    const HashSlot* slot = Find(phraseSlots_, token);
    if (!slot || slot->first > phrases_.count || slot->count > phrases_.count - slot->first) return {};
    return Records<PhraseRecord>{phrases_.data + slot->first, slot->count};
}

const TargetRecord* Catalogue::Target(std::string_view lemma, std::uint8_t wordClass) const {
    const HashSlot* slot = Find(targetSlots_, lemma);
    if (!slot || slot->first > targets_.count || slot->count > targets_.count - slot->first)
        return nullptr;
    for (std::uint32_t i = 0; i < slot->count; ++i) {
        const TargetRecord& r = targets_.data[slot->first + i];
        if (wordClass == 0 || r.wordClass == wordClass) return &r;
    }
    return nullptr;
}

bool Catalogue::IsAbbreviation(std::string_view word) const {
    return Find(abbreviationSlots_, word) != nullptr;
}

const char* Catalogue::Example(std::string_view normalised) const {
    const HashSlot* slot = Find(exampleSlots_, normalised);
    return slot ? String(slot->first) : nullptr;
}

}  // namespace velloc
