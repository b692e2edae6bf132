#pragma once

#include <QDialog>
#include <QImage>
#include <vector>

#include "MiseEnPageReleve.h"

class QCheckBox;
class QLabel;
class QScrollArea;
class QToolButton;

namespace quillora {

class TNewGraphe;

// The grade reports on screen, page by page, as they will come out of the program's printer:
// the very routine that prints paints each page, on paper set up as that printer is. From
// here they are printed, or saved as one PDF file for the class.
class ApercuReleves : public QDialog {
    Q_OBJECT

public:
    // `fichierClasse` names the class's file: the PDF is offered beside it, and may never
    // replace it.
    ApercuReleves(std::vector<Releve> releves, const QString& fichierClasse,
                  QWidget* parent = nullptr);
    ~ApercuReleves() override;

    int NbPages() const { return static_cast<int>(pages_.size()); }
    int PageCourante() const { return page_; }
    const std::vector<PageReleve>& Pages() const { return pages_; }
    void AllerPage(int page);
    void ZoomPlus();
    void ZoomMoins();
    double Zoom() const { return zoom_; }
    bool NoirBlanc() const;

    // "Imprimer...": the print dialog, then the program's printer. False when nothing was
    // printed.
    bool Imprimer();
    // "Enregistrer en PDF...": one file for every report, written whole or not at all.
    bool EnregistrerPdf();

    // The page shown, as painted.
    const QImage& ImagePage() const { return image_; }

private:
    void mettreEnPage();
    void peindre();
    QString fichierPdf() const;

    std::vector<Releve> releves_;
    QString fichierClasse_;
    std::vector<PageReleve> pages_;
    int page_ = 0;
    double zoom_ = 1.0;
    QImage image_;
    TNewGraphe* graphe_ = nullptr;
    QScrollArea* defilement_ = nullptr;
    QLabel* feuille_ = nullptr;
    QLabel* position_ = nullptr;
    QCheckBox* noirBlanc_ = nullptr;
    QToolButton* precedente_ = nullptr;
    QToolButton* suivante_ = nullptr;
};

} // namespace quillora
