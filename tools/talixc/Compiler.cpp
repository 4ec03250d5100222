#include "Compiler.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "Converter.h"
#include "Parser.h"
#include "database/Base.h"

namespace talixc {

namespace fs = std::filesystem;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error(path + ": cannot open");
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        throw std::runtime_error(path + ": cannot read");
    }
    return text;
}

std::vector<Source> ReadSourceTree(const std::string& root) {
    std::vector<std::string> relative;
    std::error_code error;
    fs::recursive_directory_iterator it(root, error);
    if (error) {
        throw std::runtime_error(root + ": " + error.message());
    }
    for (; it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (error) {
            throw std::runtime_error(root + ": " + error.message());
        }
        if (it->is_regular_file() && it->path().extension() == ".toml") {
            relative.push_back(fs::relative(it->path(), root).generic_string());
        }
    }
    std::sort(relative.begin(), relative.end()); // bytewise: std::string compares chars as unsigned
    std::vector<Source> sources;
    sources.reserve(relative.size());
    const std::string prefix = root.empty() || root.back() == '/' ? root : root + "/";
    for (const std::string& path : relative) {
        sources.push_back({prefix + path, ReadFile(prefix + path)});
    }
    return sources;
}

std::vector<Grade> ParseAndValidate(const std::vector<Source>& sources, const Kinds* kinds,
                                    std::vector<Diagnostic>& problems) {
    std::vector<Grade> grades;
    for (const Source& source : sources) {
        ParseResult parsed = ParseSource(source.text, source.name);
        problems.insert(problems.end(), parsed.diagnostics.begin(), parsed.diagnostics.end());
        for (Grade& g : parsed.grades) {
            grades.push_back(std::move(g));
        }
    }
    Validate(grades, kinds, problems);
    return grades;
}

Catalogue Build(const std::vector<Grade>& grades) {
    Catalogue catalogue;
    catalogue.fiches.reserve(grades.size());
    for (const Grade& g : grades) {
        catalogue.fiches.push_back(ToFiche(g));
    }
    catalogue.index = BuildIndex(catalogue.fiches);
    return catalogue;
}

std::string BaseBytes(const std::vector<talix::Fiche>& fiches) {
    std::string bytes;
    bytes.reserve(fiches.size() * talix::TailleFicheBrute);
    for (const talix::Fiche& f : fiches) {
        bytes += talix::EncoderFiche(f);
    }
    return bytes;
}

namespace {

void WriteWhole(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error(path.string() + ": cannot write");
    }
}

} // namespace

void WriteCatalogue(const std::string& directory, const Catalogue& catalogue) {
    const fs::path dir(directory);
    std::error_code error;
    fs::create_directories(dir, error);
    if (error) {
        throw std::runtime_error(directory + ": " + error.message());
    }
    const fs::path base = dir / talix::NomBase;
    const fs::path index = dir / talix::NomIndex;
    const fs::path baseNew = dir / (std::string(talix::NomBase) + ".new");
    const fs::path indexNew = dir / (std::string(talix::NomIndex) + ".new");
    try {
        WriteWhole(baseNew, BaseBytes(catalogue.fiches));
        WriteWhole(indexNew, IndexText(catalogue.index));
    } catch (...) {
        fs::remove(baseNew, error);
        fs::remove(indexNew, error);
        throw;
    }
    fs::rename(baseNew, base, error);
    if (!error) {
        fs::rename(indexNew, index, error);
    }
    if (error) {
        throw std::runtime_error(directory + ": " + error.message());
    }
}

} // namespace talixc
