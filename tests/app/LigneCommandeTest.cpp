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

    l = AnalyserLigneCommande({"/home/prof/3a.cl3", "--config", "q.ini"});
    EXPECT_EQ(l.mode, ModeLancement::Fenetre);
    EXPECT_EQ(l.autres, std::vector<std::string>{"/home/prof/3a.cl3"});
}

TEST(LigneCommande, LesArgumentsErronesSontRefuses) {
    const std::vector<std::vector<std::string>> mauvais = {
        {"--exporter"},
        {"--exporter", "a.cl3", "b.cl3"},
        {"--exporter", "a.cl3", "--vue", "5,1"},
        {"--exporter", "a.cl3", "--vue"},
        {"--pdf", "a.cl3"},
        {"--exporter", "a.cl3", "--pdf", "b.pdf"},
        {"--inconnue"},
        {"a.cl3", "--vue", "1,1"},
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

TEST(LigneCommande, LExportEcritLaVueEnLignesUtf8SelonLesReglages) {
    const std::string ini =
        fs::temp_directory_path() / ("quillora-cfg-" + std::to_string(::getpid()) + ".ini");
    const Execution r = executer({"--exporter", exemple, "--vue", "4,4", "--config", ini});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    EXPECT_EQ(r.sortie.rfind("3A / Synthèse / Année ( 2026 / 2027 )\n\tMathématiques", 0), 0u)
        << r.sortie;
    EXPECT_EQ(r.sortie.find('\r'), std::string::npos);
    EXPECT_EQ(r.sortie.back(), '\n');
    EXPECT_NE(r.sortie[r.sortie.size() - 2], '\n');
    EXPECT_FALSE(fs::exists(ini)); // read, never created

    // Without --vue, the view saved in the file (subject 1, first trimester).
    std::ofstream(ini) << "[Boolean]\nprenom=0\ntextebas=0\nimprimerAnnee=0\n[Divers]\nindsep=0\n";
    const Execution defaut = executer({"--exporter", exemple, "--config", ini});
    fs::remove(ini);
    ASSERT_EQ(defaut.code, 0);
    EXPECT_EQ(defaut.sortie.rfind("3A - Mathématiques - Trim.1\nANDRÉ\t", 0), 0u) << defaut.sortie;
    EXPECT_EQ(defaut.sortie.find("Num\tCoef."), std::string::npos);
}

TEST(LigneCommande, CodesDeSortie) {
    const Execution version = executer({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.sortie, "Quillora 4.0\n");

    const Execution absent = executer({"--exporter", "/nulle/part.cl3"});
    EXPECT_EQ(absent.code, 1);
    EXPECT_TRUE(absent.sortie.empty());

    const Execution usage = executer({"--exporter", exemple, "--vue", "0,1"});
    EXPECT_EQ(usage.code, 2);
    EXPECT_NE(usage.erreurs.find("Usage"), std::string::npos);

    const std::string ts2 = std::string(QUILLORA_SOURCE_DIR) + "/exemples/TS2.cl3";
    const Execution vue = executer({"--exporter", ts2, "--vue", "2,1"});
    EXPECT_EQ(vue.code, 2);
    EXPECT_EQ(vue.erreurs, "La vue 2,1 n'existe pas dans cette classe (1 matière, 2 semestres).\n");
}

namespace {

// A folder of the test's own, with a copy of a sample class in it.
struct Dossier {
    fs::path chemin = fs::temp_directory_path() / ("quillora-portes-" + std::to_string(::getpid()));
    Dossier() {
        fs::remove_all(chemin);
        fs::create_directories(chemin);
    }
    ~Dossier() { fs::remove_all(chemin); }
    std::string copie(const std::string& nom, const std::string& source = exemple) const {
        fs::copy_file(source, chemin / nom);
        return chemin / nom;
    }
};

std::string contenu(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

TEST(LigneCommande, UnPdfQuiNePeutEtreEcritEstSignaleEtLAncienResteEntier) {
    if (!QUILLORA_PDF) GTEST_SKIP() << "programme sans fenêtre";
    const Dossier d;
    const std::string ancien = d.chemin / "ancien.pdf", tube = d.chemin / "tube.pdf";
    std::ofstream(ancien) << "ancien";
    ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
    const std::string pasOrdinaire = "\". Ce n'est pas un fichier ordinaire.\n";
    struct Cas {
        std::string sortie, prefixe, erreur;
    };
    const Cas cas[] = {
        {"/dev/full", "", "Impossible de créer le fichier \"/dev/full" + pasOrdinaire},
        {tube, "timeout 60", "Impossible de créer le fichier \"" + tube + pasOrdinaire},
        // A file size limit stands in for a full disk.
        {ancien, "ulimit -f 8; trap '' XFSZ;",
         "Impossible de créer le fichier \"" + ancien + "\". "},
    };
    for (const Cas& c : cas) {
        const Execution r = executer({"--pdf", exemple, c.sortie}, c.prefixe);
        EXPECT_EQ(r.code, 1) << c.sortie;
        EXPECT_EQ(r.erreurs.rfind(c.erreur, 0), 0u) << r.erreurs;
    }
    EXPECT_TRUE(contenu(ancien) == "ancien");
    EXPECT_EQ(std::distance(fs::directory_iterator(d.chemin), fs::directory_iterator()), 2);

    // Done, the old file is replaced by a whole PDF, and the toolkit keeps quiet.
    const Execution r = executer({"--pdf", exemple, ancien}, "env -u XDG_RUNTIME_DIR");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.erreurs, "");
    const std::string pdf = contenu(ancien);
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_NE(pdf.find("%%EOF", pdf.size() - 8), std::string::npos);
}

TEST(LigneCommande, LePdfNeRemplaceJamaisLaClasse) {
    if (!QUILLORA_PDF) GTEST_SKIP() << "programme sans fenêtre";
    const Dossier d;
    const std::string classe = d.copie("victime.cl3"), lien = d.chemin / "lien.pdf";
    fs::create_symlink(classe, lien);
    for (const std::string& sortie : {classe, lien, (d.chemin / "." / "victime.cl3").string()}) {
        const Execution r = executer({"--pdf", classe, sortie});
        EXPECT_EQ(r.code, 2) << sortie;
        EXPECT_NE(r.erreurs.find("est le fichier de classe lui-même"), std::string::npos);
    }
    EXPECT_EQ(contenu(classe), contenu(exemple));
}

TEST(LigneCommande, EntreesSansFinEtSortiesFermees) {
    const Dossier d;
    const std::string tube = d.chemin / "tube.cl3";
    ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
    Execution r = executer({"--exporter", tube}, "timeout 60");
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.erreurs, "Impossible d'ouvrir le fichier \"" + tube +
                             "\". Ce n'est pas un fichier ordinaire.\n");
    for (const std::string& ini : {std::string("/dev/zero"), tube}) {
        r = executer({"--exporter", exemple, "--config", ini}, "timeout 60");
        EXPECT_EQ(r.code, 0) << ini;
        EXPECT_NE(r.sortie.find("( 2026 / 2027 )"), std::string::npos); // default settings
    }

    const std::pair<const char*, const char*> sorties[] = {
        {"exec >/dev/full;", "Il n'y a plus assez d'espace sur le disque."},
        {"exec >&-;", "Le fichier n'est pas ouvert."},
    };
    for (const auto& [prefixe, raison] : sorties) {
        r = executer({"--exporter", exemple}, prefixe);
        EXPECT_EQ(r.code, 1) << prefixe;
        EXPECT_EQ(r.erreurs, std::string("Impossible d'écrire la table : ") + raison + "\n");
    }
}

TEST(LigneCommande, UneVueEnregistreeAbsenteDeLaClasseDevientLaPremiere) {
    const Dossier d;
    const std::string ts2 =
        d.copie("ts2.cl3", std::string(QUILLORA_SOURCE_DIR) + "/exemples/TS2.cl3");
    {
        std::fstream f(ts2, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(76462);
        f.write("\x02\x01", 2); // subject 2 of a one-subject class
    }
    const Execution r = executer({"--exporter", ts2});
    EXPECT_EQ(r.code, 0) << r.erreurs;
    EXPECT_NE(r.sortie.substr(0, r.sortie.find('\n')).find("Sem.1"), std::string::npos);
}
