#pragma once

#include <QDialog>
#include <string>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPrinter;

namespace quillora {

class TFeuille;
class TNewGraphe;
class TTableau;

// Places a copy of one chart or one table on a page (six layouts, portrait or landscape,
// framed or not, black and white or colour), shows it on a miniature page and prints it with
// the copy's own drawing routine at the printer's resolution.
class TDLGPrint : public QDialog {
    Q_OBJECT

public:
    // Exactly one of `tableau` and `graphe` is given. `imprimante` defaults to the program's
    // printer; without a printer installed the print goes to `fichierPdf` through the print
    // dialog. A file printed to is never `classe`, the class file, nor its .bak twin.
    TDLGPrint(QWidget* owner, TTableau* tableau, TNewGraphe* graphe, QPrinter* imprimante = nullptr,
              const QString& fichierPdf = {}, const std::string& classe = {});

    // 1 top left, 2 top, 3 whole page, 4 top centred, 5 middle, 6 centred.
    int Disposition = 2;
    // 0 a chart, 1 a table.
    int Contenu = 0;
    // The printable page and the copy's rectangle on it, in printer pixels.
    int HauteurPage = 0;
    int LargeurPage = 0;
    int ZoneX = 0;
    int ZoneY = 0;
    int ZoneLargeur = 0;
    int ZoneHauteur = 0;

    TFeuille* F = nullptr;
    TNewGraphe* G = nullptr;
    TTableau* T = nullptr;

    // Places the page and the copy again after any change.
    void Disposer();
    // Prints the copy; the dialog stays open. False when nothing was printed.
    bool Imprimer();

private:
    void texteTaille();
    void orienter(bool paysage);
    QWidget* copie() const;

    QPrinter& imprimante_;
    QString fichierPdf_;
    std::string classe_;
    QWidget* panel1_ = nullptr;
    QLabel* label3_ = nullptr;
    QCheckBox* CB_ = nullptr;
    QCheckBox* CB2_ = nullptr;
    QButtonGroup* dispositions_ = nullptr;
    QButtonGroup* orientations_ = nullptr;
};

} // namespace quillora
