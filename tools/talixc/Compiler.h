#pragma once
// The compiler's steps, from a tree of sources to the two data files: find the sources,
// parse them, check them, convert the grades to records, build the index, write both files.

#include <string>
#include <vector>

#include "Grade.h"
#include "IndexWriter.h"
#include "Validator.h"
#include "database/Fiche.h"

namespace talixc {

// One source file: the name messages give it and its text.
struct Source {
    std::string name;
    std::string text;
};

// Every regular file named *.toml below `root`, in byte order of its path relative to
// `root`; each named `root` + "/" + that path. Throws std::runtime_error when the tree
// or a file cannot be read.
std::vector<Source> ReadSourceTree(const std::string& root);

// Reads a whole file; throws std::runtime_error when it cannot.
std::string ReadFile(const std::string& path);

// Parses every source in order and checks the grades, alone and together. The grades of
// every source come back in order; `problems` receives every diagnostic.
std::vector<Grade> ParseAndValidate(const std::vector<Source>& sources, const Kinds* kinds,
                                    std::vector<Diagnostic>& problems);

// What the compiler writes: the records (record N is fiches[N-1]) and the index.
struct Catalogue {
    std::vector<talix::Fiche> fiches;
    IndexLines index;
};

// Converts checked grades and builds their index.
Catalogue Build(const std::vector<Grade>& grades);

// The base file's bytes: one encoded raw record of 725 bytes per record.
std::string BaseBytes(const std::vector<talix::Fiche>& fiches);

// Writes "Talix" and "Talixind" into `directory` (made if missing). Each is written to a
// temporary name first and renamed into place, so that a failed run leaves no half file.
// Throws std::runtime_error on failure.
void WriteCatalogue(const std::string& directory, const Catalogue& catalogue);

} // namespace talixc
