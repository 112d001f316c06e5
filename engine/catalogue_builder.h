#pragma once
// Turns dictionary lines into the catalogue of one direction.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/catalogue_format.h"
#include "engine/dictionary_source.h"
#include "engine/engine_tables.h"

namespace velloc {

// The build's subject-area codes in the order of the sense masks, and which
// dictionary labels each one covers.
struct SubjectCode {
    const char* code;
    std::vector<const char*> labels;
};
const std::vector<SubjectCode>& SubjectCodes(Direction direction);
std::uint32_t SubjectMask(Direction direction, const std::vector<std::string>& labels);

struct CatalogueStats {
    std::size_t lines = 0, words = 0, senses = 0, forms = 0, phrases = 0, targets = 0,
                abbreviations = 0, examples = 0;
    // from the parallel corpus
    std::size_t corpusPairs = 0, corpusPhrases = 0, names = 0, modelWords = 0, bigrams = 0, trigrams = 0;
};

struct CorpusTokens;

class CatalogueBuilder {
public:
    explicit CatalogueBuilder(Direction direction);
    // One dictionary line in Windows-1252.
    void AddLine(std::string_view line);
    // One aligned sentence pair of the parallel corpus, in Windows-1252; whichever
    // side is this direction's source.
    void AddCorpusPair(std::string_view german, std::string_view english);
    // The English tagger's model (engine/english_tagger.h), stored as it is.
    void SetTagger(std::string model) { tagger_ = std::move(model); }
    // One of the engine's text tables (engine/data), already checked by the caller.
    void AddTable(std::string name, std::string text) { tableTexts_.emplace_back(std::move(name), std::move(text)); }
    // The finished file.
    std::string Finish(CatalogueStats* stats = nullptr);

    struct SenseDraft {
        std::string text;
        std::uint32_t subjects = 0;
        int score = 0;
        int evidence = 0;  // usage examples whose translation holds this sense
        int corpus = 0;    // the corpus's vote for it: aligned sentences beyond chance
        std::uint8_t wordClass = 0, registers = 0, gender = 0;
    };
    struct SourceWord {
        std::string lemma;
        std::uint8_t wordClass = 0, gender = 0;
        std::uint16_t flags = 0;
        std::string particle;
        std::vector<SenseDraft> senses;
    };
    struct Inflection {  // what a lemma's forms are, either language
        std::uint8_t gender = 0;
        std::uint16_t flags = 0;
        std::string forms[kFormTagCount];
        std::string particle;
        std::vector<std::string> otherPlurals;  // "Generale; Generäle": read, never written
    };

private:
    using Key = std::pair<std::string, std::uint8_t>;  // lemma, word class

    void AddPairs(const DictSubentry& german, const DictSubentry& english, std::uint32_t lineMask,
                  int subIndex, bool phrasesOnly);
    void AddWordSense(const std::string& source, std::uint8_t cls, std::uint8_t sourceGender,
                      const std::string& target, std::uint8_t targetGender, std::uint32_t subjects,
                      std::uint8_t registers, int score, std::uint16_t flags);
    void AddPhrase(const std::string& source, std::uint8_t cls, const std::string& target,
                   std::uint8_t targetGender, std::uint32_t subjects, std::uint8_t registers,
                   int score);
    void AddVerbForms(const DictLine& line);
    void AddNounPlurals(const DictLine& line, std::size_t sub);
    void AddAdjectiveForms(const DictLine& line);
    void AddExample(const DictTerm& german, const DictTerm& english);
    void AddAbbreviations(const DictSubentry& terms, std::map<std::string, int>& into);
    void AddArticleNoun(const std::string& germanText, const std::string& englishText, std::uint8_t gender,
                        std::uint32_t subjects, std::uint8_t registers, int score, std::uint16_t flags);
    void AddEvidence(const DictTerm& german, const DictTerm& english);
    void CountEvidence();
    void CountCorpusEvidence(const std::unordered_map<std::string, std::vector<SourceWord*>>& byForm,
                             const std::unordered_map<std::string, std::string>& targetLemma);
    void AddCorpusPhrases(const CorpusTokens& corpus);
    int RankScore(const SenseDraft& sense) const;
    std::set<std::string> GermanVerbLemmas() const;
    void AddStrongVerbForms();
    void AddSeparableParticles();
    void GiveTheStemVerbItsForms();
    void TakeTheEnglishFormsMostLinesGive();
    void DropParticleVerbSenses();
    void AddGovernedPrepositions(const DictLine& line, std::uint8_t firstClass);
    std::string GovernedPrepositionTable() const;
    void NoteVerbWithItsObject(const std::string& german, const std::string& english);
    std::string VerbWithObjectTable() const;
    std::string BestGovernedPreposition(const std::string& governor) const;  // "" when none
    void AddPlaceName(const DictLine& line);
    void NotePrepositionVerb(const std::string& source, const std::string& target, std::uint32_t subjects,
                             std::uint8_t registers);
    void AddPrepositionVerbs();
    void WithoutThePrepositionsObject(SenseDraft& d) const;
    void NoteVerbWithAPreposition(const std::string& german, const std::string& english, std::uint32_t subjects,
                                  std::uint8_t registers);
    std::string LearnedVerbPrepositionTable() const;
    struct PrepositionVerb;
    bool OnlyObjectsAfterTheVerb(const PrepositionVerb& v) const;
    std::string PlaceNameTable() const;
    Inflection& GermanInfo(const std::string& lemma, std::uint8_t cls);
    Inflection& EnglishInfo(const std::string& lemma, std::uint8_t cls);

    Direction direction_;
    std::size_t lineCount_ = 0;
    std::map<Key, SourceWord> words_;
    std::map<Key, int> appearances_;   // lines seen per source word, for ranking
    std::map<std::string, SourceWord> phrases_;  // by token text; lemma = text
    std::map<Key, Inflection> german_, english_;
    // a sentence the dictionary gives more than once may have an idiom's answer first
    // ("Where do you live?" for "Lebst du hinter dem Mond?"): each candidate is kept
    std::map<std::string, std::vector<std::string>> examples_;
    std::size_t WordsTranslatedIn(const std::string& source, const std::string& target) const;
    std::map<std::string, int> abbreviations_, targetAbbreviations_;
    std::map<std::string, int> targetFrequency_;
    // "auf etw. hoffen :: to hope for sth.": ("hoffen auf", "for") and how often
    std::map<std::string, std::map<std::string, int>> governed_;
    std::map<std::pair<std::string, int>, std::map<std::string, int>> englishFormVotes_;  // verb, tag -> form -> lines
    // "entscheidung treffen" -> "make|decision" -> how often the dictionary says so
    std::map<std::string, std::map<std::string, int>> verbsWithObjects_;
    struct PlaceName {
        std::string target;
        bool town = false;  // the line names a town, which wins over a river of the name
        char article = 0;   // 'f', 'm': the German name takes an article
    };
    std::map<std::string, PlaceName> placeNames_;  // by the source name
    struct PrepositionVerb {
        std::string verb, preposition, target;  // into German: the words after the verb
        std::uint32_t subjects = 0;
        std::uint8_t registers = 0;
    };
    struct LearnedVerbPreposition {
        std::string verb, german, englishVerb, english;  // abhängen, von, depend, on
        const char* shownCase;                           // what "jdm."/"jdn." shows, or ""
    };
    std::vector<LearnedVerbPreposition> learnedVerbPrepositions_;
    std::set<std::string> verbsOfTheirOwn_;  // source verbs a line gives without its objects
    std::vector<PrepositionVerb> prepositionVerbs_;  // "auf etw. verzichten", in the dictionary's order
    // Usage examples and phrases with their translations, normalised: the witnesses
    // of which sense a word has in running text.
    std::string tagger_;
    std::vector<std::pair<std::string, std::string>> tableTexts_;
    EngineTables tables_;  // what tableTexts_ hold, read when the file is finished
    std::vector<std::pair<std::string, std::string>> evidence_;
    std::vector<std::pair<std::string, std::string>> corpus_;  // source, target
    std::size_t corpusPhrases_ = 0;
};

// Helpers shared with the tests.
std::uint8_t WordClassOf(const DictTerm& term, std::uint8_t* gender, std::uint16_t* flags);
std::string StripPlaceholders(const std::string& text, bool* inner);
// "am Ende/Schluss", "a/the": a translation says the first of the alternatives a slash joins
std::string FirstAlternatives(const std::string& text);
std::string NormaliseSentence(std::string_view text);

}  // namespace velloc
