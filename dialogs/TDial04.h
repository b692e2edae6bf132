#pragma once

#include <QComboBox>
#include <QDialog>

#include "Classe.h"

namespace quillora {

// Removes one student, with his grades, after a confirmation.
class TDial04 : public QDialog {
    Q_OBJECT
public:
    explicit TDial04(TClasse& classe, QWidget* parent = nullptr);
    void accept() override;

private:
    TClasse& classe_;
    QComboBox* liste_;
};

} // namespace quillora
