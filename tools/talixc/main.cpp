// talixc: compiles the catalogue sources into the base file "Talix" and the index
// "Talixind". The command line is described in Cli.h.

#include <iostream>
#include <string>
#include <vector>

#include "Cli.h"

int main(int argc, char** argv) {
    return talixc::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
