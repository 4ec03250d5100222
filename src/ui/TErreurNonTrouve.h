#pragma once
// Notice: the typed value has no exact match; the following designation stands in.

#include "ui/FenetreNotice.h"

namespace talix {

class TErreurNonTrouve final : public FenetreNotice {
    Q_OBJECT
public:
    explicit TErreurNonTrouve(QWidget* parent = nullptr);
};

} // namespace talix
