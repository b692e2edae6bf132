#include "TDLGPrint.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "Aide.h"
#include "Classe.h"
#include "ConversionsQt.h"
#include "Dialogues.h"
#include "DrawingHelpers.h"
#include "ImpressionFichier.h"
#include "NewGraphe.h"
#include "Options.h"
#include "Plateforme.h"
#include "TFeuille.h"
#include "Tableau.h"

namespace quillora {

namespace {

// The miniature's page is 300 pixels on its long side, inside the panel's margin.
constexpr double CotePage = 300.0;
constexpr int BordPanneau = 11;

// A small page with the layout's zone filled, for its button.
QIcon imageDisposition(int d) {
    QPixmap pixmap(16, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(1, 1, 13, 17);
    const int l = 12, h = 16; // the inside, as a page
    const QRect zones[] = {{0, 0, l / 2, h / 2}, {0, 0, l, h / 2},
                           {0, 0, l, h},         {l / 4, 0, l / 2, h / 2},
                           {0, h / 4, l, h / 2}, {l / 4, h / 4, l / 2, h / 2}};
    p.fillRect(zones[d - 1].translated(2, 2), QColor(30, 50, 110));
    return QIcon(pixmap);
}

} // namespace

TDLGPrint::TDLGPrint(QWidget* owner, TTableau* tableau, TNewGraphe* graphe, QPrinter* imprimante,
                     const QString& fichierPdf, const std::string& classe)
    : QDialog(owner), imprimante_(imprimante ? *imprimante : ImprimanteProgramme()),
      fichierPdf_(fichierPdf), classe_(classe) {
    setWindowTitle(QStringLiteral("Aperçu avant impression"));
    if (!plateforme().imprimanteInstallee()) {
        // Without a printer the page is a PDF file at the measures the program assumes then.
        imprimante_.setOutputFormat(QPrinter::PdfFormat);
        imprimante_.setResolution(plateforme().mesurerImprimante(imprimante_).resolution);
    }

    panel1_ = new QWidget(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFixedSize(330, 330);
    F = new TFeuille(panel1_);
    F->setObjectName(QStringLiteral("F"));
    G = new TNewGraphe(panel1_);
    G->setObjectName(QStringLiteral("G"));
    T = new TTableau(panel1_);
    T->setObjectName(QStringLiteral("T"));
    // A view of the page, not the data the keyboard goes through.
    for (QWidget* apercu : {static_cast<QWidget*>(G), static_cast<QWidget*>(T)})
        apercu->setFocusPolicy(Qt::NoFocus);
    Contenu = tableau ? 1 : 0;
    if (graphe) {
        G->SetNbBarre(graphe->NbBarre());
        for (int i = 1; i <= graphe->NbBarre(); ++i) *G->Barre(i) = *graphe->Barre(i);
        G->SetPasVert(graphe->PasVert());
        G->SetNbGradV(graphe->NbGradV());
        for (int i = 1; i <= TNewGraphe::MaxLignes; ++i) G->SetLigne(i, graphe->LireLigne(i));
        G->BarreMoy() = graphe->BarreMoy();
        G->SetLegH(graphe->LegH());
        G->SetVmax(graphe->Vmax());
        G->SetMoy(graphe->Moy());
        G->SetMode(graphe->Mode());
        G->SetPolice(graphe->Police());
        G->SetCouleurPolice(graphe->CouleurPolice());
        G->SetCaption(graphe->Caption());
        G->SetNbLigne(graphe->NbLigne());
        G->SetAfficher0(graphe->Afficher0());
        G->SetCouleurL(graphe->CouleurL());
        G->SetCouleurFond(Qt::white);
    }
    if (tableau) {
        T->SetRelief(rAucun);
        T->SetPolice(tableau->Police());
        T->SetCouleurPolice(tableau->CouleurPolice());
        T->SetCaption(tableau->Caption());
        T->SetNbLigne(tableau->NbLigne());
        T->SetNbColonne(tableau->NbColonne());
        T->SetCouleurL(tableau->CouleurL());
        for (int c = 1; c <= TTableau::MaxCases; ++c)
            for (int l = 1; l <= TTableau::MaxCases; ++l)
                T->SetCellule(c, l, tableau->Cellule(c, l));
        T->SetCouleurFond(Qt::white);
    }
    G->setVisible(Contenu == 0);
    T->setVisible(Contenu == 1);

    auto bouton = [this](const char* nom, const QString& aide, QButtonGroup* groupe, int id) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(nom));
        b->setToolTip(aide);
        b->setStatusTip(aide);
        b->setCheckable(true);
        b->setAutoRaise(true);
        groupe->addButton(b, id);
        return b;
    };
    dispositions_ = new QButtonGroup(this);
    auto* grille = new QGridLayout;
    const char* noms[] = {"En haut à gauche", "En haut",   "Page entière",
                          "En haut, centré",  "Au milieu", "Centré"};
    for (int d = 1; d <= 6; ++d) {
        QToolButton* b = bouton(("SB" + std::to_string(d)).c_str(), QString::fromUtf8(noms[d - 1]),
                                dispositions_, d);
        b->setIcon(imageDisposition(d));
        b->setIconSize(QSize(16, 20));
        grille->addWidget(b, (d - 1) / 3, (d - 1) % 3);
    }
    orientations_ = new QButtonGroup(this);
    auto* orientation = new QHBoxLayout;
    for (const auto& [nom, texte, id] :
         {std::tuple{"SB10", "Portrait", 0}, std::tuple{"SB11", "Paysage", 1}}) {
        QToolButton* b = bouton(nom, QLatin1String(texte), orientations_, id);
        b->setText(QLatin1String(texte));
        b->setAutoRaise(false);
        orientation->addWidget(b);
    }
    CB2_ = new QCheckBox(QStringLiteral("Tracer le cadre"), this);
    CB2_->setObjectName(QStringLiteral("CB2"));
    CB2_->setChecked(true);
    CB_ = new QCheckBox(QStringLiteral("Imprimer en Noir && Blanc"), this);
    CB_->setObjectName(QStringLiteral("CB"));
    CB_->setChecked(Options.noirblanc);
    label3_ = new QLabel(this);
    label3_->setObjectName(QStringLiteral("Label3"));
    auto* imprimer = new QPushButton(QStringLiteral("Imprimer"), this);
    imprimer->setObjectName(QStringLiteral("SB20"));
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    fermer->setObjectName(QStringLiteral("BitBtn1"));
    auto* aide = new QPushButton(QStringLiteral("Aide"), this);
    aide->setObjectName(QStringLiteral("BitBtn2"));

    auto* droite = new QVBoxLayout;
    droite->addWidget(new QLabel(QStringLiteral("Disposition:"), this));
    droite->addLayout(grille);
    droite->addSpacing(8);
    droite->addWidget(new QLabel(QStringLiteral("Orientation:"), this));
    droite->addLayout(orientation);
    droite->addSpacing(8);
    droite->addWidget(CB2_);
    droite->addWidget(CB_);
    droite->addStretch(1);
    droite->addWidget(imprimer);
    droite->addWidget(fermer);
    droite->addWidget(aide);
    auto* haut = new QHBoxLayout;
    haut->addWidget(panel1_);
    haut->addLayout(droite);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(haut);
    tout->addWidget(label3_);
    tout->setSizeConstraint(QLayout::SetFixedSize);

    connect(dispositions_, &QButtonGroup::idClicked, this, [this](int d) {
        Disposition = d;
        Disposer();
    });
    connect(orientations_, &QButtonGroup::idClicked, this, [this](int id) { orienter(id == 1); });
    connect(CB_, &QCheckBox::toggled, this, [this] { Disposer(); });
    connect(CB2_, &QCheckBox::toggled, this, [this](bool cadre) {
        if (Contenu == 0)
            G->SetCadre(cadre);
        else
            T->SetCadre(cadre);
        copie()->update();
        Disposer();
    });
    connect(imprimer, &QPushButton::clicked, this, [this] { Imprimer(); });
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    connect(aide, &QPushButton::clicked, this, [] { AfficherAide(QStringLiteral("Dlg_Print")); });

    orientations_->button(imprimante_.pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0)
        ->setChecked(true);
    dispositions_->button(Disposition)->setChecked(true);
    Disposer();
    texteTaille();
}

QWidget* TDLGPrint::copie() const {
    return Contenu == 0 ? static_cast<QWidget*>(G) : T;
}

void TDLGPrint::orienter(bool paysage) {
    imprimante_.setPageOrientation(paysage ? QPageLayout::Landscape : QPageLayout::Portrait);
    Disposer();
    texteTaille();
}

void TDLGPrint::Disposer() {
    const QRect page = imprimante_.pageLayout().paintRectPixels(imprimante_.resolution());
    HauteurPage = page.height();
    LargeurPage = page.width();
    G->SetNoirBlanc(CB_->isChecked());
    T->SetNoirBlanc(CB_->isChecked());

    const bool paysage = imprimante_.pageLayout().orientation() == QPageLayout::Landscape;
    const double k = CotePage / (paysage ? LargeurPage : HauteurPage);
    const int cote = static_cast<int>(CotePage) + F->Marge + 6;
    if (paysage)
        F->setGeometry(5, 5, cote, roundHalfEven(HauteurPage * k) + F->Marge + 6);
    else
        F->setGeometry(5, 5, roundHalfEven(LargeurPage * k) + F->Marge + 6, cote);

    const int W = LargeurPage, H = HauteurPage;
    const QRect zones[] = {{0, 0, W / 2, H / 2}, {0, 0, W, H / 2},
                           {0, 0, W, H},         {W / 4, 0, W / 2, H / 2},
                           {0, H / 4, W, H / 2}, {W / 4, H / 4, W / 2, H / 2}};
    const QRect& z = zones[Disposition - 1];
    ZoneX = z.x();
    ZoneY = z.y();
    ZoneLargeur = z.width();
    ZoneHauteur = z.height();
    copie()->setGeometry(roundHalfEven(ZoneX * k) + BordPanneau,
                         roundHalfEven(ZoneY * k) + BordPanneau, roundHalfEven(ZoneLargeur * k),
                         roundHalfEven(ZoneHauteur * k));
    copie()->raise();
    copie()->update();
}

void TDLGPrint::texteTaille() {
    const QRect papier = imprimante_.pageLayout().fullRectPixels(imprimante_.resolution());
    const double dpi = imprimante_.resolution();
    label3_->setText(QStringLiteral("Taille de la page : Largeur: ") +
                     texteQt(FormatNote(papier.width() / dpi * 2.54)) +
                     QStringLiteral(" cm  /  Hauteur: ") +
                     texteQt(FormatNote(papier.height() / dpi * 2.54)) + QStringLiteral(" cm"));
}

bool TDLGPrint::Imprimer() {
    // Without a printer, the print dialog offers the PDF file, as the sheet's printing does.
    if (!plateforme().imprimanteInstallee()) {
        if (!fichierPdf_.isEmpty()) imprimante_.setOutputFileName(fichierPdf_);
        if (!dialogues().imprimer(&imprimante_, this)) return false;
        Disposer(); // the dialog may have turned the page
    }
    const QString fichier = imprimante_.outputFileName();
    if (!fichier.isEmpty() && !SortiePermise(this, classe_, fichier)) return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    imprimante_.setDocName(Contenu == 0 ? G->Caption() : T->Caption());
    std::string raison;
    const bool ok = ImprimerDocument(
        imprimante_,
        [this](QPrinter& imprimante) {
            QPainter p;
            if (!p.begin(&imprimante)) return false;
            if (Contenu == 0)
                G->Dessiner(p, ZoneX, ZoneY, ZoneLargeur, ZoneHauteur);
            else
                T->Dessiner(p, ZoneX, ZoneY, ZoneLargeur, ZoneHauteur);
            return p.end();
        },
        raison);
    QApplication::restoreOverrideCursor();
    // A print that did not happen must not pass for one.
    return DireImpression(this, ok, {}, fichier, raison);
}

} // namespace quillora
