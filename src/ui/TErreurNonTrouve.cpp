#include "ui/TErreurNonTrouve.h"

namespace talix {

TErreurNonTrouve::TErreurNonTrouve(QWidget* parent)
    : FenetreNotice(QStringLiteral("TErreurNonTrouve"),
                    QStringLiteral("TALIX 32-64 : Value not found."),
                    {QStringLiteral("Value not found."),
                     QStringLiteral("Replacement by following designation"),
                     QStringLiteral("in the alphanumeric order.")},
                    parent) {
    // Only the system menu in the title bar: no help, minimise or maximise button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    Colorer(QColor(255, 0, 0), Qt::white);
}

} // namespace talix
