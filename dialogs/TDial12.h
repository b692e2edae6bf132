#pragma once

#include <QDialog>

#include "Classe.h"

namespace quillora {

// The students whose birthday falls in the current month.
class TDial12 : public QDialog {
    Q_OBJECT
public:
    explicit TDial12(const TClasse& classe, QWidget* parent = nullptr);
};

} // namespace quillora
