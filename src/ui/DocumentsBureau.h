#pragma once
// The desktop's document service: a report opens in the desktop's default application for
// text files, and prints through the print spooler ("lp"), without a window of ours.

#include "report/ServiceDocuments.h"

namespace talix {

class ServiceDocumentsBureau final : public ServiceDocuments {
public:
    // False when the desktop could not hand the file to an application.
    bool Ouvrir(const std::string& chemin) override;
    // False when "lp" cannot be started, crashes or ends with a non-zero status.
    bool Imprimer(const std::string& chemin) override;
};

} // namespace talix
