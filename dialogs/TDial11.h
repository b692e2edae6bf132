#pragma once

#include <QDialog>

#include "Classe.h"

namespace quillora {

// The students from the eldest to the youngest, with the class's average age.
class TDial11 : public QDialog {
    Q_OBJECT
public:
    explicit TDial11(const TClasse& classe, QWidget* parent = nullptr);
};

} // namespace quillora
