#pragma once
// What the engine asks of the desktop's document shell: open a report in the text
// editor, or print it. The Qt application implements it with the desktop's default
// application and the print spooler; tests and the headless driver with a recorder.

#include <string>

namespace talix {

class ServiceDocuments {
public:
    virtual ~ServiceDocuments() = default;
    // Opens the file at `chemin` for editing; false when the service failed.
    virtual bool Ouvrir(const std::string& chemin) = 0;
    // Prints the file at `chemin` without a window of ours; false when the service failed.
    virtual bool Imprimer(const std::string& chemin) = 0;
};

} // namespace talix
