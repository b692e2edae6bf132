#include "TDialImportListe.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Aide.h"
#include "ConversionsQt.h"
#include "Dialogues.h"
#include "Formats.h"

namespace quillora {

namespace {

enum ColonneTableau { CImporter, CLigne, CNumero, CNom, CPrenom, CNaissance, CRemarques };
constexpr ChampListe Champs[] = {ChampListe::Ignorer, ChampListe::Nom, ChampListe::Prenom,
                                 ChampListe::NomPrenom, ChampListe::Naissance};
constexpr char SeparateursProposes[] = {';', ',', '\t'};

// The birth date is shown in words but typed again in any of the forms a list may hold:
// the editor opens on the text as read.
class EditeurDate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setEditorData(QWidget* editeur, const QModelIndex& index) const override {
        static_cast<QLineEdit*>(editeur)->setText(index.data(Qt::UserRole).toString());
    }
    void setModelData(QWidget* editeur, QAbstractItemModel* modele,
                      const QModelIndex& index) const override {
        modele->setData(index, static_cast<QLineEdit*>(editeur)->text(), Qt::UserRole);
    }
};

QString dateEnMots(const std::string& jjmmaaaa) {
    if (jjmmaaaa.size() != 8) return {};
    const QDate d(std::stoi(jjmmaaaa.substr(4)), std::stoi(jjmmaaaa.substr(2, 2)),
                  std::stoi(jjmmaaaa.substr(0, 2)));
    return QLocale(QLocale::French).toString(d, QStringLiteral("d MMMM yyyy"));
}

QString nombre(int n, const char* singulier, const char* pluriel) {
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n > 1 ? pluriel : singulier);
}

QTableWidgetItem* lecture(const QString& texte) {
    auto* item = new QTableWidgetItem(texte);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

TDialImportListe::TDialImportListe(const TClasse& classe, bool majuscule, bool nouvelleClasse,
                                   QWidget* parent)
    : QDialog(parent), classe_(classe), majuscule_(majuscule) {
    // A new class has no abbreviation yet: it is named after its file when it is saved.
    setWindowTitle(nouvelleClasse ? QStringLiteral("Nouvelle classe depuis une liste d'élèves")
                                  : QStringLiteral("Importer une liste d'élèves ( ") +
                                        texteQt(classe.AbrevClasse.view()) + QStringLiteral(" )"));
    auto* plan = new QVBoxLayout(this);

    auto* ligneSource = new QHBoxLayout;
    source_ = new QLabel(QStringLiteral("Choisissez un fichier (CSV, texte) ou collez des lignes "
                                        "copiées d'un tableur."),
                         this);
    source_->setObjectName(QStringLiteral("source"));
    auto* fichier = new QPushButton(QStringLiteral("&Fichier..."), this);
    fichier->setObjectName(QStringLiteral("BFichier"));
    fichier->setAutoDefault(false);
    auto* coller = new QPushButton(QStringLiteral("Co&ller"), this);
    coller->setObjectName(QStringLiteral("BColler"));
    coller->setAutoDefault(false);
    ligneSource->addWidget(source_, 1);
    ligneSource->addWidget(fichier);
    ligneSource->addWidget(coller);
    plan->addLayout(ligneSource);

    auto* ligneLecture = new QHBoxLayout;
    auto* etiquette = new QLabel(QStringLiteral("&Séparateur :"), this);
    separateur_ = new QComboBox(this);
    separateur_->addItems({QStringLiteral("Point-virgule ( ; )"), QStringLiteral("Virgule ( , )"),
                           QStringLiteral("Tabulation")});
    etiquette->setBuddy(separateur_);
    entete_ = new QCheckBox(QStringLiteral("La &première ligne nomme les colonnes"), this);
    ligneLecture->addWidget(etiquette);
    ligneLecture->addWidget(separateur_);
    ligneLecture->addSpacing(16);
    ligneLecture->addWidget(entete_);
    ligneLecture->addStretch(1);
    plan->addLayout(ligneLecture);

    colonnes_ = new QTableWidget(2, 0, this);
    colonnes_->setAccessibleName(QStringLiteral("Colonnes de la liste"));
    colonnes_->setVerticalHeaderLabels({QStringLiteral("Contenu"), QStringLiteral("Exemple")});
    colonnes_->horizontalHeader()->setDefaultSectionSize(170);
    colonnes_->verticalHeader()->setDefaultSectionSize(30);
    colonnes_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    colonnes_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Both rows always in sight, and room for the scroll bar of a wide list.
    colonnes_->setFixedHeight(colonnes_->horizontalHeader()->sizeHint().height() + 2 * 30 +
                              colonnes_->horizontalScrollBar()->sizeHint().height() +
                              2 * colonnes_->frameWidth() + 2);
    plan->addWidget(colonnes_);

    tableau_ = new QTableWidget(0, 7, this);
    tableau_->setAccessibleName(QStringLiteral("Elèves lus"));
    tableau_->setHorizontalHeaderLabels({QStringLiteral("Importer"), QStringLiteral("Ligne"),
                                         QStringLiteral("N°"), QStringLiteral("Nom"),
                                         QStringLiteral("Prénom"), QStringLiteral("Né(e) le"),
                                         QStringLiteral("Remarques")});
    tableau_->verticalHeader()->setVisible(false);
    tableau_->setItemDelegateForColumn(CNaissance, new EditeurDate(tableau_));
    tableau_->horizontalHeader()->setStretchLastSection(true);
    tableau_->setWordWrap(true);
    // Room for a remark on two lines in every row.
    tableau_->verticalHeader()->setDefaultSectionSize(2 * fontMetrics().lineSpacing() + 8);
    for (const auto& [colonne, largeur] : {std::pair{CImporter, 70},
                                           {CLigne, 50},
                                           {CNumero, 40},
                                           {CNom, 190},
                                           {CPrenom, 150},
                                           {CNaissance, 130}})
        tableau_->setColumnWidth(colonne, largeur);
    plan->addWidget(tableau_, 1);

    bilan_ = new QLabel(this);
    bilan_->setObjectName(QStringLiteral("bilan"));
    plan->addWidget(bilan_);

    auto* boutons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    importer_ = boutons->button(QDialogButtonBox::Ok);
    importer_->setText(QStringLiteral("&Importer"));
    importer_->setEnabled(false);
    boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    boutons->button(QDialogButtonBox::Help)->setText(QStringLiteral("Aide"));
    plan->addWidget(boutons);

    connect(fichier, &QPushButton::clicked, this, &TDialImportListe::choisirFichier);
    connect(coller, &QPushButton::clicked, this, &TDialImportListe::ChargerPressePapiers);
    connect(separateur_, &QComboBox::currentIndexChanged, this, &TDialImportListe::relire);
    connect(entete_, &QCheckBox::toggled, this, [this](bool coche) {
        choix_.entete = coche;
        remplirColonnes();
        appliquerColonnes();
    });
    connect(tableau_, &QTableWidget::itemChanged, this, &TDialImportListe::celluleChangee);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(boutons, &QDialogButtonBox::helpRequested, this,
            [] { AfficherAide(QStringLiteral("ImporterListe")); });
    resize(960, 600);
    majSorts();
}

void TDialImportListe::choisirFichier() {
    const QString chemin = dialogues().fichierAOuvrir(
        this, QStringLiteral("Importer une liste d'élèves"), QString(),
        QStringLiteral("Listes (*.csv *.txt *.tsv);;Tous les fichiers (*)"));
    if (!chemin.isEmpty()) ChargerFichier(chemin);
}

bool TDialImportListe::ChargerFichier(const QString& chemin) {
    std::string octets;
    const Resultat r = LireFichierListe(QFile::encodeName(chemin).toStdString(), octets);
    if (!r) {
        dialogues().avertissement(this, titreAvertissement(), QString::fromStdString(r.erreur));
        return false;
    }
    ChargerOctets(octets, QStringLiteral("Fichier « %1 »").arg(QFileInfo(chemin).fileName()));
    return true;
}

bool TDialImportListe::ChargerPressePapiers() {
    const QString texte = QApplication::clipboard()->text();
    if (texte.trimmed().isEmpty()) {
        dialogues().information(this, titreInformation(),
                                QStringLiteral("Le presse-papiers ne contient pas de texte."));
        return false;
    }
    ChargerOctets(texte.toStdString(), QStringLiteral("Presse-papiers"));
    return true;
}

void TDialImportListe::ChargerOctets(const std::string& octets, const QString& source) {
    std::string raison;
    formats_ = ChargerFormats(raison);
    if (!formats_) {
        dialogues().erreur(this, titreErreur(), QString::fromStdString(raison));
        return;
    }
    const TexteListe t = formats_->DecoderListe(octets);
    texte_ = t.utf8;
    source_->setText(source + QStringLiteral(" (") + QString::fromUtf8(NomEncodage(t.encodage)) +
                     QLatin1Char(')'));
    const char sep = formats_->DetecterSeparateur(texte_);
    const auto k = std::find(std::begin(SeparateursProposes), std::end(SeparateursProposes), sep) -
                   std::begin(SeparateursProposes);
    {
        const QSignalBlocker bloque(separateur_);
        separateur_->setCurrentIndex(static_cast<int>(k));
    }
    relire();
}

void TDialImportListe::relire() {
    // Nothing was read when the formats could not be loaded.
    if (!formats_) return;
    cellules_ = formats_->LireCellules(
        texte_, SeparateursProposes[std::max(0, separateur_->currentIndex())]);
    choix_ = DevinerColonnes(cellules_);
    {
        const QSignalBlocker bloque(entete_);
        entete_->setChecked(choix_.entete);
    }
    remplirColonnes();
    appliquerColonnes();
}

void TDialImportListe::remplirColonnes() {
    const int n = static_cast<int>(choix_.champs.size());
    // The choosers are kept from one list to the next: making them again costs more than
    // reading the list.
    for (int k = colonnes_->columnCount(); k < n; ++k) {
        colonnes_->insertColumn(k);
        colonnes_->setHorizontalHeaderItem(
            k, new QTableWidgetItem(QStringLiteral("Colonne %1").arg(k + 1)));
        auto* choix = new QComboBox(colonnes_);
        for (ChampListe c : Champs) choix->addItem(QString::fromUtf8(NomChampListe(c)));
        connect(choix, &QComboBox::currentIndexChanged, this, [this, k](int i) {
            choix_.champs[k] = Champs[i];
            appliquerColonnes();
        });
        colonnes_->setCellWidget(0, k, choix);
        colonnes_->setItem(1, k, lecture(QString()));
    }
    colonnes_->setColumnCount(n);
    const std::size_t exemple = choix_.entete ? 1 : 0;
    for (int k = 0; k < n; ++k) {
        auto* choix = static_cast<QComboBox*>(colonnes_->cellWidget(0, k));
        const QSignalBlocker bloque(choix);
        choix->setCurrentIndex(
            static_cast<int>(std::find(std::begin(Champs), std::end(Champs), choix_.champs[k]) -
                             std::begin(Champs)));
        QString texte;
        if (cellules_.size() > exemple && static_cast<std::size_t>(k) < cellules_[exemple].size())
            texte = QString::fromStdString(cellules_[exemple][k]);
        colonnes_->item(1, k)->setText(texte);
    }
}

void TDialImportListe::appliquerColonnes() {
    lignes_ = LignesImport(cellules_, choix_);
    remplirLignes();
}

void TDialImportListe::remplirLignes() {
    // Filled in one go: no repaint and no change signal per cell.
    const QSignalBlocker bloque(tableau_);
    tableau_->setUpdatesEnabled(false);
    remplissage_ = true;
    tableau_->setRowCount(static_cast<int>(lignes_.size()));
    for (int r = 0; r < tableau_->rowCount(); ++r) {
        const LigneImport& l = lignes_[r];
        auto* coche = new QTableWidgetItem;
        coche->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        tableau_->setItem(r, CImporter, coche);
        tableau_->setItem(r, CLigne, lecture(QString::number(l.source)));
        tableau_->setItem(r, CNumero, lecture(QString()));
        tableau_->setItem(r, CNom, new QTableWidgetItem(texteQt(l.nom)));
        tableau_->setItem(r, CPrenom, new QTableWidgetItem(texteQt(l.prenom)));
        auto* date = new QTableWidgetItem(dateEnMots(l.date));
        date->setData(Qt::UserRole, QString::fromStdString(l.dateLue));
        tableau_->setItem(r, CNaissance, date);
        tableau_->setItem(r, CRemarques, lecture(QString()));
    }
    remplissage_ = false;
    majSorts();
    tableau_->setUpdatesEnabled(true);
}

void TDialImportListe::majSorts() {
    Repartir(lignes_, classe_, majuscule_);
    const QSignalBlocker bloque(tableau_);
    remplissage_ = true;
    int ajoutes = 0, completes = 0;
    const QColor gris = palette().color(QPalette::Disabled, QPalette::Text);
    for (int r = 0; r < tableau_->rowCount(); ++r) {
        const LigneImport& l = lignes_[r];
        const bool importe = l.sort == Sort::Importer || l.sort == Sort::Completer;
        ajoutes += l.sort == Sort::Importer;
        completes += l.sort == Sort::Completer;
        // For a student already there, the box asks for his missing birth date. A row that
        // cannot come in, nameless, twice in the list or beyond the places, shows an empty
        // box the teacher cannot tick: it follows the row's corrections instead.
        const bool completable =
            l.deja > 0 && !l.date.empty() && classe_.Eleve[l.deja].DateNaissance.empty();
        const bool libre =
            l.deja > 0 ? completable : l.sort == Sort::Importer || l.sort == Sort::Ecarte;
        QTableWidgetItem* coche = tableau_->item(r, CImporter);
        coche->setCheckState(importe ? Qt::Checked : Qt::Unchecked);
        coche->setFlags(libre ? Qt::ItemIsUserCheckable | Qt::ItemIsEnabled
                              : Qt::ItemIsUserCheckable);
        tableau_->item(r, CNumero)
            ->setText(l.sort == Sort::Importer    ? QString::number(classe_.NbEleve + ajoutes)
                      : l.sort == Sort::Completer ? QString::number(l.deja)
                                                  : QString());
        QStringList remarques;
        for (const std::string& t : l.remarques) remarques << QString::fromStdString(t);
        if (const std::string t = TexteSort(l); !t.empty()) remarques << QString::fromStdString(t);
        if (completable && !l.completerDate)
            remarques << QStringLiteral("cochez pour compléter sa date de naissance");
        QTableWidgetItem* texte = tableau_->item(r, CRemarques);
        texte->setText(remarques.join(QStringLiteral(" ; ")));
        texte->setToolTip(texte->text());
        texte->setBackground(l.remarques.empty() ? QBrush() : QBrush(QColor(0xFF, 0xE8, 0xC0)));
        for (int c : {CNom, CPrenom, CNaissance})
            tableau_->item(r, c)->setForeground(importe ? QBrush() : QBrush(gris));
    }
    remplissage_ = false;
    const int autres = static_cast<int>(lignes_.size()) - ajoutes - completes;
    if (lignes_.empty()) {
        bilan_->setText(texte_.empty()
                            ? QString()
                            : QStringLiteral("Aucun élève n'a été trouvé dans cette liste."));
    } else {
        QString t = nombre(ajoutes, "élève sera ajouté", "élèves seront ajoutés") +
                    QStringLiteral(" (la classe en aura %1)").arg(classe_.NbEleve + ajoutes);
        if (completes > 0)
            t += QStringLiteral(", ") +
                 nombre(completes, "date de naissance complétée", "dates de naissance complétées");
        if (autres > 0)
            t +=
                QStringLiteral(", ") + nombre(autres, "ligne non importée", "lignes non importées");
        bilan_->setText(t + QLatin1Char('.'));
    }
    importer_->setEnabled(ajoutes + completes > 0);
}

void TDialImportListe::celluleChangee(QTableWidgetItem* item) {
    if (remplissage_) return;
    const int r = item->row();
    if (r < 0 || r >= static_cast<int>(lignes_.size())) return;
    LigneImport& l = lignes_[r];
    if (item->column() == CImporter) {
        const bool coche = item->checkState() == Qt::Checked;
        if (l.deja > 0)
            l.completerDate = coche;
        else
            l.ecartee = !coche;
    } else if (item->column() == CNom || item->column() == CPrenom ||
               item->column() == CNaissance) {
        RelireLigne(l, tableau_->item(r, CNom)->text().toStdString(),
                    tableau_->item(r, CPrenom)->text().toStdString(),
                    tableau_->item(r, CNaissance)->data(Qt::UserRole).toString().toStdString());
        remplissage_ = true;
        tableau_->item(r, CNom)->setText(texteQt(l.nom));
        tableau_->item(r, CPrenom)->setText(texteQt(l.prenom));
        tableau_->item(r, CNaissance)->setText(dateEnMots(l.date));
        remplissage_ = false;
    } else {
        return;
    }
    majSorts();
}

int TDialImportListe::NbAjoutes() const {
    return static_cast<int>(std::count_if(lignes_.begin(), lignes_.end(),
                                          [](const auto& l) { return l.sort == Sort::Importer; }));
}

} // namespace quillora
