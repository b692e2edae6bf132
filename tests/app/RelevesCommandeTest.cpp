#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "LigneCommande.h"

using namespace quillora;
namespace fs = std::filesystem;

namespace {

const fs::path dossier =
    fs::temp_directory_path() / ("quillora-releves-" + std::to_string(::getpid()));

std::string contenu(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Runs a shell command line; its exit status, and what it wrote on errors in `erreurs`.
int executer(const std::string& ligne, std::string& erreurs) {
    const int statut = std::system((ligne + " 2>" + (dossier / "err").string()).c_str());
    erreurs = contenu(dossier / "err");
    fs::remove(dossier / "err");
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

} // namespace

TEST(RelevesEnLigneDeCommande, Analyse) {
    std::vector<std::string> args{"--releves", "a.cl3",     "b.pdf", "--eleves",
                                  "7,1,3",     "--periode", "4",     "--rangs"};
    const Lancement l = AnalyserLigneCommande(args);
    EXPECT_EQ(l.mode, ModeLancement::Releves);
    EXPECT_TRUE(l.eleves == (std::vector<int>{7, 1, 3}) && l.periode == 4 && l.rangs);
    for (const char* ligne :
         {"--releves a.cl3", "--releves a.cl3 b.pdf --periode 5", "--releves a.cl3 b.pdf --periode",
          "--releves a b --eleves 1,,3", "--releves a b --eleves 0", "--releves a b --eleves 46",
          "--releves a b --eleves 2,2", "--releves a b --eleves 1,", "--releves a b --vue 1,1",
          "--pdf a b --rangs", "--exporter a --periode 1", "--releves a b --pdf c d"}) {
        args.clear();
        std::istringstream mots(ligne);
        for (std::string m; mots >> m;) args.push_back(m);
        EXPECT_EQ(AnalyserLigneCommande(args).mode, ModeLancement::Erreur) << ligne;
    }
}

TEST(RelevesEnLigneDeCommande, UnPdfEntierOuRienEtJamaisSurLaClasse) {
    if (!QUILLORA_PDF) GTEST_SKIP() << "programme sans fenêtre";
    fs::remove_all(dossier);
    fs::create_directories(dossier);
    const std::string d = dossier.string(), exemples = QUILLORA_SOURCE_DIR "/exemples/";
    const std::string ancien = d + "/ancien.pdf", tube = d + "/tube.pdf", classe = d + "/3A.cl3";
    std::ofstream(ancien) << "ancien";
    ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
    fs::copy_file(exemples + "3A.cl3", classe);
    fs::copy_file(exemples + "TS2.cl3", d + "/TS2.cl3");
    fs::create_symlink(classe, d + "/lien.pdf");
    const std::string creer = "Impossible de créer le fichier \"";
    const std::string surClasse = "C'est le fichier de la classe ; il n'est pas remplacé.";
    // Shell words before the program, its files and options, what it says, its status.
    const std::tuple<std::string, std::string, std::string, int> cas[] = {
        {"timeout 60", classe + " " + tube,
         creer + tube + "\". Ce n'est pas un fichier ordinaire.\n", 1},
        // A file size limit stands in for a full disk.
        {"ulimit -f 8; trap '' XFSZ;", classe + " " + ancien, creer + ancien + "\". ", 1},
        {"", classe + " /nulle/part/r.pdf",
         creer + "/nulle/part/r.pdf\". Le fichier ou le dossier est introuvable.\n", 1},
        {"", d + "/absent.cl3 " + ancien, "", 1},
        {"", classe + " " + classe, creer + classe + "\". " + surClasse, 2},
        {"", classe + " " + d + "/lien.pdf", creer + d + "/lien.pdf\". " + surClasse, 2},
        {"", d + "/TS2.cl3 " + ancien + " --periode 3",
         "La période 3 n'existe pas dans cette classe (2 semestres).\n", 2},
        {"", classe + " " + ancien + " --eleves 2,45", "L'élève 45 n'existe pas dans cette classe",
         2},
    };
    const std::string programme =
        std::string(QUILLORA_EXE) + " --config " + d + "/q.ini --releves ";
    std::string erreurs;
    for (const auto& [avant, args, erreur, code] : cas) {
        EXPECT_EQ(executer(avant + " " + programme + args, erreurs), code) << args;
        EXPECT_EQ(erreurs.rfind(erreur, 0), 0u) << erreurs;
    }
    EXPECT_TRUE(contenu(ancien) == "ancien" && contenu(classe) == contenu(exemples + "3A.cl3"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()), 5);

    // Done: the old file replaced by the reports of the two students asked for, quietly.
    EXPECT_EQ(executer("env -u XDG_RUNTIME_DIR " + programme + classe + " " + ancien +
                           " --eleves 5,2 --periode 4 --rangs",
                       erreurs),
              0);
    EXPECT_EQ(erreurs, "");
    ASSERT_EQ(executer("pdftotext " + ancien + " " + d + "/texte", erreurs), 0);
    const std::string texte = contenu(d + "/texte");
    for (const char* nom : {"BERNARD Hugo", "BOYER Éloïse", "Moyennes de l'année", "Rang"})
        EXPECT_NE(texte.find(nom), std::string::npos) << nom;
    EXPECT_EQ(texte.find("ANDRÉ Rose"), std::string::npos);
    fs::remove_all(dossier);
}
