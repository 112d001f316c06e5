#pragma once
// Corpus BLEU (13a tokenisation, exponential smoothing) and chrF2 (character
// 6-grams, beta 2, blanks removed), computed the way sacreBLEU computes them by
// default. Text is UTF-8; both work on code points.
#include <string>
#include <vector>

namespace velloc {

std::u32string DecodeUtf8(const std::string& text);
std::string EncodeUtf8(const std::u32string& text);

// The 13a tokeniser's output for one line.
std::u32string Tokenize13a(const std::u32string& line);

double CorpusBleu(const std::vector<std::string>& hypotheses, const std::vector<std::string>& references);
double CorpusChrF(const std::vector<std::string>& hypotheses, const std::vector<std::string>& references);

}  // namespace velloc
