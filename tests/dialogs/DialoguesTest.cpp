// The dialogs: the students', the class's, the ranking's, the list import's and the
// options, and the consequences panel that follows the fields of those that change a rule;
// every field of every dialog is read with its label by a screen reader, and Tab goes
// through all of them and comes back to where it started: no field without a name, none
// the keyboard cannot reach or cannot leave.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

#include "../model/NomsDuMonde.h"
#include "ApercuOptions.h"
#include "ApercuReleves.h"
#include "ChampsDevoir.h"
#include "Classement.h"
#include "ConversionsQt.h"
#include "Cp1252.h"
#include "Devoirs.h"
#include "DialoguesScriptes.h"
#include "Fabrique.h"
#include "Horloge.h"
#include "LigneCommande.h"
#include "ListeImport.h"
#include "MiseEnPage.h"
#include "NewGraphe.h"
#include "Options.h"
#include "PanneauConsequences.h"
#include "TDLGPrint.h"
#include "TDial01.h"
#include "TDial02.h"
#include "TDial03.h"
#include "TDial04.h"
#include "TDial05.h"
#include "TDial06.h"
#include "TDial07.h"
#include "TDial08.h"
#include "TDial10.h"
#include "TDial11.h"
#include "TDial12.h"
#include "TDial13.h"
#include "TDial14.h"
#include "TDial15.h"
#include "TDial16.h"
#include "TDialImportListe.h"
#include "TDialJournal.h"
#include "TDialOption.h"
#include "TDialReleves.h"
#include "TDlgInfo.h"
#include "TEditSaisieNombre.h"
#include "TSaisieNombre.h"
#include "Tableau.h"

using namespace quillora;

namespace {

// A field the teacher types in, picks or ticks; not the pieces of another field.
bool EstUnChamp(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QAbstractItemView*>(p))
            return false;
    if (qobject_cast<const QScrollBar*>(w)) return false;
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QCheckBox*>(w) ||
           qobject_cast<const QRadioButton*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QAbstractSlider*>(w);
}

QString Designation(const QWidget* w) {
    return QStringLiteral("%1 %2").arg(QLatin1String(w->metaObject()->className()),
                                       w->objectName());
}

// The fields a screen reader would read as nothing. A list to pick from is named by its
// choice on this platform: its label comes from the label tied to it.
QStringList SansNom(const QDialog& d) {
    QStringList r;
    for (const QWidget* w : d.findChildren<QWidget*>()) {
        if (!EstUnChamp(w)) continue;
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(w));
        const bool nom = i && (qobject_cast<const QComboBox*>(w)
                                   ? !i->relations(QAccessible::Label).isEmpty()
                                   : !i->text(QAccessible::Name).trimmed().isEmpty());
        if (!nom) r << Designation(w);
    }
    return r;
}

// The visible fields Tab never reaches from the dialog's first focus, or a trap: empty when
// Tab goes through them all and back.
QStringList HorsDuTour(QDialog& d) {
    d.show();
    d.activateWindow();
    if (!QTest::qWaitForWindowActive(&d)) return {QStringLiteral("fenêtre inactive")};
    QWidget* depart = QApplication::focusWidget();
    if (!depart) return {QStringLiteral("aucun focus")};
    QList<const QWidget*> vus{depart};
    for (int i = 0; i < 400; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* ici = QApplication::focusWidget();
        if (ici == depart) break;
        if (i == 399) return {QStringLiteral("piège : ") + Designation(ici)};
        vus << ici;
    }
    QStringList r;
    for (const QWidget* w : d.findChildren<QWidget*>()) {
        if (!EstUnChamp(w) || !w->isVisible() || !w->isEnabled() || vus.contains(w)) continue;
        // Tab stops once on a group of radio buttons; the arrows go from one to the next.
        const auto* radio = qobject_cast<const QRadioButton*>(w);
        const auto voisin = [w](const QWidget* v) {
            return qobject_cast<const QRadioButton*>(v) && v->parentWidget() == w->parentWidget();
        };
        if (radio && radio->autoExclusive() && std::any_of(vus.begin(), vus.end(), voisin))
            continue;
        r << Designation(w);
    }
    return r;
}

class Dialogues : public ::testing::Test {
protected:
    void SetUp() override {
        InitOptions(Options);
        DefinirHorloge([] { return DateHeure{2026, 12, 6, 10, 0, 0}; });
        nouvelle.Initialiser();
        c = test::classeAvecNotes({{"9"}, {"10"}, {"11"}, {"12"}, {"13"}});
        c.AbrevClasse = "3B";
        c.NbDevoir[1][1] = 2;
    }
    void TearDown() override {
        HorlogeSysteme();
        InitOptions(Options);
    }
    // 43 students, the second MARTIN Paul: two places left.
    static TClasse presquePleine() {
        TClasse k = test::classeAvecNotes(std::vector<std::vector<std::string>>(43));
        k.AbrevClasse = "4B";
        k.Eleve[2].Nom = "MARTIN";
        k.Eleve[2].Prenom = "Paul";
        return k;
    }
    static QString cellule(TDialImportListe& d, int r, int k) {
        return d.Tableau()->item(r, k)->text();
    }
    template <typename T = QLineEdit> T* w(QWidget& d, const char* nom) {
        T* r = d.findChild<T*>(QLatin1String(nom));
        EXPECT_NE(r, nullptr) << nom;
        return r;
    }
    void saisir(QWidget& d, const char* champ, const QString& texte) {
        QLineEdit* e = w(d, champ);
        e->clear();
        // One key per character, as typed: QTest's own keys are ASCII only.
        for (char32_t u : texte.toUcs4()) {
            QKeyEvent touche(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUcs4(&u, 1));
            QApplication::sendEvent(e, &touche);
        }
    }
    void clic(QWidget& d, const char* bouton) { w<QAbstractButton>(d, bouton)->click(); }
    // The dialog's title and grid, written as the clipboard's text is.
    static QString texte(QDialog* d) {
        auto* g = d->findChild<QTableWidget*>(QStringLiteral("ST"));
        QString t = d->windowTitle() + '\r';
        for (int r = -1; r < g->rowCount(); ++r) {
            QStringList l;
            for (int k = 0; k < g->columnCount(); ++k)
                l << (r < 0 ? g->horizontalHeaderItem(k) : g->item(r, k))->text();
            t += l.join('\t') + '\r';
        }
        return t;
    }

    // Each dialog of the program, made as its command makes it, named by its making.
    using Dialogue = std::unique_ptr<QDialog>;
    std::vector<std::pair<const char*, std::function<Dialogue()>>> tous() {
        // clang-format off
#define DIALOGUE(D, ...) \
    {#D "(" #__VA_ARGS__ ")", [&]() -> Dialogue { return std::make_unique<D>(__VA_ARGS__); }}
        // clang-format on
        return {
            DIALOGUE(TDial01, nouvelle),
            DIALOGUE(TDial02, c, "Ajouter", 3),
            DIALOGUE(TDial03, c, 1),
            DIALOGUE(TDial04, c),
            DIALOGUE(TDial05, c),
            DIALOGUE(TDial06, c),
            DIALOGUE(TDial07, c),
            DIALOGUE(TDial08, c),
            DIALOGUE(TDial10, c),
            DIALOGUE(TDial11, c),
            DIALOGUE(TDial12, c),
            DIALOGUE(TDial13, c),
            DIALOGUE(TDial14, c),
            DIALOGUE(TDial15, c),
            DIALOGUE(TDial16, c, TDial16::Supprimer),
            DIALOGUE(TDialImportListe, c, true),
            DIALOGUE(TDialOption, nullptr, dossier.filePath("q.ini"), ','),
            DIALOGUE(TDialJournal, std::vector<EntreeJournal>{}, "3B.cl3", QString(), ""),
            DIALOGUE(TDialReleves, c),
            DIALOGUE(ApercuReleves, CalculerReleves(c, {{1}, 1, false}), QString()),
            DIALOGUE(TDlgInfo),
            DIALOGUE(TDLGPrint, nullptr, nullptr, &graphe, &imprimante),
            DIALOGUE(TDLGPrint, nullptr, &tableau, nullptr, &imprimante),
            DIALOGUE(MiseEnPage, &imprimante),
        };
#undef DIALOGUE
    }
    TClasse c, nouvelle;
    QTemporaryDir dossier;
    TNewGraphe graphe;
    TTableau tableau;
    QPrinter imprimante;
    test::DialoguesScriptes dialogues;
    test::PlateformeFactice plateforme;
};

TEST_F(Dialogues, NouvelleClasseGardeLesEntreesEtDonneLeConseilUneFois) {
    TDial01 d(nouvelle);
    d.show();
    clic(d, "OK");
    EXPECT_EQ(dialogues.textes(),
              QStringList{"Il faut au minimum UN élève pour former une classe."});
    EXPECT_TRUE(d.isVisible());
    const char* noms[] = {"martin", "durand", "petit"};
    for (int i = 0; i < 3; ++i) {
        saisir(d, "Nom", noms[i]);
        saisir(d, "Prenom", "léa");
        QTest::keyClick(w(d, "Nom"), Qt::Key_Return); // Enter is "Suivant"
        // The advice stops the first student once; the second Enter accepts no date.
        if (i == 0) QTest::keyClick(w(d, "Date"), Qt::Key_Return);
    }
    EXPECT_EQ(dialogues.textes().count(texteQt(TexteConseilDateNaissance)), 1);
    for (int i = 0; i < 3; ++i) clic(d, "Precedent");
    EXPECT_EQ(w(d, "Nom")->text(), "Martin");
    clic(d, "OK");
    ASSERT_EQ(nouvelle.NbEleve, 3);
    EXPECT_EQ(nouvelle.Eleve[3].Nom, "Petit");
    EXPECT_EQ(nouvelle.Eleve[3].Prenom, cp1252("Léa"));

    TDial01 plein(nouvelle);
    for (int i = 0; i < 50; ++i) {
        saisir(plein, "Nom", "x");
        saisir(plein, "Date", "01012010");
        plein.Suivant();
    }
    EXPECT_EQ(w<QGroupBox>(plein, "Cadre")->title(), " Elève n° 45 ");
}

TEST_F(Dialogues, AjouterInsererEtSupprimerUnEleve) {
    TDial13 d(c);
    // Œ is in the file's code page; Ș becomes its letter; what has none a "?".
    saisir(d, "Nom", QStringLiteral("ȘŒUR😀 abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(w(d, "Nom")->text(), QStringLiteral("SŒUR? abcdefghijklmn"));
    saisir(d, "Date", "31021999x");
    clic(d, "OK");
    EXPECT_EQ(c.Eleve[6].Nom, cp1252("SŒUR? ABCDEFGHIJKLMN"));
    EXPECT_EQ(c.Eleve[6].DateNaissance, "31021999");

    TDial07 ins(c);
    saisir(ins, "Nom", "abel");
    clic(ins, "OK"); // the advice first
    clic(ins, "OK");
    EXPECT_EQ(c.Eleve[1].Nom, "ABEL");

    TDial04 sup(c);
    w<QComboBox>(sup, "Liste")->setCurrentIndex(1);
    dialogues.reponses = {QMessageBox::Cancel, QMessageBox::Ok};
    clic(sup, "OK");
    clic(sup, "OK");
    EXPECT_EQ(dialogues.textes().last(), "Supprimer définitivement l'élève ELEVE1  ?");
    EXPECT_EQ(c.Eleve[2].Nom, "ELEVE2");
}

// Typed a key at a time or pasted, a name gets the Latin spelling a class list's import
// gives it.
TEST_F(Dialogues, UnNomEtrangerSEcritCommeALImport) {
    TDial13 d(c);
    QLineEdit* prenom = w(d, "Prenom");
    for (const auto& [nom, attendu] : test::NomsDuMonde) {
        const QString texte = QString::fromUtf8(nom);
        saisir(d, "Prenom", texte);
        EXPECT_EQ(prenom->text().toStdString(), attendu) << nom;
        prenom->setText(QStringLiteral("()"));
        prenom->setCursorPosition(1);
        prenom->insert(texte);
        EXPECT_EQ(prenom->text().toStdString(), "(" + std::string(attendu) + ")") << nom;
        EXPECT_EQ(prenom->cursorPosition(), prenom->text().size() - 1) << nom; // before ")"
    }
}

// A name emptied is refused, at a change of line as at OK, and the student stays shown.
TEST_F(Dialogues, ModifierStockeAuChangementDeLigneEtAnnulerRepondOK) {
    TDial08 d(c);
    d.show();
    auto* liste = w<QComboBox>(d, "Liste");
    liste->setCurrentIndex(1);
    saisir(d, "Nom", "");
    liste->setCurrentIndex(4);
    EXPECT_EQ(liste->currentIndex(), 1);
    clic(d, "OK");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(dialogues.textes(), QStringList(2, texteQt(TexteNomObligatoire)));
    EXPECT_EQ(d.focusWidget(), w(d, "Nom"));
    EXPECT_EQ(c.Eleve[2].Nom, "ELEVE2");
    saisir(d, "Nom", "durand");
    liste->setCurrentIndex(4);
    saisir(d, "Nom", "oublie");
    clic(d, "Annuler");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(c.Eleve[2].Nom, "DURAND");
    EXPECT_EQ(c.Eleve[5].Nom, "ELEVE5");

    TDial08 rien(c);
    clic(rien, "Annuler");
    EXPECT_EQ(rien.result(), QDialog::Rejected);
}

// The birth date takes digits only; a day the calendar lacks is pointed out beside it as it
// is typed, and stored as typed all the same.
TEST_F(Dialogues, LaDateDeNaissanceNePrendQueDesChiffres) {
    c.Eleve[1].DateNaissance = "3102199x"; // as a file may hold it
    TDial08 d(c);
    auto* defaut = w<QLabel>(d, "DefautDate");
    EXPECT_EQ(w(d, "Date")->text(), "3102199x");
    EXPECT_EQ(defaut->text(), "Date illisible");
    saisir(d, "Date", "3/1.02-a1999");
    EXPECT_EQ(w(d, "Date")->text(), "31021999");
    EXPECT_EQ(defaut->text(), "Le 31 février 1999 n'existe pas");
    clic(d, "OK");
    EXPECT_EQ(c.Eleve[1].DateNaissance, "31021999");
    EXPECT_TRUE(dialogues.affiches.empty());
    saisir(d, "Date", "011");
    EXPECT_TRUE(defaut->text().isEmpty());
}

TEST_F(Dialogues, CoefficientsEnGrilleDesMatieresEtPeriodesEnService) {
    c.NbPeriode = 2;
    c.NbMatiere = 2;
    c.Matiere[1].Coef[1] = 1.25;
    TDial14 d(c);
    d.show();
    EXPECT_TRUE(d.Champ(2, 2)->isVisible());
    EXPECT_FALSE(d.Champ(1, 3)->isVisible() || d.Champ(3, 1)->isVisible());
    // A comma typed is the decimal point; what cannot be read, or lies below 0, keeps the
    // dialog open on its field, the class unchanged.
    d.Champ(1, 2)->clear();
    QTest::keyClicks(d.Champ(1, 2), QStringLiteral("2,5"));
    d.Champ(2, 1)->setText("deux");
    d.Champ(2, 2)->setText("-2");
    d.accept();
    d.Champ(2, 1)->setText("0");
    Options.verification = false; // a negative weight is refused all the same
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.focusWidget(), d.Champ(2, 2));
    EXPECT_EQ(double(c.Matiere[1].Coef[2]), 1.0);
    EXPECT_EQ(
        dialogues.textes(),
        (QStringList{"Le coefficient doit être un nombre",
                     "Le nombre -2.00 est en dehors du domaine de validité.\r( De 0 à 10 )"}));
    d.Champ(2, 2)->setText("3");
    d.accept();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(double(c.Matiere[1].Coef[1]), 1.25); // shown as 1.2, left untouched
    EXPECT_EQ(double(c.Matiere[1].Coef[2]), 2.5);
    EXPECT_EQ(double(c.Matiere[2].Coef[1]), 0.0);
    EXPECT_EQ(double(c.Matiere[2].Coef[2]), 3.0);
}

TEST_F(Dialogues, ChaqueChampADesMotsPourLeLecteurDEcranEtTabPasseParChacun) {
    for (const auto& [nom, faire] : tous()) {
        const auto d = faire();
        EXPECT_EQ(SansNom(*d).join(QStringLiteral(", ")).toStdString(), "") << nom;
        EXPECT_EQ(HorsDuTour(*d).join(QStringLiteral(", ")).toStdString(), "") << nom;
    }
}

// The buttons choose the view and the box the rule: in subject 2's second semester, ELEVE2
// has no grade, an absence that leaves him unranked. The clipboard and the command line
// write the same text.
TEST_F(Dialogues, LesBoutonsClassentLaVueChoisieEtLesTroisSortiesConcordent) {
    TClasse k = test::classeAvecNotes({{"8"}, {""}, {"16"}}, {}, 2, 2);
    k.AbrevClasse = "4B";
    k.AnneeScolaire = "( 2026 / 2027 )";
    k.NbMatiere = k.NbPeriode = 2;
    k.NomFichier = dossier.filePath(QStringLiteral("4B.cl3")).toStdString();
    ASSERT_TRUE(k.Sauver());
    TDial10 d(k);
    for (const char* bouton : {"RB12", "RB2", "CB", "Button1"}) clic(d, bouton);
    const QString grille = texte(&d);
    EXPECT_EQ(grille, "4B / Matière 2 / Sem.2 ( 2026 / 2027 )\rRang\tElève\tMoyenne\tAbsence\r"
                      " 1\t ELEVE3 \t 16\t\r 2\t ELEVE1 \t 8\t\r n.c.\t ELEVE2 \t\t 1\r");
    EXPECT_TRUE(w<QAbstractButton>(d, "RB3")->isHidden() &&
                w<QAbstractButton>(d, "RB13")->isHidden());
    EXPECT_EQ(QApplication::clipboard()->text(), grille);
    std::ostringstream sortie, erreurs;
    ExecuterClassement(AnalyserLigneCommande({"--classement", k.NomFichier, "--vue", "2,2",
                                              "--config", "/nulle/part.ini", "--sans-absents"}),
                       '.', sortie, erreurs);
    EXPECT_EQ(QString::fromStdString(sortie.str()), QString(grille).replace('\r', '\n'));
}

TEST_F(Dialogues, LeBlocNoteEcritLeFichierPuisLOuvre) {
    TDial10 d(c);
    clic(d, "CB");
    // The program's folder is not writable here: the file goes beside the settings.
    const QString chemin = plateforme.configuration + "/Classement.TXT";
    clic(d, "Button2");
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), Utf8DepuisCp1252(TexteFichierClassement(c, 1, 1, true)));
    EXPECT_EQ(plateforme.fichiersEdites, QStringList{chemin});
    plateforme.editeurDisponible = false;
    clic(d, "Button2");
    // A folder in the way of the file: said, and nothing claimed.
    QFile::remove(chemin);
    QDir().mkpath(chemin);
    clic(d, "Button2");
    const QString cree = "Le fichier " + chemin + " est créé.";
    EXPECT_EQ(dialogues.textes().mid(0, 3),
              (QStringList{cree, cree, "Éditeur de texte : impossible d'ouvrir " + chemin}));
    EXPECT_EQ(dialogues.nombre("erreur"), 1);
    EXPECT_TRUE(dialogues.textes().last().startsWith("Le fichier " + chemin +
                                                     " ne peut pas être écrit : "));
    // A class kept under that very name is refused as the ranking's file.
    QDir(chemin).removeRecursively();
    QFile classe(chemin);
    ASSERT_TRUE(classe.open(QIODevice::WriteOnly) && classe.write("classe") == 6);
    classe.close();
    c.NomFichier = chemin.toStdString();
    clic(d, "Button2");
    EXPECT_TRUE(dialogues.textes().last().endsWith(
        "C'est le fichier de la classe ; il n'est pas remplacé."));
    ASSERT_TRUE(classe.open(QIODevice::ReadOnly));
    EXPECT_EQ(classe.readAll(), "classe");
}

TEST_F(Dialogues, AgesEtAnniversairesDuMoisEnCours) {
    c.Eleve[2].DateNaissance = "15122012";
    c.Eleve[4].DateNaissance = "01122011";
    TDial11 ages(c);
    EXPECT_TRUE(texte(&ages).endsWith(" ELEVE1 \t ??\t ??\r")); // no birth date
    TDial12 anniversaires(c);
    EXPECT_EQ(w<QListWidget>(anniversaires, "LB")->count(), 2);
}

TEST_F(Dialogues, ProblemesMontresLigneParLigneEtChoixDuProfesseur) {
    c = presquePleine();
    TDialImportListe d(c, true);
    d.ChargerOctets("Nom;Prénom;Né(e) le\n"
                    "POPEȘCU;Ana;31/02/2012\n"
                    "MARTIN;Paul;05/03/2012\n"
                    "UN NOM BEAUCOUP TROP LONG;Léa;2012-01-02\n"
                    "ROUX;Tom;\n",
                    QStringLiteral("Fichier « 4B.csv »"));
    ASSERT_EQ(d.Tableau()->rowCount(), 4);
    EXPECT_EQ(cellule(d, 1, 6),
              "déjà dans la classe (élève 2) : non importé ; cochez pour compléter "
              "sa date de naissance");
    EXPECT_EQ(cellule(d, 2, 5), "2 janvier 2012");
    // Two places left: the fourth row stays out.
    EXPECT_EQ(cellule(d, 3, 6), "plus de place dans la classe (45 élèves au plus) : non importé");
    EXPECT_EQ(d.Bilan()->text(), "2 élèves seront ajoutés (la classe en aura 45), 2 lignes non "
                                 "importées.");
    // A box is ticked for a row that comes in, and for it alone.
    auto coches = [&d] {
        QString t;
        for (int r = 0; r < d.Tableau()->rowCount(); ++r)
            t += d.Tableau()->item(r, 0)->checkState() == Qt::Checked ? 'x' : '-';
        return t;
    };
    EXPECT_EQ(coches(), "x-x-");

    // The teacher skips the first row, asks for Martin's date and corrects the other date.
    d.Tableau()->item(0, 0)->setCheckState(Qt::Unchecked);
    d.Tableau()->item(1, 0)->setCheckState(Qt::Checked);
    d.Tableau()->item(3, 5)->setData(Qt::UserRole, QStringLiteral("07.08.13"));
    EXPECT_EQ(cellule(d, 3, 5), "7 août 2013");
    EXPECT_EQ(d.Bilan()->text(), "2 élèves seront ajoutés (la classe en aura 45), 1 date de "
                                 "naissance complétée, 1 ligne non importée.");
    EXPECT_EQ(coches(), "-xxx");
}

TEST_F(Dialogues, PressePapiersEtColonnesChoisies) {
    c = presquePleine();
    TDialImportListe d(c, true);
    EXPECT_EQ(d.windowTitle(), "Importer une liste d'élèves ( 4B )");
    EXPECT_EQ(TDialImportListe(c, true, true).windowTitle(),
              "Nouvelle classe depuis une liste d'élèves");
    QApplication::clipboard()->setText(QStringLiteral("1\tDurand\tZoé\n2\tPetit\tLucas\n"));
    ASSERT_TRUE(d.ChargerPressePapiers());
    EXPECT_EQ(cellule(d, 0, 3), "Durand");
    EXPECT_EQ(cellule(d, 0, 4), "Zoé");
    // The teacher says the first column holds the names: the rows are read again.
    auto* premiere = qobject_cast<QComboBox*>(d.TableauColonnes()->cellWidget(0, 0));
    ASSERT_TRUE(premiere);
    premiere->setCurrentText(QStringLiteral("Nom"));
    EXPECT_EQ(cellule(d, 1, 3), "2");
    EXPECT_EQ(cellule(d, 1, 4), "Lucas");

    QApplication::clipboard()->clear();
    EXPECT_FALSE(d.ChargerPressePapiers());
    EXPECT_TRUE(dialogues.textes().contains("Le presse-papiers ne contient pas de texte."));
    EXPECT_FALSE(d.ChargerFichier(QStringLiteral("/nulle/part.csv")));
    EXPECT_EQ(dialogues.affiches.back().genre, "avertissement");
}

// Subject 1: in the first trimester ELEVE1 has 8 and 13 (10.5), ELEVE2 12 and 7 (9.5), ELEVE3
// 9 and 9; in the second ELEVE1 has 14 and ELEVE2 6.
class Consequences_ : public Dialogues {
protected:
    void SetUp() override {
        Dialogues::SetUp();
        c = test::classeAvecNotes({{"8", "13"}, {"12", "7"}, {"9", "9"}});
        c.NbDevoir[1][2] = 1;
        c.Eleve[1].Note[1][2][1] = "14";
        c.Eleve[2].Note[1][2][1] = "6";
        copie = c.Image();
    }
    bool intacte() const { return std::memcmp(&c.Image(), &copie, sizeof copie) == 0; }

    ImageClasse copie;
    QString ini = dossier.filePath(QStringLiteral("quillora.ini"));
};
using Options_ = Consequences_;

TEST_F(Options_, OkPutsWhatWasTypedInForceAndWritesIt) {
    Options.polstyle = {true, false, true};
    for (const auto& [kd, repsauve, facteur, repertoire] :
         {std::tuple{"abc", "/home/prof/sauve", 1.0, "/home/prof/sauve/"},
          {"1,5", "", 1.0, ""},
          {"0", "/media/CLE/", 1.0, "/media/CLE/"},
          {"2.5", "A:\\", 2.5, "A:\\"}}) {
        TDialOption d(nullptr, ini, ',');
        w<QLineEdit>(d, "kd")->setText(QLatin1String(kd));
        w<QLineEdit>(d, "repsauve")->setText(QLatin1String(repsauve));
        QTableWidget* grille = w<QTableWidget>(d, "Grille");
        grille->item(0, 1)->setText(QStringLiteral("ABC"));
        grille->item(1, 2)->setText(QStringLiteral("1,5"));
        grille->item(1, 3)->setText(QStringLiteral("17.25"));
        d.accept();
        EXPECT_EQ(Options.kd, facteur) << kd;
        EXPECT_EQ(Options.repsauve, repertoire);
        EXPECT_EQ(Options.cores[1].coresL, "AB");
        EXPECT_EQ(Options.cores[2].coresV, 19.0);
        EXPECT_EQ(Options.cores[3].coresV, 17.25);
        EXPECT_EQ(Options.polstyle, (StylePolice{true, false, false}));
    }
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray texte = f.readAll();
    EXPECT_TRUE(texte.contains("kd=2,5") && texte.contains("polstyleU=0")) << texte.constData();
    // The limits start at 0, as their labels say.
    TDialOption zero(nullptr, ini, ',');
    w<TSaisieNombre>(zero, "coefmax")->Edit()->setText(QStringLiteral("0"));
    zero.accept();
    EXPECT_EQ(Options.coefmax, 0);
}

// A comma typed into a number is its decimal point.
TEST_F(Options_, TheCommaTypedInANumberIsItsDecimalPoint) {
    TDialOption d(nullptr, ini, ',');
    d.show();
    w<QLineEdit>(d, "kd")->selectAll();
    QTest::keyClicks(w<QLineEdit>(d, "kd"), QStringLiteral("2,5"));
    QTableWidget* grille = w<QTableWidget>(d, "Grille");
    grille->editItem(grille->item(1, 4));
    auto* valeur = qobject_cast<QLineEdit*>(grille->indexWidget(grille->model()->index(1, 4)));
    ASSERT_NE(valeur, nullptr);
    valeur->selectAll();
    QTest::keyClicks(valeur, QStringLiteral("1,25"));
    QTest::keyClick(valeur, Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor closes after the key
    d.accept();
    EXPECT_EQ(Options.kd, 2.5);
    EXPECT_EQ(Options.cores[4].coresV, 1.25);
}

// A grade range out of bounds keeps the dialog open and writes nothing; a failed write is
// told, and the options stay in force.
TEST_F(Options_, AWarningForARangeOutOfBoundsOrAFailedWrite) {
    TDialOption hors(nullptr, ini, ',');
    w<QWidget>(hors, "notemax")->findChild<QLineEdit*>()->setText(QStringLiteral("30"));
    hors.accept();
    EXPECT_EQ(hors.result(), QDialog::Rejected);
    EXPECT_EQ(Options.notemax, 20);
    EXPECT_FALSE(QFile::exists(ini));

    TDialOption d(nullptr, dossier.filePath(QStringLiteral("fichier/quillora.ini")), ',');
    QFile(dossier.filePath(QStringLiteral("fichier"))).open(QIODevice::WriteOnly);
    w<QCheckBox>(d, "prenom")->setChecked(false);
    d.accept();
    EXPECT_FALSE(Options.prenom);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(dialogues.nombre(QStringLiteral("avertissement")), 2);
}

TEST_F(Consequences_, ThePanelFollowsEachDialogsFieldsAndCancelLeavesEveryByte) {
    {
        TDial05 d(c);
        d.MontrerConsequences(1, 1);
        EXPECT_EQ(d.Panneau()->Resume(), "Aucun élève ne change");
        // The joker drops 8 and 7: ELEVE1 13, ELEVE2 12, which reaches the pass mark; ELEVE3
        // keeps 9.
        w<QCheckBox>(d, "Joker")->setChecked(true);
        EXPECT_EQ(d.Panneau()->Resume(),
                  "2 élèves changent, 1 passe au-dessus de la moyenne, 0 en dessous");
        EXPECT_EQ(d.Panneau()->Lignes().value(0), "ELEVE2  Trim. 1 : 9,5 → 12  ↑ passe la moyenne");
        d.reject();
    }
    {
        // Period 1 weighs 3 in the year: ELEVE1 (3 x 10.5 + 14) / 4 = 11.375 instead of 12.25,
        // ELEVE2 (3 x 9.5 + 6) / 4 = 8.625 instead of 7.75; ELEVE3 has the first period only.
        TDial14 d(c);
        d.MontrerConsequences(1, 1);
        d.Champ(1, 1)->setText(QStringLiteral("3"));
        EXPECT_EQ(d.Panneau()->Lignes().value(0), "ELEVE1  Année : 12,2 → 11,4");
        EXPECT_EQ(d.Panneau()->Resume(),
                  "2 élèves changent, 0 passe au-dessus de la moyenne, 0 en dessous");
        d.reject();
    }
    {
        // The last assignment at 3: ELEVE1 (8 + 39) / 4 = 11.75, ELEVE2 (12 + 21) / 4 = 8.25.
        TDial06 d(c);
        d.MontrerConsequences(1, 1);
        QLineEdit* coef = d.Champs()->Coef();
        coef->selectAll();
        QTest::keyClicks(coef, QStringLiteral("3"));
        EXPECT_EQ(d.Panneau()->Lignes().value(0), "ELEVE1  Trim. 1 : 10,5 → 11,8");
        d.reject();
    }
    EXPECT_TRUE(intacte());
    {
        // An assignment inserted first: the column opened for it has no grade, and the
        // others, moved right, count as before once it is counted.
        InsererDevoirVide(c, 1, 1, 1);
        TDial02 d(c, QStringLiteral("Insérer"), 1);
        d.MontrerConsequences(copie, 1, 1);
        d.Champs()->Coef()->setText(QStringLiteral("5"));
        EXPECT_EQ(d.Panneau()->Resume(), "Aucun élève ne change");
    }
}

TEST_F(Consequences_, OptionsPassMarkFollowsHalfTheMaximumAndCancelLeavesTheSettingsFile) {
    ASSERT_TRUE(EcrireOptions(ini.toStdString(), ',').ok);
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    const TOptions avant = Options;
    {
        TDialOption d(nullptr, ini, ',');
        d.MontrerConsequences(c, 1, 1);
        auto* maximum = w<TSaisieNombre>(d, "notemax");
        auto* seuil = w<TSaisieNombre>(d, "notemoy");
        // Half of 16 is 8: ELEVE2's 9.5 and ELEVE3's 9 pass, in the period and its synthesis.
        maximum->Edit()->setText(QStringLiteral("16"));
        EXPECT_EQ(seuil->ValeurI(), 8);
        EXPECT_EQ(d.Panneau()->Resume(),
                  "2 élèves changent, 2 passent au-dessus de la moyenne, 0 en dessous");
        // Left to the teacher: 11 puts ELEVE1's 10.5 below.
        w<QCheckBox>(d, "moydiv2")->setChecked(false);
        seuil->Edit()->setText(QStringLiteral("11"));
        EXPECT_EQ(d.Panneau()->Lignes().value(0),
                  "ELEVE1  Trim. 1 : 10,5  ↓ passe sous la moyenne");
        d.reject();
    }
    f.seek(0);
    EXPECT_EQ(f.readAll(), octets);
    EXPECT_TRUE(Options == avant);
    EXPECT_TRUE(intacte());

    TDialOption d(nullptr, ini, ',');
    w<TSaisieNombre>(d, "notemax")->Edit()->setText(QStringLiteral("10"));
    d.accept();
    EXPECT_EQ(Options.notemoy, 5);
}

TEST_F(Consequences_, FoldingIsRememberedFromOneDialogToTheNext) {
    TDialOption options(nullptr, QString(), ',');
    options.MontrerConsequences(c, 1, 1);
    const int haute = options.height();
    options.findChild<QToolButton*>(QStringLiteral("Replier"))->click();
    EXPECT_TRUE(options.Panneau()->Replie());
    EXPECT_LT(options.height(), haute);
    QFile f(FichierConsequences());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "[Consequences]\nreplie=1\n");

    TDial14 d(c);
    d.MontrerConsequences(1, 1);
    EXPECT_TRUE(d.Panneau()->Replie());
    EXPECT_TRUE(w<QListWidget>(d, "ListeConsequences")->isHidden());
    d.findChild<QToolButton*>(QStringLiteral("Replier"))->click();
    TDial05 autre(c);
    autre.MontrerConsequences(1, 1);
    EXPECT_FALSE(autre.Panneau()->Replie());
}

} // namespace
