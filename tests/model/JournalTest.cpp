#include <gmock/gmock.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "Fabrique.h"
#include "Historique.h"
#include "Journal.h"
#include "JournalReprise.h"
#include "JournalTexte.h"

using namespace quillora;
using ::testing::ElementsAre, ::testing::HasSubstr;

namespace fs = std::filesystem;

namespace {

// A class of three students and two dated assignments in Maths, trimester 1.
std::unique_ptr<TClasse> classe() {
    auto c = std::make_unique<TClasse>(
        test::classeAvecNotes({{"12", "8"}, {"15", ""}, {"9", "11"}}, {1, 2}));
    c->Eleve[1].Nom = "DUPONT";
    c->Eleve[1].Prenom = cp1252("Léa");
    c->Matiere[1].Nom = "Maths";
    c->Devoir[1][1][1].Date = "05/12/2026";
    return c;
}

// The step the undo history makes of `changer`, as the sheet journals it.
EnregistrementJournal etape(TClasse& c, const char* nom, const std::function<void()>& changer,
                            DateHeure quand = {2026, 12, 5, 14, 3, 27}) {
    Historique h;
    h.Debut(c, nom, {});
    changer();
    if (!h.Fin(c)) {
        ADD_FAILURE() << "no step: " << nom;
        return {};
    }
    EnregistrementJournal e;
    e.quand = quand, e.nom = nom, e.contexte = h.DerniereFaite().contexte;
    e.morceaux = h.DerniereFaite().morceaux, e.lignes = LignesEtape(c, e.morceaux);
    return e;
}

EnregistrementJournal marque(GenreEnregistrement g, std::uint32_t somme) {
    EnregistrementJournal e;
    e.genre = g, e.somme = somme, e.chemin = "/classes/3A.cl3";
    return e;
}

std::string fichier(const std::vector<EnregistrementJournal>& v) {
    std::string t = EnTeteJournal();
    for (const auto& e : v) t += EncoderEnregistrement(e);
    return t;
}

LectureJournal lire(const std::string& octets) {
    return LireJournalOctets(reinterpret_cast<const unsigned char*>(octets.data()), octets.size());
}

using JournalTest = test::DossierTest;

TEST_F(JournalTest, ChangeLinesNameWhoWhatAndHowForValuesOnly) {
    auto c = classe();
    const auto note = etape(*c, "la saisie de la note", [&] { c->Eleve[1].Note[1][1][1] = "14"; });
    EXPECT_EQ(note.lignes.size(), 1u);
    EXPECT_EQ(DetailEntree(note.lignes.at(0)),
              "DUPONT Léa — Maths, Trim. 1, devoir du 5 déc. : 12 → 14");
    const auto vide = etape(*c, "la saisie de la note", [&] { c->Eleve[2].Note[1][1][2] = "abs"; });
    EXPECT_EQ(DetailEntree(vide.lignes.at(0)),
              "ELEVE2 — Maths, Trim. 1, devoir n° 2 : (vide) → abs");

    // Coefficients: an assignment's, and a subject's per period (a semester class here).
    c->NbPeriode = 2;
    const auto coef = etape(*c, "la saisie du coefficient", [&] { c->Devoir[1][1][2].Coef = 0.5; });
    EXPECT_EQ(coef.lignes.at(0), (LigneJournal{"", "Maths", "Sem. 1", "devoir n° 2", "2", "0.5"}));
    const auto matieres = etape(*c, "la modification des coefficients", [&] {
        c->Matiere[1].Coef[2] = 3;
        c->Matiere[2].Coef[1] = 4;
    });
    EXPECT_EQ(matieres.lignes.size(), 2u);
    EXPECT_EQ(matieres.lignes.at(1).periode + "|" + matieres.lignes[1].devoir, "Sem. 1|");

    // Grades that moved with their student are no change of value; a changed comment and
    // the view shown make no line.
    const auto tri = etape(*c, "le tri des élèves", [&] { std::swap(c->Eleve[1], c->Eleve[3]); });
    const auto vue = etape(*c, "la modification d'un devoir", [&] {
        c->Devoir[1][1][1].Commentaire = "Fractions";
        c->PeriodeCourante = 2;
    });
    EXPECT_TRUE(tri.lignes.empty() && vue.lignes.empty());

    // An undo says the same lines backwards.
    EXPECT_EQ(LignesEtape(*classe(), MorceauxInverses(note.morceaux)).at(0).nouveau, "12");
}

// The records read back as written; the change log lists them newest first and says what
// never reached the file.
TEST_F(JournalTest, RecordsReadBackTheLogListsThemAndADamagedTailKeepsWhatPrecedes) {
    auto c = classe();
    std::vector<EnregistrementJournal> v{marque(GenreEnregistrement::Creation, 0)};
    const auto* b = reinterpret_cast<const unsigned char*>(&c->Image());
    v[0].image.assign(b, b + TailleFichierClasse); // a class never saved yet
    v[0].quand = {2026, 12, 5, 14, 0, 0};
    v.push_back(etape(*c, "la saisie de la note", [&] { c->Eleve[1].Note[1][1][1] = "14"; }));
    // A sort changes whole rows: its bytes are compressed.
    v.push_back(etape(*c, "le tri des élèves", [&] { std::swap(c->Eleve[1], c->Eleve[2]); },
                      {2026, 12, 5, 14, 5, 0}));
    v.back().etape = GenreEtape::Annulation;
    v.push_back(marque(GenreEnregistrement::MiseDeCote, 77));
    v.back().raison = RaisonMiseDeCote::Refus;
    v.push_back(etape(*c, "l'ajout d'un élève", [&] { c->NbEleve = 4; }, {2026, 12, 6, 8, 0, 9}));
    v.back().etape = GenreEtape::Retablissement;
    const std::string octets = fichier(v);
    EXPECT_LT(octets.size(), 6000u);

    const LectureJournal l = lire(octets);
    ASSERT_EQ(l.enregistrements.size(), v.size());
    EXPECT_TRUE(l.Complet());
    EXPECT_EQ(l.enregistrements[0].image, v[0].image);
    EXPECT_EQ(l.enregistrements[1].lignes, v[1].lignes);
    EXPECT_EQ(l.enregistrements[2].morceaux.size(), v[2].morceaux.size());
    EXPECT_EQ(l.enregistrements[2].morceaux.back().apres, v[2].morceaux.back().apres);
    EXPECT_EQ(l.enregistrements[3].raison, RaisonMiseDeCote::Refus);
    std::string texte;
    for (const EntreeJournal& e : EntreesJournal(l)) texte += LigneTabulee(e) + "\n";
    EXPECT_EQ(texte,
              "2026-12-06T08:00:09\tRétablissement de l'ajout d'un élève\t\t\t\t\t\t\n"
              "2026-12-05T14:05:00\tAnnulation du tri des élèves (non enregistrée)\t\t\t\t\t\t\n"
              "2026-12-05T14:03:27\tSaisie de la note (non enregistrée)\tDUPONT Léa\tMaths\tTrim. "
              "1\tdevoir du 5 déc.\t12\t14\n"
              "2026-12-05T14:00:00\tCréation de la classe\t\t\t\t\t\t\n");
    EXPECT_EQ(ActionEtape(GenreEtape::Modification, "l'insertion d'un élève"),
              "Insertion d'un élève");
    EXPECT_EQ(ActionEtape(GenreEtape::Annulation, "la saisie du coefficient"),
              "Annulation de la saisie du coefficient");

    // Torn anywhere in the last record, or with one of its bytes flipped: the others stay.
    const std::size_t debut = octets.size() - EncoderEnregistrement(v.back()).size();
    for (std::size_t n = debut; n < octets.size(); ++n) {
        const LectureJournal coupe = lire(octets.substr(0, n));
        ASSERT_EQ(coupe.enregistrements.size(), v.size() - 1) << n;
        EXPECT_EQ(coupe.valides, debut);
        std::string abime = octets;
        abime[n] = static_cast<char>(abime[n] ^ 0x20);
        EXPECT_EQ(lire(abime).enregistrements.size(), v.size() - 1) << n;
    }
    std::string autre = octets;
    autre[0] = 'X';
    EXPECT_EQ(lire(autre).valides, 0u);
}

TEST_F(JournalTest, PendingStepsApplyOnlyToTheStateTheyCameFrom) {
    auto c = classe();
    const auto fichierSauve = c->Image();
    std::vector<EnregistrementJournal> v{marque(GenreEnregistrement::Creation, 1),
                                         marque(GenreEnregistrement::Sauvegarde, SommeImage(*c))};
    v.push_back(etape(*c, "la saisie de la note", [&] { c->Eleve[1].Note[1][1][2] = "20"; }));
    v.push_back(marque(GenreEnregistrement::Reprise, 0));
    v.push_back(etape(*c, "l'ajout d'un élève", [&] { c->NbEleve = 4; }));
    const LectureJournal l = lire(fichier(v));
    const EtatReprise r = AnalyserReprise(l);
    EXPECT_EQ(r.marque, 1u);
    EXPECT_EQ(r.somme, SommeImage(fichierSauve));
    EXPECT_EQ(r.etapes, (std::vector<std::size_t>{2, 4}));

    auto recupere = std::make_unique<ImageClasse>(fichierSauve);
    for (std::size_t i : r.etapes) ASSERT_TRUE(AppliquerEtape(*recupere, l.enregistrements[i]));
    EXPECT_EQ(std::memcmp(recupere.get(), &c->Image(), TailleFichierClasse), 0);
    // Applied twice, the second step no longer finds its old bytes.
    EXPECT_FALSE(AppliquerEtape(*recupere, l.enregistrements[4]));
    // A step that would leave a record no file may hold is refused, the class untouched.
    EnregistrementJournal faux = l.enregistrements[4];
    auto& m = faux.morceaux[0];
    auto avant = std::make_unique<ImageClasse>(fichierSauve);
    const auto* o = reinterpret_cast<const unsigned char*>(avant.get()) + m.debut;
    m.avant.assign(o, o + m.avant.size());
    m.apres.assign(m.apres.size(), 200);
    EXPECT_FALSE(AppliquerEtape(*avant, faux));
    EXPECT_EQ(std::memcmp(avant.get(), &fichierSauve, TailleFichierClasse), 0);

    // The question counts them and dates them.
    EXPECT_EQ(QuestionReprise("3A.cl3", l, r),
              "Quillora a été interrompu avant d'enregistrer 3A.cl3. Récupérer les 2 "
              "modifications faites le 5 décembre 2026 à 14 h 03 ?");
}

// Beside the class when its folder can be written; else in the state folder, where it is
// found again (a folder even root cannot write stands for a read-only key).
TEST_F(JournalTest, AClassInAFolderThatCannotBeWrittenJournalsInTheStateFolder) {
    const std::string etat = (dossier / "etat").string(), ici = (dossier / "3A.cl3").string();
    EXPECT_EQ(JournalPour(ici, etat), ici + ".journal");
    const std::string protege = "/proc/self/3A.cl3";
    const std::string ailleurs = JournalPour(protege, etat);
    EXPECT_EQ(ailleurs.rfind(etat + "/", 0), 0u) << ailleurs;
    EXPECT_EQ(TrouverJournal(protege, etat), "");
    ASSERT_TRUE(CreerDossiers(fs::path(ailleurs).parent_path().string()));
    std::ofstream(ailleurs) << EnTeteJournal();
    EXPECT_EQ(TrouverJournal(protege, etat), ailleurs);
    EXPECT_NE(JournalPour("/proc/1/3A.cl3", etat), ailleurs) << "one journal per class";
}

TEST_F(JournalTest, TheWriterLocksAppendsAndMovesItsFile) {
    const std::string chemin = (dossier / "3A.cl3.journal").string();
    Journal j;
    std::string raison;
    ASSERT_TRUE(j.Ouvrir(chemin, raison)) << raison;
    auto c = classe();
    j.Ajouter(marque(GenreEnregistrement::Creation, 5));
    j.Ajouter(etape(*c, "la saisie de la note", [&] { c->Eleve[1].Note[1][1][1] = "3"; }));
    j.Attendre();
    EXPECT_EQ(LireJournal(chemin).enregistrements.size(), 2u);

    // A second writer, as a second program would be, is refused and told why.
    Journal autre;
    bool occupe = false;
    EXPECT_FALSE(autre.Ouvrir(chemin, raison, &occupe));
    EXPECT_TRUE(occupe);
    EXPECT_TRUE(PreparerJournal(chemin, "3A.cl3").occupe);

    // Moved beside a first save: a journal already there is set aside, not overwritten.
    const std::string nouveau = (dossier / "B.cl3.journal").string();
    std::ofstream(nouveau) << "ancien";
    ASSERT_TRUE(j.Deplacer(nouveau, false, raison)) << raison;
    j.Ajouter(marque(GenreEnregistrement::Sauvegarde, 6));
    j.Fermer();
    EXPECT_FALSE(fs::exists(chemin));
    EXPECT_EQ(LireJournal(nouveau).enregistrements.size(), 3u);
    int deCote = 0;
    for (const auto& f : fs::directory_iterator(dossier))
        deCote += f.path().filename().string().rfind("B.cl3.journal.ancien-", 0) == 0;
    EXPECT_EQ(deCote, 1);
}

TEST_F(JournalTest, WhatCannotBeReadIsSetAsideAndSaid) {
    auto c = classe();
    const std::string chemin = (dossier / "3A.cl3.journal").string();
    std::vector<EnregistrementJournal> v{marque(GenreEnregistrement::Creation, 1)};
    v.push_back(etape(*c, "la saisie de la note", [&] { c->Eleve[1].Note[1][1][1] = "14"; }));
    const std::string octets = fichier(v);
    std::ofstream(chemin, std::ios::binary) << octets.substr(0, octets.size() - 3);
    JournalPrepare p = PreparerJournal(chemin, "3A.cl3");
    const auto reste = std::to_string(octets.size() - 3 - fichier({v[0]}).size());
    EXPECT_THAT(p.messages, ElementsAre(HasSubstr("sa fin (" + reste + " octets) n'a pas pu")));
    EXPECT_EQ(p.lecture.enregistrements.size(), 1u);
    EXPECT_TRUE(LireJournal(chemin).Complet());
    EXPECT_EQ(LireJournal(chemin).enregistrements.size(), 1u);

    // Past its bound: the records it begins with are kept, the file as it was set aside.
    std::ofstream(chemin, std::ios::binary) << octets;
    fs::resize_file(chemin, LimiteJournal + 100);
    p = PreparerJournal(chemin, "3A.cl3");
    EXPECT_THAT(p.messages, ElementsAre(HasSubstr("dépasse sa taille maximale de 64 Mo")));
    EXPECT_EQ(LireJournal(chemin).enregistrements.size(), 2u);
    EXPECT_EQ(fs::file_size(chemin), octets.size());

    // A folder, then a FIFO, in the journal's place.
    for (int genre = 0; genre < 2; ++genre) {
        fs::remove_all(chemin);
        ASSERT_EQ(genre ? ::mkfifo(chemin.c_str(), 0600) : ::mkdir(chemin.c_str(), 0700), 0);
        p = PreparerJournal(chemin, "3A.cl3");
        EXPECT_THAT(p.messages, ElementsAre(HasSubstr("mis de côté sous le nom"))) << genre;
        EXPECT_FALSE(fs::exists(chemin));
        Journal j;
        std::string raison;
        EXPECT_TRUE(j.Ouvrir(p.chemin, raison)) << raison;
    }
}

TEST_F(JournalTest, CompactingKeepsTheLogAndTheStepsStillToRecover) {
    auto c = classe();
    std::vector<EnregistrementJournal> v{marque(GenreEnregistrement::Creation, 1)};
    for (int i = 0; i < 40; ++i)
        v.push_back(etape(*c, "le tri des élèves", [&] { std::swap(c->Eleve[1], c->Eleve[2]); }));
    v.push_back(etape(*c, "la saisie de la note", [&] { c->Eleve[3].Note[1][1][1] = "2"; }));
    v.push_back(marque(GenreEnregistrement::Sauvegarde, 2));
    v.push_back(etape(*c, "la saisie de la note", [&] { c->Eleve[3].Note[1][1][1] = "4"; }));
    const std::string chemin = (dossier / "3A.cl3.journal").string();
    const std::string octets = fichier(v);
    std::ofstream(chemin, std::ios::binary) << octets;
    std::string raison;
    ASSERT_TRUE(CompacterJournal(chemin, raison)) << raison;
    const LectureJournal l = LireJournal(chemin);
    EXPECT_LT(l.taille, octets.size() / 2);
    ASSERT_EQ(l.enregistrements.size(), v.size());
    EXPECT_TRUE(l.enregistrements[41].compacte && l.enregistrements[41].morceaux.empty());
    EXPECT_FALSE(l.enregistrements.back().compacte);
    EXPECT_EQ(EntreesJournal(l).size(), EntreesJournal(lire(octets)).size());
    EXPECT_EQ(EntreesJournal(l)[1].ligne.nouveau, "2");
}

// The undo history, which the journal's steps come from.
TEST(HistoriqueTest, MarqueDEnregistrement) {
    auto c = std::make_unique<TClasse>(test::classeVide());
    Historique h;
    auto changer = [&](const char* nom) {
        h.Debut(*c, nom, {});
        c->NbEleve = static_cast<std::uint8_t>(c->NbEleve + 1);
        return h.Fin(*c);
    };
    EXPECT_TRUE(h.EstSauve());
    changer("un");
    h.MarquerSauve();
    changer("deux");
    EXPECT_FALSE(h.EstSauve());
    h.Annuler(*c);
    EXPECT_TRUE(h.EstSauve() && h.NomRetablir() == "deux");
    h.Annuler(*c);
    EXPECT_FALSE(h.EstSauve());
    h.Retablir(*c);
    EXPECT_TRUE(h.EstSauve());
    // A change made after undoing past the saved state makes that state unreachable.
    h.Annuler(*c);
    changer("trois");
    EXPECT_FALSE(h.PeutRetablir());
    EXPECT_FALSE(h.EstSauve());
    h.Annuler(*c);
    EXPECT_FALSE(h.EstSauve());
}

TEST(HistoriqueTest, BornesEnEtapesEtEnMemoire) {
    auto c = std::make_unique<TClasse>(test::classeVide());
    Historique h;
    for (int k = 1; k <= 501; ++k) {
        h.Debut(*c, std::to_string(k), {});
        c->Eleve[1].Nom = std::to_string(k);
        ASSERT_TRUE(h.Fin(*c));
    }
    EXPECT_EQ(h.NbEtapes(), 500u);
    while (h.PeutAnnuler()) h.Annuler(*c);
    EXPECT_EQ(c->Eleve[1].Nom, "1"); // the first step is gone, the second undone
    EXPECT_FALSE(h.EstSauve());

    // Steps that rewrite the whole record are dropped by size before their number.
    Historique gros;
    for (int k = 0; k < 500; ++k) {
        gros.Debut(*c, "tout", {});
        std::memset(static_cast<void*>(c.get()), k % 2 ? 0x55 : 0xAA, TailleFichierClasse);
        gros.Fin(*c);
    }
    EXPECT_LE(gros.Octets(), Historique::MaxOctets);
    EXPECT_LT(gros.NbEtapes(), 500u);
}

} // namespace
