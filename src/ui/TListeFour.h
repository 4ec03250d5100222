#pragma once
// The producers list: one read-only memo filling the window, in bold Courier New 13
// pixels, with a vertical scroll bar and no border. Not modal; its close box hides it.

#include <QPlainTextEdit>
#include <QWidget>

namespace talix {

class TListeFour final : public QWidget {
    Q_OBJECT
public:
    TListeFour();

    QPlainTextEdit* Memo1;
};

} // namespace talix
