#pragma once
// Installs QDGE.exe, QDEG.exe and their files from the build into InstallDir(),
// with the chosen engine (or none).
#include "tests/support/driver.h"

namespace qd {

void InstallPrograms(Engine engine, const Caller& at);
// The same into another folder (with a trailing backslash), made if it is missing.
void InstallProgramsInto(const std::string& folder, Engine engine, const Caller& at);

// A folder of the build, with a trailing backslash: the one the environment
// variable names, else the one named besideTests next to the test's own folder.
std::string BuildFolder(const char* variable, const char* besideTests);

}  // namespace qd
