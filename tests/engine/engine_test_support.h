#pragma once
// Shared by the engine tests: the fixture catalogues compiled at build time from
// fixture-de-en.txt, and translation on them.
#include <string>

#include "engine/catalogue_builder.h"
#include "engine/engine_session.h"

// The folder of the fixture catalogues, with its trailing backslash.
std::string FixtureDirectory();

// The bytes of GTOE.LCT or ETOG.LCT from the fixture folder.
const std::string& FixtureCatalogue(velloc::Direction direction);

// A session open on a fixture catalogue (the bytes stay alive for the process).
velloc::EngineSession OpenFixture(velloc::Direction direction);

// Translates one Windows-1252 sentence; "" when the engine refused.
std::string Translate(velloc::EngineSession& session, const std::string& sentence);

// The whole translation of a Windows-1252 sentence on a fixture catalogue, with
// the transfer rules that ran.
velloc::Translation FixtureTranslation(velloc::Direction direction, const std::string& sentence,
                                       const velloc::EngineOptions& options = velloc::EngineOptions{});

// The engine's tables from engine/data (copied beside the fixture), as lctc adds them.
void AddEngineTables(velloc::CatalogueBuilder& builder);

// The catalogue of a few dictionary lines, compiled in memory, with the tables.
std::string CompileLines(velloc::Direction direction, const char* const* lines, int count);
