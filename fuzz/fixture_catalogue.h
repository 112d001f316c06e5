#pragma once
// The engine fuzzers' catalogues: the engine tests' small dictionary compiled at
// start-up, and the real build's catalogues when the folder in QD_FUZZ_CATALOGUES
// holds them.
#include <string>
#include <vector>

#include "engine/catalogue_format.h"

// The lines of tests/engine/fixture-de-en.txt in Windows-1252, as lctc reads them.
const std::vector<std::string>& FixtureLines();

// The fixture compiled for one direction, as lctc compiles it: with the engine's
// tables where the builder takes them, and, with withTagger, the trained tagger
// that QD_FUZZ_TAGGER names.
const std::string& FixtureCatalogue(velloc::Direction direction, bool withTagger = false);

// QDGE.LCT or QDEG.LCT of the real build, or nullptr when there is none.
const std::string* BuildCatalogue(velloc::Direction direction);
