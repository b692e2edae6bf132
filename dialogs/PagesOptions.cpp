// The options dialog's tabs, one page each, their controls made and tied to the sample.
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ApercuOptions.h"
#include "ChampDecimal.h"
#include "OptionsInterne.h"
#include "TColorPanel.h"
#include "TDialOption.h"
#include "TSaisieNombre.h"

namespace quillora {

namespace {

const char* const NomsCouleurs[] = {"Nom des élèves",
                                    "Ligne",
                                    "Fond",
                                    "Coefficient",
                                    "Titre des colonnes",
                                    "Note sup. à la moy.",
                                    "Note inf. à la moy.",
                                    "Moy. sup. à la note moy.",
                                    "Moy. inf. à la note moy.",
                                    "Texte en bas du tableau",
                                    "Fond ( mode aperçu )",
                                    "Notes non valides"};

const char* const NomsSeparateurs[] = {"Signe moins",   "Signe plus",     "Slash",  "Antislash",
                                       "Tidle",         "Trait vertical", "Espace", "Point",
                                       "Point virgule", "Virgule"};

// Positions of the line-style list: raised, sunken, simple, i.e. 2 - relief.
const char* const NomsStyles[] = {" En relief", " En creux ", " Simple "};

// Each line style drawn as its picture, 4 pixels in at the item's top, then its name 2
// pixels right of the picture and 2 down.
class DelegueStyleLigne : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool choisi = option.state & QStyle::State_Selected;
        p->fillRect(option.rect,
                    option.palette.brush(choisi ? QPalette::Highlight : QPalette::Base));
        const QPixmap image = ImageStyleLigne(2 - index.row());
        const QPoint coin = option.rect.topLeft() + QPoint(4, 0);
        p->drawPixmap(coin, image);
        p->setPen(option.palette.color(choisi ? QPalette::HighlightedText : QPalette::Text));
        const QRect texte(coin.x() + image.width() + 2, option.rect.top() + 2,
                          option.rect.right() - coin.x() - image.width() - 2,
                          option.rect.height() - 2);
        p->drawText(texte, Qt::AlignLeft | Qt::AlignTop, index.data().toString());
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize s = QStyledItemDelegate::sizeHint(option, index);
        return {s.width() + 40, std::max(s.height(), option.fontMetrics.height() + 4)};
    }
};

// A caption; the one of a field is its label for screen readers, and Alt with its
// underlined letter.
QLabel* titre(const QString& texte, QWidget* parent, QWidget* champ = nullptr) {
    auto* l = new QLabel(texte, parent);
    if (champ) l->setBuddy(champ);
    return l;
}

QLineEdit* champ(QWidget* parent, const char* nom, int largeur, bool lectureSeule) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(nom));
    if (largeur > 0) e->setFixedWidth(largeur);
    e->setReadOnly(lectureSeule);
    return e;
}

TSaisieNombre* nombre(QWidget* parent, const char* nom, const QString& texte, int max) {
    auto* n = new TSaisieNombre(parent);
    n->setObjectName(QLatin1String(nom));
    n->setTexte1(texte);
    n->setTexte2({});
    n->setSizeText(128);
    n->setMin(0);
    n->setMax(max);
    n->setVInc(1);
    return n;
}

} // namespace

QCheckBox* TDialOption::caseA(QWidget* page, bool TOptions::*champ, const char* nom,
                              const QString& texte, bool vivante) {
    auto* c = new QCheckBox(texte, page);
    c->setObjectName(QLatin1String(nom));
    cases_.emplace_back(champ, c);
    if (vivante) connect(c, &QCheckBox::clicked, this, &TDialOption::changementVivant);
    return c;
}

QWidget* TDialOption::pageDivers() {
    auto* page = new QWidget;
    auto* grille = new QGridLayout(page);
    auto* afficher = new QGroupBox(QStringLiteral("Afficher:"), page);
    auto* a = new QVBoxLayout(afficher);
    a->addWidget(caseA(afficher, &TOptions::majuscule, "majuscule",
                       QStringLiteral("Les noms des élèves en majuscule"), true));
    a->addWidget(caseA(afficher, &TOptions::prenom, "prenom",
                       QStringLiteral("Les prénoms des élèves"), true));
    a->addWidget(caseA(afficher, &TOptions::textebas, "textebas",
                       QStringLiteral("Les commentaires des devoirs"), true));
    a->addStretch();
    auto* arrondir = new QGroupBox(QStringLiteral("Arrondir:"), page);
    auto* r = new QVBoxLayout(arrondir);
    r->addWidget(
        caseA(arrondir, &TOptions::arrondiN, "arrondiN", QStringLiteral("Les notes"), true));
    auto* divers = new QGroupBox(QStringLiteral("Divers:"), page);
    auto* d = new QVBoxLayout(divers);
    d->addWidget(caseA(divers, &TOptions::alignernb, "alignernb",
                       QStringLiteral("Aligner les notes sur la virgule"), true));
    d->addWidget(caseA(divers, &TOptions::trait, "trait",
                       QStringLiteral("Souligner la note sous le curseur"), true));
    grille->addWidget(afficher, 0, 0, 2, 1);
    grille->addWidget(arrondir, 0, 1);
    grille->addWidget(divers, 1, 1);
    return page;
}

QWidget* TDialOption::pageCouleur() {
    auto* page = new QWidget;
    auto* grille = new QGridLayout(page);
    grille->setVerticalSpacing(0);
    for (int i = 1; i <= 12; ++i) {
        const int ligne = (i - 1) / 4 * 2;
        const int colonne = (i - 1) % 4;
        grille->addWidget(titre(QString::fromUtf8(NomsCouleurs[i - 1]), page), ligne, colonne);
        couleurs_[i] = new TColorPanel(page);
        couleurs_[i]->setObjectName(QStringLiteral("couleur%1").arg(i));
        grille->addWidget(couleurs_[i], ligne + 1, colonne);
        connect(couleurs_[i], &TColorPanel::OnChange, this, &TDialOption::changementVivant);
    }
    return page;
}

QWidget* TDialOption::pagePolice() {
    auto* page = new QWidget;
    auto* grille = new QGridLayout(page);
    grille->setVerticalSpacing(2);
    police_ = champ(page, "EditPolice", 0, true);
    tailleP_ = champ(page, "EditTailleP", 0, true);
    tailleD_ = champ(page, "EditTailleD", 0, true);
    polices_ = new QListWidget(page);
    polices_->setObjectName(QStringLiteral("ListePolices"));
    QStringList familles = QFontDatabase::families();
    familles.sort(Qt::CaseInsensitive);
    polices_->addItems(familles);
    taillesP_ = new QListWidget(page);
    taillesP_->setObjectName(QStringLiteral("ListeTailleP"));
    taillesD_ = new QListWidget(page);
    taillesD_->setObjectName(QStringLiteral("ListeTailleD"));
    for (int i = 2; i <= 50; ++i) {
        taillesP_->addItem(uneDecimale(i / 10.0));
        taillesD_->addItem(uneDecimale(i / 10.0));
    }
    for (QListWidget* l : {polices_, taillesP_, taillesD_})
        l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grille->addWidget(titre(QStringLiteral("Police :"), page, polices_), 0, 0);
    grille->addWidget(titre(QStringLiteral("Taille de la Police:"), page, taillesP_), 0, 1);
    grille->addWidget(titre(QStringLiteral("Taille du Quadrillage:"), page, taillesD_), 0, 2);
    // A list is not read by its label, unlike a field.
    polices_->setAccessibleName(QStringLiteral("Police"));
    taillesP_->setAccessibleName(QStringLiteral("Taille de la police"));
    taillesD_->setAccessibleName(QStringLiteral("Taille du quadrillage"));
    police_->setAccessibleName(QStringLiteral("Police choisie"));
    tailleP_->setAccessibleName(QStringLiteral("Taille de la police choisie"));
    tailleD_->setAccessibleName(QStringLiteral("Taille du quadrillage choisie"));
    grille->addWidget(police_, 1, 0);
    grille->addWidget(tailleP_, 1, 1);
    grille->addWidget(tailleD_, 1, 2);
    grille->addWidget(polices_, 2, 0);
    grille->addWidget(taillesP_, 2, 1);
    grille->addWidget(taillesD_, 2, 2);
    grille->setColumnStretch(0, 3);
    grille->setColumnStretch(1, 2);
    grille->setColumnStretch(2, 2);

    auto* droite = new QVBoxLayout;
    gras_ = new QCheckBox(QStringLiteral("Gras"), page);
    gras_->setObjectName(QStringLiteral("Gras"));
    italique_ = new QCheckBox(QStringLiteral("Italique"), page);
    italique_->setObjectName(QStringLiteral("Italique"));
    QCheckBox* egales = caseA(page, &TOptions::tailleid, "tailleid",
                              QStringLiteral("Taille de la Police = Taille du Quadrillage"), false);
    styleLigne_ = new QComboBox(page);
    styleLigne_->setObjectName(QStringLiteral("StyleLigne"));
    styleLigne_->setItemDelegate(new DelegueStyleLigne(styleLigne_));
    for (int i = 0; i < 3; ++i)
        styleLigne_->addItem(QIcon(ImageStyleLigne(2 - i)), QString::fromUtf8(NomsStyles[i]));
    styleLigne_->setIconSize(ImageStyleLigne(0).size());
    droite->addWidget(gras_);
    droite->addWidget(italique_);
    droite->addStretch();
    droite->addWidget(titre(QStringLiteral("Style de ligne:"), page, styleLigne_));
    droite->addWidget(styleLigne_);
    grille->addLayout(droite, 0, 3, 3, 1);
    grille->addWidget(egales, 3, 1, 1, 3);

    for (QCheckBox* c : {gras_, italique_})
        connect(c, &QCheckBox::clicked, this, &TDialOption::changementVivant);
    connect(styleLigne_, &QComboBox::currentIndexChanged, this, &TDialOption::changementVivant);
    connect(polices_, &QListWidget::currentRowChanged, this, [this](int ligne) {
        if (ligne >= 0) police_->setText(polices_->item(ligne)->text());
        changementVivant();
    });
    connect(taillesP_, &QListWidget::currentRowChanged, this,
            [this] { tailleChoisie(taillesP_, tailleP_, tailleD_); });
    connect(taillesD_, &QListWidget::currentRowChanged, this,
            [this] { tailleChoisie(taillesD_, tailleD_, tailleP_); });
    connect(egales, &QCheckBox::clicked, this, [this] { tailleD_->setText(tailleP_->text()); });
    return page;
}

QWidget* TDialOption::pageImpression() {
    auto* page = new QWidget;
    auto* grille = new QGridLayout(page);
    grille->addWidget(caseA(page, &TOptions::noirblanc, "noirblanc",
                            QStringLiteral("Imprimer en Noir && Blanc uniquement ( Imprimante "
                                           "monochrome )"),
                            false),
                      0, 0, 1, 2);
    grille->addWidget(caseA(page, &TOptions::marge, "marge",
                            QStringLiteral("Afficher la marge de la feuille en mode Aperçu avant "
                                           "impression"),
                            false),
                      1, 0, 1, 2);
    QLabel* correction = titre(QStringLiteral("Correction de l'impression:"), page);
    QPalette rouge = correction->palette();
    rouge.setColor(QPalette::WindowText, Qt::red);
    correction->setPalette(rouge);
    grille->addWidget(correction, 2, 0, 1, 2);
    grille->addWidget(
        titre(QStringLiteral("( taille imprimée = taille à l'écran x facteur d'échelle )"), page),
        3, 0, 1, 2);
    kd_ = champ(page, "kd", 60, false);
    kp_ = champ(page, "kp", 60, false);
    VirguleEnPoint(kd_);
    VirguleEnPoint(kp_);
    grille->addWidget(titre(QStringLiteral("Facteur d'échelle pour le quadrillage :"), page, kd_),
                      4, 0);
    grille->addWidget(kd_, 4, 1);
    grille->addWidget(titre(QStringLiteral("Facteur d'échelle pour l'écriture : "), page, kp_), 5,
                      0);
    grille->addWidget(kp_, 5, 1);
    grille->setColumnStretch(2, 1);
    grille->setRowStretch(6, 1);
    return page;
}

QWidget* TDialOption::pageSauvegarde() {
    auto* page = new QWidget;
    auto* colonne = new QVBoxLayout(page);
    colonne->setSpacing(2);
    for (const char* ligne :
         {"Lors de la fermeture d'un fichier classe, il est possible de créer une copie",
          "de sauvegarde, sur le disque  ( ou le répertoire ) de votre choix.",
          "( Exemple : /media/prof/CLE/ , /home/prof/truc/machin/chose/ )"})
        colonne->addWidget(titre(QString::fromUtf8(ligne), page));
    colonne->addSpacing(8);
    colonne->addWidget(caseA(page, &TOptions::sauvegarde, "sauvegarde",
                             QStringLiteral("Activer la sauvegarde automatique"), false));
    colonne->addSpacing(4);
    repsauve_ = champ(page, "repsauve", 0, false);
    colonne->addWidget(
        titre(QStringLiteral("Disque + répertoire de la sauvegarde:"), page, repsauve_));
    repsauve_->setMaxLength(255);
    colonne->addWidget(repsauve_);
    colonne->addStretch();
    return page;
}

QWidget* TDialOption::pageTitre() {
    auto* page = new QWidget;
    auto* grille = new QGridLayout(page);
    grille->addWidget(caseA(page, &TOptions::imprimerTitre, "imprimerTitre",
                            QStringLiteral("Imprimer le titre"), false),
                      0, 0);
    QCheckBox* annee = caseA(page, &TOptions::imprimerAnnee, "imprimerAnnee",
                             QStringLiteral("Ajouter l'année scolaire au titre"), false);
    grille->addWidget(annee, 1, 0);
    grille->addWidget(
        caseA(page, &TOptions::centrert, "centrert", QStringLiteral("Centrer le titre"), false), 2,
        0);
    separateurs_ = new QComboBox(page);
    grille->addWidget(titre(QStringLiteral("Séparateur de titre:"), page, separateurs_), 0, 1);
    separateurs_->setObjectName(QStringLiteral("indsep"));
    for (const char* nom : NomsSeparateurs) separateurs_->addItem(QString::fromUtf8(nom));
    grille->addWidget(separateurs_, 1, 1);
    grille->addWidget(titre(QStringLiteral("Exemple:"), page), 3, 0, 1, 2);
    exemple_ = new QLabel(page);
    exemple_->setObjectName(QStringLiteral("Exemple"));
    exemple_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    exemple_->setMinimumHeight(40);
    exemple_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    grille->addWidget(exemple_, 4, 0, 1, 2);
    grille->setColumnStretch(0, 1);
    grille->setColumnStretch(1, 1);
    grille->setRowStretch(5, 1);
    connect(annee, &QCheckBox::clicked, this, &TDialOption::MajExempleTitre);
    connect(separateurs_, &QComboBox::currentIndexChanged, this, &TDialOption::MajExempleTitre);
    return page;
}

QWidget* TDialOption::pageLettres() {
    auto* page = new QWidget;
    auto* colonne = new QVBoxLayout(page);
    colonne->addWidget(caseA(page, &TOptions::utiliserL, "utiliserL",
                             QStringLiteral("Utiliser les lettres pour le calcul des moyennes"),
                             false));
    colonne->addWidget(titre(QStringLiteral("Correspondances lettres / valeur:"), page));
    lettres_ = new QTableWidget(2, 16, page);
    lettres_->setObjectName(QStringLiteral("Grille"));
    lettres_->setAccessibleName(QStringLiteral("Correspondances lettres / valeur"));
    lettres_->horizontalHeader()->hide();
    lettres_->verticalHeader()->hide();
    lettres_->horizontalHeader()->setDefaultSectionSize(45);
    lettres_->verticalHeader()->setDefaultSectionSize(24);
    lettres_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lettres_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lettres_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    const QStringList titres = {QStringLiteral("Lettre"), QStringLiteral("Valeur")};
    for (int r = 0; r < 2; ++r) {
        auto* t = new QTableWidgetItem(titres[r]);
        // The row titles look like a fixed column and are not typed in.
        t->setFlags(Qt::ItemIsEnabled);
        t->setBackground(palette().brush(QPalette::Button));
        lettres_->setItem(r, 0, t);
        for (int i = 1; i <= 15; ++i) lettres_->setItem(r, i, new QTableWidgetItem);
    }
    lettres_->setItemDelegateForRow(1, DelegueVirguleEnPoint(lettres_));
    lettres_->setFixedHeight(2 * 24 + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                             2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2);
    colonne->addWidget(lettres_);
    colonne->addStretch();
    return page;
}

QWidget* TDialOption::pageSaisie() {
    auto* page = new QWidget;
    auto* grille = new QGridLayout(page);
    QCheckBox* verification = caseA(page, &TOptions::verification, "verification",
                                    QStringLiteral("Activer la vérification automatique du "
                                                   "domaine de validité lors de la saisie"),
                                    false);
    grille->addWidget(verification, 0, 0, 1, 3);
    domaine_ = titre(QStringLiteral("Domaine de validité:"), page);
    grille->addWidget(domaine_, 1, 0);
    notemax_ = nombre(page, "notemax", QStringLiteral("Note, de 0 à"), 24);
    coefmax_ = nombre(page, "coefmax", QStringLiteral("Coefficient, de 0 à"), 255);
    grille->addWidget(notemax_, 2, 0);
    grille->addWidget(coefmax_, 3, 0);
    grille->addWidget(titre(QStringLiteral("Note moyenne:"), page), 1, 1);
    QCheckBox* moitie = caseA(page, &TOptions::moydiv2, "moydiv2",
                              QStringLiteral("Note moyenne = note max / 2"), false);
    grille->addWidget(moitie, 2, 1);
    notemoy_ = nombre(page, "notemoy", QStringLiteral("Note moyenne"), 24);
    grille->addWidget(notemoy_, 3, 1);
    grille->setRowStretch(4, 1);
    grille->setColumnStretch(2, 1);
    for (QCheckBox* c : {verification, moitie})
        connect(c, &QCheckBox::toggled, this, &TDialOption::majActivation);
    connect(notemax_, &TSaisieNombre::OnChange, this, &TDialOption::majActivation);
    return page;
}

} // namespace quillora
