#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Classe.h"
#include "Cp1252.h"
#include "LigneCommande.h"
#include "Options.h"

using namespace quillora;
namespace fs = std::filesystem;

namespace {

const fs::path dossier =
    fs::temp_directory_path() / ("quillora-releves-" + std::to_string(::getpid()));
const std::string exemple = std::string(QUILLORA_SOURCE_DIR) + "/exemples/3A.cl3";

std::string contenu(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Execution {
    int code;
    std::string sortie, erreurs;
};

// The real program, after the shell words of `avant`; its standard output is `commande`'s.
Execution executer(const std::string& programme, const std::vector<std::string>& args,
                   const std::string& avant = "") {
    std::string commande = avant + " " + programme;
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

Lancement analyser(const std::string& ligne) {
    std::vector<std::string> args;
    std::istringstream mots(ligne);
    for (std::string m; mots >> m;) args.push_back(m);
    return AnalyserLigneCommande(args);
}

} // namespace

TEST(RelevesEnLigneDeCommande, Analyse) {
    const Lancement l = analyser("--releves a.cl3 b.pdf --eleves 7,1,3 --periode 4 --rangs");
    EXPECT_EQ(l.mode, ModeLancement::Releves);
    EXPECT_EQ(l.fichier + l.sortie, "a.cl3b.pdf");
    EXPECT_EQ(l.eleves, (std::vector<int>{7, 1, 3}));
    EXPECT_TRUE(l.periode == 4 && l.rangs);
    for (const char* ligne :
         {"--releves a.cl3", "--releves a.cl3 b.pdf --periode 5", "--releves a.cl3 b.pdf --periode",
          "--releves a b --eleves 1,,3", "--releves a b --eleves 0", "--releves a b --eleves 46",
          "--releves a b --eleves 2,2", "--releves a b --eleves 1,", "--releves a b --vue 1,1",
          "--pdf a b --rangs", "--exporter a --periode 1", "--releves a b --pdf c d"})
        EXPECT_EQ(analyser(ligne).mode, ModeLancement::Erreur) << ligne;
}

TEST(RelevesEnLigneDeCommande, UnPdfEntierOuRienEtJamaisSurLaClasse) {
    if (!QUILLORA_PDF) GTEST_SKIP() << "programme sans fenêtre";
    fs::remove_all(dossier);
    fs::create_directories(dossier);
    const std::string ancien = dossier / "ancien.pdf", tube = dossier / "tube.pdf";
    const std::string classe = dossier / "3A.cl3", lien = dossier / "lien.pdf";
    const std::string ts2 = dossier / "TS2.cl3";
    std::ofstream(ancien) << "ancien";
    ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
    fs::copy_file(exemple, classe);
    fs::copy_file(std::string(QUILLORA_SOURCE_DIR) + "/exemples/TS2.cl3", ts2);
    fs::create_symlink(classe, lien);
    const std::string ini = dossier / "q.ini";
    const std::string creer = "Impossible de créer le fichier \"";
    const std::tuple<std::vector<std::string>, std::string, std::string, int> cas[] = {
        {{classe, tube},
         "timeout 60",
         creer + tube + "\". Ce n'est pas un fichier ordinaire.\n",
         1},
        // A file size limit stands in for a full disk.
        {{classe, ancien}, "ulimit -f 8; trap '' XFSZ;", creer + ancien + "\". ", 1},
        {{classe, "/nulle/part/r.pdf"},
         "",
         creer + "/nulle/part/r.pdf\". Le fichier ou le dossier est introuvable.\n",
         1},
        {{dossier / "absent.cl3", ancien}, "", "", 1},
        {{classe, classe}, "", "quillora : la sortie « " + classe, 2},
        {{classe, lien}, "", "quillora : la sortie « " + lien, 2},
        {{ts2, ancien, "--periode", "3"},
         "",
         "La période 3 n'existe pas dans cette classe (2 semestres).\n",
         2},
        {{classe, ancien, "--eleves", "2,45"}, "", "L'élève 45 n'existe pas dans cette classe", 2},
    };
    for (const auto& [args, avant, erreur, code] : cas) {
        std::vector<std::string> ligne{"--releves"};
        ligne.insert(ligne.end(), args.begin(), args.end());
        ligne.insert(ligne.end(), {"--config", ini});
        const Execution r = executer(QUILLORA_EXE, ligne, avant);
        EXPECT_EQ(r.code, code) << args[1];
        EXPECT_EQ(r.erreurs.rfind(erreur, 0), 0u) << r.erreurs;
    }
    EXPECT_TRUE(contenu(ancien) == "ancien" && contenu(classe) == contenu(exemple));
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()), 6);

    // Done: the old file replaced by the reports of the two students asked for, quietly.
    const Execution r = executer(QUILLORA_EXE,
                                 {"--releves", classe, ancien, "--eleves", "5,2", "--periode", "4",
                                  "--rangs", "--config", ini},
                                 "env -u XDG_RUNTIME_DIR");
    EXPECT_EQ(r.code + r.erreurs.size(), 0u) << r.erreurs;
    const Execution texte = executer("pdftotext", {ancien, "-"});
    TClasse c;
    c.Initialiser();
    c.NomFichier = exemple;
    ASSERT_TRUE(c.Charger().ok);
    c.NormaliserNoms();
    for (int e = 1; e <= c.NbEleve; ++e)
        EXPECT_EQ(texte.sortie.find(Utf8DepuisCp1252(c.NomEleve(e, true))) != std::string::npos,
                  e == 2 || e == 5)
            << e;
    EXPECT_NE(texte.sortie.find("Moyennes de l'année"), std::string::npos);
    EXPECT_NE(texte.sortie.find("Rang"), std::string::npos);
    fs::remove_all(dossier);
}
