#include "SourcesTalixc.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "support/Fixtures.h"

namespace talixc::test {

std::string GradeText(const std::map<std::string, std::string>& changes, const std::string& tail) {
    std::vector<std::pair<std::string, std::string>> fields = {
        {"afnor", "\"X5CrNi18-10\""},
        {"werkstoff", "\"1.4301\""},
        {"nature", "\"AUSTENITIC STAINLESS STEEL\""},
        {"density", "\"7.90\""},
    };
    for (const auto& [key, value] : changes) {
        bool replaced = false;
        for (auto& field : fields) {
            if (field.first == key) {
                field.second = value;
                replaced = true;
            }
        }
        if (!replaced) {
            fields.emplace_back(key, value);
        }
    }
    std::string text = "[[grade]]\n";
    for (const auto& [key, value] : fields) {
        if (!value.empty()) {
            text += key + " = " + value + "\n";
        }
    }
    return text + tail;
}

std::string FileText(const std::string& grades, const std::string& family,
                     const std::string& sources) {
    std::string text = "family = " + family + "\n";
    if (!sources.empty()) {
        text += "sources = " + sources + "\n";
    }
    return text + "\n" + grades;
}

std::vector<Grade> Check(const std::vector<Source>& sources, std::vector<Diagnostic>& problems) {
    const Kinds kinds = ParseKinds(KindsText);
    return ParseAndValidate(sources, &kinds, problems);
}

Catalogue CompileValid(const std::vector<Source>& sources) {
    std::vector<Diagnostic> problems;
    const std::vector<Grade> grades = Check(sources, problems);
    for (const Diagnostic& d : problems) {
        ADD_FAILURE() << d.Text();
    }
    return Build(grades);
}

void WriteSources(const std::string& root, const std::vector<Source>& sources) {
    for (const Source& s : sources) {
        const std::filesystem::path path = std::filesystem::path(root) / s.name;
        std::filesystem::create_directories(path.parent_path());
        talix::test::EcrireOctets(path.string(), s.text);
    }
}

} // namespace talixc::test
