#pragma once
// Folders and files the driver uses inside the test's prefix; not for tests.
#include <string>

namespace qd {

constexpr char kInstallDir[] = "C:\\qd\\";
constexpr char kScratchDir[] = "C:\\qdtest\\";

inline std::string EngineScriptPath() { return std::string(kScratchDir) + "engine-script.txt"; }
inline std::string EngineLogPath() { return std::string(kScratchDir) + "engine.log"; }

std::string WindowsFolderFile(const std::string& name);

}  // namespace qd
