#include "ui/DocumentsBureau.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QUrl>

namespace talix {

bool ServiceDocumentsBureau::Ouvrir(const std::string& chemin) {
    const QString fichier = QFile::decodeName(QByteArray::fromStdString(chemin));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(fichier));
}

bool ServiceDocumentsBureau::Imprimer(const std::string& chemin) {
    const QString fichier = QFile::decodeName(QByteArray::fromStdString(chemin));
    // execute() gives -2 when the program cannot start and -1 when it crashes.
    return QProcess::execute(QStringLiteral("lp"), {QStringLiteral("--"), fichier}) == 0;
}

} // namespace talix
