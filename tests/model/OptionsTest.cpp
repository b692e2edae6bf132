#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "Fabrique.h"
#include "Nombres.h"

using namespace quillora;
using namespace quillora::test;
namespace fs = std::filesystem;

using Reglages = ModeleTest;

// Older files name a floppy drive, which cannot be a folder here.
TEST_F(Reglages, UnDossierDeSauvegardeImpossibleSeLitCommeCeluiParDefaut) {
    DefinirDossierDocuments("/home/prof/Documents/");
    const auto lu = [](const std::string& ecrit) {
        return OptionsDepuisTexte("[Divers]\nrepsauve=" + ecrit + "\n", ',', OptionsDefaut)
            .repsauve;
    };
    for (const char* ecrit : {"A:\\", "d:/notes", ""})
        EXPECT_EQ(lu(ecrit), "/home/prof/Documents/Sauvegardes Quillora") << ecrit;
    EXPECT_EQ(lu("/mnt/cle"), "/mnt/cle");
}

TEST_F(Reglages, EcrireEtRelireRendLesMemesReglages) {
    TOptions o = OptionsDefaut;
    o.notemax = 255;
    o.couleur[5] = 0x123456;
    o.kd = 0.000001;
    o.liste[2] = "/home/prof/3a.cl3";
    o.polname = "DejaVu Sans";
    o.cores[7] = {"Z", 11.25};
    o.polstyle = {true, false, true};
    o.relief = 2;
    for (char sep : {',', '.'}) {
        const TOptions relu = OptionsDepuisTexte(TexteOptions(o, sep), sep, OptionsDefaut);
        EXPECT_TRUE(relu == o) << TexteOptions(o, sep);
    }
}

TEST_F(Reglages, ChaqueCleIllisibleReprendSaValeurParDefaut) {
    TOptions defaut = OptionsDefaut;
    defaut.liste[1] = "ne doit pas servir";
    defaut.polstyle.gras = true;
    const std::string texte =
        "[BOOLEAN]\n"
        "PRENOM=0\n"        // names compare without case
        "trait=oui\n"       // not an integer: default
        "majuscule=  7  \n" // any integer but 0 is true
        "prenom=1\n"        // the first of two equal keys wins
        "[Divers]\n"
        "coefmax=300\n" // beyond a byte: default
        "notemoy=12\n"
        "couleur1=-16777201\n" // a 32-bit colour all the same
        "couleur2=99999999999\n"
        "zoomP=1.5\n" // '.' is not the separator here
        "zoomD=0\n"   // no sheet has no size, nor a negative one: default
        "kd=-1,5\n"
        "kp=0,75\n"
        "repsauve=" +
        std::string(300, 'r') + "\npolname=" + std::string(40, 'p') +
        "\n[Correspondance]\ncoresL1=ABC\n[Autre]\r\npolstyleI=1\r\nrelief=3\n";
    // Whatever is unreadable keeps the default given; three keys have fallbacks of their own.
    TOptions attendu = defaut;
    attendu.prenom = false;
    attendu.notemoy = 12;
    attendu.couleur[1] = 0xFF00000Fu;
    attendu.kp = 0.75;
    attendu.repsauve = std::string(255, 'r');
    attendu.polname = std::string(32, 'p');
    attendu.cores[1].coresL = "AB";
    attendu.liste[1] = "";
    attendu.polstyle = {false, true, false};
    attendu.relief = 0;
    EXPECT_TRUE(OptionsDepuisTexte(texte, ',', defaut) == attendu);
    // Without the key too, simple lines rather than the factory's sunken ones.
    EXPECT_EQ(OptionsDepuisTexte("", '.', OptionsDefaut).relief, 0);
}

using Lancement = DossierTest;

TEST_F(Lancement, LePremierLancementCreeLeFichier) {
    const std::string f = (dossier / "sous" / "quillora.ini").string();

    Options.prenom = false;
    EXPECT_TRUE(LireOptions(f, ',', false).ok);
    EXPECT_TRUE(Options.prenom); // defaults, but nothing written
    EXPECT_FALSE(fs::exists(f));

    ASSERT_TRUE(LireOptions(f, ',', true).ok);
    std::ifstream in(f);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              TexteOptions(OptionsDefaut, ','));

    // What cannot be a settings file gives the defaults at once and is left as it is.
    const std::string tube = (dossier / "tube.ini").string(),
                      gros = (dossier / "gros.ini").string();
    ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
    std::ofstream(gros) << "[Divers]\nnotemax=40\n" << std::string(1 << 20, ';');
    for (const std::string& g : {tube, gros, std::string("/dev/zero")}) {
        Options.notemax = 40;
        ASSERT_TRUE(LireOptions(g, ',', true).ok) << g;
        EXPECT_EQ(Options.notemax, 20) << g;
    }
    EXPECT_TRUE(fs::is_fifo(tube) && fs::file_size(gros) > 1u << 20);
}

TEST(Nombres, FormatGeneralDesReels) {
    EXPECT_EQ(EcrireReelGeneral(17.5, ','), "17,5");
    EXPECT_EQ(EcrireReelGeneral(1.0 / 3, '.'), "0.333333333333333");
    EXPECT_EQ(EcrireReelGeneral(0.000001, '.'), "1E-6");
    EXPECT_EQ(EcrireReelGeneral(123456789012345, '.'), "123456789012345");

    double v;
    EXPECT_TRUE(LireDecimal("-0,5", ',', v) && v == -0.5);
    EXPECT_FALSE(LireDecimal("0,5", '.', v));
    EXPECT_TRUE(LireDecimal("0.1000000000000000000001", '.', v) && v == 0.1);
}

// A name already listed moves up one place; a new one goes first and pushes the last out.
TEST_F(Reglages, ListeDesFichiersRecents) {
    std::string t;
    for (const char* nom : {"/a.cl3", "/b.cl3", "/c.cl3", "/b.cl3", "/a.cl3", "/A.cl3"}) {
        AjouterFichierRecent(nom);
        t += Options.liste[1] + "|" + Options.liste[2] + "|" + Options.liste[3] + "\n";
    }
    EXPECT_EQ(t, "/a.cl3||\n/b.cl3|/a.cl3|\n/c.cl3|/b.cl3|/a.cl3\n/b.cl3|/c.cl3|/a.cl3\n"
                 "/a.cl3|/c.cl3|/b.cl3\n/A.cl3|/a.cl3|/c.cl3\n");
}

// The window and workbook programs, started by the one the teacher launched, take its
// settings file as theirs, and pass nothing of it on to the programs they start.
TEST(ProgrammeLanceur, SesReglagesSontCeuxDesProgrammesQuIlLance) {
    const std::filesystem::path dossier = testing::TempDir();
    const std::string soi = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(CheminProgramme(), soi);
    ::setenv(VariableProgramme, (dossier / "quillora").c_str(), 1);
    PrendreCheminProgramme();
    EXPECT_EQ(std::getenv(VariableProgramme), nullptr);
    EXPECT_EQ(CheminProgramme(), (dossier / "quillora").string());
    EXPECT_EQ(NomFichierOptions(), (dossier / "quillora.ini").string());
}
