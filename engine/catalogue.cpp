#include "engine/catalogue.h"

#include <algorithm>
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

bool Catalogue::Open(const void* data, std::size_t size, std::string* error, CatalogueCheck check) {
    base_ = nullptr;
    blockCount_ = 0;
    if (!data || size < sizeof(CatalogueHeader)) return Fail(error, "too short for a catalogue");
    const auto* bytes = static_cast<const unsigned char*>(data);
    const auto* header = reinterpret_cast<const CatalogueHeader*>(bytes);
    if (std::memcmp(header->magic, kCatalogueMagic, sizeof header->magic) != 0)
        return Fail(error, "not a catalogue");
    if (header->version != kCatalogueVersion) return Fail(error, "catalogue of another version");
    CatalogueHeader unsealed = *header;
    unsealed.headerChecksum = 0;
    if (CatalogueChecksum(reinterpret_cast<const unsigned char*>(&unsealed), sizeof unsealed) !=
        header->headerChecksum)
        return Fail(error, "damaged header");
    if (header->direction != static_cast<std::uint32_t>(Direction::GermanToEnglish) &&
        header->direction != static_cast<std::uint32_t>(Direction::EnglishToGerman))
        return Fail(error, "unknown direction");
    if (header->fileSize != size || header->sectionCount != kSectionCount || header->subjectCount > 32)
        return Fail(error, "damaged header");

    // the block sums close the file; the sections lie between the header and them
    const SectionEntry& sums = header->blockSums;
    const std::uint32_t bodyEnd = sums.offset;
    if (bodyEnd < sizeof(CatalogueHeader) || bodyEnd % 4 != 0 || bodyEnd > size || sums.size != size - bodyEnd ||
        sums.size != 4 * ((std::uint64_t{bodyEnd} + kCatalogueBlockSize - 1) / kCatalogueBlockSize))
        return Fail(error, "damaged block sums");
    if (CatalogueChecksum(bytes + bodyEnd, sums.size) != header->blockSumsChecksum)
        return Fail(error, "damaged block sums");
    for (std::uint32_t i = 0; i < kSectionCount; ++i) {
        const SectionEntry& s = header->sections[i];
        if (s.offset < sizeof(CatalogueHeader) || s.offset % 4 != 0 || s.offset > bodyEnd ||
            s.size > bodyEnd - s.offset || s.size % kRecordSizes[i] != 0)
            return Fail(error, "damaged section table");
    }
    blockSums_ = reinterpret_cast<const std::uint32_t*>(bytes + bodyEnd);
    blockCount_ = sums.size / 4;
    bodyEnd_ = bodyEnd;
    if (check == CatalogueCheck::kWhole) {
        for (std::uint32_t block = 0; block < blockCount_; ++block)
            if (!BlockIsSound(bytes, block)) return Fail(error, "checksum mismatch");
    } else {
        for (velloc::Section index : {kSectionFormSlots, kSectionPhraseSlots, kSectionTargetSlots,
                                      kSectionAbbreviations, kSectionExamples}) {
            const SectionEntry& s = header->sections[index];
            if (s.size == 0) continue;
            for (std::uint32_t block = s.offset / kCatalogueBlockSize;
                 block <= (s.offset + s.size - 1) / kCatalogueBlockSize; ++block)
                if (!BlockIsSound(bytes, block)) return Fail(error, "checksum mismatch");
        }
    }
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

bool Catalogue::BlockIsSound(std::uint32_t block) const {
    return base_ && BlockIsSound(base_, block);
}

bool Catalogue::BlockIsSound(const unsigned char* bytes, std::uint32_t block) const {
    if (block >= blockCount_) return false;
    const std::uint64_t begin =
        std::max<std::uint64_t>(std::uint64_t{block} * kCatalogueBlockSize, sizeof(CatalogueHeader));
    const std::uint64_t end = std::min<std::uint64_t>((std::uint64_t{block} + 1) * kCatalogueBlockSize, bodyEnd_);
    std::uint32_t expected;
    std::memcpy(&expected, blockSums_ + block, sizeof expected);
    return begin <= end && CatalogueChecksum(bytes + begin, end - begin) == expected;
}

void SealCatalogue(CatalogueHeader& header, std::string& file) {
    while (file.size() % 4) file += '\0';
    const std::uint32_t bodyEnd = static_cast<std::uint32_t>(file.size());
    const std::uint32_t blocks = (bodyEnd + kCatalogueBlockSize - 1) / kCatalogueBlockSize;
    std::string sums;
    for (std::uint32_t block = 0; block < blocks; ++block) {
        const std::uint32_t begin = std::max<std::uint32_t>(block * kCatalogueBlockSize, sizeof(CatalogueHeader));
        const std::uint32_t end = std::min<std::uint32_t>((block + 1) * kCatalogueBlockSize, bodyEnd);
        const std::uint32_t sum =
            CatalogueChecksum(reinterpret_cast<const unsigned char*>(file.data()) + begin, end - begin);
        sums.append(reinterpret_cast<const char*>(&sum), sizeof sum);
    }
    file += sums;
    header.blockSums = SectionEntry{bodyEnd, static_cast<std::uint32_t>(sums.size())};
    header.blockSumsChecksum = CatalogueChecksum(reinterpret_cast<const unsigned char*>(sums.data()), sums.size());
    header.fileSize = static_cast<std::uint32_t>(file.size());
    header.headerChecksum = 0;
    header.headerChecksum = CatalogueChecksum(reinterpret_cast<const unsigned char*>(&header), sizeof header);
    std::memcpy(&file[0], &header, sizeof header);
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
