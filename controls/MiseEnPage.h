#pragma once

#include <QDialog>

class QComboBox;
class QPrinter;
class QRadioButton;

namespace quillora {

// The page set-up when pages go to a PDF file: the toolkit's own dialog serves only real
// printers. Paper and orientation, the two choices the sheet's layout depends on.
class MiseEnPage : public QDialog {
    Q_OBJECT

public:
    MiseEnPage(QPrinter* imprimante, QWidget* parent = nullptr);

    // Gives the printer the choices made; called on OK.
    void Appliquer();

private:
    QPrinter* imprimante_;
    QComboBox* papier_;
    QRadioButton* portrait_;
    QRadioButton* paysage_;
};

} // namespace quillora
