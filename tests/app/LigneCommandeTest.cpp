#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Classe.h"
#include "JournalFormat.h"
#include "LigneCommande.h"
#include "Options.h"

using namespace quillora;
namespace fs = std::filesystem;

TEST(LigneCommande, AnalyseDesModes) {
    Lancement l =
        AnalyserLigneCommande({"--pdf", "a.cl3", "b.pdf", "--vue", "4,3", "--config", "q.ini"});
    EXPECT_EQ(l.mode, ModeLancement::Pdf);
    EXPECT_EQ(l.fichier + l.sortie + *l.config +
                  std::to_string(l.vue->matiere * 10 + l.vue->periode),
              "a.cl3b.pdfq.ini43");
    l = AnalyserLigneCommande({"/home/prof/3a.cl3", "--config", "q.ini"});
    EXPECT_EQ(l.mode, ModeLancement::Fenetre);
    EXPECT_EQ(l.autres, std::vector<std::string>{"/home/prof/3a.cl3"});

    // After "--" every argument is a file, dashes or not.
    l = AnalyserLigneCommande({"--", "-x.cl3", "--version"});
    EXPECT_EQ(l.mode, ModeLancement::Fenetre);
    EXPECT_EQ(l.autres, (std::vector<std::string>{"-x.cl3", "--version"}));
    l = AnalyserLigneCommande({"--tableur", "--config", "q.ini", "--", "-a.cl3", "--"});
    EXPECT_EQ(l.fichier + " " + l.sortie, "-a.cl3 --");

    l = AnalyserLigneCommande(
        {"--releves", "a.cl3", "b.pdf", "--eleves", "7,1,3", "--periode", "4", "--rangs"});
    EXPECT_EQ(l.mode, ModeLancement::Releves);
    EXPECT_TRUE(l.eleves == (std::vector<int>{7, 1, 3}) && l.periode == 4 && l.rangs);

    // Each command line, between semicolons, breaks one rule.
    std::istringstream fautes(
        "--exporter;--exporter a.cl3 b.cl3;--exporter a.cl3 --vue 5,1;--exporter a.cl3 --vue;"
        "--pdf a.cl3;--exporter a.cl3 --pdf b.pdf;--inconnue;a.cl3 --vue 1,1;--classement;"
        "--classement a.cl3 --exporter;--exporter a.cl3 --sans-absents;--tableur a.cl3;"
        "--tableur a.cl3 b.xlsx --vue 1,1;--tableur a.cl3 b.xlsx --exporter;--comparer a.cl3;"
        "--comparer a.cl3 b.cl3 --vue 1,1;--releves a.cl3;--releves a b --periode 5;"
        "--releves a b --periode;--releves a b --eleves 1,,3;--releves a b --eleves 0;"
        "--releves a b --eleves 46;--releves a b --eleves 2,2;--releves a b --eleves 1,;"
        "--releves a b --vue 1,1;--pdf a b --rangs;--exporter a --periode 1;"
        "--releves a b --pdf c d");
    for (std::string ligne; std::getline(fautes, ligne, ';');) {
        std::vector<std::string> args;
        std::istringstream mots(ligne);
        for (std::string m; mots >> m;) args.push_back(m);
        EXPECT_EQ(AnalyserLigneCommande(args).mode, ModeLancement::Erreur) << ligne;
    }
}

namespace {

std::string contenu(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Execution {
    int code;
    std::string sortie, erreurs;
};

const fs::path dossier = fs::temp_directory_path() / ("quillora-cli-" + std::to_string(::getpid()));

// Runs the real program, as a teacher's script would, after the shell words of `avant`.
Execution executer(const std::vector<std::string>& args, const std::string& avant = "") {
    fs::create_directories(dossier);
    std::string commande = avant + " " + QUILLORA_EXE;
    for (const auto& a : args) commande += " '" + a + "'";
    commande += " 2>" + (dossier / "err").string();
    Execution r{};
    FILE* p = ::popen(commande.c_str(), "r");
    std::array<char, 4096> tampon;
    for (std::size_t n; (n = std::fread(tampon.data(), 1, tampon.size(), p)) > 0;)
        r.sortie.append(tampon.data(), n);
    const int statut = ::pclose(p);
    r.code = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
    r.erreurs = contenu(dossier / "err");
    return r;
}

const std::string exemple = std::string(QUILLORA_SOURCE_DIR) + "/exemples/3A.cl3";

} // namespace

TEST(LigneCommande, LExportEcritLaVueEnLignesUtf8SelonLesReglages) {
    fs::remove_all(dossier); // a folder left by an earlier process of the same number
    const std::string ini = dossier / "q.ini";
    const Execution r = executer({"--exporter", exemple, "--vue", "4,4", "--config", ini});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(r.sortie.rfind("3A / Synthèse / Année ( 2026 / 2027 )\n\tMathématiques", 0), 0u);
    EXPECT_EQ(r.sortie.find('\r'), std::string::npos);
    EXPECT_TRUE(r.sortie.back() == '\n' && r.sortie[r.sortie.size() - 2] != '\n');
    EXPECT_FALSE(fs::exists(ini)); // read, never created

    // Without --vue, the view saved in the file (subject 1, first trimester).
    std::ofstream(ini) << "[Boolean]\nprenom=0\ntextebas=0\nimprimerAnnee=0\n[Divers]\nindsep=0\n";
    const Execution defaut = executer({"--exporter", exemple, "--config", ini});
    EXPECT_EQ(defaut.sortie.rfind("3A - Mathématiques - Trim.1\nANDRÉ\t", 0), 0u) << defaut.sortie;
    fs::remove_all(dossier);
}

TEST(LigneCommande, CodesDeSortie) {
    for (const char* mode : {"--exporter", "--classement"}) {
        const Execution absent = executer({mode, "/nulle/part.cl3"});
        EXPECT_EQ(absent.code, 1) << mode;
    }
    const Execution usage = executer({"--exporter", exemple, "--vue", "0,1"});
    EXPECT_TRUE(usage.code == 2 && usage.erreurs.find("Usage") != std::string::npos);

    // A view asked for that the class lacks is refused; the saved one falls back.
    const std::string ts2 = dossier / "ts2.cl3";
    fs::copy_file(std::string(QUILLORA_SOURCE_DIR) + "/exemples/TS2.cl3", ts2,
                  fs::copy_options::overwrite_existing);
    const Execution vue = executer({"--exporter", ts2, "--vue", "2,1"});
    EXPECT_EQ(vue.code, 2);
    EXPECT_EQ(vue.erreurs, "La vue 2,1 n'existe pas dans cette classe (1 matière, 2 semestres).\n");
    std::fstream(ts2, std::ios::in | std::ios::out | std::ios::binary).seekp(76462).write("\2", 1);
    const Execution enregistree = executer({"--exporter", ts2});
    EXPECT_EQ(enregistree.code, 0) << enregistree.erreurs;
    EXPECT_NE(enregistree.sortie.substr(0, enregistree.sortie.find('\n')).find("Sem.1"),
              std::string::npos);

    // A failed write (a full disk, a closed pipe) is said, never taken for success.
    Lancement l = AnalyserLigneCommande({"--classement", ts2});
    std::ostringstream erreurs;
    std::ostream fermee(nullptr);
    EXPECT_EQ(ExecuterClassement(l, '.', fermee, erreurs), 1);
    EXPECT_EQ(erreurs.str(),
              "quillora : le classement n'a pas pu être écrit sur la sortie standard.\n");

    // The change log: a torn end is said and what precedes it written; a folder in the
    // journal's place is no journal.
    const std::string journal = ts2 + ".journal";
    EnregistrementJournal creation;
    creation.genre = GenreEnregistrement::Creation;
    creation.quand = {2026, 12, 5, 14, 3, 27};
    creation.image.assign(TailleFichierClasse, 0);
    std::ofstream(journal, std::ios::binary)
        << EnTeteJournal() + EncoderEnregistrement(creation) + "QJ";
    const Execution abime = executer({"--journal", ts2});
    EXPECT_EQ(abime.code, 0);
    EXPECT_EQ(abime.sortie, "2026-12-05T14:03:27\tCréation de la classe\t\t\t\t\t\t\n");
    EXPECT_EQ(abime.erreurs, "quillora : le journal « " + journal +
                                 " » est abîmé ; 2 octets à sa fin n'ont pas pu être lus et ne "
                                 "sont pas dans ce relevé.\n");
    fs::remove(journal);
    fs::create_directory(journal);
    const Execution illisible = executer({"--journal", ts2});
    EXPECT_EQ(illisible.code, 1);
    EXPECT_EQ(illisible.erreurs, "quillora : le journal « " + journal +
                                     " » ne peut pas être lu. C'est un dossier, pas un fichier.\n");
    EXPECT_EQ(executer({"--journal", "/nulle/part.cl3"}).code, 1);

    // An output that cannot be written.
    const std::pair<const char*, const char*> sorties[] = {
        {"exec >/dev/full;", "Il n'y a plus assez d'espace sur le disque."},
        {"exec >&-;", "Le fichier n'est pas ouvert."},
    };
    for (const auto& [avant, raison] : sorties) {
        const Execution r = executer({"--exporter", exemple}, avant);
        EXPECT_EQ(r.code, 1) << avant;
        EXPECT_EQ(r.erreurs, std::string("Impossible d'écrire la table : ") + raison + "\n");
    }
    fs::remove_all(dossier);
}

// The chart's PDF and the grade reports: written whole or not at all, never over the class.
TEST(LigneCommande, UnPdfEstEcritEntierOuPasDuToutEtJamaisSurLaClasse) {
    if (!QUILLORA_PDF) GTEST_SKIP() << "programme sans fenêtre";
    const std::string ancien = dossier / "ancien.pdf", tube = dossier / "tube.pdf";
    const std::string classe = dossier / "3A.cl3", ts2 = dossier / "TS2.cl3";
    const std::string ini = dossier / "q.ini", absent = "/nulle/part/r.pdf";
    fs::remove_all(dossier);
    fs::create_directories(dossier);
    std::ofstream(ancien) << "ancien";
    ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
    fs::copy_file(exemple, classe);
    fs::copy_file(std::string(QUILLORA_SOURCE_DIR) + "/exemples/TS2.cl3", ts2);
    // Shell words before the program, its arguments, the start of what it says, its status.
    const auto refus = [&](const std::string& avant, std::vector<std::string> args,
                           const std::string& erreur, int code) {
        args.insert(args.end(), {"--config", ini});
        const Execution r = executer(args, avant);
        EXPECT_EQ(r.code, code) << args[0] << ' ' << args[2];
        EXPECT_EQ(r.erreurs.rfind(erreur, 0), 0u) << r.erreurs;
    };
    const std::string creer = "Impossible de créer le fichier \"";
    for (const char* mode : {"--pdf", "--releves"}) {
        refus("timeout 60", {mode, classe, tube},
              creer + tube + "\". Ce n'est pas un fichier ordinaire.", 1);
        // A file size limit stands in for a full disk.
        refus("ulimit -f 8; trap '' XFSZ;", {mode, classe, ancien}, creer + ancien + "\". ", 1);
    }
    refus("", {"--releves", classe, absent},
          creer + absent + "\". Le fichier ou le dossier est introuvable.\n", 1);
    refus("", {"--releves", (dossier / "absent.cl3").string(), ancien}, "", 1);
    refus("", {"--releves", classe, classe}, creer + classe + "\". C'est le fichier de la classe",
          2);
    refus("", {"--releves", ts2, ancien, "--periode", "3"},
          "La période 3 n'existe pas dans cette classe (2 semestres).\n", 2);
    refus("", {"--releves", classe, ancien, "--eleves", "2,45"},
          "L'élève 45 n'existe pas dans cette classe", 2);
    EXPECT_TRUE(contenu(ancien) == "ancien" && contenu(classe) == contenu(exemple));
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()), 5);

    // Done: the old file replaced by a whole PDF, and the toolkit keeps quiet; then by the
    // reports of the two students asked for.
    const std::string sansDossier = "env -u XDG_RUNTIME_DIR";
    Execution r = executer({"--pdf", classe, ancien, "--config", ini}, sansDossier);
    EXPECT_EQ(r.code + r.erreurs.size(), 0u) << r.erreurs;
    const std::string pdf = contenu(ancien);
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_NE(pdf.find("%%EOF", pdf.size() - 8), std::string::npos);
    r = executer({"--releves", classe, ancien, "--eleves", "5,2", "--periode", "4", "--rangs",
                  "--config", ini},
                 sansDossier);
    EXPECT_EQ(r.code + r.erreurs.size(), 0u) << r.erreurs;
    const std::string texte = dossier / "texte";
    ASSERT_EQ(std::system(("pdftotext " + ancien + " " + texte).c_str()), 0);
    for (const char* nom : {"BERNARD Hugo", "BOYER Éloïse", "Moyennes de l'année", "Rang"})
        EXPECT_NE(contenu(texte).find(nom), std::string::npos) << nom;
    EXPECT_EQ(contenu(texte).find("ANDRÉ Rose"), std::string::npos);
    fs::remove_all(dossier);
}

// No door writes over the class or its .bak twin, under their names or through a link; the
// workbook needs no temporary folder, takes a name after "--" that starts with a dash and
// is as long as Linux allows, and says its failures in French only.
TEST(LigneCommande, LesSortiesDesPortesEtLeClasseur) {
    fs::remove_all(dossier);
    fs::create_directories(dossier);
    const std::string classe = dossier / "3A.cl3", bak = dossier / "3A.bak";
    fs::copy_file(exemple, classe);
    fs::copy_file(exemple, bak);
    fs::copy_file(exemple, classe + ".journal");
    fs::create_symlink(classe, dossier / "lien.xlsx");
    fs::create_hard_link(bak, dossier / "dur.pdf");
    const std::string surClasse = "C'est le fichier de la classe ; il n'est pas remplacé.";
    const std::string surBak =
        "C'est la copie de secours (.bak) de la classe ; elle n'est pas remplacée.";
    const std::string surJournal =
        "C'est le journal des modifications de la classe ; il n'est pas remplacé.";
    for (const char* mode : {"--tableur", "--pdf"})
        for (const auto& [sortie, raison] : {std::pair{classe, surClasse}, std::pair{bak, surBak},
                                             std::pair{(dossier / "lien.xlsx").string(), surClasse},
                                             std::pair{(dossier / "dur.pdf").string(), surBak},
                                             std::pair{classe + ".journal", surJournal}}) {
            if (!QUILLORA_PDF && mode == std::string("--pdf")) continue;
            const Execution r = executer({mode, classe, sortie});
            EXPECT_EQ(r.code, 2) << mode << ' ' << sortie;
            EXPECT_EQ(r.erreurs,
                      "Impossible de créer le fichier \"" + sortie + "\". " + raison + "\n");
        }
    EXPECT_TRUE(contenu(classe) == contenu(exemple) && contenu(bak) == contenu(exemple));

    const std::string nom = "-" + std::string(249, 'c') + ".xlsx";
    const Execution r = executer({"--tableur", "--", classe, nom},
                                 "cd " + dossier.string() + " && TMPDIR=/nulle/part");
    EXPECT_EQ(r.code + r.erreurs.size(), 0u) << r.erreurs;
    EXPECT_EQ(contenu(dossier / nom).rfind("PK", 0), 0u);
    // A file size limit stands in for a full disk.
    const std::string petit = dossier / "petit.xlsx";
    const Execution plein = executer({"--tableur", classe, petit}, "ulimit -f 8; trap '' XFSZ;");
    EXPECT_EQ(plein.code, 1);
    EXPECT_EQ(plein.erreurs, "Impossible de créer le fichier \"" + petit +
                                 "\". Le fichier dépasse la taille permise.\n");
    EXPECT_FALSE(fs::exists(petit));
    fs::remove_all(dossier);
}

TEST(LigneCommande, LaComparaisonDonneLesNotesChangeesPuisLesMoyennesQuiEnDecoulent) {
    fs::create_directories(dossier);
    const std::string avant = dossier / "avant.cl3", apres = dossier / "apres.cl3";
    const std::string ini = dossier / "absent.ini";
    TClasse c;
    c.Initialiser();
    c.NomFichier = exemple;
    ASSERT_TRUE(c.Charger());
    ASSERT_TRUE(c.SauverSous(avant));
    // BERNARD's 19, ANDRÉ's 8 (Mathématiques, first trimester) and BERTRAND's 13
    // (Physique-Chimie, second trimester, assignment 2), as the sample holds them.
    c.Eleve[2].Note[1][1][1] = "4";
    c.Eleve[1].Note[1][1][2] = "18";
    c.Eleve[3].Note[2][2][2] = "abs";
    ASSERT_TRUE(c.SauverSous(apres));

    const Execution r = executer({"--comparer", avant, apres, "--config", ini});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    std::vector<std::string> notes;
    std::istringstream lignes(r.sortie);
    int moyennes = 0, rangsSeuls = 0;
    for (std::string l; std::getline(lignes, l);) {
        std::vector<std::string> cellules;
        std::istringstream t(l);
        for (std::string x; std::getline(t, x, '\t');) cellules.push_back(x);
        if (cellules[0] == "note") {
            notes.push_back(l);
            continue;
        }
        ASSERT_EQ(cellules.size(), 9u) << l;
        ++moyennes;
        // Another student only moves in the ranking, the average as it was.
        if (cellules[1] != "BERNARD Hugo" && cellules[1] != "ANDRÉ Rose" &&
            cellules[1] != "BERTRAND Louise") {
            EXPECT_TRUE(cellules[4] == cellules[5] && cellules[7] != cellules[8]) << l;
            ++rangsSeuls;
        }
    }
    EXPECT_EQ(notes, (std::vector<std::string>{
                         "note\tBERNARD Hugo\tMathématiques\tTrim. 1\tDevoir 1\t19\t4",
                         "note\tANDRÉ Rose\tMathématiques\tTrim. 1\tDevoir 2\t8\t18",
                         "note\tBERTRAND Louise\tPhysique-Chimie\tTrim. 2\tDevoir 2\t13\tabs"}));
    EXPECT_GT(moyennes - rangsSeuls, 3);
    EXPECT_GT(rangsSeuls, 0);

    const Execution memes = executer({"--comparer", avant, avant, "--config", ini});
    EXPECT_EQ(memes.code + memes.sortie.size(), 0u);
    c.SupprimerEleve(1);
    ASSERT_TRUE(c.SauverSous(apres));
    const Execution decalee = executer({"--comparer", avant, apres, "--config", ini});
    EXPECT_EQ(decalee.sortie.substr(0, decalee.sortie.find('\n')),
              "Listes d'élèves différentes : élèves comparés par position");
    EXPECT_EQ(executer({"--comparer", avant, "/nulle/part.cl3"}).code, 1);
    fs::remove_all(dossier);
}

// A door loads only the libraries its work calls: the export, the ranking and the version
// neither Qt, nor the workbook's, nor the zip library; the workbook, handed to its own
// program, no Qt.
TEST(LigneCommande, ChaquePorteNeChargeQueSesBibliotheques) {
    const std::string ini = dossier / "absent.ini", classeur = dossier / "c.xlsx";
    const auto chargees = [](const std::vector<std::string>& args) {
        const Execution r = executer(args, "LD_DEBUG=libs");
        EXPECT_EQ(r.code, 0) << r.erreurs;
        // The loader names every library it initialises.
        std::string libs;
        std::istringstream lignes(r.erreurs);
        for (std::string l; std::getline(lignes, l);)
            if (const auto i = l.find("calling init: "); i != std::string::npos)
                libs += fs::path(l.substr(i + 14)).filename().string() + ' ';
        return libs;
    };
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--version"},
             {"--exporter", exemple, "--vue", "4,4", "--config", ini},
             {"--classement", exemple, "--config", ini}}) {
        const std::string libs = chargees(args);
        EXPECT_NE(libs.find("libstdc++"), std::string::npos) << libs;
        for (const char* interdite : {"libQt6", "libxlsxwriter", "libzip", "libicu"})
            EXPECT_EQ(libs.find(interdite), std::string::npos) << args[0] << ": " << libs;
    }
    const std::string libs = chargees({"--tableur", exemple, classeur, "--config", ini});
    EXPECT_NE(libs.find("libxlsxwriter"), std::string::npos) << libs;
    EXPECT_EQ(libs.find("libQt6"), std::string::npos) << libs;
    fs::remove_all(dossier);
}
