#pragma once
// An engine stand-in for the translation core's fuzzers: it answers the
// abbreviation question in a way the input chooses, and translates a sentence
// into itself.
#include <string>
#include <vector>

// How the abbreviation question is answered: 0 not bound, 1 never an
// abbreviation, 2 always, 3 by the word, 4-6 each of the engine's failures, 7 mixed.
void BindEchoEngine(int abbreviationMode);

// The sentences the engine was handed, in order.
const std::vector<std::string>& EchoedSentences();
