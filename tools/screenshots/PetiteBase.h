#pragma once
// A tiny base of three grades for pictures taken before the real catalogue is built.
// Values from EN 10088-2:2014 (1.4301, 1.4401) and EN 10083-2:2006 (1.0503).

#include <string>

// Writes "Talix" and "Talixind" into `repertoire`; false when a file cannot be written.
bool EcrirePetiteBase(const std::string& repertoire);
