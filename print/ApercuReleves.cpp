#include "ApercuReleves.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "Aide.h"
#include "ConversionsQt.h"
#include "DessinReleve.h"
#include "Dialogues.h"
#include "FichierAtomique.h"
#include "ImpressionFichier.h"
#include "ImpressionReleves.h"
#include "NewGraphe.h"
#include "Options.h"
#include "Plateforme.h"

namespace quillora {

namespace {

// The page is drawn at a whole number of dots per inch: the report's painting converts
// millimetres by the device's own resolution, which an image keeps as a whole number.
constexpr int ResolutionInitiale = 96; // the screen's own scale: an A4 page fits its width
constexpr int ResolutionMin = 38;
constexpr int ResolutionMax = 300;
constexpr int Bord = 10;

} // namespace

ApercuReleves::ApercuReleves(std::vector<Releve> releves, const QString& fichierClasse,
                             QWidget* parent)
    : QDialog(parent), releves_(std::move(releves)), fichierClasse_(fichierClasse) {
    setWindowTitle(QStringLiteral("Relevés de notes : aperçu avant impression"));
    zoom_ = ResolutionInitiale;
    graphe_ = new TNewGraphe(this);
    graphe_->hide();

    auto outil = [this](const char* nom, const QString& texte, const QString& aide) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(nom));
        b->setText(texte);
        b->setToolTip(aide);
        b->setAutoRaise(true);
        return b;
    };
    QToolButton* premiere =
        outil("Premiere", QStringLiteral("|<"), QStringLiteral("Première page"));
    precedente_ = outil("Precedente", QStringLiteral("<"), QStringLiteral("Page précédente"));
    suivante_ = outil("Suivante", QStringLiteral(">"), QStringLiteral("Page suivante"));
    QToolButton* derniere =
        outil("Derniere", QStringLiteral(">|"), QStringLiteral("Dernière page"));
    QToolButton* moins = outil("ZoomMoins", QStringLiteral("-"), QStringLiteral("Réduire"));
    QToolButton* plus = outil("ZoomPlus", QStringLiteral("+"), QStringLiteral("Agrandir"));
    position_ = new QLabel(this);
    position_->setObjectName(QStringLiteral("Position"));
    position_->setMinimumWidth(300);
    noirBlanc_ = new QCheckBox(QStringLiteral("Imprimer en Noir && Blanc"), this);
    noirBlanc_->setObjectName(QStringLiteral("NoirBlanc"));
    noirBlanc_->setChecked(Options.noirblanc);

    feuille_ = new QLabel;
    feuille_->setObjectName(QStringLiteral("Feuille"));
    defilement_ = new QScrollArea(this);
    defilement_->setWidget(feuille_);
    defilement_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    defilement_->setBackgroundRole(QPalette::Dark);

    auto bouton = [this](const char* nom, const QString& texte) {
        auto* b = new QPushButton(texte, this);
        b->setObjectName(QLatin1String(nom));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* imprimer = bouton("Imprimer", QStringLiteral("Imprimer..."));
    QPushButton* pdf = bouton("EnregistrerPdf", QStringLiteral("Enregistrer en PDF..."));
    QPushButton* fermer = bouton("Fermer", QStringLiteral("Fermer"));
    QPushButton* aide = bouton("Aide", QStringLiteral("Aide"));

    auto* haut = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(premiere), static_cast<QWidget*>(precedente_),
                       static_cast<QWidget*>(suivante_), static_cast<QWidget*>(derniere)})
        haut->addWidget(w);
    haut->addWidget(position_);
    haut->addStretch();
    haut->addWidget(moins);
    haut->addWidget(plus);
    haut->addSpacing(12);
    haut->addWidget(noirBlanc_);
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    for (QPushButton* b : {imprimer, pdf, fermer, aide}) bas->addWidget(b);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(haut);
    tout->addWidget(defilement_, 1);
    tout->addLayout(bas);

    connect(premiere, &QToolButton::clicked, this, [this] { AllerPage(0); });
    connect(precedente_, &QToolButton::clicked, this, [this] { AllerPage(page_ - 1); });
    connect(suivante_, &QToolButton::clicked, this, [this] { AllerPage(page_ + 1); });
    connect(derniere, &QToolButton::clicked, this, [this] { AllerPage(NbPages() - 1); });
    connect(moins, &QToolButton::clicked, this, &ApercuReleves::ZoomMoins);
    connect(plus, &QToolButton::clicked, this, &ApercuReleves::ZoomPlus);
    connect(noirBlanc_, &QCheckBox::toggled, this, &ApercuReleves::peindre);
    connect(imprimer, &QPushButton::clicked, this, &ApercuReleves::Imprimer);
    connect(pdf, &QPushButton::clicked, this, &ApercuReleves::EnregistrerPdf);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    connect(aide, &QPushButton::clicked, this,
            [] { AfficherAide(QStringLiteral("RelevesDeNotes")); });

    mettreEnPage();
    resize(880, 760);
}

ApercuReleves::~ApercuReleves() = default;

bool ApercuReleves::NoirBlanc() const {
    return noirBlanc_->isChecked();
}

void ApercuReleves::mettreEnPage() {
    pages_ = MettreEnPage(releves_, ZoneTexte(ImprimanteProgramme().pageLayout()).height());
    page_ = std::clamp(page_, 0, std::max(0, NbPages() - 1));
    peindre();
}

void ApercuReleves::AllerPage(int page) {
    if (page < 0 || page >= NbPages() || page == page_) return;
    page_ = page;
    peindre();
}

void ApercuReleves::ZoomPlus() {
    if (zoom_ >= ResolutionMax) return plateforme().bip();
    zoom_ = std::min<double>(ResolutionMax, qRound(zoom_ * 1.25));
    peindre();
}

void ApercuReleves::ZoomMoins() {
    if (zoom_ <= ResolutionMin) return plateforme().bip();
    zoom_ = std::max<double>(ResolutionMin, qRound(zoom_ / 1.25));
    peindre();
}

void ApercuReleves::peindre() {
    precedente_->setEnabled(page_ > 0);
    suivante_->setEnabled(page_ + 1 < NbPages());
    if (pages_.empty()) {
        position_->clear();
        return;
    }
    const PageReleve& page = pages_[page_];
    position_->setText(QStringLiteral("Page %1 sur %2 : %3 (%4 sur %5)")
                           .arg(page_ + 1)
                           .arg(NbPages())
                           .arg(texteQt(releves_[page.releve].nom))
                           .arg(page.page)
                           .arg(page.pages));

    // The paper as the sheet's preview shows it: white with a shadow, its printable area
    // dotted when the settings ask for margins, the surroundings in their colour.
    const QPageLayout mise = ImprimanteProgramme().pageLayout();
    const QRectF papier = mise.fullRect(QPageLayout::Millimeter);
    const QRectF imprimable = mise.paintRect(QPageLayout::Millimeter);
    const double k = zoom_ / 25.4;
    const QRect feuille(Bord, Bord, qRound(papier.width() * k), qRound(papier.height() * k));
    image_ = QImage(feuille.size() + QSize(2 * Bord, 2 * Bord), QImage::Format_RGB32);
    const int dpm = qRound(zoom_ / 0.0254);
    image_.setDotsPerMeterX(dpm);
    image_.setDotsPerMeterY(dpm);
    image_.fill(couleurQt(Options.couleur[11]));
    QPainter p(&image_);
    p.fillRect(QRect(feuille.right() + 1, feuille.top() + 5, 5, feuille.height()), Qt::black);
    p.fillRect(QRect(feuille.left() + 5, feuille.bottom() + 1, feuille.width(), 5), Qt::black);
    p.fillRect(feuille, Qt::white);
    const QRectF zone(feuille.left() + imprimable.left() * k, feuille.top() + imprimable.top() * k,
                      imprimable.width() * k, imprimable.height() * k);
    if (Options.marge) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(zone.adjusted(0, 0, -1, -1));
    }
    p.setPen(QPen(Qt::black, 2));
    p.drawRect(feuille);
    p.translate(zone.topLeft());
    DessinerPageReleve(p, ZoneTexte(mise), releves_, page, NoirBlanc(), *graphe_);
    p.end();
    feuille_->setPixmap(QPixmap::fromImage(image_));
    feuille_->resize(image_.size());
}

QString ApercuReleves::fichierPdf() const {
    const QFileInfo f(fichierClasse_);
    return f.path() + QLatin1Char('/') + f.completeBaseName() +
           QStringLiteral(" - Relevés de notes.pdf");
}

bool ApercuReleves::Imprimer() {
    QPrinter& p = ImprimanteProgramme();
    // Without a printer the print dialog offers a PDF file, as the sheet's printing does.
    if (!plateforme().imprimanteInstallee()) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(fichierPdf());
    }
    if (!dialogues().imprimer(&p, this)) return false;
    // The print dialog lets any name be typed: the class and its twins are never printed over.
    const QString fichier = p.outputFileName();
    if (!fichier.isEmpty() &&
        !SortiePermise(this, QFile::encodeName(fichierClasse_).toStdString(), fichier))
        return false;
    p.setDocName(TitreReleves(releves_));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string raison;
    const bool ok = ImprimerDocument(
        p, [this](QPrinter& q) { return ImprimerReleves(q, releves_, NoirBlanc()); }, raison);
    QApplication::restoreOverrideCursor();
    // The dialog may have changed the paper or its orientation.
    mettreEnPage();
    return DireImpression(this, ok, QStringLiteral("les relevés de notes"), fichier, raison);
}

bool ApercuReleves::EnregistrerPdf() {
    // Neither the class, its .bak nor its journal is ever replaced by the reports.
    const QString nom = FichierAEnregistrer(
        this, QStringLiteral("Enregistrer les relevés de notes en PDF"), fichierPdf(),
        QStringLiteral("Document PDF (*.pdf)"),
        [](const QString& n) {
            return QFileInfo(n).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0
                       ? n
                       : n + QStringLiteral(".pdf");
        },
        QFile::encodeName(fichierClasse_).toStdString());
    if (nom.isEmpty()) return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QByteArray pdf;
    std::string raison = "Le document n'a pas pu être préparé.";
    const bool ok = PdfReleves(releves_, NoirBlanc(), ImprimanteProgramme().pageLayout(),
                               TitreReleves(releves_), pdf) &&
                    EcrireFichierAtomique(nom.toStdString(), pdf.constData(),
                                          static_cast<std::size_t>(pdf.size()), raison);
    QApplication::restoreOverrideCursor();
    if (!ok)
        dialogues().erreur(this, titreErreur(),
                           QStringLiteral("Impossible de créer le fichier \"") + nom +
                               QStringLiteral("\". ") + QString::fromStdString(raison));
    return ok;
}

} // namespace quillora
