#include "engine/catalogue.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/text_1252.h"

namespace velloc {
namespace {

constexpr std::size_t kRecordSizes[kSectionCount] = {
    1, sizeof(WordRecord), sizeof(SenseRecord), sizeof(HashSlot), sizeof(FormLink),
    sizeof(PhraseRecord), sizeof(HashSlot), sizeof(TargetRecord), sizeof(HashSlot),
    sizeof(HashSlot), sizeof(HashSlot), sizeof(HashSlot), sizeof(ModelHeader), sizeof(HashSlot),
    sizeof(UnigramRecord), sizeof(BigramSlot), sizeof(TrigramSlot), 1, 1};

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
    model_ = nullptr;
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
                                      kSectionAbbreviations, kSectionExamples, kSectionNames,
                                      kSectionModel, kSectionModelWords}) {
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
    nameSlots_ = Section<HashSlot>(kSectionNames);
    if (!OpenModel(error) || !OpenTagger(error) || !OpenTables(error)) {
        base_ = nullptr;
        return false;
    }
    return true;
}

bool Catalogue::OpenTagger(std::string* error) {
    tagger_ = std::make_shared<TaggerModel>();
    const Records<char> blob = Section<char>(kSectionTagger);
    if (blob.empty()) return true;
    std::string reason;
    if (!tagger_->Open(blob.data, blob.count, &reason)) return Fail(error, "damaged tagger model");
    return true;
}

// The tables are NUL-separated pairs of name and text; a pair cut short is damage.
bool Catalogue::OpenTables(std::string* error) {
    tables_.clear();
    const Records<char> bytes = Section<char>(kSectionTables);
    std::string_view rest(bytes.data, bytes.count);
    while (!rest.empty()) {
        const std::size_t nameEnd = rest.find('\0');
        const std::size_t textEnd = nameEnd == std::string_view::npos ? nameEnd : rest.find('\0', nameEnd + 1);
        if (textEnd == std::string_view::npos || nameEnd == 0) return Fail(error, "damaged tables");
        tables_.emplace_back(rest.substr(0, nameEnd), rest.substr(nameEnd + 1, textEnd - nameEnd - 1));
        rest.remove_prefix(textEnd + 1);
    }
    auto tables = std::make_shared<EngineTables>();
    if (!tables->Load(tables_, nullptr)) return Fail(error, "damaged tables");
    engineTables_ = std::move(tables);
    return true;
}

std::string_view Catalogue::Table(std::string_view name) const {
    for (const auto& [tableName, text] : tables_)
        if (tableName == name) return text;
    return std::string_view();
}

// The model's tables must agree with its header before any query trusts an id.
bool Catalogue::OpenModel(std::string* error) {
    model_ = nullptr;
    const Records<ModelHeader> header = Section<ModelHeader>(kSectionModel);
    modelWordSlots_ = Section<HashSlot>(kSectionModelWords);
    unigrams_ = Section<UnigramRecord>(kSectionUnigrams);
    bigrams_ = Section<BigramSlot>(kSectionBigrams);
    trigrams_ = Section<TrigramSlot>(kSectionTrigrams);
    if (header.empty()) {
        if (!modelWordSlots_.empty() || !unigrams_.empty() || !bigrams_.empty() || !trigrams_.empty())
            return Fail(error, "damaged language model");
        return true;
    }
    const ModelHeader& m = *header.data;
    const bool sound = header.count == 1 && m.wordCount >= 3 && unigrams_.count == m.wordCount &&
                       modelWordSlots_.count >= m.wordCount - 1 && m.sentenceStart != 0 &&
                       m.sentenceStart < m.wordCount && m.sentenceEnd != 0 && m.sentenceEnd < m.wordCount &&
                       m.sentenceStart != m.sentenceEnd && m.bigramCount <= bigrams_.count &&
                       m.trigramCount <= trigrams_.count && (m.bigramCount > 0 || m.trigramCount == 0) &&
                       std::isfinite(m.unknownLogProb) && m.unknownLogProb < 0 && m.unknownLogProb > -100;
    if (!sound) return Fail(error, "damaged language model");
    model_ = &m;
    sentenceStart_ = m.sentenceStart;
    sentenceEnd_ = m.sentenceEnd;
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

bool Catalogue::IsName(std::string_view word) const { return Find(nameSlots_, word) != nullptr; }

std::uint32_t Catalogue::ModelWord(std::string_view word) const {
    if (!model_ || modelWordSlots_.empty() || word.empty()) return 0;
    // HashText of the lower-case word, folded as it goes
    std::uint32_t hash = 2166136261u;
    for (char c : word) {
        hash ^= ToLower1252(static_cast<unsigned char>(c));
        hash *= 16777619u;
    }
    hash = hash ? hash : 1;
    std::uint32_t i = hash % modelWordSlots_.count;
    for (std::uint32_t probes = 0; probes < modelWordSlots_.count; ++probes) {
        const HashSlot& slot = modelWordSlots_.data[i];
        if (slot.key == 0) return 0;
        if (slot.count != hash) {  // the whole hash, so most slots need no string
            i = i + 1 == modelWordSlots_.count ? 0 : i + 1;
            continue;
        }
        const char* candidate = String(slot.key);
        std::size_t k = 0;
        while (k < word.size() && candidate[k] != 0 &&
               static_cast<unsigned char>(candidate[k]) == ToLower1252(static_cast<unsigned char>(word[k])))
            ++k;
        if (k == word.size() && candidate[k] == 0) return slot.first < model_->wordCount ? slot.first : 0;
        i = i + 1 == modelWordSlots_.count ? 0 : i + 1;
    }
    return 0;
}

std::uint32_t Catalogue::FindBigram(std::uint32_t first, std::uint32_t second) const {
    if (bigrams_.empty() || first == 0 || second == 0) return 0;
    std::uint32_t i = HashIds(first, second) % bigrams_.count;
    for (std::uint32_t probes = 0; probes < bigrams_.count; ++probes) {
        const BigramSlot& slot = bigrams_.data[i];
        if (slot.first == 0) return 0;
        if (slot.first == first && slot.second == second) return i + 1;
        i = i + 1 == bigrams_.count ? 0 : i + 1;
    }
    return 0;
}

float Catalogue::LogProb(std::uint32_t w1, std::uint32_t w2, std::uint32_t w3) const {
    if (!model_) return 0.f;
    if (w3 >= unigrams_.count) w3 = 0;
    float backoff = 0.f;
    if (w1 && w2) {
        const std::uint32_t context = FindBigram(w1, w2);
        if (context) {
            if (w3 && !trigrams_.empty()) {
                std::uint32_t i = HashIds(context, w3) % trigrams_.count;
                for (std::uint32_t probes = 0; probes < trigrams_.count; ++probes) {
                    const TrigramSlot& slot = trigrams_.data[i];
                    if (slot.context == 0) break;
                    if (slot.context == context && slot.word == w3) return slot.logProb;
                    i = i + 1 == trigrams_.count ? 0 : i + 1;
                }
            }
            backoff += bigrams_.data[context - 1].backoff;
        }
    }
    if (w2) {
        const std::uint32_t bigram = FindBigram(w2, w3);
        if (bigram) return backoff + bigrams_.data[bigram - 1].logProb;
        if (w2 < unigrams_.count) backoff += unigrams_.data[w2].backoff;
    }
    return backoff + unigrams_.data[w3].logProb;
}

float Catalogue::LogProb(std::string_view w1, std::string_view w2, std::string_view w3) const {
    return LogProb(ModelWord(w1), ModelWord(w2), ModelWord(w3));
}

float Catalogue::ScoreSequence(const std::vector<std::string>& words, bool sentenceStart,
                               bool sentenceEnd) const {
    if (!model_) return 0.f;
    std::uint32_t before = 0, last = sentenceStart ? sentenceStart_ : 0;
    float sum = 0.f;
    for (const std::string& word : words) {
        const std::uint32_t id = ModelWord(word);
        sum += LogProb(before, last, id);
        before = last;
        last = id;
    }
    if (sentenceEnd) sum += LogProb(before, last, sentenceEnd_);
    return sum;
}

}  // namespace velloc
