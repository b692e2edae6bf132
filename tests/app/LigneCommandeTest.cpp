#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "Classe.h"
#include "LigneCommande.h"
#include "Options.h"

using namespace quillora;
namespace fs = std::filesystem;

TEST(LigneCommande, AnalyseDesModes) {
    Lancement l =
        AnalyserLigneCommande({"--exporter", "a.cl3", "--vue", "4,4", "--config", "q.ini"});
    EXPECT_EQ(l.mode, ModeLancement::Exporter);
    EXPECT_EQ(l.fichier, "a.cl3");
    ASSERT_TRUE(l.vue);
    EXPECT_EQ(l.vue->matiere, 4);
    EXPECT_EQ(l.vue->periode, 4);
    EXPECT_EQ(l.config, "q.ini");

    l = AnalyserLigneCommande({"--pdf", "a.cl3", "b.pdf"});
    EXPECT_EQ(l.mode, ModeLancement::Pdf);
    EXPECT_EQ(l.sortie, "b.pdf");
    EXPECT_FALSE(l.vue);

    l = AnalyserLigneCommande({"/home/prof/3a.cl3", "--config", "q.ini"});
    EXPECT_EQ(l.mode, ModeLancement::Fenetre);
    EXPECT_EQ(l.autres, std::vector<std::string>{"/home/prof/3a.cl3"});

    EXPECT_EQ(AnalyserLigneCommande({"--version"}).mode, ModeLancement::Version);
}

TEST(LigneCommande, LesArgumentsErronesSontRefuses) {
    const std::vector<std::vector<std::string>> mauvais = {
        {"--exporter"},
        {"--exporter", "a.cl3", "b.cl3"},
        {"--exporter", "a.cl3", "--vue", "5,1"},
        {"--exporter", "a.cl3", "--vue", "1;1"},
        {"--exporter", "a.cl3", "--vue"},
        {"--exporter", "a.cl3", "--config"},
        {"--pdf", "a.cl3"},
        {"--exporter", "a.cl3", "--pdf", "b.pdf"},
        {"--inconnue"},
        {"a.cl3", "--vue", "1,1"},
        {"--classement"},
        {"--classement", "a.cl3", "--exporter"},
        {"--exporter", "a.cl3", "--sans-absents"},
    };
    for (const auto& args : mauvais) {
        const Lancement l = AnalyserLigneCommande(args);
        EXPECT_EQ(l.mode, ModeLancement::Erreur) << args[0] << " " << args.size();
        EXPECT_FALSE(l.erreur.empty());
    }
}

namespace {

struct Execution {
    int code;
    std::string sortie;
    std::string erreurs;
};

// Runs the real program, as a teacher's script would.
Execution executer(const std::vector<std::string>& args, const std::string& env = "") {
    const std::string dossier =
        fs::temp_directory_path() / ("quillora-cli-" + std::to_string(::getpid()));
    fs::create_directories(dossier);
    std::string commande = env + " " + QUILLORA_EXE;
    for (const auto& a : args) commande += " '" + a + "'";
    commande += " 2>" + dossier + "/err";
    Execution r{};
    FILE* p = ::popen(commande.c_str(), "r");
    std::array<char, 4096> tampon;
    for (std::size_t n; (n = std::fread(tampon.data(), 1, tampon.size(), p)) > 0;)
        r.sortie.append(tampon.data(), n);
    const int statut = ::pclose(p);
    r.code = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
    std::ifstream err(dossier + "/err");
    std::stringstream s;
    s << err.rdbuf();
    r.erreurs = s.str();
    return r;
}

const std::string exemple = std::string(QUILLORA_SOURCE_DIR) + "/exemples/3A.cl3";

} // namespace

TEST(LigneCommande, LExportEcritLaVueEnLignesUtf8) {
    const std::string ini =
        fs::temp_directory_path() / ("quillora-absent-" + std::to_string(::getpid()) + ".ini");
    const Execution r = executer({"--exporter", exemple, "--vue", "4,4", "--config", ini});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(r.sortie.rfind("3A / Synthèse / Année ( 2026 / 2027 )\n\tMathématiques", 0), 0u)
        << r.sortie;
    EXPECT_EQ(r.sortie.find('\r'), std::string::npos);
    EXPECT_EQ(r.sortie.back(), '\n');
    EXPECT_NE(r.sortie[r.sortie.size() - 2], '\n');
    EXPECT_FALSE(fs::exists(ini)); // read, never created

    // Without --vue, the view saved in the file (subject 1, first trimester).
    const Execution defaut = executer({"--exporter", exemple, "--config", ini});
    EXPECT_NE(defaut.sortie.find("Trim.1"), std::string::npos);
    EXPECT_NE(defaut.sortie.find("Arrondi des moyennes: Au 1/2 point inférieur"),
              std::string::npos);
}

TEST(LigneCommande, LesReglagesDuFichierDeConfigurationSontSuivis) {
    const std::string ini =
        fs::temp_directory_path() / ("quillora-cfg-" + std::to_string(::getpid()) + ".ini");
    {
        std::ofstream f(ini);
        f << "[Boolean]\nprenom=0\ntextebas=0\nimprimerAnnee=0\n[Divers]\nindsep=0\n";
    }
    const Execution r = executer({"--exporter", exemple, "--vue", "1,1", "--config", ini});
    fs::remove(ini);
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(r.sortie.rfind("3A - Mathématiques - Trim.1\nANDRÉ\t", 0), 0u) << r.sortie;
    EXPECT_EQ(r.sortie.find("Num\tCoef."), std::string::npos);
}

TEST(LigneCommande, CodesDeSortie) {
    const Execution version = executer({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.sortie, "Quillora 4.0\n");

    for (const char* mode : {"--exporter", "--classement"}) {
        const Execution absent = executer({mode, "/nulle/part.cl3"});
        EXPECT_EQ(absent.code, 1);
        EXPECT_EQ(absent.erreurs, "Impossible d'ouvrir le fichier \"/nulle/part.cl3\". "
                                  "Le fichier ou le dossier est introuvable.\n");
        EXPECT_TRUE(absent.sortie.empty());
    }

    const Execution usage = executer({"--exporter", exemple, "--vue", "0,1"});
    EXPECT_EQ(usage.code, 2);
    EXPECT_NE(usage.erreurs.find("Usage"), std::string::npos);

    const std::string ts2 = std::string(QUILLORA_SOURCE_DIR) + "/exemples/TS2.cl3";
    const Execution vue = executer({"--classement", ts2, "--vue", "2,1"});
    EXPECT_EQ(vue.code, 2);
    EXPECT_EQ(vue.erreurs, "La vue 2,1 n'existe pas dans cette classe (1 matière, 2 semestres).\n");

    // A failed write (a full disk, a closed pipe) is said, never taken for success.
    Lancement l = AnalyserLigneCommande({"--classement", ts2});
    std::ostringstream erreurs;
    std::ostream fermee(nullptr);
    EXPECT_EQ(ExecuterClassement(l, '.', fermee, erreurs), 1);
    EXPECT_EQ(erreurs.str(),
              "quillora : le classement n'a pas pu être écrit sur la sortie standard.\n");
}
