#pragma once
// The command line of talixc:
//
//   talixc [--stats] [--kinds FILE] --out DIR SOURCE_DIR
//   talixc [--stats] --synthetic N M SEED --out DIR
//
// Exit status: 0 written; 1 the sources break a rule (every problem is listed on `err`,
// nothing is written) or a file cannot be read or written; 2 bad usage. Without --kinds
// natures are not checked against the list of kinds of material.

#include <ostream>
#include <string>
#include <vector>

namespace talixc {

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace talixc
