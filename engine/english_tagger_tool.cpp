// The English tagger's tool:
//   english_tagger_tool train CORPUS TAGS OUT      the model from the whole Brown corpus
//   english_tagger_tool evaluate CORPUS TAGS [dev] trained on nine texts in ten, scored on
//                                                 the tenth (with "dev": on the ninth instead)
//   english_tagger_tool tag MODEL                  tags lines from standard input
// CORPUS is the unpacked Brown folder (with cats.txt), TAGS engine/data/brown-tags.txt.
// QD_TAGGER_ROW_BITS, QD_TAGGER_ITERATIONS and QD_TAGGER_BEAM override the training options.
#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/english_tagger.h"
#include "engine/english_tagger_training.h"

using namespace velloc;

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

TrainingOptions Options() {
    TrainingOptions options;
    if (const char* bits = std::getenv("QD_TAGGER_ROW_BITS")) options.rowBits = static_cast<std::uint32_t>(std::atoi(bits));
    if (const char* iterations = std::getenv("QD_TAGGER_ITERATIONS")) options.iterations = std::atoi(iterations);
    if (const char* beam = std::getenv("QD_TAGGER_BEAM")) options.beamWidth = std::atoi(beam);
    return options;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) return false;
    }
    std::remove(path.c_str());
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

int Train(const char* corpus, const char* tags, const char* output) {
    auto start = std::chrono::steady_clock::now();
    std::string error;
    std::string blob = TrainTaggerFromBrown(corpus, tags, &error, Options());
    if (blob.empty()) {
        std::fprintf(stderr, "english_tagger_tool: %s\n", error.c_str());
        return 1;
    }
    if (!WriteFile(output, blob)) {
        std::fprintf(stderr, "english_tagger_tool: cannot write %s\n", output);
        return 1;
    }
    std::printf("english_tagger_tool: %s: %zu bytes in %.1f s\n", output, blob.size(), Seconds(start));
    return 0;
}

int Evaluate(const char* corpus, const char* tags, bool development) {
    std::vector<std::vector<TaggedSentence>> texts;
    std::string error;
    auto start = std::chrono::steady_clock::now();
    if (!ReadBrownCorpus(corpus, tags, &texts, &error)) {
        std::fprintf(stderr, "english_tagger_tool: %s\n", error.c_str());
        return 1;
    }
    double reading = Seconds(start);
    // Every tenth text is held out, so that every genre is scored; the ninth of ten is
    // the development set for trying options, and is left out of training then.
    std::vector<TaggedSentence> training, test;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::size_t part = i % 10;
        bool scored = development ? part == 8 : part == 9;
        if (scored) test.insert(test.end(), texts[i].begin(), texts[i].end());
        else if (!(development && part == 9)) training.insert(training.end(), texts[i].begin(), texts[i].end());
    }
    std::set<std::string> known;
    std::size_t trainingTokens = 0;
    for (const TaggedSentence& s : training) {
        trainingTokens += s.size();
        for (const TaggedWord& w : s) known.insert(w.word);
    }
    start = std::chrono::steady_clock::now();
    std::string blob = TrainTagger(training, Options());
    double trainingTime = Seconds(start);
    TaggerModel model;
    if (!model.Open(blob.data(), blob.size(), &error)) {
        std::fprintf(stderr, "english_tagger_tool: %s\n", error.c_str());
        return 1;
    }
    std::vector<std::vector<std::string_view>> words(test.size());
    std::size_t tokens = 0;
    for (std::size_t s = 0; s < test.size(); ++s) {
        for (const TaggedWord& w : test[s]) words[s].push_back(w.word);
        tokens += test[s].size();
    }
    std::vector<EnglishTag> tagged(tokens);
    // Tagged several times over so that the time is long enough to measure.
    const int rounds = 5;
    start = std::chrono::steady_clock::now();
    for (int round = 0; round < rounds; ++round) {
        std::size_t at = 0;
        for (const auto& sentence : words) {
            model.Tag(sentence.data(), sentence.size(), nullptr, tagged.data() + at);
            at += sentence.size();
        }
    }
    double taggingTime = Seconds(start);
    std::size_t right = 0, unknown = 0, unknownRight = 0, sentencesRight = 0, at = 0;
    std::map<std::pair<int, int>, int> confusions;
    for (const TaggedSentence& s : test) {
        bool all = true;
        for (const TaggedWord& w : s) {
            bool ok = tagged[at++] == w.tag;
            right += ok;
            all = all && ok;
            if (!known.count(w.word)) {
                ++unknown;
                unknownRight += ok;
            }
            if (!ok) ++confusions[{w.tag, tagged[at - 1]}];
        }
        sentencesRight += all;
    }
    std::printf("corpus read in %.1f s; trained on %zu sentences, %zu tokens in %.1f s; model %zu bytes\n",
                reading, training.size(), trainingTokens, trainingTime, blob.size());
    std::printf("%s: %zu sentences, %zu tokens\n", development ? "development set" : "held-out test set",
                test.size(), tokens);
    std::printf("token accuracy %.2f%%; unknown words %.2f%% of %zu; whole sentences %.1f%%\n",
                100.0 * right / tokens, unknown ? 100.0 * unknownRight / unknown : 0.0, unknown,
                100.0 * sentencesRight / test.size());
    std::printf("tagging speed %.0f tokens per second\n", rounds * tokens / taggingTime);
    std::vector<std::pair<int, std::pair<int, int>>> worst;
    for (const auto& c : confusions) worst.push_back({c.second, c.first});
    std::sort(worst.rbegin(), worst.rend());
    std::printf("most frequent errors (truth -> tagged):\n");
    for (std::size_t i = 0; i < worst.size() && i < 12; ++i)
        std::printf("  %-5s -> %-5s %d\n", EnglishTagName(static_cast<EnglishTag>(worst[i].second.first)),
                    EnglishTagName(static_cast<EnglishTag>(worst[i].second.second)), worst[i].first);
    return 0;
}

// Words apart at blanks, punctuation apart from words: near enough to the engine's
// tokeniser for trying sentences out.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::string current;
    auto flush = [&] {
        if (!current.empty()) words.push_back(current);
        current.clear();
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(line[i]);
        bool inner = !current.empty() && i + 1 < line.size() && std::isalnum(static_cast<unsigned char>(line[i + 1]));
        if (std::isalnum(c) || c >= 0x80 || ((c == '\'' || c == '-') && inner)) {
            current += static_cast<char>(c);
        } else {
            flush();
            if (!std::isspace(c)) words.push_back(std::string(1, static_cast<char>(c)));
        }
    }
    flush();
    return words;
}

int TagLines(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::string blob = bytes.str(), error;
    TaggerModel model;
    if (!model.Open(blob.data(), blob.size(), &error)) {
        std::fprintf(stderr, "english_tagger_tool: %s: %s\n", path, error.c_str());
        return 1;
    }
    std::string line;
    while (std::getline(std::cin, line)) {
        std::vector<std::string> words = Words(line);
        std::vector<std::string_view> views(words.begin(), words.end());
        std::vector<EnglishTag> tags = model.Tag(views);
        for (std::size_t i = 0; i < words.size(); ++i)
            std::printf("%s%s/%s", i ? " " : "", words[i].c_str(), EnglishTagName(tags[i]));
        std::printf("\n");
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "train") == 0) return Train(argv[2], argv[3], argv[4]);
    if ((argc == 4 || (argc == 5 && std::strcmp(argv[4], "dev") == 0)) && std::strcmp(argv[1], "evaluate") == 0)
        return Evaluate(argv[2], argv[3], argc == 5);
    if (argc == 3 && std::strcmp(argv[1], "tag") == 0) return TagLines(argv[2]);
    std::fprintf(stderr,
                 "usage: english_tagger_tool train CORPUS TAGS OUT\n"
                 "       english_tagger_tool evaluate CORPUS TAGS [dev]\n"
                 "       english_tagger_tool tag MODEL\n");
    return 2;
}
