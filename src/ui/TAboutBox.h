#pragma once
// The about window: a modal dialog centred on the screen with a bevelled panel naming the
// product and where it comes from, and an OK button that hides it.

#include <QDialog>
#include <QPushButton>

namespace talix {

class TAboutBox final : public QDialog {
    Q_OBJECT
public:
    TAboutBox();

    QPushButton* OKButton;
};

} // namespace talix
