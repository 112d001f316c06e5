#include "engine/catalogue_builder.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <unordered_map>

#include "engine/catalogue.h"
#include "engine/corpus_statistics.h"
#include "engine/german_words.h"
#include "engine/inflection.h"
#include "engine/ngram_model.h"
#include "engine/text_1252.h"

namespace velloc {
namespace {

// Longer translations are explanations rather than words to put in a sentence.
constexpr std::size_t kMaxSenseText = 40;
constexpr std::size_t kMaxSenses = 6;
// How much each usage example that confirms a sense counts against the line order:
// measured, the examples know better than the order of the lines.
constexpr int kEvidenceWeight = 30;
constexpr int kEvidenceCap = 40;
// What the corpus's vote weighs: a sense that every aligned sentence of the word
// holds (beyond chance) gains this much, more than the dictionary's order and
// examples give, so the corpus decides wherever it has a word's sentences. The
// share is taken of the word's sentences plus kCorpusShrink, so a word seen in
// two sentences cannot outvote the dictionary alone. Measured on a set held out
// of the corpus: from about this weight on, the corpus deciding helps most.
constexpr int kCorpusWeight = 3000;
constexpr double kCorpusShrink = 5;
// A vote needs this many aligned sentences, and one sentence beyond chance.
constexpr std::uint32_t kCorpusMinHits = 2;
// The corpus's most common words per language, which a phrase may add or drop.
constexpr std::size_t kCommonWords = 100;

const char* const kGermanPlaceholders[] = {"etw.", "jdn.", "jdm.", "jds.", "jd.", "etw",
                                           "jdn", "jdm", "jds", "sich", "etw./jdn.",
                                           "jdn./etw.", "jdm./etw.", "etw./jdm.", "jds./etw."};
const char* const kEnglishPlaceholders[] = {"sth.", "sb.", "sb.\x92s", "sb.'s", "sth./sb.",
                                            "sb./sth.", "sth", "sb", "so.", "one\x92s",
                                            "oneself", "one's"};

bool IsPlaceholder(std::string_view word) {
    for (const char* p : kGermanPlaceholders)
        if (word == p) return true;
    for (const char* p : kEnglishPlaceholders)
        if (word == p) return true;
    return false;
}

bool HasSpace(std::string_view text) { return text.find(' ') != std::string_view::npos; }

// "compare sb./sth. with": the English verb's words before its first placeholder.
std::string WordsBeforeAPlaceholder(const std::string& text) {
    std::string out;
    for (std::string_view word : SplitWords(text)) {
        if (IsPlaceholder(word)) break;
        if (!out.empty()) out += ' ';
        out.append(word);
    }
    return out;
}


std::string FirstWord(std::string_view text) {
    std::size_t space = text.find(' ');
    return std::string(text.substr(0, space));
}

std::string WithoutTo(std::string_view text) {
    if (text.size() > 3 && text.compare(0, 3, "to ") == 0) return std::string(text.substr(3));
    return std::string(text);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

int CountWords(std::string_view text) { return static_cast<int>(SplitWords(text).size()); }

bool EndsSentence(std::string_view text) {
    if (text.empty()) return false;
    // "to learn sth." ends in a placeholder's period, not a sentence's
    std::size_t lastBlank = text.rfind(' ');
    if (text.back() == '.' && IsPlaceholder(text.substr(lastBlank == std::string_view::npos ? 0 : lastBlank + 1)))
        return false;
    return text.back() == '.' || text.back() == '!' || text.back() == '?' || text.back() == '\x85';
}

// A brace that lists irregular forms rather than a class: "went; gone".
bool IsFormsBrace(const std::string& brace) { return brace.find(';') != std::string::npos &&
                                                     brace.find('+') == std::string::npos &&
                                                     !StartsWith(brace, "prp"); }

std::uint8_t RegisterPenalty(std::uint8_t registers) {
    int penalty = 0;
    if (registers & kRegisterColloquial) penalty += 30;
    if (registers & kRegisterRare) penalty += 40;
    if (registers & kRegisterRegional) penalty += 30;
    if (registers & kRegisterLiterary) penalty += 15;
    if (registers & kRegisterFigurative) penalty += 10;
    return static_cast<std::uint8_t>(penalty);
}

// Power-of-two open-addressing table over (key, first, count) rows.
struct HashRow {
    std::uint32_t key;
    std::uint32_t hash;
    std::uint32_t first, count;
};

std::vector<HashSlot> BuildHashTable(const std::vector<HashRow>& rows) {
    // About 80% full: probes stay short and the file small.
    std::size_t size = rows.size() + rows.size() / 4 + 1;
    std::vector<HashSlot> slots(size, HashSlot{0, 0, 0});
    for (const HashRow& row : rows) {
        std::size_t i = row.hash % size;
        while (slots[i].key != 0) i = (i + 1) % size;
        slots[i] = HashSlot{row.key, row.first, row.count};
    }
    return slots;
}

class StringPool {
public:
    StringPool() { bytes_.push_back('\0'); }
    std::uint32_t Add(const std::string& text) {
        if (text.empty()) return 0;
        auto found = offsets_.find(text);
        if (found != offsets_.end()) return found->second;
        std::uint32_t offset = static_cast<std::uint32_t>(bytes_.size());
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        bytes_.push_back('\0');
        offsets_.emplace(text, offset);
        return offset;
    }
    const std::vector<char>& Bytes() const { return bytes_; }

private:
    std::vector<char> bytes_;
    std::map<std::string, std::uint32_t> offsets_;
};

template <typename T>
void AppendSection(std::string& file, CatalogueHeader& header, Section section,
                   const T* data, std::size_t count) {
    while (file.size() % 4) file += '\0';
    header.sections[section].offset = static_cast<std::uint32_t>(file.size());
    header.sections[section].size = static_cast<std::uint32_t>(count * sizeof(T));
    if (count) file.append(reinterpret_cast<const char*>(data), count * sizeof(T));
}

// A catalogue that holds nothing but one language's abbreviations, so that the
// engine's own tokeniser cuts corpus sentences of that language as it would.
std::string AbbreviationCatalogue(Direction direction, const std::map<std::string, int>& abbreviations) {
    StringPool pool;
    std::vector<HashRow> rows;
    for (const auto& [abbreviation, unused] : abbreviations)
        rows.push_back(HashRow{pool.Add(abbreviation), HashText(abbreviation), 0, 0});
    const std::vector<HashSlot> slots = BuildHashTable(rows);
    CatalogueHeader header{};
    std::memcpy(header.magic, kCatalogueMagic, sizeof header.magic);
    header.version = kCatalogueVersion;
    header.direction = static_cast<std::uint32_t>(direction);
    header.sectionCount = kSectionCount;
    std::string file(sizeof header, '\0');
    const std::vector<char>& strings = pool.Bytes();
    AppendSection(file, header, kSectionStrings, strings.data(), strings.size());
    for (std::uint32_t section = kSectionWords; section < kSectionCount; ++section)
        AppendSection(file, header, static_cast<Section>(section), static_cast<const char*>(nullptr), 0);
    AppendSection(file, header, kSectionAbbreviations, slots.data(), slots.size());
    SealCatalogue(header, file);
    return file;
}

// "government /Gov.; Govt./": the synonym split cuts an abbreviation that holds
// "; " in two. The word keeps its text, the lone tail is no translation.
// "eine Note / Zensur vergeben": a word and its alternative between blanks keep the
// first word ("eine Note vergeben"), not the text before the slash.
std::string WithoutBrokenAbbreviation(const std::string& text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos || text.find('/', slash + 1) != std::string::npos) return text;
    if (slash > 0 && text[slash - 1] == ' ' && slash + 1 < text.size() && text[slash + 1] == ' ') {
        const std::size_t next = text.find(' ', slash + 2);
        return next == std::string::npos ? text.substr(0, slash - 1) : text.substr(0, slash - 1) + text.substr(next);
    }
    if (slash > 0 && text[slash - 1] == ' ') return std::string(Trim(std::string_view(text).substr(0, slash)));
    if (slash + 1 == text.size() && text.find(' ') == std::string::npos) return std::string();
    return text;
}

// "die Polizei" :: "the police": the noun alone, without its article.
bool CutArticle(const std::string& text, bool german, std::string& noun) {
    for (const char* article : {"der ", "die ", "das ", "the "}) {
        if (german != (article[0] == 'd') || !StartsWith(text, article)) continue;
        noun = text.substr(std::strlen(article));
        return !noun.empty() && !HasSpace(noun);
    }
    return false;
}

// Words of a form subentry: "er/sie steht auf" minus its persons.
bool CutPersons(std::string_view text, std::string_view persons, std::string& rest) {
    if (!StartsWith(text, persons)) return false;
    rest = std::string(Trim(text.substr(persons.size())));
    return !rest.empty();
}

// "learned / learnt [Br.]" names two forms: the first one, bare.
std::string FirstAlternative(std::string_view forms) {
    std::size_t cut = std::min(forms.find(" / "), forms.find(" ["));
    if (cut != std::string_view::npos) forms = forms.substr(0, cut);
    return std::string(Trim(forms));
}

// "er/sie/es ist/war gekommen": the pronouns before the form, and whether a
// perfect auxiliary stands between them and the form.
struct PersonPrefix {
    bool first = false, second = false, third = false, plural = false;
    bool perfectSein = false, perfectHaben = false;
    std::string rest;  // the form and what follows it
};

// "es schneit", "es schneite", "es hat/hatte geschneit": the forms of a verb said of
// "es" alone (the weather, a thing), where the columns of the third person, the past
// and the perfect stand. Elsewhere a lone "es" starts an example ("es gibt ...").
std::string ImpersonalAsThirdPerson(const std::string& text, std::size_t column) {
    if (column < 2 || !StartsWith(text, "es ")) return text;
    const std::string rest = text.substr(3);
    const std::string form = FirstWord(rest);
    const bool perfect = StartsWith(rest, "ist/war ") || StartsWith(rest, "hat/hatte ");
    if (!perfect && (HasSpace(rest) || form.empty() || (column <= 3 && form.back() != 't'))) return text;
    return "er/sie/es " + rest;
}

bool CutPersonPrefix(std::string_view text, PersonPrefix& out) {
    std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return false;
    out = PersonPrefix();
    std::string_view persons = text.substr(0, blank);
    // a lone "es" or "sie" starts an example ("es gibt …"), not a form
    if (persons == "es" || persons == "sie" || persons == "er") return false;
    while (!persons.empty()) {
        std::size_t slash = persons.find('/');
        std::string_view p = persons.substr(0, slash);
        if (p == "ich") out.first = true;
        else if (p == "du") out.second = true;
        else if (p == "er" || p == "sie" || p == "es") out.third = true;
        else if (p == "wir" || p == "ihr") out.plural = true;
        else return false;
        persons = slash == std::string_view::npos ? std::string_view() : persons.substr(slash + 1);
    }
    std::string_view rest = Trim(text.substr(blank + 1));
    for (std::string_view aux : {"ist/war ", "bin/war ", "hat/hatte ", "habe/hatte "}) {
        if (StartsWith(rest, aux)) {
            (aux[0] == 'i' || aux[0] == 'b' ? out.perfectSein : out.perfectHaben) = true;
            rest = Trim(rest.substr(aux.size()));
            break;
        }
    }
    out.rest = std::string(rest);
    return !out.rest.empty();
}

// The forms of common strong and mixed verbs: the dictionary lists many of them
// only in examples or under a prefixed verb. Infinitive, third person, past, participle.

}  // namespace

const std::vector<SubjectCode>& SubjectCodes(Direction direction) {
    static const std::vector<SubjectCode> kGerman = {
        {"anat", {"anat."}},
        {"kfz", {"auto", "Kfz"}},
        {"education", {"school", "school.", "stud.", "educ."}},
        {"biol", {"biol.", "biochem.", "genet."}},
        {"bot", {"bot."}},
        {"chem", {"chem.", "biochem."}},
        {"computer", {"comp.", "Internet"}},
        {"elec", {"electr.", "telco."}},
        {"banking", {"fin."}},
        {"phot", {"photo."}},
        {"comm", {"econ.", "adm.", "comm."}},
        {"gram", {"ling.", "gramm."}},
        {"jur", {"jur."}},
        {"math", {"math.", "statist."}},
        {"medical", {"med.", "pharm."}},
        {"mil", {"mil."}},
        {"mus", {"mus."}},
        {"phys", {"phys.", "astron."}},
        {"pol", {"pol."}},
        {"psych", {"psych."}},
        {"tech", {"techn.", "mach.", "constr."}},
        {"theat", {"theat.", "Theater"}},
        {"chess", {"chess", "Schach"}},
        {"sport", {"sport"}},
        {"zool", {"zool.", "ornith."}},
    };
    static const std::vector<SubjectCode> kEnglish = {
        {"auto", {"auto", "Kfz"}},
        {"computers", {"comp.", "Internet"}},
        {"printing", {"print"}},
        {"finance", {"fin."}},
        {"business", {"econ.", "adm.", "comm."}},
        {"hw", {"electr.", "telco."}},
        {"law", {"jur."}},
        {"ling", {"ling.", "gramm."}},
        {"medical", {"med.", "pharm."}},
        {"military", {"mil."}},
        {"music", {"mus."}},
        {"sw", {"comp."}},
        {"sports", {"sport"}},
        {"technical", {"techn.", "mach.", "constr."}},
        {"ins", {"insur."}},
    };
    return direction == Direction::GermanToEnglish ? kGerman : kEnglish;
}

std::uint32_t SubjectMask(Direction direction, const std::vector<std::string>& labels) {
    std::uint32_t mask = 0;
    const std::vector<SubjectCode>& codes = SubjectCodes(direction);
    for (const std::string& label : labels)
        for (std::size_t i = 0; i < codes.size(); ++i)
            for (const char* l : codes[i].labels)
                if (label == l) mask |= 1u << i;
    return mask;
}

std::uint8_t WordClassOf(const DictTerm& term, std::uint8_t* gender, std::uint16_t* flags) {
    *gender = kGenderNone;
    *flags = 0;
    std::uint8_t cls = kClassNone;
    for (const std::string& b : term.braces) {
        if (b == "m") { cls = kClassNoun; *gender = kMasculine; }
        else if (b == "f") { cls = kClassNoun; *gender = kFeminine; }
        else if (b == "n") { cls = kClassNoun; *gender = kNeuter; }
        else if (b == "pl") { if (cls != kClassNoun) { cls = kClassNoun; *gender = kPluralOnly; } }
        else if (b == "adj") cls = kClassAdjective;
        else if (b == "adv") cls = kClassAdverb;
        else if (b == "vt") { cls = kClassVerb; *flags |= kWordTransitive; }
        else if (b == "vi") { cls = kClassVerb; *flags |= kWordIntransitive; }
        else if (b == "v") cls = kClassVerb;
        else if (b == "vr") { cls = kClassVerb; *flags |= kWordReflexive; }
        else if (StartsWith(b, "prp")) cls = kClassPreposition;
        else if (b == "conj") cls = kClassConjunction;
        else if (b == "pron" || b == "ppron" || StartsWith(b, "relativ") || StartsWith(b, "pron "))
            cls = kClassPronoun;
        else if (b == "art") cls = kClassArticle;
        else if (b == "num") cls = kClassNumeral;
        else if (b == "interj") cls = kClassInterjection;
    }
    return cls;
}

std::string StripPlaceholders(const std::string& text, bool* inner) {
    std::vector<std::string_view> words = SplitWords(text);
    std::size_t begin = 0, end = words.size();
    while (begin < end && IsPlaceholder(words[begin])) ++begin;
    while (end > begin && IsPlaceholder(words[end - 1])) --end;
    *inner = false;
    std::string out;
    for (std::size_t i = begin; i < end; ++i) {
        if (IsPlaceholder(words[i])) *inner = true;
        if (!out.empty()) out += ' ';
        out.append(words[i]);
    }
    return out;
}

std::string FirstAlternatives(const std::string& text) {
    auto inWord = [&](std::size_t k) {
        return IsLetter1252(static_cast<unsigned char>(text[k])) || text[k] == '/' || text[k] == '-';
    };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool between = text[i] == '/' && i > 0 && i + 1 < text.size() &&
                             IsLetter1252(static_cast<unsigned char>(text[i - 1])) &&
                             IsLetter1252(static_cast<unsigned char>(text[i + 1]));
        std::size_t wordStart = i, wordEnd = i;
        while (wordStart > 0 && inWord(wordStart - 1)) --wordStart;
        while (wordEnd < text.size() && inWord(wordEnd)) ++wordEnd;
        // "km/h", "w/o": a short word with a slash is an abbreviation of its own
        if (!between || wordEnd - wordStart <= 4) {
            out += text[i];
            continue;
        }
        i = wordEnd - 1;  // the rest of the word's alternatives
    }
    return out;
}

std::string WithoutPlaceholders(const std::string& text) {
    std::string out;
    for (std::string_view word : SplitWords(text)) {
        if (IsPlaceholder(word)) continue;
        if (!out.empty()) out += ' ';
        out.append(word);
    }
    return out;
}

std::string NormaliseSentence(std::string_view text) {
    std::string out;
    bool space = false;
    for (char ch : text) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (IsLetter1252(c) || IsDigit1252(c)) {
            if (space && !out.empty()) out += ' ';
            space = false;
            out += static_cast<char>(ToLower1252(c));
        } else {
            space = true;
        }
    }
    return out;
}

CatalogueBuilder::CatalogueBuilder(Direction direction) : direction_(direction) {}

CatalogueBuilder::Inflection& CatalogueBuilder::GermanInfo(const std::string& lemma,
                                                           std::uint8_t cls) {
    return german_[Key(lemma, cls)];
}

CatalogueBuilder::Inflection& CatalogueBuilder::EnglishInfo(const std::string& lemma,
                                                            std::uint8_t cls) {
    return english_[Key(lemma, cls)];
}

void CatalogueBuilder::AddWordSense(const std::string& source, std::uint8_t cls,
                                    std::uint8_t sourceGender, const std::string& target,
                                    std::uint8_t targetGender, std::uint32_t subjects,
                                    std::uint8_t registers, int score, std::uint16_t flags) {
    SourceWord& word = words_[Key(source, cls)];
    if (word.lemma.empty()) {
        word.lemma = source;
        word.wordClass = cls;
    }
    if (!word.gender) word.gender = sourceGender;
    word.flags |= flags;
    // "später :: -to-be": a piece of a word, which cannot stand in a sentence
    if (!target.empty() && target[0] == '-') return;
    SenseDraft sense;
    sense.text = target;
    sense.subjects = subjects;
    // "towards :: zu … hin": a sense with a gap to fill comes after every whole one
    sense.score = target.find('\x85') != std::string::npos ? score + 100 : score;
    sense.wordClass = cls;
    sense.registers = registers;
    sense.gender = targetGender;
    word.senses.push_back(std::move(sense));
}

void CatalogueBuilder::AddPhrase(const std::string& source, std::uint8_t cls,
                                 const std::string& target, std::uint8_t targetGender,
                                 std::uint32_t subjects, std::uint8_t registers, int score) {
    std::string key;
    const std::string lower = Lower1252(source);  // the views below point into it
    for (std::string_view word : SplitWords(lower)) {
        while (!word.empty() && (word.back() == ',' || word.back() == '!' || word.back() == '?'))
            word.remove_suffix(1);
        if (word.empty()) continue;
        if (!key.empty()) key += ' ';
        key.append(word);
    }
    int tokens = CountWords(key);
    if (tokens < 2 || tokens > 4) return;
    SourceWord& phrase = phrases_[key];
    phrase.lemma = key;
    if (!phrase.wordClass) phrase.wordClass = cls;
    SenseDraft sense;
    sense.text = target;
    sense.subjects = subjects;
    sense.score = score;
    sense.wordClass = cls;
    sense.registers = registers;
    sense.gender = targetGender;
    phrase.senses.push_back(std::move(sense));
}

void CatalogueBuilder::AddExample(const DictTerm& german, const DictTerm& english) {
    const DictTerm& source = direction_ == Direction::GermanToEnglish ? german : english;
    const DictTerm& target = direction_ == Direction::GermanToEnglish ? english : german;
    if (source.text.size() > 300 || target.text.empty()) return;
    // "es gibt … :: there is …" is a pattern with a gap, not a sentence to answer whole
    if (source.text.find('\x85') != std::string::npos || target.text.find('\x85') != std::string::npos) return;
    std::string key = NormaliseSentence(source.text);
    if (CountWords(key) < 2) return;
    std::vector<std::string>& candidates = examples_[key];
    if (std::find(candidates.begin(), candidates.end(), target.text) == candidates.end())
        candidates.push_back(target.text);
}

// How many words of the source sentence have a sense of the dictionary in the target
// sentence (an inflected form counts: "wohnen" in "wohnst").
std::size_t CatalogueBuilder::WordsTranslatedIn(const std::string& source, const std::string& target) const {
    std::vector<std::string> targetWords;
    for (std::string_view w : SplitWords(target)) targetWords.push_back(Lower1252(std::string(w)));
    auto found = [&](const std::string& sense) {
        const std::string first = Lower1252(FirstWord(sense));
        for (const std::string& w : targetWords) {
            const std::size_t n = std::min<std::size_t>(first.size(), 4);
            if (w == first || (first.size() >= 4 && w.size() >= 4 && w.compare(0, n, first, 0, n) == 0)) return true;
        }
        return false;
    };
    std::size_t count = 0;
    for (std::string_view piece : SplitWords(source)) {
        const std::string word(piece);
        bool translated = false;
        for (auto it = words_.lower_bound(Key(word, 0)); it != words_.end() && it->first.first == word && !translated; ++it)
            for (const SenseDraft& sense : it->second.senses)
                if (found(sense.text)) { translated = true; break; }
        if (translated) ++count;
    }
    return count;
}

void CatalogueBuilder::AddArticleNoun(const std::string& germanText, const std::string& englishText,
                                      std::uint8_t gender, std::uint32_t subjects, std::uint8_t registers,
                                      int score, std::uint16_t flags) {
    std::string germanNoun, englishNoun;
    if (!CutArticle(germanText, true, germanNoun) || !CutArticle(englishText, false, englishNoun)) return;
    if (!IsUpper1252(static_cast<unsigned char>(germanNoun[0]))) return;
    // behind the word's own lines, which name it without the article
    const int later = score + 20;
    if (direction_ == Direction::GermanToEnglish)
        AddWordSense(germanNoun, kClassNoun, gender, englishNoun, 0, subjects, registers, later, flags);
    else
        AddWordSense(englishNoun, kClassNoun, 0, germanNoun, gender, subjects, registers, later, 0);
}

void CatalogueBuilder::AddCorpusPair(std::string_view german, std::string_view english) {
    if (Trim(german).empty() || Trim(english).empty()) return;
    if (direction_ == Direction::GermanToEnglish)
        corpus_.emplace_back(std::string(german), std::string(english));
    else
        corpus_.emplace_back(std::string(english), std::string(german));
}

void CatalogueBuilder::AddEvidence(const DictTerm& german, const DictTerm& english) {
    const bool toEnglish = direction_ == Direction::GermanToEnglish;
    std::string source = NormaliseSentence((toEnglish ? german : english).text);
    std::string target = NormaliseSentence((toEnglish ? english : german).text);
    if (!source.empty() && !target.empty()) evidence_.emplace_back(std::move(source), std::move(target));
}

// Counts, for every sense of every word, the usage examples in which a form of the
// word stands on the source side and the sense's words (or their forms) on the other.
void CatalogueBuilder::CountEvidence() {
    const bool toEnglish = direction_ == Direction::GermanToEnglish;
    const std::map<Key, Inflection>& sourceInfo = toEnglish ? german_ : english_;
    const std::map<Key, Inflection>& targetInfo = toEnglish ? english_ : german_;
    std::unordered_map<std::string, std::vector<SourceWord*>> byForm;
    auto addForm = [&](const std::string& form, SourceWord* word) {
        std::vector<SourceWord*>& list = byForm[Lower1252(form)];
        if (std::find(list.begin(), list.end(), word) == list.end()) list.push_back(word);
    };
    std::vector<std::vector<std::vector<std::string>>> senseWords;  // per word, per sense
    std::unordered_map<SourceWord*, std::size_t> wordIndex;
    for (auto& [key, word] : words_) {
        addForm(key.first, &word);
        auto info = sourceInfo.find(key);
        if (info != sourceInfo.end()) {
            // "schickt" alone is schicken's: a separable verb counts only where its particle is joined
            const std::string& particle = info->second.particle;
            for (const std::string& form : info->second.forms)
                if (!form.empty() && (particle.empty() || StartsWith(form, particle))) addForm(form, &word);
        }
        wordIndex[&word] = senseWords.size();
        std::vector<std::vector<std::string>> perSense;
        for (const SenseDraft& d : word.senses) {
            std::vector<std::string> parts;
            const std::string normalised = NormaliseSentence(d.text);  // the views below point into it
            for (std::string_view w : SplitWords(normalised)) parts.emplace_back(w);
            perSense.push_back(std::move(parts));
        }
        senseWords.push_back(std::move(perSense));
    }
    std::unordered_map<std::string, std::string> targetLemma;
    for (const auto& [key, info] : targetInfo)
        for (const std::string& form : info.forms)
            if (!form.empty() && !HasSpace(form)) {
                const std::string lemma = Lower1252(key.first);
                auto [it, fresh] = targetLemma.emplace(Lower1252(form), lemma);
                // "sagte" is the past of "sagen" before that of "aufsagen" ("sagte ... auf")
                const std::string& held = it->second;
                if (!fresh && held.size() > lemma.size() && held.compare(held.size() - lemma.size(), lemma.size(), lemma) == 0)
                    it->second = lemma;
            }

    std::set<std::string> targetWords;
    std::set<SourceWord*> counted;
    for (const auto& [source, target] : evidence_) {
        targetWords.clear();
        for (std::string_view w : SplitWords(target)) {
            targetWords.emplace(w);
            auto lemma = targetLemma.find(std::string(w));
            if (lemma != targetLemma.end()) targetWords.insert(lemma->second);
        }
        counted.clear();
        for (std::string_view w : SplitWords(source)) {
            auto found = byForm.find(std::string(w));
            if (found == byForm.end()) continue;
            for (SourceWord* word : found->second) {
                if (!counted.insert(word).second) continue;
                const auto& perSense = senseWords[wordIndex[word]];
                for (std::size_t k = 0; k < word->senses.size(); ++k) {
                    const std::vector<std::string>& parts = perSense[k];
                    bool all = !parts.empty();
                    for (const std::string& p : parts) all = all && targetWords.count(p) > 0;
                    if (all) ++word->senses[k].evidence;
                }
            }
        }
    }
    CountCorpusEvidence(byForm, targetLemma);
}

namespace {

const char* const kGermanEndings[] = {"e", "en", "em", "er", "es", "n", "s", "ern"};
const char* const kEnglishEndings[] = {"s", "es", "ed", "d"};

// The word without each regular ending of its language that leaves three letters.
void RegularStems(const std::string& word, bool german, std::vector<std::string>& out) {
    auto strip = [&](const char* ending) {
        const std::size_t n = std::strlen(ending);
        if (word.size() >= n + 3 && word.compare(word.size() - n, n, ending) == 0)
            out.push_back(word.substr(0, word.size() - n));
    };
    if (german)
        for (const char* e : kGermanEndings) strip(e);
    else
        for (const char* e : kEnglishEndings) strip(e);
}

// One form for all of a word's regular forms: the shortest of its stems, and of
// theirs ("Hause" and "Haus" both "hau").
std::string Stem(std::string_view word, bool german) {
    std::string stem(word);
    for (int round = 0; round < 2; ++round) {
        std::vector<std::string> stems{stem};
        RegularStems(stem, german, stems);
        stem = *std::min_element(stems.begin(), stems.end(), [](const std::string& a, const std::string& b) {
            return a.size() != b.size() ? a.size() < b.size() : a < b;
        });
    }
    return stem;
}

void AddStems(std::string_view text, bool german, std::set<std::string>& into) {
    const std::string normalised = NormaliseSentence(text);  // the views below point into it
    for (std::string_view w : SplitWords(normalised)) into.insert(Stem(w, german));
}

// A corpus sentence's target words as a sense may spell them: each word, the lemma
// the dictionary names for it, and the word without a regular ending.
void SpellingsOf(std::string_view normalised, bool germanTarget,
                 const std::unordered_map<std::string, std::string>& targetLemma, std::vector<std::string>& out) {
    out.clear();
    for (std::string_view w : SplitWords(normalised)) {
        std::string word(w);
        auto lemma = targetLemma.find(word);
        if (lemma != targetLemma.end()) out.push_back(lemma->second);
        RegularStems(word, germanTarget, out);
        out.push_back(std::move(word));
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}

// A German compound stands for several words ("human rights" -> "Menschenrechte"):
// a stem of four letters or more at either end of it.
bool StartsCompound(const std::string& word, const std::string& stem) {
    return stem.size() >= 4 && word.size() > stem.size() && word.compare(0, stem.size(), stem) == 0;
}
bool EndsCompound(const std::string& word, const std::string& stem) {
    return stem.size() >= 4 && word.size() > stem.size() &&
           word.compare(word.size() - stem.size(), stem.size(), stem) == 0;
}

// Whether one of the stems names the word, or (German) one end of the compound.
bool NamesPart(const std::set<std::string>& stems, const std::string& word, bool compounds) {
    if (stems.count(word)) return true;
    for (const std::string& stem : stems)
        if (compounds && (StartsCompound(word, stem) || EndsCompound(word, stem))) return true;
    return false;
}

// Whether the stems name the word, or (German) both parts of the compound with at
// most two joining letters between them ("Menschen-rechte").
bool CoversWord(const std::set<std::string>& stems, const std::string& word, bool compounds) {
    if (stems.count(word)) return true;
    if (!compounds) return false;
    for (const std::string& front : stems) {
        if (!StartsCompound(word, front)) continue;
        for (const std::string& back : stems)
            if (EndsCompound(word, back) && front.size() + back.size() <= word.size() &&
                word.size() <= front.size() + back.size() + 2)
                return true;
    }
    return false;
}

std::size_t CountCommon(std::vector<const std::vector<std::uint32_t>*> lists) {
    if (lists.empty()) return 0;
    std::sort(lists.begin(), lists.end(), [](auto* a, auto* b) { return a->size() < b->size(); });
    std::vector<std::uint32_t> common = *lists[0], next;
    for (std::size_t i = 1; i < lists.size() && !common.empty(); ++i) {
        next.clear();
        std::set_intersection(common.begin(), common.end(), lists[i]->begin(), lists[i]->end(),
                              std::back_inserter(next));
        common.swap(next);
    }
    return common.size();
}

}  // namespace

// The corpus's vote: for each word (and phrase) of the dictionary, the aligned
// sentence pairs whose source holds it and whose target holds a sense, less the
// pairs where that sense would stand by chance, as a share of the word's pairs.
void CatalogueBuilder::CountCorpusEvidence(
    const std::unordered_map<std::string, std::vector<SourceWord*>>& byForm,
    const std::unordered_map<std::string, std::string>& targetLemma) {
    if (corpus_.empty()) return;
    const bool germanTarget = direction_ == Direction::EnglishToGerman;
    std::unordered_map<std::string, SourceWord*> phraseByWords;
    for (auto& [text, phrase] : phrases_) phraseByWords.emplace(NormaliseSentence(text), &phrase);

    struct Tally {
        std::uint32_t seen = 0;
        std::vector<std::uint32_t> hits;
        std::vector<std::vector<std::string>> parts;  // each sense's words
    };
    std::unordered_map<SourceWord*, Tally> tallies;
    std::unordered_map<std::string, std::vector<std::uint32_t>> sentencesWith;  // target spelling -> pairs
    std::vector<std::string> targetWords;
    std::vector<SourceWord*> present;
    for (std::uint32_t k = 0; k < corpus_.size(); ++k) {
        SpellingsOf(NormaliseSentence(corpus_[k].second), germanTarget, targetLemma, targetWords);
        for (const std::string& w : targetWords) sentencesWith[w].push_back(k);
        const std::string source = NormaliseSentence(corpus_[k].first);
        const std::vector<std::string_view> tokens = SplitWords(source);
        present.clear();
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            auto found = byForm.find(std::string(tokens[i]));
            if (found != byForm.end()) present.insert(present.end(), found->second.begin(), found->second.end());
            std::string group(tokens[i]);
            for (std::size_t n = 2; n <= 4 && i + n <= tokens.size(); ++n) {
                group += ' ';
                group.append(tokens[i + n - 1]);
                auto phrase = phraseByWords.find(group);
                if (phrase != phraseByWords.end()) present.push_back(phrase->second);
            }
        }
        std::sort(present.begin(), present.end());
        present.erase(std::unique(present.begin(), present.end()), present.end());
        for (SourceWord* word : present) {
            Tally& tally = tallies[word];
            if (tally.parts.empty()) {
                for (const SenseDraft& d : word->senses) {
                    std::vector<std::string> parts;
                    const std::string normalised = NormaliseSentence(d.text);  // the views below point into it
                    for (std::string_view w : SplitWords(normalised)) parts.emplace_back(w);
                    tally.parts.push_back(std::move(parts));
                }
                tally.hits.assign(word->senses.size(), 0);
            }
            ++tally.seen;
            for (std::size_t s = 0; s < tally.parts.size(); ++s) {
                bool all = !tally.parts[s].empty();
                for (const std::string& p : tally.parts[s])
                    all = all && std::binary_search(targetWords.begin(), targetWords.end(), p);
                if (all) ++tally.hits[s];
            }
        }
    }

    const double pairs = static_cast<double>(corpus_.size());
    std::vector<const std::vector<std::uint32_t>*> lists;
    for (auto& [word, tally] : tallies) {
        for (std::size_t s = 0; s < tally.parts.size(); ++s) {
            if (tally.hits[s] < kCorpusMinHits) continue;
            lists.clear();
            for (const std::string& p : tally.parts[s]) lists.push_back(&sentencesWith[p]);
            const double chance = tally.seen * static_cast<double>(CountCommon(lists)) / pairs;
            const double beyond = tally.hits[s] - chance;
            if (beyond < 1) continue;
            word->senses[s].corpus =
                static_cast<int>(kCorpusWeight * beyond / (tally.seen + kCorpusShrink) + 0.5);
        }
    }
}

// "für etw. danken :: to thank": into German a verb's first sense written with its
// preposition's object ("für danken" once the placeholder is gone) says the verb alone;
// the preposition is the one the verb governs where English has it ("thank sb. for sth.").
// Only prepositions whose object a verb may leave out (table preposition-without-its-object;
// "an etw. erinnern" needs its "an") and "sich": "in Auftrag geben" keeps what it says.
void CatalogueBuilder::WithoutThePrepositionsObject(SenseDraft& d) const {
    if (direction_ != Direction::EnglishToGerman || d.wordClass != kClassVerb) return;
    const std::vector<std::string_view> parts = SplitWords(d.text);
    bool prepositions = parts.size() >= 2 && parts[0] != "sich";
    for (std::size_t i = 0; i + 1 < parts.size(); ++i)
        prepositions = prepositions && (parts[i] == "sich" || tables_.InList("preposition-without-its-object", parts[i]));
    if (prepositions) d.text = (parts[parts.size() - 2] == "sich" ? "sich " : "") + std::string(parts.back());
}

int CatalogueBuilder::RankScore(const SenseDraft& d) const {
    auto found = targetFrequency_.find(Lower1252(d.text));
    std::uint64_t n = 1 + static_cast<std::uint64_t>(
                              std::min(found == targetFrequency_.end() ? 0 : found->second, 60000));
    // floor(4 * log2(n)) in integers, so every C library builds the same file
    std::uint64_t fourth = n * n * n * n;
    int log = 0;
    while (fourth >>= 1) ++log;
    return d.score - std::min(24, log) - kEvidenceWeight * std::min(d.evidence, kEvidenceCap) - d.corpus;
}

// Word groups the corpus aligns with a translation that the words one by one would
// not give ("zu Hause" -> "at home"). Every source word must stand for a word of the
// translation by one of its senses, and each translated word must come from one.
// A dictionary phrase gets the corpus's translation beside its own, voted for as
// the counting votes.
void CatalogueBuilder::AddCorpusPhrases(const CorpusTokens& corpus) {
    const bool toEnglish = direction_ == Direction::GermanToEnglish;
    std::unordered_map<std::string, std::vector<const SourceWord*>> byForm;
    const std::map<Key, Inflection>& sourceInfo = toEnglish ? german_ : english_;
    for (const auto& [key, word] : words_) {
        byForm[Lower1252(key.first)].push_back(&word);
        auto info = sourceInfo.find(key);
        if (info != sourceInfo.end())
            for (const std::string& form : info->second.forms)
                if (!form.empty()) byForm[Lower1252(form)].push_back(&word);
    }
    const std::vector<std::string> sourceCommon = CommonWords(corpus, true, kCommonWords);
    const std::vector<std::string> targetCommon = CommonWords(corpus, false, kCommonWords);
    const std::set<std::string> commonSource(sourceCommon.begin(), sourceCommon.end());
    std::set<std::string> commonTarget;
    for (const std::string& w : targetCommon) commonTarget.insert(Stem(w, !toEnglish));
    // a sense of several words stands for its common words ("bring sb. to") only in full
    auto addSense = [&](const std::string& text, std::set<std::string>& into) {
        std::set<std::string> stems;
        AddStems(text, !toEnglish, stems);
        for (const std::string& stem : stems)
            if (stems.size() == 1 || !commonTarget.count(stem)) into.insert(stem);
    };

    // the stems of what a source word may become: all its senses, or the first only
    auto becomes = [&](const std::string& token, bool firstOnly, std::set<std::string>& into) {
        std::vector<std::string> variants{token};
        if (!byForm.count(token)) RegularStems(token, toEnglish, variants);
        for (const std::string& variant : variants) {
            auto found = byForm.find(variant);
            if (found == byForm.end()) continue;
            for (const SourceWord* word : found->second) {
                const SenseDraft* best = nullptr;
                for (const SenseDraft& d : word->senses) {
                    if (d.text.size() > kMaxSenseText) continue;
                    if (!firstOnly) addSense(d.text, into);
                    if (!best || RankScore(d) < RankScore(*best)) best = &d;
                }
                if (best && firstOnly) AddStems(best->text, !toEnglish, into);
            }
            break;
        }
        if (toEnglish)
            if (const GermanWord* w = tables_.German(token)) {
                if (firstOnly) AddStems(w->english ? w->english : "", false, into);
                else addSense(w->english ? w->english : "", into);
            }
    };
    // an article, pronoun or conjunction at either end belongs to the words around the group
    auto boundWord = [&](std::string_view token) {
        // German function words as the engine knows them ("zu" is no conjunction there)
        if (const GermanWord* w = toEnglish ? tables_.German(token) : nullptr)
            return w->kind == GermanKind::Article || w->kind == GermanKind::Pronoun ||
                   w->kind == GermanKind::Coordinator || w->kind == GermanKind::Subordinator;
        auto found = byForm.find(std::string(token));
        if (found != byForm.end())
            for (const SourceWord* word : found->second)
                if (word->wordClass == kClassArticle || word->wordClass == kClassPronoun ||
                    word->wordClass == kClassConjunction)
                    return true;
        return false;
    };
    auto verbForm = [&](std::string_view token) {
        auto found = byForm.find(std::string(token));
        if (found != byForm.end())
            for (const SourceWord* word : found->second)
                if (word->wordClass == kClassVerb) return true;
        return false;
    };
    auto judge = [&](const std::string& sourceText, const std::string& targetText) {
        const std::vector<std::string_view> source = SplitWords(sourceText);
        const std::vector<std::string_view> target = SplitWords(targetText);
        if (target.size() > source.size() || boundWord(source.front()) || boundWord(source.back()))
            return false;
        std::set<std::string> targetStems, oneByOne, all, mine;
        for (std::string_view t : target) targetStems.insert(Stem(t, !toEnglish));
        bool content = false;
        for (std::size_t i = 0; i < source.size(); ++i) {
            const std::string_view w = source[i];
            // "zu tun", "zu erreichen": an infinitive the clause rules build
            if (toEnglish && w == "zu" && i + 1 < source.size() && verbForm(source[i + 1])) return false;
            const std::string token(w);
            for (std::string_view t : target)
                if (t == w && t.size() >= 4) return false;  // a name or a number, kept as it is
            content = content || !commonSource.count(token);
            mine.clear();
            becomes(token, false, mine);
            bool stands = false;
            for (const std::string& t : targetStems) stands = stands || NamesPart(mine, t, !toEnglish);
            if (!stands) return false;
            all.insert(mine.begin(), mine.end());
            becomes(token, true, oneByOne);
            oneByOne.insert(Stem(token, !toEnglish));
        }
        if (!content) return false;
        bool differs = false;
        for (std::string_view t : target) {
            const std::string stem = Stem(t, !toEnglish);
            if (!CoversWord(all, stem, !toEnglish)) return false;
            differs = differs || !oneByOne.count(stem);
        }
        return differs;
    };
    const double pairs = static_cast<double>(corpus.source.size());
    for (const AlignedPhrase& aligned : AlignPhrases(corpus, AlignmentLimits{}, judge)) {
        SourceWord& phrase = phrases_[aligned.source];
        const std::string target = NormaliseSentence(aligned.target);
        bool known = false;
        for (const SenseDraft& d : phrase.senses) known = known || NormaliseSentence(d.text) == target;
        if (known) continue;  // the dictionary's own translation, counted already
        if (phrase.senses.empty()) ++corpusPhrases_;
        phrase.lemma = aligned.source;
        SenseDraft sense;
        sense.text = aligned.target;
        sense.score = phrase.senses.empty() ? 0 : phrase.senses.back().score;
        const double chance = aligned.sourceCount * static_cast<double>(aligned.targetCount) / pairs;
        sense.corpus = static_cast<int>(kCorpusWeight * (aligned.together - chance) /
                                            (aligned.sourceCount + kCorpusShrink) + 0.5);
        phrase.senses.push_back(std::move(sense));
    }
}

// Every German verb lemma of the catalogue: the source words of German into English, the
// one-word verb senses of English into German, and those whose forms the dictionary gave.
std::set<std::string> CatalogueBuilder::GermanVerbLemmas() const {
    std::set<std::string> lemmas;
    for (const auto& [key, info] : german_)
        if (key.second == kClassVerb) lemmas.insert(key.first);
    for (const auto& [key, word] : words_) {
        if (direction_ == Direction::GermanToEnglish) {
            if (key.second == kClassVerb) lemmas.insert(key.first);
        } else {
            for (const SenseDraft& d : word.senses)
                if (d.wordClass == kClassVerb && !HasSpace(d.text)) lemmas.insert(d.text);
        }
    }
    return lemmas;
}

// Fills the forms the dictionary left out for strong verbs and their prefixed
// verbs ("vergaß", "gab ... auf"); what the dictionary lists stays.
namespace {

// "kam": käme, "ging": ginge, "wusste": wüsste. The subjunctive of a strong or mixed
// verb: its past with the last a, o, u (or au) made umlaut, and an -e.
std::string SubjunctiveOfAPast(const std::string& past) {
    std::string out = past;
    if (!out.empty() && out.back() == 'e') out.pop_back();  // "wusste": the vowel before -te
    static const std::pair<char, char> kUmlauts[] = {{'a', '\xe4'}, {'o', '\xf6'}, {'u', '\xfc'}};
    for (std::size_t k = out.size(); k-- > 0;) {
        if (out[k] == 'e' || out[k] == 'i') break;
        bool vowel = false;
        for (const auto& [plain, umlaut] : kUmlauts)
            if (out[k] == plain && !(plain == 'u' && k > 0 && out[k - 1] == 'a')) {
                out[k] = umlaut;
                vowel = true;
            }
        if (vowel) break;
    }
    return out + "e";
}

}  // namespace

void CatalogueBuilder::AddStrongVerbForms() {
    const std::set<std::string> lemmas = GermanVerbLemmas();
    for (const std::string& lemma : lemmas) {
        for (const StrongVerbForms& v : tables_.StrongVerbs()) {
            std::size_t n = v.infinitive.size();
            if (lemma.size() < n || lemma.compare(lemma.size() - n, n, v.infinitive) != 0) continue;
            std::string prefix = lemma.substr(0, lemma.size() - n);
            std::string participle = v.participle;
            std::string particle;
            const bool inseparable = tables_.InList("inseparable-prefix", prefix);
            if (inseparable) {
                if (participle.compare(0, 2, "ge") == 0) participle = participle.substr(2);
                participle = prefix + participle;
            } else if (!prefix.empty()) {
                if (!tables_.InList("separable-particle", prefix)) continue;  // "vergessen" is no "essen"
                particle = prefix;
                participle = prefix + participle;
            }
            Inflection& info = GermanInfo(lemma, kClassVerb);
            std::string past = inseparable ? prefix + v.past : std::string(v.past);
            std::string third = inseparable ? prefix + v.third : std::string(v.third);
            // the table wins for the verb itself (the dictionary gives "wissen" the participle
            // "gewissen"); a verb made with a prefix keeps what its own entry says
            auto fill = [&](int tag, const std::string& form) {
                if (info.forms[tag].empty() || prefix.empty()) info.forms[tag] = form;
            };
            fill(kFormThird, third);
            fill(kFormPast, past);
            fill(kFormPastPlural, past + (past.back() == 'e' ? "n" : "en"));
            fill(kFormPastPart, participle);
            // "führe" is first of all "führen" (er führe), not the subjunctive of "fahren"
            const std::string subjunctive = SubjunctiveOfAPast(past);
            if (info.forms[kFormSubjunctive].empty() && !lemmas.count(subjunctive + "n"))
                info.forms[kFormSubjunctive] = subjunctive;
            if (!particle.empty() && info.particle.empty()) {
                info.particle = particle;
                info.flags |= kWordSeparable;
            }
            break;
        }
    }
}

// "abwarten", "einkaufen": a weak verb made of a separable particle and a verb of the
// dictionary splits as that verb does ("wartet ... ab"), where the dictionary says nothing.
// Particles that also make inseparable verbs ("übersetzen", "umarmen") are left alone.
void CatalogueBuilder::AddSeparableParticles() {
    const std::set<std::string> verbs = GermanVerbLemmas();
    // longest first: "herauskommen" is heraus + kommen, not her + auskommen
    std::vector<std::string> particles;
    for (const std::string& particle : tables_.List("separable-particle"))
        if (!tables_.InList("two-way-particle", particle)) particles.push_back(particle);
    std::stable_sort(particles.begin(), particles.end(),
                     [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    for (const std::string& lemma : verbs) {
        auto known = german_.find({lemma, kClassVerb});
        if (known != german_.end() && (!known->second.particle.empty() || !known->second.forms[kFormThird].empty())) continue;
        for (const std::string& particle : particles) {
            if (lemma.size() < particle.size() + 4 || lemma.compare(0, particle.size(), particle) != 0) continue;
            const std::string rest = lemma.substr(particle.size());
            // "herumkramen, herumgekramt": the participle shows the particle where the
            // verb without it is not listed on its own
            const bool shown = known != german_.end() &&
                               known->second.forms[kFormPastPart].compare(0, particle.size() + 2, particle + "ge") == 0;
            if (!verbs.count(rest) && !shown) continue;
            Inflection& info = GermanInfo(lemma, kClassVerb);
            info.particle = particle;
            info.flags |= kWordSeparable;
            break;
        }
    }
}

// "to plan down | planed down" in one line, "planned" in many: where the lines disagree on
// an English verb's form, the most of them decide (the first line where they tie).
void CatalogueBuilder::TakeTheEnglishFormsMostLinesGive() {
    for (const auto& [key, votes] : englishFormVotes_) {
        Inflection& info = EnglishInfo(key.first, kClassVerb);
        const int tag = key.second;
        if ((info.flags & kWordIrregular) && (tag == kFormPast || tag == kFormPastPart)) continue;  // braces decide
        std::string best = info.forms[tag];
        int bestCount = votes.count(best) ? votes.at(best) : 0;
        for (const auto& [form, count] : votes)
            if (count > bestCount) {
                best = form;
                bestCount = count;
            }
        info.forms[tag] = best;
    }
}

// "handelt zuwider" is listed and "handelt" for handeln is not: the stem verb takes the
// forms its separable verbs show, so a form alone is never read as one of those.
void CatalogueBuilder::GiveTheStemVerbItsForms() {
    const std::set<std::string> verbs = GermanVerbLemmas();
    std::vector<std::pair<std::string, Inflection>> separable;
    for (const auto& [key, info] : german_)
        if (key.second == kClassVerb && !info.particle.empty()) separable.emplace_back(key.first, info);
    for (const auto& [lemma, info] : separable) {
        if (lemma.compare(0, info.particle.size(), info.particle) != 0) continue;
        const std::string stem = lemma.substr(info.particle.size());
        if (!verbs.count(stem)) continue;
        // a rare verb ("fasen" beside "abfasen") would take "fast" from the adverb
        if (direction_ == Direction::GermanToEnglish) {
            auto word = words_.find(Key(stem, kClassVerb));
            if (word == words_.end() || word->second.senses.size() < 3) continue;
        }
        Inflection& own = GermanInfo(stem, kClassVerb);
        for (int tag : {kFormThird, kFormPast})
            if (own.forms[tag].empty() && !info.forms[tag].empty()) own.forms[tag] = info.forms[tag];
    }
}

// "aufstehen :: to up [coll.]": a German verb whose English is a bare particle would take
// the corpus evidence of "get up" and "stand up" for itself; other senses stay.
void CatalogueBuilder::DropParticleVerbSenses() {
    if (direction_ != Direction::GermanToEnglish) return;
    for (auto& [key, word] : words_) {
        if (key.second != kClassVerb) continue;
        std::vector<SenseDraft>& senses = word.senses;
        auto particle = [&](const SenseDraft& d) { return tables_.InList("phrasal-particle", Lower1252(d.text)); };
        const bool other = std::any_of(senses.begin(), senses.end(), [&](const SenseDraft& d) { return !particle(d); });
        if (other) senses.erase(std::remove_if(senses.begin(), senses.end(), particle), senses.end());
    }
}

void CatalogueBuilder::AddAbbreviations(const DictSubentry& terms, std::map<std::string, int>& into) {
    for (const DictTerm& term : terms) {
        for (const std::string& abbreviation : term.abbreviations)
            for (std::string_view piece : SplitWords(abbreviation))
                if (piece.size() >= 2 && piece.back() == '.') into[std::string(piece)] = 1;
        if (!HasSpace(term.text) && term.text.size() >= 2 && term.text.back() == '.')
            into[term.text] = 1;
    }
}

namespace {

// "at a minimum, at least": an adverb's or adjective's synonyms listed with commas are
// senses of their own, each for the corpus to weigh.
DictSubentry CommaListsSplit(const DictSubentry& terms) {
    DictSubentry out;
    for (const DictTerm& term : terms) {
        if (term.text.find(", ") == std::string::npos || term.text.find('(') != std::string::npos) {
            out.push_back(term);
            continue;
        }
        for (std::string_view part : SplitTopLevel(term.text, ", ")) {
            DictTerm one = term;
            one.text = std::string(part);
            out.push_back(std::move(one));
        }
    }
    return out;
}

}  // namespace

void CatalogueBuilder::AddPairs(const DictSubentry& german, const DictSubentry& givenEnglish,
                                std::uint32_t lineMask, int subIndex, bool phrasesOnly) {
    const bool toEnglish = direction_ == Direction::GermanToEnglish;
    std::set<Key> seenHere;
    for (std::size_t gi = 0; gi < german.size(); ++gi) {
        const DictTerm& g = german[gi];
        if (g.text.empty()) continue;
        std::uint8_t gender = 0;
        std::uint16_t flags = 0;
        std::uint8_t cls = WordClassOf(g, &gender, &flags);
        const bool lists = cls == kClassAdverb || cls == kClassAdjective;
        const DictSubentry split = lists ? CommaListsSplit(givenEnglish) : DictSubentry();
        const DictSubentry& english = lists ? split : givenEnglish;
        if (subIndex > 0 || CountWords(g.text) >= 3)
            for (const DictTerm& e : english) AddEvidence(g, e);
        if (CountWords(g.text) >= 3 && EndsSentence(g.text)) {
            if (gi == 0 && !english.empty() && EndsSentence(english[0].text))
                AddExample(g, english[0]);
            continue;
        }
        if (phrasesOnly && !HasSpace(g.text)) continue;
        if (!english.empty()) NoteVerbWithItsObject(g.text, english[0].text);
        for (std::size_t ei = 0; ei < english.size(); ++ei) {
            const DictTerm& e = english[ei];
            if (e.text.empty() || (EndsSentence(e.text) && CountWords(e.text) >= 3)) continue;
            std::uint8_t englishGender = 0;
            std::uint16_t englishFlags = 0;
            std::uint8_t englishClass = WordClassOf(e, &englishGender, &englishFlags);
            std::uint8_t pairClass = cls ? cls : englishClass;
            std::vector<std::string> labels = g.labels;
            labels.insert(labels.end(), e.labels.begin(), e.labels.end());
            for (const std::string& c : g.comments) labels.push_back(c);
            std::uint32_t subjects = lineMask | SubjectMask(direction_, labels);
            std::uint8_t registers = g.registers | e.registers;
            std::string englishText = e.text;
            // "to date" for "bis heute" is no infinitive: only a verb, or what stands
            // for a German infinitive, loses its "to"
            const std::string lastGerman = g.text.substr(g.text.rfind(' ') + 1);
            const bool infinitive = pairClass == kClassNone && lastGerman.size() > 2 && lastGerman.back() == 'n';
            if (pairClass == kClassVerb || (infinitive && StartsWith(englishText, "to "))) {
                englishText = WithoutTo(englishText);
                for (const std::string& brace : e.braces) {
                    // "to work {work; worked} {wrought; wrought [archaic]}": an archaic
                    // brace, or one whose past is the verb itself but whose participle
                    // is not, names no forms to use
                    if (!IsFormsBrace(brace) || brace.find("archaic") != std::string::npos) continue;
                    std::vector<std::string_view> parts = SplitTopLevel(brace, "; ");
                    const std::string verb = FirstWord(englishText);
                    const std::string past = parts.size() >= 1 ? FirstAlternative(parts[0]) : std::string();
                    const std::string participle = parts.size() >= 2 ? FirstAlternative(parts[1]) : std::string();
                    if (past == verb && !participle.empty() && participle != verb) continue;
                    // "{strove, striven / strived; strived}": a brace that lists its forms
                    // out of order names none
                    if (past.find_first_of(", ") != std::string::npos || participle.find_first_of(", ") != std::string::npos)
                        continue;
                    Inflection& info = EnglishInfo(verb, kClassVerb);
                    // the braces name the irregular forms outright: they win, and the first
                    // braces of a verb stay ("to run {ran; run}" before a slip "{run; run}")
                    const bool named = (info.flags & kWordIrregular) != 0;
                    if (!past.empty() && (!named || info.forms[kFormPast].empty())) info.forms[kFormPast] = past;
                    if (!participle.empty() && (!named || info.forms[kFormPastPart].empty()))
                        info.forms[kFormPastPart] = participle;
                    info.flags |= kWordIrregular;
                    break;
                }
            }
            bool innerG = false, innerE = false;
            std::string germanText = WithoutBrokenAbbreviation(StripPlaceholders(g.text, &innerG));
            englishText = WithoutBrokenAbbreviation(StripPlaceholders(englishText, &innerE));
            if (germanText.empty() || englishText.empty()) continue;
            if (StartsWith(g.text, "sich ")) flags |= kWordReflexive;
            if (pairClass == kClassVerb && !HasSpace(germanText))
                GermanInfo(germanText, kClassVerb).flags |= flags & (kWordIntransitive | kWordTransitive);

            const std::string& source = toEnglish ? germanText : englishText;
            const std::string target = FirstAlternatives(toEnglish ? englishText : germanText);
            const bool sourceInner = toEnglish ? innerG : innerE;
            if (toEnglish && innerG && !innerE && pairClass == kClassVerb)
                NotePrepositionVerb(g.text, englishText, subjects, registers);
            // "mit jdm./etw. vergleichen :: compare sb./sth. with": the English verb before its
            // object, for a German verb the dictionary lists only with its objects
            if (toEnglish && innerG && innerE && pairClass == kClassVerb)
                NotePrepositionVerb(germanText, FirstAlternatives(WordsBeforeAPlaceholder(WithoutTo(englishText))), subjects, registers);
            if (!toEnglish && innerE && !innerG && pairClass == kClassVerb)
                NotePrepositionVerb(WithoutTo(e.text), germanText, subjects, registers);
            if (!toEnglish && innerG && !innerE && pairClass == kClassVerb)
                NoteVerbWithAPreposition(g.text, englishText, subjects, registers);
            Key key(source, pairClass);
            // A line that starts with the word is about it; one that lists it
            // later as a synonym is a weaker witness.
            const bool headLine = subIndex == 0 && (toEnglish ? gi : ei) == 0;
            Key countKey(headLine ? source : source + "\x01", pairClass);
            int appearance = appearances_[countKey];
            seenHere.insert(countKey);
            int score = (headLine ? appearance * 10 : 40 + appearance * 4) + (subIndex > 0 ? 8 : 0) +
                        static_cast<int>(toEnglish ? gi : ei) * 2 +
                        static_cast<int>(toEnglish ? ei : gi) * 4 + RegisterPenalty(registers) +
                        (subjects ? 6 : 0) + (CountWords(target) - 1) * 3 +
                        // "nod sth. through" cannot stand for the word in a sentence
                        ((toEnglish ? innerE : innerG) ? 40 : 0);
            ++targetFrequency_[Lower1252(target)];
            std::uint8_t targetGender = toEnglish ? 0 : gender;
            if (!HasSpace(source) && !sourceInner) {
                // "attribute sth. to": the placeholder would stand in the translation as it is
                const std::string shown = (toEnglish ? innerE : innerG) ? WithoutPlaceholders(target) : target;
                AddWordSense(source, pairClass, toEnglish ? gender : 0, shown, targetGender,
                             subjects, registers, score, toEnglish ? flags : 0);
            } else if (!sourceInner && !(toEnglish ? innerE : innerG)) {
                AddPhrase(source, pairClass, target, targetGender, subjects, registers, score);
                if (pairClass == kClassNoun)
                    AddArticleNoun(germanText, englishText, gender, subjects, registers, score, flags);
            }

        }
    }
    for (const Key& key : seenHere) ++appearances_[key];
}

namespace {

// How much of a verb a form spells: the letters it shares with the verb's start, also
// without a "ge" inside it ("angeordnet" is anordnen's).
std::size_t Resemblance(const std::string& form, const std::string& verb) {
    auto shared = [&](const std::string& f) {
        std::size_t n = 0;
        while (n < f.size() && n < verb.size() && f[n] == verb[n]) ++n;
        return n;
    };
    std::size_t best = shared(form);
    const std::size_t ge = form.find("ge");
    if (ge != std::string::npos && ge <= 4) best = std::max(best, shared(form.substr(0, ge) + form.substr(ge + 2)));
    return best;
}

// "anordnen; verordnen; verfügen | angeordnet; verfügt; verordnet": the dictionary does
// not always keep its forms in the order of its verbs. A form goes with the verb in its
// place unless another verb plainly shares more of its spelling ("verfügte" is not
// verordnen's, though both start with "ver").
// "ordnet an" beside "anordnen": a form of two words, the verb and its particle.
bool SeparatedForm(const std::string& form, const std::string& verb) {
    std::vector<std::string_view> parts = SplitWords(form);
    return parts.size() == 2 && parts[1].size() < verb.size() && verb.compare(0, parts[1].size(), parts[1]) == 0;
}

std::size_t VerbOfTheForm(const std::vector<std::string>& verbs, std::size_t place, const std::string& form) {
    if (place >= verbs.size()) return place;
    const std::size_t own = Resemblance(form, verbs[place]);
    std::size_t best = place, bestShared = own;
    for (std::size_t k = 0; k < verbs.size(); ++k) {
        const std::size_t shared = Resemblance(form, verbs[k]);
        if (shared > bestShared) { best = k; bestShared = shared; }
    }
    return bestShared >= 4 && bestShared >= own + 2 ? best : place;
}

}  // namespace

void CatalogueBuilder::AddVerbForms(const DictLine& line) {
    const DictSubentry& g0 = line.german[0];
    const DictSubentry& e0 = line.english[0];
    std::size_t n = std::min(line.german.size(), line.english.size());
    bool pastSeen = false, thirdSeen = false;
    std::vector<std::string> germanVerbs, englishVerbs;
    bool innerWord = false;
    for (const auto& g : g0) germanVerbs.push_back(StripPlaceholders(g.text, &innerWord));
    const std::string gs0Lemma = germanVerbs.empty() ? std::string() : germanVerbs[0];
    std::map<std::string, std::string> linePastParts;  // English verb -> participle, in this line
    for (const auto& e : e0) englishVerbs.push_back(FirstWord(WithoutTo(e.text)));
    std::size_t repeated = 0;  // columns a line gives twice
    for (std::size_t sub = 1; sub < n && sub < 16; ++sub) {
        const DictSubentry& gs = line.german[sub];
        const DictSubentry& es = line.english[sub];
        if (gs.empty() || gs[0].text.empty()) break;  // "| {pl} |": braces and no form
        const std::size_t column = sub - repeated;
        // Into German the sense order already serves; the impersonal forms only teach
        // the analysis of German text.
        const bool impersonal = direction_ == Direction::GermanToEnglish;
        const std::string first = impersonal ? ImpersonalAsThirdPerson(gs[0].text, column) : gs[0].text;
        // "| anklagend | anklagend | angeklagt |": the present participle twice; the
        // columns after it are one further on
        if (column == 2 && !HasSpace(first) && first.size() > 3 && first.compare(first.size() - 2, 2, "nd") == 0 &&
            line.german[1].size() == gs.size() && line.german[1][0].text == first) {
            ++repeated;
            continue;
        }
        int tag;
        bool sein = false, bare = false;
        PersonPrefix person;
        if (CutPersonPrefix(first, person)) {
            // "ich komme", "du kommst", "ihr kamt" name no form of ours: skip them, go on
            if (person.perfectSein || person.perfectHaben) { tag = kFormPastPart; sein = person.perfectSein; }
            else if (person.first && person.third) tag = pastSeen ? kFormSubjunctive : kFormPast;
            else if (person.third && !person.first && !person.plural) tag = !thirdSeen ? kFormThird : pastSeen ? -1 : kFormPast;
            else if (person.plural && !person.first && pastSeen && !person.second) tag = kFormPastPlural;
            else tag = -1;
        }
        // "handelnd", "wandernd": -eln and -ern verbs make it with -nd
        else if (!HasSpace(first) && column == 1 && first.size() > 3 &&
                 first.compare(first.size() - 2, 2, "nd") == 0) tag = kFormPresPart;
        else if (!HasSpace(first) && column == 2 && gs[0].braces.empty()) tag = kFormPastPart;
        // "| unterschreibt | unterschrieb": the third person and the past without persons,
        // also of a separable verb first ("| ordnet an | ordnete an")
        else if ((!HasSpace(first) || SeparatedForm(first, gs0Lemma)) &&
                 (column == 4 || (column == 3 && FirstWord(first).back() == 't')) && gs[0].braces.empty()) {
            tag = column == 3 ? kFormThird : kFormPast;
            bare = true;
        }
        else break;
        if (tag < 0) continue;
        if (tag == kFormPast) pastSeen = true;
        if (tag == kFormThird) thirdSeen = true;

        for (std::size_t j = 0; j < gs.size(); ++j) {
            std::size_t lemmaIndex = gs.size() == g0.size() ? j : 0;
            if (lemmaIndex >= g0.size()) continue;
            PersonPrefix cut;
            const std::string text = impersonal ? ImpersonalAsThirdPerson(gs[j].text, column) : gs[j].text;
            std::string words = CutPersonPrefix(text, cut) ? cut.rest : text;
            // "sich verloren": the form is "verloren", not "sich"
            if (StartsWith(words, "sich ")) words = words.substr(5);
            std::vector<std::string_view> parts = SplitWords(words);
            if (parts.empty()) continue;
            if (gs.size() == g0.size()) lemmaIndex = VerbOfTheForm(germanVerbs, lemmaIndex, std::string(parts[0]));
            bool inner = false;  // "etw. unterschreiben" is the verb "unterschreiben"
            const std::string lemmaText = StripPlaceholders(g0[lemmaIndex].text, &inner);
            if (lemmaText.empty() || HasSpace(lemmaText)) continue;
            // "autofahren | fährt Auto": a form with its noun is no form of the verb alone
            // ("fährt" is fahren's)
            if (parts.size() >= 2 && IsUpper1252(static_cast<unsigned char>(parts.back()[0]))) continue;
            Inflection& info = GermanInfo(lemmaText, kClassVerb);
            if (info.forms[tag].empty()) info.forms[tag] = std::string(parts[0]);
            if (sein) info.flags |= kWordSein;
            // "sagt sich los": the particle is the last word, "sich" may stand between
            if (parts.size() >= 2 && (tag == kFormThird || tag == kFormPast) &&
                lemmaText.compare(0, parts.back().size(), parts.back()) == 0) {
                info.particle = std::string(parts.back());
                info.flags |= kWordSeparable;
            }
        }
        for (std::size_t j = 0; j < es.size(); ++j) {
            std::size_t lemmaIndex = es.size() == e0.size() ? j : 0;
            if (lemmaIndex >= e0.size()) continue;
            // "he/she thinks": the form is the word after the persons
            const std::string& listed = es[j].text;
            const std::string probe =
                listed.find('/') != std::string::npos ? listed.substr(listed.rfind(' ') + 1) : FirstWord(listed);
            if (es.size() == e0.size()) lemmaIndex = VerbOfTheForm(englishVerbs, lemmaIndex, probe);
            std::string lemma = FirstWord(WithoutTo(e0[lemmaIndex].text));
            std::string words;
            const std::string& text = es[j].text;
            if (CutPersons(text, "he/she has/had ", words) || CutPersons(text, "he/she has ", words)) {
                if (tag != kFormPastPart) continue;
            } else if (CutPersons(text, "he/she ", words)) {
                if (tag != kFormThird) continue;
            } else if (CutPersons(text, "I/he/she would ", words)) {
                continue;
            } else if (CutPersons(text, "I/he/she ", words)) {
                if (tag != kFormPast) continue;
            } else if (CutPersons(text, "we/they ", words)) {
                continue;
            } else if (tag == kFormPresPart || tag == kFormPastPart || (bare && !HasSpace(text))) {
                words = text;  // a bare form in its place ("signs", "signed")
            } else {
                continue;
            }
            std::string form = FirstWord(words);
            // "he/she sits/squats" beside "to squat": the alternative that spells the verb
            if (form.find('/') != std::string::npos) {
                std::string best;
                for (std::string_view alternative : SplitTopLevel(form, "/"))
                    if (best.empty() || Resemblance(std::string(alternative), lemma) > Resemblance(best, lemma))
                        best = std::string(alternative);
                form = best;
            }
            // "he/she hold", a bare "felt" in the third person's column: slips of the
            // dictionary; an English third person is never the base and always ends in -s
            if (tag == kFormThird && (form == lemma || !EndsWith(form, "s"))) continue;
            // "to sit on the fence | interposing | interposed": forms of another verb than the
            // line's (an irregular one's come in braces)
            if (Resemblance(form, lemma) == 0) continue;
            // "added | add": a past the same as the verb is a slip where the participle is not ("put")
            if (tag == kFormPastPart) linePastParts[lemma] = form;
            auto participle = linePastParts.find(lemma);
            if (tag == kFormPast && form == lemma && participle != linePastParts.end() && participle->second != lemma) continue;
            // "conveied": a regular past spelt against the rules
            if ((tag == kFormPast || tag == kFormPastPart) && EndsWith(form, "ied") &&
                !EndsWith(RegularEnglishPast(lemma), "ied"))
                continue;
            Inflection& info = EnglishInfo(lemma, kClassVerb);
            bool fixedByBraces = (info.flags & kWordIrregular) && (tag == kFormPast || tag == kFormPastPart);
            if (!form.empty() && info.forms[tag].empty() && !fixedByBraces) info.forms[tag] = form;
            if (!form.empty() && !fixedByBraces) ++englishFormVotes_[{lemma, tag}][form];
        }
    }
}

namespace {

// "open" after "sheer | ": a later column that is no comparative ("-er") or superlative
// ("-est", "-sten") is a phrase of the line, not a form of its adjective.
bool LooksLikeAComparison(const std::string& text, int tag, bool english) {
    if (tag == kFormComparative)
        return english ? EndsWith(text, "er") || text == "worse" || text == "less" || text == "more" : EndsWith(text, "r");
    return EndsWith(text, "st") || EndsWith(text, "sten") || EndsWith(text, "ste");
}

}  // namespace

void CatalogueBuilder::AddAdjectiveForms(const DictLine& line) {
    const DictSubentry& g0 = line.german[0];
    const DictSubentry& e0 = line.english[0];
    std::size_t n = std::min(line.german.size(), line.english.size());
    for (std::size_t sub = 1; sub < n && sub < 3; ++sub) {
        const DictSubentry& gs = line.german[sub];
        if (gs.empty() || !gs[0].braces.empty()) break;
        int tag = sub == 1 ? kFormComparative : kFormSuperlative;
        std::string rest;
        for (std::size_t j = 0; j < gs.size() && j < g0.size(); ++j) {
            std::string text = gs[j].text;
            if (tag == kFormSuperlative && !CutPersons(text, "am ", rest)) return;
            if (tag == kFormSuperlative) text = rest;
            if (HasSpace(text) || HasSpace(g0[j].text) || !LooksLikeAComparison(text, tag, false)) continue;
            GermanInfo(g0[j].text, kClassAdjective).forms[tag] = text;
        }
        const DictSubentry& es = line.english[sub];
        for (std::size_t j = 0; j < es.size() && j < e0.size(); ++j)
            if (!HasSpace(es[j].text) && !HasSpace(e0[j].text) && LooksLikeAComparison(es[j].text, tag, true))
                EnglishInfo(e0[j].text, kClassAdjective).forms[tag] = es[j].text;
    }
}

void CatalogueBuilder::AddNounPlurals(const DictLine& line, std::size_t sub) {
    const DictSubentry& gp = line.german[sub - 1];
    const DictSubentry& gs = line.german[sub];
    for (std::size_t j = 0; j < gs.size(); ++j) {
        std::size_t idx = gs.size() == gp.size() ? j : 0;
        if (idx >= gp.size() || HasSpace(gs[j].text) || HasSpace(gp[idx].text)) continue;
        // "...; Gruppe | ...; Gruppe": an unmarked plural the same as its singular is a slip
        // of the line ("Jugendlicher | ...; Jugendliche" is sound)
        if (!gs[j].HasBrace("pl") && gs[j].text == gp[idx].text) continue;
        Inflection& info = GermanInfo(gp[idx].text, kClassNoun);
        if (info.forms[kFormPlural].empty()) info.forms[kFormPlural] = gs[j].text;
        else if (info.forms[kFormPlural] != gs[j].text) info.otherPlurals.push_back(gs[j].text);
    }
    const DictSubentry& ep = line.english[sub - 1];
    const DictSubentry& es = line.english[sub];
    for (std::size_t j = 0; j < es.size(); ++j) {
        std::size_t idx = es.size() == ep.size() ? j : 0;
        if (idx >= ep.size() || es[j].text.empty()) continue;
        if (CountWords(es[j].text) != CountWords(ep[idx].text)) continue;
        Inflection& info = EnglishInfo(ep[idx].text, kClassNoun);
        if (info.forms[kFormPlural].empty()) info.forms[kFormPlural] = es[j].text;
        // an English phrase has no forms of its own: "human rights" is a phrase too
        const std::size_t german = gs.size() == es.size() ? j : 0;
        if (direction_ == Direction::EnglishToGerman && HasSpace(es[j].text) && german < gs.size() &&
            !HasSpace(gs[german].text) && !gp.empty()) {
            std::uint8_t gender = 0;
            std::uint16_t flags = 0;
            WordClassOf(gp[std::min(german, gp.size() - 1)], &gender, &flags);
            AddPhrase(es[j].text, kClassNoun, gs[german].text, gender, 0, es[j].registers | gs[german].registers, 0);
        }
    }
}

namespace {

// The preposition before the first placeholder of a term ("auf" in "sich auf etw.
// freuen", "for" in "wait for sb./sth."), or "".
std::string PrepositionBeforeAPlaceholder(const std::vector<std::string_view>& words, std::size_t from) {
    for (std::size_t k = from; k + 1 < words.size(); ++k)
        if (!IsPlaceholder(words[k]) && IsPlaceholder(words[k + 1])) return Lower1252(words[k]);
    return std::string();
}

// "(auf etw.)" among a term's comments: its preposition.
std::string PrepositionOfAComment(const DictTerm& term) {
    for (const std::string& comment : term.comments) {
        std::string p = PrepositionBeforeAPlaceholder(SplitWords(comment), 0);
        if (!p.empty() && SplitWords(comment).size() == 2) return p;
    }
    return std::string();
}

}  // namespace

void CatalogueBuilder::AddGovernedPrepositions(const DictLine& line, std::uint8_t firstClass) {
    const DictSubentry& g0 = line.german[0];
    const DictSubentry& e0 = line.english[0];
    for (std::size_t j = 0; j < g0.size(); ++j) {
        std::vector<std::string_view> german = SplitWords(g0[j].text);
        if (german.empty()) continue;
        std::string lemma, preposition;
        if (firstClass == kClassVerb) {
            // "auf jdn./etw. warten": the verb last, its preposition before a placeholder
            lemma = std::string(german.back());
            preposition = PrepositionBeforeAPlaceholder(german, 0);
        } else if (firstClass == kClassAdjective && german.size() == 1) {
            lemma = std::string(german[0]);  // "stolz {adj} (auf etw.)"
            preposition = PrepositionOfAComment(g0[j]);
        }
        if (lemma.empty() || preposition.empty() || IsPlaceholder(lemma)) continue;
        for (std::size_t k = 0; k < e0.size(); ++k) {
            if (e0.size() == g0.size() && k != j) continue;
            std::string english;
            if (firstClass == kClassVerb) {
                // "to wait for sb./sth.": verb, preposition, placeholder and nothing else
                if (e0[k].particleBeforeObject) continue;
                const std::string verb = WithoutTo(e0[k].text);  // the words point into it
                std::vector<std::string_view> words = SplitWords(verb);
                if (words.size() == 3) english = PrepositionBeforeAPlaceholder(words, 1);
            } else {
                english = PrepositionOfAComment(e0[k]);
            }
            if (!english.empty()) ++governed_[Lower1252(lemma) + " " + preposition][english];
        }
    }
}

// For a governor and its German preposition ("hoffen auf"), the English preposition
// the dictionary gives most often.
std::string CatalogueBuilder::BestGovernedPreposition(const std::string& governor) const {
    auto found = governed_.find(governor);
    const std::string german = governor.substr(governor.rfind(' ') + 1);
    if (found == governed_.end() || tables_.Value("preposition-senses", german).empty()) return std::string();
    const std::pair<const std::string, int>* best = nullptr;
    for (const auto& rendering : found->second)
        if (tables_.InList("english-preposition", rendering.first) && (!best || rendering.second > best->second))
            best = &rendering;
    return best ? best->first : std::string();
}

// The list the engine reads: each governor with its best English preposition.
std::string CatalogueBuilder::GovernedPrepositionTable() const {
    std::string text = "list\tword\tvalue\n";
    for (const auto& entry : governed_) {
        const std::string best = BestGovernedPreposition(entry.first);
        if (!best.empty()) text += "governed-preposition\t" + entry.first + "\t" + best + "\n";
    }
    return text;
}

// "eine Entscheidung treffen :: to make a decision": the dictionary's phrases of an
// object noun and its verb, where the verb's English depends on the noun. Only the
// plain shape counts: articles or placeholders, the noun, the infinitive.
void CatalogueBuilder::NoteVerbWithItsObject(const std::string& german, const std::string& english) {
    static const std::set<std::string> articles = {"ein", "eine", "einen", "der", "die", "das", "den", "dem"};
    std::vector<std::string_view> g = SplitWords(german);
    if (g.size() < 2 || g.size() > 4) return;
    const std::string verbs(g.back()), noun(g[g.size() - 2]);
    if (verbs.size() < 4 || IsUpper1252(static_cast<unsigned char>(verbs[0])) ||
        !IsUpper1252(static_cast<unsigned char>(noun[0])) || IsPlaceholder(noun))
        return;
    for (std::size_t i = 0; i + 2 < g.size(); ++i)
        if (!articles.count(std::string(g[i])) && !IsPlaceholder(g[i])) return;
    if (!StartsWith(english, "to ")) return;
    // "to make/take a decision", "to attach importance to sth.": verb, article, object
    std::vector<std::string> e;
    const std::string words = english.substr(3);  // the views below point into it
    for (std::string_view w : SplitWords(words))
        if (!IsPlaceholder(w)) e.emplace_back(w);
    while (!e.empty() && tables_.InList("english-preposition", e.back())) e.pop_back();
    if (e.size() < 2 || e.size() > 3) return;
    if (e.size() == 3 && e[1] != "a" && e[1] != "an" && e[1] != "the") return;
    const std::string& object = e.back();
    if (object.find('/') != std::string::npos) return;
    // "die Tür zuschließen/abschließen", "to make/take a decision": each verb of the slash;
    // into English the German noun and verb are the key, into German the English ones
    const bool toEnglish = direction_ == Direction::GermanToEnglish;
    for (std::string_view englishVerb : SplitTopLevel(e[0], "/")) {
        if (englishVerb.empty() || englishVerb == "be" || englishVerb == "have") continue;
        for (std::string_view verb : SplitTopLevel(verbs, "/")) {
            if (verb.size() < 4 || verb.back() != 'n') continue;
            if (toEnglish) ++verbsWithObjects_[noun + " " + std::string(verb)][std::string(englishVerb) + "|" + object];
            else ++verbsWithObjects_[object + " " + std::string(englishVerb)][std::string(verb) + "|" + noun];
        }
        if (toEnglish) break;  // the first English verb is the one to say
    }
}

// The list the engine reads: each noun and verb with the translations the dictionary
// gives, the most frequent first ("solve|problem;crack|problem"), where the object's
// translation is one of the noun's own senses.
std::string CatalogueBuilder::VerbWithObjectTable() const {
    std::string text = "list\tword\tvalue\n";
    for (const auto& [key, renderings] : verbsWithObjects_) {
        auto word = words_.find(Key(key.substr(0, key.find(' ')), kClassNoun));
        if (word == words_.end()) continue;  // "Maßnahmen ergreifen": a plural, whose English would not fit
        std::vector<std::pair<std::string, int>> sorted;
        for (const auto& rendering : renderings) {
            const std::string object = rendering.first.substr(rendering.first.find('|') + 1);
            if (std::any_of(word->second.senses.begin(), word->second.senses.end(),
                            [&](const SenseDraft& d) { return d.text == object; }))
                sorted.push_back(rendering);
        }
        std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
        std::string value;
        for (const auto& rendering : sorted) value += (value.empty() ? "" : ";") + rendering.first;
        if (!value.empty()) text += "verb-with-object\t" + Lower1252(key) + "\t" + value + "\n";
    }
    return text;
}

// "München (Stadt in Deutschland) [geogr.] :: Munich": a place whose name the two
// languages spell differently. A town's line wins over a river's of the same name
// ("Wien"), and a name both spell alike ("Juba", "Essen") stays as it is. Adjectives
// ("Wiener"), plurals ("Marken") and inhabitants ("Birmane; Birmanin") are no places.
void CatalogueBuilder::AddPlaceName(const DictLine& line) {
    if (line.german[0].empty() || line.english.empty() || line.english[0].empty()) return;
    const DictTerm& g = line.german[0][0];
    const std::string& german = g.text;
    const std::string& english = line.english[0][0].text;
    auto oneName = [](const std::string& w) {
        return w.size() > 1 && IsUpper1252(static_cast<unsigned char>(w[0])) && !HasSpace(w) &&
               std::all_of(w.begin(), w.end(), [](char c) { return IsLetter1252(static_cast<unsigned char>(c)) || c == '-'; });
    };
    if (!oneName(german) || !oneName(english) || g.HasBrace("adj") || g.HasBrace("pl")) return;
    bool masculine = false, feminine = false;
    for (const DictTerm& t : line.german[0]) masculine = masculine || t.HasBrace("m"), feminine = feminine || t.HasBrace("f");
    if (masculine && feminine) return;
    bool town = false;
    for (const std::string& comment : g.comments) town = town || comment.find("tadt") != std::string::npos;  // Stadt, Hauptstadt
    // "die Türkei", "der Irak": a country German names with its article
    const char article = g.HasBrace("f") ? 'f' : g.HasBrace("m") ? 'm' : 0;
    const bool toEnglish = direction_ == Direction::GermanToEnglish;
    const PlaceName place{toEnglish ? english : german, town, article};
    auto [it, fresh] = placeNames_.emplace(toEnglish ? german : english, place);
    if (!fresh && town && !it->second.town) it->second = place;
}

// place-name: every place with its name in the other language (the same where both
// spell it alike, which the German side does not use); place-article: the German
// names that take an article, with its gender.
std::string CatalogueBuilder::PlaceNameTable() const {
    std::string text = "list\tword\tvalue\n";
    for (const auto& [source, place] : placeNames_) {
        text += "place-name\t" + source + "\t" + place.target + "\n";
        const std::string& german = direction_ == Direction::GermanToEnglish ? source : place.target;
        if (place.article) text += "place-article\t" + german + "\t" + place.article + "\n";
    }
    return text;
}

namespace {

// The stem of a declined adjective ("hoh" of "hohe"), or empty.
std::string DeclinedStem(const std::string& word) {
    for (const char* ending : {"es", "er", "e"}) {
        const std::size_t n = strlen(ending);
        if (word.size() > n + 2 && word.compare(word.size() - n, n, ending) == 0) return word.substr(0, word.size() - n);
    }
    return {};
}

// "hoch; hoher; hohe; hohes {adj}": the declined forms beside the adjective are no
// German words of their own for "high"; the endings come from the noun phrase.
DictSubentry WithoutDeclinedForms(const DictSubentry& synonyms) {
    std::map<std::string, int> stems;
    for (const DictTerm& t : synonyms) {
        const std::string stem = DeclinedStem(t.text);
        if (!stem.empty()) ++stems[stem];
    }
    DictSubentry kept;
    for (const DictTerm& t : synonyms) {
        const std::string stem = DeclinedStem(t.text);
        if (stem.empty() || stems[stem] < 2) kept.push_back(t);
    }
    return kept.empty() ? synonyms : kept;
}

}  // namespace

void CatalogueBuilder::AddLine(std::string_view text) {
    DictLine line;
    if (!ParseDictionaryLine(text, line)) return;
    ++lineCount_;
    std::vector<std::string> labels;
    for (const DictTerm& t : line.german[0]) labels.insert(labels.end(), t.labels.begin(), t.labels.end());
    for (const DictTerm& t : line.english[0]) labels.insert(labels.end(), t.labels.begin(), t.labels.end());
    const std::uint32_t lineMask = SubjectMask(direction_, labels);
    if (std::find(labels.begin(), labels.end(), "geogr.") != labels.end()) AddPlaceName(line);

    std::uint8_t gender = 0;
    std::uint16_t flags = 0;
    std::uint8_t firstClass = line.german[0].empty() ? 0 : WordClassOf(line.german[0][0], &gender, &flags);
    const std::size_t n = std::min(line.german.size(), line.english.size());
    std::vector<bool> consumed(n, false);
    if (firstClass == kClassVerb) AddVerbForms(line);
    if (firstClass == kClassAdjective) AddAdjectiveForms(line);
    if (direction_ == Direction::GermanToEnglish && (firstClass == kClassVerb || firstClass == kClassAdjective))
        AddGovernedPrepositions(line, firstClass);

    // "sich einer Sache entsinnen; sich an etw. erinnern {vr}": the class may stand on a later term
    bool verbLine = false;
    for (const DictTerm& term : line.german.empty() ? DictSubentry{} : line.german[0]) {
        std::uint8_t termGender = 0;
        std::uint16_t termFlags = 0;
        verbLine = verbLine || WordClassOf(term, &termGender, &termFlags) == kClassVerb;
    }
    const bool toEnglish = direction_ == Direction::GermanToEnglish;
    for (std::size_t sub = 0; sub < n; ++sub) {
        const DictSubentry& g = line.german[sub];
        const DictSubentry& e = line.english[sub];
        AddAbbreviations(toEnglish ? g : e, abbreviations_);
        AddAbbreviations(toEnglish ? e : g, targetAbbreviations_);
        if (sub > 0 && !g.empty() && g[0].HasBrace("pl") && !HasSpace(g[0].text)) {
            std::uint8_t previousGender = 0;
            std::uint16_t previousFlags = 0;
            if (!line.german[sub - 1].empty() &&
                WordClassOf(line.german[sub - 1][0], &previousGender, &previousFlags) == kClassNoun &&
                previousGender != kPluralOnly) {
                AddNounPlurals(line, sub);
                continue;
            }
        }
        bool inflection = sub > 0 && !g.empty() && g[0].braces.empty() && !HasSpace(g[0].text) &&
                          (firstClass == kClassVerb || firstClass == kClassAdjective) && sub < 3;
        if (inflection) continue;
        PersonPrefix person;
        if (sub > 0 && !g.empty() && firstClass == kClassVerb && CutPersonPrefix(g[0].text, person)) continue;
        // A verb's form columns ("| erinnernd | sich erinnert; erinnert | erinnerte") give
        // its phrases, but a lone form as a word of its own would hide the verb from the analysis.
        const bool formColumn = verbLine && sub > 0 && sub <= 4;
        if (!toEnglish && sub == 0 && firstClass == kClassAdjective) AddPairs(WithoutDeclinedForms(g), e, lineMask, 0, formColumn);
        else AddPairs(g, e, lineMask, static_cast<int>(sub), formColumn);
    }
}

// "auf etw. verzichten :: to do without sth.", "jdm. etw. empfehlen :: to recommend sth.
// to sb.": a verb the dictionary gives only with its preposition and objects. Kept aside;
// a verb no line of its own gives takes these senses.
void CatalogueBuilder::NotePrepositionVerb(const std::string& source, const std::string& target,
                                           std::uint32_t subjects, std::uint8_t registers) {
    const std::vector<std::string_view> words = SplitWords(source);
    if (direction_ == Direction::GermanToEnglish) {
        if (words.size() != 3 || !IsPlaceholder(words[1]) || IsPlaceholder(words[2]) ||
            PrepositionBeforeAPlaceholder(words, 0).empty())
            return;
        prepositionVerbs_.push_back({std::string(words[2]), Lower1252(words[0]), target, subjects, registers});
        return;
    }
    // "recommend sb./sth. to sb.": the verb, then what follows it, which the tables check
    if (words.size() < 2 || IsPlaceholder(words[0])) return;
    prepositionVerbs_.push_back({std::string(words[0]), source.substr(source.find(' ') + 1), target, subjects, registers});
}

// Into German the words after the verb must be objects and prepositions alone ("recommend
// sb. to sb.", not "take sb. to task").
bool CatalogueBuilder::OnlyObjectsAfterTheVerb(const PrepositionVerb& v) const {
    if (direction_ == Direction::GermanToEnglish) return true;
    for (std::string_view w : SplitWords(v.preposition))
        if (!IsPlaceholder(w) && !tables_.InList("english-preposition", Lower1252(std::string(w)))) return false;
    return true;
}

// "von etw. abhängen :: to depend on sth.": into German the English verb is the German
// one, and its preposition the German one in the case the placeholder shows (table
// verb-preposition, learned beside the written one, which wins).
void CatalogueBuilder::NoteVerbWithAPreposition(const std::string& german, const std::string& english,
                                                std::uint32_t subjects, std::uint8_t registers) {
    const std::vector<std::string_view> g = SplitWords(german);
    const std::vector<std::string_view> e = SplitWords(english);
    if (g.size() != 3 || IsPlaceholder(g[0]) || !IsPlaceholder(g[1]) || IsPlaceholder(g[2]) || e.size() != 2) return;
    const std::string placeholder(g[1]);
    const char* shownCase = StartsWith(placeholder, "jdm") ? "dative" : StartsWith(placeholder, "jdn") ? "accusative" : "";
    learnedVerbPrepositions_.push_back({std::string(g[2]), Lower1252(std::string(g[0])), std::string(e[0]), std::string(e[1]), shownCase});
    prepositionVerbs_.push_back({std::string(e[0]), std::string(e[1]), std::string(g[2]), subjects, registers});
}

std::string CatalogueBuilder::LearnedVerbPrepositionTable() const {
    std::map<std::string, std::map<std::string, int>> votes;  // "abhängen on" -> "von dative"
    // a German verb that other English verbs become as well keeps its own ways with them
    std::set<std::string> sharedVerbs;
    for (const auto& [key, word] : words_)
        if (key.second == kClassVerb && verbsOfTheirOwn_.count(key.first))
            for (const SenseDraft& d : word.senses) sharedVerbs.insert(d.text);
    for (const LearnedVerbPreposition& v : learnedVerbPrepositions_) {
        if (sharedVerbs.count(v.verb)) continue;
        // "come to sth.": kommen auf; a verb with lines of its own goes with its preposition
        // as the written table says, or as it is
        if (!tables_.InList("english-preposition", v.english) || verbsOfTheirOwn_.count(v.englishVerb)) continue;
        std::string c = v.shownCase;
        if (c.empty()) c = tables_.Value("preposition-object-case", v.german);
        if (c.empty()) continue;
        ++votes[v.verb + " " + v.english][v.german + " " + c];
    }
    std::string text = "list\tword\tvalue\n";
    for (const auto& [key, choices] : votes) {
        const std::pair<const std::string, int>* best = nullptr;
        for (const auto& choice : choices)
            if (!best || choice.second > best->second) best = &choice;
        text += "verb-preposition\t" + key + "\t" + best->first + "\n";
    }
    return text;
}

// The verbs kept aside that no line gives on their own. Into English the verb's English
// loses the preposition the governed-preposition table gives it ("do without" -> "do",
// and "auf" says "without").
void CatalogueBuilder::AddPrepositionVerbs() {
    std::set<std::string>& known = verbsOfTheirOwn_;
    for (const auto& [key, word] : words_)
        if (key.second == kClassVerb) known.insert(key.first);
    int order = 0;
    for (const PrepositionVerb& v : prepositionVerbs_) {
        if (known.count(v.verb) || !OnlyObjectsAfterTheVerb(v)) continue;
        std::string target = v.target;
        const std::size_t blank = target.rfind(' ');
        int penalty = 0;
        // "do without" beside a table that gives "auf" as "from" would say both
        if (direction_ == Direction::GermanToEnglish && blank != std::string::npos &&
            tables_.InList("english-preposition", target.substr(blank + 1))) {
            // "equip with" with "mit" that says "with" unless a verb governs it otherwise
            std::string governed = BestGovernedPreposition(Lower1252(v.verb) + " " + v.preposition);
            if (governed.empty()) {
                const std::string senses = tables_.Value("preposition-senses", v.preposition);
                governed = senses.substr(0, senses.find('|'));
            }
            if (governed == target.substr(blank + 1))
                target.resize(blank);
            else
                penalty = 30;
        }
        AddWordSense(v.verb, kClassVerb, 0, target, 0, v.subjects, v.registers, 20 + 2 * order++ + penalty, 0);
    }
}

std::string CatalogueBuilder::Finish(CatalogueStats* stats) {
    std::vector<std::pair<std::string_view, std::string_view>> views(tableTexts_.begin(), tableTexts_.end());
    tables_.Load(views, nullptr);  // lctc checked each table before
    AddPrepositionVerbs();
    AddStrongVerbForms();
    AddSeparableParticles();
    GiveTheStemVerbItsForms();
    TakeTheEnglishFormsMostLinesGive();
    DropParticleVerbSenses();
    CountEvidence();
    const bool toEnglish = direction_ == Direction::GermanToEnglish;
    const std::map<Key, Inflection>& sourceInfo = toEnglish ? german_ : english_;
    const std::map<Key, Inflection>& targetInfo = toEnglish ? english_ : german_;

    NgramTables model;
    std::vector<std::string> names;
    if (!corpus_.empty()) {
        // each side cut as the engine cuts that language
        const std::string sourceBytes = AbbreviationCatalogue(direction_, abbreviations_);
        const std::string targetBytes = AbbreviationCatalogue(
            toEnglish ? Direction::EnglishToGerman : Direction::GermanToEnglish, targetAbbreviations_);
        Catalogue sourceSide, targetSide;
        sourceSide.Open(sourceBytes.data(), sourceBytes.size(), nullptr);
        targetSide.Open(targetBytes.data(), targetBytes.size(), nullptr);
        const CorpusTokens corpus = TokeniseCorpus(corpus_, sourceSide, targetSide);
        AddCorpusPhrases(corpus);

        std::set<std::string> sourceForms;
        for (const auto& [key, word] : words_) sourceForms.insert(key.first);
        for (const auto& [key, info] : sourceInfo)
            for (const std::string& form : info.forms)
                if (!form.empty()) sourceForms.insert(form);
        names = FindNames(corpus, [&](const std::string& word) {
            return sourceForms.count(word) > 0 || sourceForms.count(Lower1252(word)) > 0;
        });

        NgramModelBuilder modelBuilder;
        std::vector<std::string> words;
        for (const std::vector<std::uint32_t>& sentence : corpus.target) {
            words.clear();
            for (std::uint32_t id : sentence) words.push_back(corpus.texts[corpus.lower[id]]);
            modelBuilder.AddSentence(words);
        }
        model = modelBuilder.Build();
    }

    StringPool pool;
    std::vector<WordRecord> words;
    std::vector<SenseRecord> senses;
    std::map<std::string, std::vector<FormLink>> forms;
    std::set<std::string> usedTargets;  // target words some sense uses

    // "Stelle" is a job before a place in the sentences people write; where the corpus and
    // the dictionary's order disagree with that, a table names the everyday sense
    // (preferred-english for German words, preferred-german for English ones).
    const char* const preferredTable = direction_ == Direction::GermanToEnglish ? "preferred-english" : "preferred-german";
    auto emitSenses = [&](std::vector<SenseDraft> drafts, const std::string& lemma, std::uint32_t& first,
                          std::uint32_t& count) {
        for (SenseDraft& d : drafts) d.score = RankScore(d);
        std::stable_sort(drafts.begin(), drafts.end(),
                         [](const SenseDraft& a, const SenseDraft& b) { return a.score < b.score; });
        const std::string& preferred = tables_.Value(preferredTable, Lower1252(lemma));
        if (!preferred.empty())
            std::stable_partition(drafts.begin(), drafts.end(), [&](const SenseDraft& d) { return d.text == preferred; });
        if (!drafts.empty()) WithoutThePrepositionsObject(drafts.front());
        first = static_cast<std::uint32_t>(senses.size());
        std::set<std::string> seen;
        for (const SenseDraft& d : drafts) {
            if (d.text.size() > kMaxSenseText || !seen.insert(d.text).second) continue;
            if (seen.size() > kMaxSenses) break;
            SenseRecord r{};
            r.text = pool.Add(d.text);
            r.subjects = d.subjects;
            r.rank = static_cast<std::uint8_t>(seen.size() - 1);
            r.wordClass = d.wordClass;
            r.registers = d.registers;
            r.gender = d.gender;
            senses.push_back(r);
        }
        count = static_cast<std::uint32_t>(senses.size()) - first;
        for (const std::string& text : seen) {
            usedTargets.insert(text);
            usedTargets.insert(FirstWord(text));
            usedTargets.insert(text.substr(text.rfind(' ') + 1));
        }
    };

    // "Generale; Generäle": a second plural only where it is no form of another word ("Leute")
    std::vector<std::pair<std::string, std::uint32_t>> otherPlurals;
    for (auto& [key, word] : words_) {
        WordRecord r{};
        r.lemma = pool.Add(word.lemma);
        r.wordClass = word.wordClass;
        r.gender = word.gender;
        r.flags = static_cast<std::uint8_t>(word.flags);
        auto info = sourceInfo.find(key);
        if (info != sourceInfo.end()) {
            r.flags |= static_cast<std::uint8_t>(info->second.flags);
            if (!info->second.particle.empty()) r.particle = pool.Add(info->second.particle);
        }
        std::uint32_t count = 0;
        emitSenses(word.senses, word.lemma, r.firstSense, count);
        r.senseCount = static_cast<std::uint8_t>(count);
        std::uint32_t index = static_cast<std::uint32_t>(words.size());
        words.push_back(r);
        forms[word.lemma].push_back(MakeFormLink(index, kFormBase));
        if (info != sourceInfo.end())
            for (int tag = 1; tag < kFormTagCount; ++tag) {
                const std::string& form = info->second.forms[tag];
                if (!form.empty() && form != word.lemma)
                    forms[form].push_back(MakeFormLink(index, static_cast<std::uint32_t>(tag)));
            }
        if (info != sourceInfo.end())
            for (const std::string& plural : info->second.otherPlurals) otherPlurals.emplace_back(plural, index);
    }

    // ... nor one the reader finds by its ending anyway ("Gruppen": Gruppe)
    auto derivable = [&](const std::string& plural) {
        for (const char* ending : {"en", "n", "e", "s", "er"}) {
            const std::size_t n = std::strlen(ending);
            if (plural.size() > n + 2 && EndsWith(plural, ending) && forms.count(plural.substr(0, plural.size() - n)))
                return true;
        }
        return false;
    };
    for (const auto& [plural, index] : otherPlurals)
        if (!forms.count(plural) && !derivable(plural)) forms[plural].push_back(MakeFormLink(index, kFormPlural));

    std::vector<FormLink> links;
    std::vector<HashRow> formRows;
    for (auto& [form, list] : forms) {
        formRows.push_back(HashRow{pool.Add(form), HashText(form),
                                   static_cast<std::uint32_t>(links.size()),
                                   static_cast<std::uint32_t>(list.size())});
        links.insert(links.end(), list.begin(), list.end());
    }

    // Phrases grouped by first token, the longest first.
    std::map<std::string, std::vector<const SourceWord*>> byFirst;
    for (auto& [text, phrase] : phrases_) byFirst[FirstWord(text)].push_back(&phrase);
    std::vector<PhraseRecord> phrases;
    std::vector<HashRow> phraseRows;
    for (auto& [first, list] : byFirst) {
        std::stable_sort(list.begin(), list.end(), [](const SourceWord* a, const SourceWord* b) {
            return CountWords(a->lemma) > CountWords(b->lemma);
        });
        phraseRows.push_back(HashRow{pool.Add(first), HashText(first),
                                     static_cast<std::uint32_t>(phrases.size()),
                                     static_cast<std::uint32_t>(list.size())});
        for (const SourceWord* p : list) {
            PhraseRecord r{};
            r.text = pool.Add(p->lemma);
            r.tokenCount = static_cast<std::uint8_t>(CountWords(p->lemma));
            r.wordClass = p->wordClass;
            std::uint32_t count = 0;
            emitSenses(p->senses, p->lemma, r.firstSense, count);
            r.senseCount = static_cast<std::uint8_t>(count);
            phrases.push_back(r);
        }
    }

    std::map<std::string, std::vector<TargetRecord>> targetsByLemma;
    for (auto& [key, info] : targetInfo) {
        if (!usedTargets.count(key.first)) continue;
        TargetRecord r{};
        r.lemma = pool.Add(key.first);
        r.wordClass = key.second;
        r.gender = info.gender;
        r.flags = static_cast<std::uint8_t>(info.flags);
        static const int kMap[kTargetFormCount] = {kFormPlural, kFormPast, kFormPastPart,
                                                   kFormThird, kFormPresPart, -1};
        bool any = !info.particle.empty();
        for (int f = 0; f < kTargetFormCount; ++f)
            if (kMap[f] >= 0 && !info.forms[kMap[f]].empty()) {
                r.forms[f] = pool.Add(info.forms[kMap[f]]);
                any = true;
            }
        if (!info.particle.empty()) r.forms[kTargetParticle] = pool.Add(info.particle);
        if (any || r.gender) targetsByLemma[key.first].push_back(r);
    }
    // German nouns' genders for the target side come from the words themselves.
    std::vector<TargetRecord> targets;
    std::vector<HashRow> targetRows;
    for (auto& [lemma, list] : targetsByLemma) {
        targetRows.push_back(HashRow{pool.Add(lemma), HashText(lemma),
                                     static_cast<std::uint32_t>(targets.size()),
                                     static_cast<std::uint32_t>(list.size())});
        targets.insert(targets.end(), list.begin(), list.end());
    }

    std::vector<HashRow> abbreviationRows;
    for (auto& [abbreviation, unused] : abbreviations_)
        abbreviationRows.push_back(HashRow{pool.Add(abbreviation), HashText(abbreviation), 0, 0});
    std::vector<HashRow> exampleRows;
    for (auto& [source, candidates] : examples_) {
        const std::string* best = &candidates[0];
        std::size_t bestCount = WordsTranslatedIn(source, *best);
        for (const std::string& other : candidates) {
            const std::size_t count = WordsTranslatedIn(source, other);
            if (count > bestCount) best = &other, bestCount = count;
        }
        exampleRows.push_back(HashRow{pool.Add(source), HashText(source), pool.Add(*best), 0});
    }

    std::vector<HashRow> nameRows;
    for (const std::string& name : names) nameRows.push_back(HashRow{pool.Add(name), HashText(name), 0, 0});
    std::vector<HashRow> modelWordRows;
    for (std::uint32_t id = 1; id < model.words.size(); ++id)
        modelWordRows.push_back(HashRow{pool.Add(model.words[id]), HashText(model.words[id]), id,
                                        HashText(model.words[id])});

    std::vector<HashSlot> formSlots = BuildHashTable(formRows);
    std::vector<HashSlot> phraseSlots = BuildHashTable(phraseRows);
    std::vector<HashSlot> targetSlots = BuildHashTable(targetRows);
    std::vector<HashSlot> abbreviationSlots = BuildHashTable(abbreviationRows);
    std::vector<HashSlot> exampleSlots = BuildHashTable(exampleRows);
    std::vector<HashSlot> nameSlots = BuildHashTable(nameRows);
    std::vector<HashSlot> modelWordSlots = BuildHashTable(modelWordRows);
    if (modelWordRows.empty()) modelWordSlots.clear();

    CatalogueHeader header{};
    std::memcpy(header.magic, kCatalogueMagic, sizeof header.magic);
    header.version = kCatalogueVersion;
    header.direction = static_cast<std::uint32_t>(direction_);
    header.sectionCount = kSectionCount;
    header.subjectCount = static_cast<std::uint32_t>(SubjectCodes(direction_).size());
    std::string file(sizeof header, '\0');
    const std::vector<char>& strings = pool.Bytes();
    AppendSection(file, header, kSectionStrings, strings.data(), strings.size());
    AppendSection(file, header, kSectionWords, words.data(), words.size());
    AppendSection(file, header, kSectionSenses, senses.data(), senses.size());
    AppendSection(file, header, kSectionFormSlots, formSlots.data(), formSlots.size());
    AppendSection(file, header, kSectionFormLinks, links.data(), links.size());
    AppendSection(file, header, kSectionPhrases, phrases.data(), phrases.size());
    AppendSection(file, header, kSectionPhraseSlots, phraseSlots.data(), phraseSlots.size());
    AppendSection(file, header, kSectionTargets, targets.data(), targets.size());
    AppendSection(file, header, kSectionTargetSlots, targetSlots.data(), targetSlots.size());
    AppendSection(file, header, kSectionAbbreviations, abbreviationSlots.data(), abbreviationSlots.size());
    AppendSection(file, header, kSectionExamples, exampleSlots.data(), exampleSlots.size());
    AppendSection(file, header, kSectionNames, nameSlots.data(), nameSlots.size());
    AppendSection(file, header, kSectionModel, &model.header, model.words.empty() ? 0 : 1);
    AppendSection(file, header, kSectionModelWords, modelWordSlots.data(), modelWordSlots.size());
    AppendSection(file, header, kSectionUnigrams, model.unigrams.data(), model.unigrams.size());
    AppendSection(file, header, kSectionBigrams, model.bigrams.data(), model.bigrams.size());
    AppendSection(file, header, kSectionTrigrams, model.trigrams.data(), model.trigrams.size());
    AppendSection(file, header, kSectionTagger, tagger_.data(), tagger_.size());
    std::string tables;
    if (toEnglish) tableTexts_.emplace_back("governed-prepositions", GovernedPrepositionTable());
    tableTexts_.emplace_back("verbs-with-objects", VerbWithObjectTable());
    tableTexts_.emplace_back("place-names", PlaceNameTable());
    if (!toEnglish) tableTexts_.emplace_back("learned-verb-prepositions", LearnedVerbPrepositionTable());
    for (const auto& [name, text] : tableTexts_) {
        tables.append(name).push_back('\0');
        tables.append(text).push_back('\0');
    }
    AppendSection(file, header, kSectionTables, tables.data(), tables.size());
    SealCatalogue(header, file);

    if (stats) {
        stats->lines = lineCount_;
        stats->words = words.size();
        stats->senses = senses.size();
        stats->forms = formRows.size();
        stats->phrases = phrases.size();
        stats->targets = targets.size();
        stats->abbreviations = abbreviationRows.size();
        stats->examples = exampleRows.size();
        stats->corpusPairs = corpus_.size();
        stats->corpusPhrases = corpusPhrases_;
        stats->names = names.size();
        stats->modelWords = model.words.size();
        stats->bigrams = model.header.bigramCount;
        stats->trigrams = model.header.trigramCount;
    }
    return file;
}

}  // namespace velloc
