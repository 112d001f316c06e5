#include "engine/corpus_statistics.h"

#include <algorithm>
#include <map>

#include "engine/text_1252.h"
#include "engine/tokens.h"

namespace velloc {
namespace {

// Up to three token ids (each + 1, so that 0 marks "no word") in one key.
constexpr std::uint32_t kIdBits = 21;
constexpr std::uint64_t kIdMask = (1u << kIdBits) - 1;

std::uint64_t GroupKey(const std::uint32_t* ids, std::size_t n) {
    std::uint64_t key = 0;
    for (std::size_t k = 0; k < n; ++k) key = (key << kIdBits) | ((ids[k] + 1) & kIdMask);
    return key;
}

std::vector<std::uint32_t> GroupIds(std::uint64_t key) {
    std::vector<std::uint32_t> ids;
    for (; key; key >>= kIdBits) ids.push_back(static_cast<std::uint32_t>((key & kIdMask) - 1));
    std::reverse(ids.begin(), ids.end());
    return ids;
}

std::string GroupText(const CorpusTokens& corpus, std::uint64_t key) {
    std::string text;
    for (std::uint32_t id : GroupIds(key)) text += (text.empty() ? "" : " ") + corpus.texts[id];
    return text;
}

// Whether token i continues a sentence rather than opening it (or a quotation).
bool InsideSentence(const CorpusTokens& corpus, const std::vector<std::uint32_t>& s, std::size_t i) {
    if (i == 0) return false;
    const std::string& before = corpus.texts[s[i - 1]];
    return corpus.word[s[i - 1]] || before == "," || IsDigit1252(static_cast<unsigned char>(before[0]));
}

bool StartsUpper(const std::string& text) {
    return text.size() >= 2 && IsUpper1252(static_cast<unsigned char>(text[0]));
}

// The lower-case word groups of n = from..to words in one sentence, each once.
void Groups(const CorpusTokens& corpus, const std::vector<std::uint32_t>& s, std::size_t from, std::size_t to,
            std::vector<std::uint64_t>& out) {
    out.clear();
    std::vector<std::uint32_t> lower(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) lower[i] = corpus.lower[s[i]];
    for (std::size_t i = 0; i < s.size(); ++i)
        for (std::size_t n = from; n <= to && i + n <= s.size(); ++n) {
            if (!corpus.word[s[i + n - 1]]) break;
            bool words = true;
            for (std::size_t k = 0; k < n && words; ++k) words = corpus.word[s[i + k]];
            if (words) out.push_back(GroupKey(&lower[i], n));
        }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}

using Counts = std::vector<std::pair<std::uint64_t, std::uint32_t>>;  // sorted by key

Counts CountRuns(std::vector<std::uint64_t>& keys) {
    std::sort(keys.begin(), keys.end());
    Counts counts;
    for (std::size_t i = 0; i < keys.size();) {
        std::size_t j = i;
        while (j < keys.size() && keys[j] == keys[i]) ++j;
        counts.emplace_back(keys[i], static_cast<std::uint32_t>(j - i));
        i = j;
    }
    return counts;
}

std::uint32_t CountOf(const Counts& counts, std::uint64_t key) {
    auto found = std::lower_bound(counts.begin(), counts.end(), std::make_pair(key, 0u));
    return found != counts.end() && found->first == key ? found->second : 0;
}

}  // namespace

std::uint32_t CorpusTokens::Intern(const std::string& text) {
    auto found = ids_.find(text);
    if (found != ids_.end()) return found->second;
    const std::uint32_t id = static_cast<std::uint32_t>(texts.size());
    texts.push_back(text);
    ids_.emplace(text, id);
    word.push_back(!text.empty() && IsLetter1252(static_cast<unsigned char>(text[0])));
    lower.push_back(id);
    const std::string folded = Lower1252(text);
    if (folded != text) {
        const std::uint32_t foldedId = Intern(folded);
        lower[id] = foldedId;
    }
    return id;
}

CorpusTokens TokeniseCorpus(const std::vector<std::pair<std::string, std::string>>& pairs,
                            const Catalogue& sourceSide, const Catalogue& targetSide) {
    CorpusTokens corpus;
    corpus.source.reserve(pairs.size());
    corpus.target.reserve(pairs.size());
    auto cut = [&](const std::string& sentence, const Catalogue& side) {
        std::vector<std::uint32_t> ids;
        for (const Token& t : Tokenise(sentence, side)) ids.push_back(corpus.Intern(t.text));
        return ids;
    };
    for (const auto& [source, target] : pairs) {
        corpus.source.push_back(cut(source, sourceSide));
        corpus.target.push_back(cut(target, targetSide));
    }
    return corpus;
}

std::vector<std::string> FindNames(const CorpusTokens& corpus,
                                   const std::function<bool(const std::string&)>& dictionaryWord) {
    struct Seen {
        std::uint32_t inside = 0, kept = 0;
        bool besideName = false;
    };
    std::map<std::uint32_t, Seen> seen;
    std::vector<std::uint32_t> target;
    auto keptIn = [&](std::uint32_t id) { return std::binary_search(target.begin(), target.end(), id); };
    for (std::size_t k = 0; k < corpus.source.size(); ++k) {
        target = corpus.target[k];
        std::sort(target.begin(), target.end());
        const std::vector<std::uint32_t>& s = corpus.source[k];
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (!corpus.word[s[i]] || !StartsUpper(corpus.texts[s[i]]) || !InsideSentence(corpus, s, i)) continue;
            Seen& entry = seen[s[i]];
            ++entry.inside;
            if (keptIn(s[i])) ++entry.kept;
        }
    }
    std::vector<bool> name(corpus.texts.size(), false);
    std::vector<bool> known(corpus.texts.size(), false);
    for (auto& [id, entry] : seen) {
        known[id] = dictionaryWord(corpus.texts[id]);
        name[id] = known[id] ? entry.kept >= 2 && 4 * entry.kept >= 3 * entry.inside
                             : entry.kept >= 1 && 2 * entry.kept >= entry.inside;
    }
    // a word the translation always keeps, beside a name it also keeps ("Oliver Schmidt")
    for (std::size_t k = 0; k < corpus.source.size(); ++k) {
        target = corpus.target[k];
        std::sort(target.begin(), target.end());
        const std::vector<std::uint32_t>& s = corpus.source[k];
        for (std::size_t i = 0; i + 1 < s.size(); ++i)
            for (std::size_t j : {i, i + 1}) {
                std::size_t other = j == i ? i + 1 : i;
                if (name[s[other]] && !known[s[other]] && keptIn(s[other]) && keptIn(s[j])) {
                    auto entry = seen.find(s[j]);
                    if (entry != seen.end()) entry->second.besideName = true;
                }
            }
    }
    std::vector<std::string> names;
    for (const auto& [id, entry] : seen)
        if (name[id] || (entry.besideName && entry.kept == entry.inside)) names.push_back(corpus.texts[id]);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<AlignedPhrase> AlignPhrases(const CorpusTokens& corpus, const AlignmentLimits& limits,
                                        const PhraseJudge& acceptable) {
    const std::size_t pairs = corpus.source.size();
    std::vector<std::uint64_t> groups, keys;
    // how many sentences hold each group, on either side
    for (const auto& s : corpus.source) {
        Groups(corpus, s, 2, 3, groups);
        keys.insert(keys.end(), groups.begin(), groups.end());
    }
    const Counts sourceCounts = CountRuns(keys);
    keys.clear();
    for (const auto& t : corpus.target) {
        Groups(corpus, t, 1, 3, groups);
        keys.insert(keys.end(), groups.begin(), groups.end());
    }
    const Counts targetCounts = CountRuns(keys);
    keys.clear();
    keys.shrink_to_fit();

    // each frequent source group with the sentences that hold it; each sentence with
    // its frequent target groups
    std::vector<std::pair<std::uint64_t, std::uint32_t>> postings;
    std::vector<std::size_t> targetBegin(pairs + 1, 0);
    std::vector<std::uint64_t> targetGroups;
    for (std::size_t k = 0; k < pairs; ++k) {
        Groups(corpus, corpus.source[k], 2, 3, groups);
        for (std::uint64_t g : groups)
            if (CountOf(sourceCounts, g) >= limits.minTogether) postings.emplace_back(g, static_cast<std::uint32_t>(k));
        Groups(corpus, corpus.target[k], 1, 3, groups);
        for (std::uint64_t g : groups)
            if (CountOf(targetCounts, g) >= limits.minTogether) targetGroups.push_back(g);
        targetBegin[k + 1] = targetGroups.size();
    }
    std::sort(postings.begin(), postings.end());

    struct Best {
        std::uint64_t source, target;
        std::uint32_t together, sourceCount, targetCount;
        double dice;
        std::size_t first, last;  // the source group's postings
    };
    auto better = [](const Best& a, const Best& b) {
        if (a.dice != b.dice) return a.dice > b.dice;
        if (a.together != b.together) return a.together > b.together;
        // as often together: the longer group says more ("at home" rather than "home")
        if (GroupIds(a.target).size() != GroupIds(b.target).size())
            return GroupIds(a.target).size() > GroupIds(b.target).size();
        return a.source != b.source ? a.source < b.source : a.target < b.target;
    };
    std::vector<Best> bests, candidates;
    for (std::size_t i = 0; i < postings.size();) {
        std::size_t j = i;
        keys.clear();
        while (j < postings.size() && postings[j].first == postings[i].first) {
            const std::uint32_t k = postings[j++].second;
            keys.insert(keys.end(), targetGroups.begin() + static_cast<long>(targetBegin[k]),
                        targetGroups.begin() + static_cast<long>(targetBegin[k + 1]));
        }
        const std::uint32_t sourceCount = static_cast<std::uint32_t>(j - i);
        candidates.clear();
        for (const auto& [target, together] : CountRuns(keys)) {
            if (together < limits.minTogether) continue;
            const std::uint32_t targetCount = CountOf(targetCounts, target);
            const double dice = 2.0 * together / (sourceCount + targetCount);
            if (dice >= limits.minDice)
                candidates.push_back(Best{postings[i].first, target, together, sourceCount, targetCount, dice, i, j});
        }
        std::sort(candidates.begin(), candidates.end(), better);
        for (const Best& candidate : candidates)
            if (acceptable(GroupText(corpus, candidate.source), GroupText(corpus, candidate.target))) {
                bests.push_back(candidate);
                break;
            }
        i = j;
    }

    std::vector<AlignedPhrase> out;
    for (const Best& b : bests) {
        AlignedPhrase phrase;
        phrase.source = GroupText(corpus, b.source);
        // the target as written inside sentences, the most frequent spelling first
        const std::vector<std::uint32_t> wanted = GroupIds(b.target);
        std::map<std::string, std::uint32_t> spellings;
        for (std::size_t p = b.first; p < b.last; ++p) {
            const std::vector<std::uint32_t>& t = corpus.target[postings[p].second];
            for (std::size_t i = 0; i + wanted.size() <= t.size(); ++i) {
                bool match = true;
                for (std::size_t k = 0; k < wanted.size() && match; ++k) match = corpus.lower[t[i + k]] == wanted[k];
                if (!match) continue;
                std::string text;
                for (std::size_t k = 0; k < wanted.size(); ++k) text += (k ? " " : "") + corpus.texts[t[i + k]];
                spellings[text] += InsideSentence(corpus, t, i) ? 2 : 1;
            }
        }
        std::uint32_t most = 0;
        for (const auto& [text, count] : spellings)
            if (count > most) { most = count; phrase.target = text; }
        phrase.together = b.together;
        phrase.sourceCount = b.sourceCount;
        phrase.targetCount = b.targetCount;
        phrase.dice = b.dice;
        out.push_back(std::move(phrase));
    }
    std::sort(out.begin(), out.end(), [](const AlignedPhrase& a, const AlignedPhrase& b) { return a.source < b.source; });
    return out;
}

std::vector<std::string> CommonWords(const CorpusTokens& corpus, bool sourceSide, std::size_t count) {
    std::vector<std::uint32_t> sentences(corpus.texts.size(), 0);
    std::vector<std::uint32_t> lower;
    for (const auto& s : sourceSide ? corpus.source : corpus.target) {
        lower.clear();
        for (std::uint32_t id : s)
            if (corpus.word[id]) lower.push_back(corpus.lower[id]);
        std::sort(lower.begin(), lower.end());
        lower.erase(std::unique(lower.begin(), lower.end()), lower.end());
        for (std::uint32_t id : lower) ++sentences[id];
    }
    // in a corpus of a few sentences no word is common yet
    const std::size_t least = std::max<std::size_t>(10, corpus.source.size() / 100);
    std::vector<std::uint32_t> ids;
    for (std::uint32_t id = 0; id < sentences.size(); ++id)
        if (sentences[id] >= least) ids.push_back(id);
    std::sort(ids.begin(), ids.end(), [&](std::uint32_t a, std::uint32_t b) {
        return sentences[a] != sentences[b] ? sentences[a] > sentences[b] : corpus.texts[a] < corpus.texts[b];
    });
    if (ids.size() > count) ids.resize(count);
    std::vector<std::string> words;
    for (std::uint32_t id : ids) words.push_back(corpus.texts[id]);
    return words;
}

}  // namespace velloc
