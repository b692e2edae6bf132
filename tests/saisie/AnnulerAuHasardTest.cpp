#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstring>
#include <filesystem>
#include <random>
#include <unistd.h>

#include "FeuilleSaisie.h"
#include "PressePapier.h"

using namespace quillora;
using namespace quillora::test;

namespace {

// Random commands on the sample class, each made by the sheet's own menus and dialogs, and a
// reference list of the images before and after every change they made.
class AnnulerAuHasard : public FeuilleSaisie {
protected:
    void SetUp() override {
        FeuilleSaisie::SetUp();
        PressePapier() = TPressePapier{};
        // A copy: the sheet keeps its journal beside the class it opened.
        std::filesystem::copy_file(QUILLORA_SOURCE_DIR "/exemples/3A.cl3", copie,
                                   std::filesystem::copy_options::overwrite_existing);
        ASSERT_TRUE(f->OuvrirFichier(copie));
    }
    void TearDown() override {
        PressePapier() = TPressePapier{};
        QApplication::clipboard()->clear();
        FeuilleSaisie::TearDown();
        std::filesystem::remove(copie);
        std::filesystem::remove(copie + ".journal");
    }

    const std::string copie =
        testing::TempDir() + "quillora-hasard-" + std::to_string(::getpid()) + ".cl3";

    template <typename T> T au(std::vector<T> v) { return v[hasard(v.size())]; }
    std::size_t hasard(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    }

    // What a teacher may do in any of the dialogs: pick lines, type plausible values, tick
    // options, then confirm; one time in six the script leaves the dialog to be cancelled.
    void geste(QDialog& d) {
        static const char* const valeurs[] = {"12",   "7.5", "20", "0",      "2",  "01012010",
                                              "Oral", "abs", "",   "martin", "x1", "15/03/2027"};
        for (std::size_t tour = hasard(3) + 1; tour > 0; --tour) {
            const auto listes = d.findChildren<QComboBox*>();
            if (!listes.isEmpty()) {
                QComboBox* l = listes[static_cast<int>(hasard(listes.size()))];
                if (l->count() > 0) l->setCurrentIndex(static_cast<int>(hasard(l->count())));
            }
            for (QLineEdit* e : d.findChildren<QLineEdit*>()) {
                if (!e->isVisible() || !e->isEnabled() || hasard(2)) continue;
                e->selectAll();
                QTest::keyClick(e, Qt::Key_Backspace);
                QTest::keyClicks(e, QString::fromLatin1(valeurs[hasard(std::size(valeurs))]));
            }
            for (QAbstractButton* b : d.findChildren<QAbstractButton*>())
                if ((qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b)) &&
                    b->isVisible() && b->isEnabled() && hasard(4) == 0)
                    b->click();
            for (const char* nom : {"Suivant", "BColler"})
                if (auto* b = d.findChild<QPushButton*>(QLatin1String(nom))) b->click();
        }
        if (hasard(6) == 0) return;
        QList<QPushButton*> boutons;
        for (const char* nom : {"OK", "PlusTard", "Saisir", "Valider"})
            if (auto* b = d.findChild<QPushButton*>(QLatin1String(nom))) boutons << b;
        if (auto* b = d.findChild<QDialogButtonBox*>()) boutons << b->button(QDialogButtonBox::Ok);
        // A refused value leaves the dialog open: a second try, then the script cancels.
        for (int i = 0; i < 2 && d.isVisible() && !boutons.isEmpty(); ++i)
            boutons[static_cast<int>(hasard(boutons.size()))]->click();
    }

    // Types one grade or coefficient of the view shown, or abandons it.
    void taper() {
        const int s = f->Classe.MatiereCourante, p = f->Classe.PeriodeCourante;
        if (!f->VueMatiere() || f->Classe.NbDevoir[s][p] == 0) return;
        f->Ligne = hasard(4) ? static_cast<int>(hasard(f->Classe.NbEleve)) + 1 : 0;
        f->Colonne = static_cast<int>(hasard(f->Classe.NbDevoir[s][p])) + 1;
        f->OuvrirSaisie(QString());
        const char* texte = au<const char*>({"12", "15.5", "abs", "", "0", "20", "3", "x"});
        saisir(QString::fromLatin1(texte), hasard(8) ? Qt::Key_Return : Qt::Key_Escape);
        if (f->SaisieEnCours()) saisir(QString(), Qt::Key_Escape);
    }

    // A command of the view shown, as the menus would run it.
    void commande() {
        using C = void (TChild::*)();
        static const C commandes[] = {
            &TChild::MenuAjouterEleve,  &TChild::MenuInsererEleve,     &TChild::MenuSupprimerEleve,
            &TChild::MenuModifierEleve, &TChild::MenuParametresClasse, &TChild::MenuTrierEleves,
            &TChild::MenuCoefficients,  &TChild::MenuMatieres,         &TChild::AjouterDevoir,
            &TChild::InsererDevoir,     &TChild::ModifierDevoir,       &TChild::SupprimerDevoir,
            &TChild::ViderPeriode,      &TChild::ViderAnnee,           &TChild::CopierDevoir,
            &TChild::CouperDevoir,      &TChild::AjouterDevoirCopie,   &TChild::InsererDevoirCopie,
            &TChild::MenuImporterListe,
        };
        const std::size_t k = hasard(std::size(commandes) + 8);
        if (k >= std::size(commandes)) return taper();
        // What the list import pastes: a student already there, a new one, a line of noise.
        QApplication::clipboard()->setText(
            au<QString>({QStringLiteral("Roux\tTom\nzola\tléa\t01/02/2012\n;;\n"),
                         QString::fromStdString(f->Classe.Eleve[1].Nom.str() + "\n")}));
        for (int i = 0; i < 3; ++i) {
            dialogues.gestes.push_back([this](QDialog& d) { geste(d); });
            dialogues.reponses.push_back(au<QMessageBox::StandardButton>(
                {QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No}));
        }
        (f.get()->*commandes[k])();
        dialogues.gestes.clear();
        dialogues.reponses.clear();
    }

    static bool memeClasse(ImageClasse a, const ImageClasse& b) {
        a.MatiereCourante = b.MatiereCourante;
        a.PeriodeCourante = b.PeriodeCourante;
        return std::memcmp(&a, &b, sizeof(ImageClasse)) == 0;
    }
    bool egale(const ImageClasse& i) const {
        return std::memcmp(&i, &f->Classe.Image(), sizeof(ImageClasse)) == 0;
    }

    // A random command checked against the reference: a step when the class changed, the
    // history untouched otherwise, never a step left pending.
    void changer() {
        const TClasse& c = f->Classe;
        f->ChangerMatiere(hasard(5) == 0 ? 4 : static_cast<int>(hasard(c.NbMatiere)) + 1);
        f->ChangerTrimestre(hasard(5) == 0 ? 4 : static_cast<int>(hasard(c.NbPeriode)) + 1);
        const ImageClasse debut = f->Classe.Image();
        commande();
        const Historique& h = f->HistoriqueClasse();
        ASSERT_FALSE(h.EnCours());
        if (memeClasse(debut, f->Classe.Image())) {
            ASSERT_EQ(h.NbEtapes(), avant.size());
            ASSERT_EQ(h.PeutRetablir(), position < avant.size());
            return;
        }
        avant.resize(position);
        apres.resize(position);
        avant.push_back(debut);
        apres.push_back(f->Classe.Image());
        ++position;
        ASSERT_EQ(h.NbEtapes(), avant.size());
        ASSERT_FALSE(h.PeutRetablir());
    }
    // One step back or forward, checked against the reference.
    void annuler(bool retour = true) {
        const Historique& h = f->HistoriqueClasse();
        ASSERT_EQ(retour ? h.PeutAnnuler() : h.PeutRetablir(),
                  retour ? position > 0 : position < apres.size());
        if (retour ? position == 0 : position == apres.size()) return;
        retour ? f->Annuler() : f->Retablir();
        ASSERT_TRUE(retour ? egale(avant[--position]) : egale(apres[position++])) << position;
    }

    std::mt19937 rng{18};
    std::vector<ImageClasse> avant, apres;
    std::size_t position = 0;
};

TEST_F(AnnulerAuHasard, ToutAnnulerPuisToutRetablirRendLesOctetsExacts) {
    for (int i = 0; i < 200; ++i) ASSERT_NO_FATAL_FAILURE(changer()) << "commande " << i;
    ASSERT_GT(avant.size(), 60u); // most commands changed the class
    while (position > 0) ASSERT_NO_FATAL_FAILURE(annuler());
    EXPECT_FALSE(f->Modifie); // back to the file as read
    while (position < apres.size()) ASSERT_NO_FATAL_FAILURE(annuler(false));

    for (int i = 0; i < 300; ++i) {
        const std::size_t k = hasard(5);
        ASSERT_NO_FATAL_FAILURE(k < 4 ? annuler(k < 2) : changer());
    }
}

} // namespace
