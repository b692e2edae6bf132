#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "Fabrique.h"
#include "Nombres.h"

using namespace quillora;
using namespace quillora::test;
namespace fs = std::filesystem;

using Reglages = ModeleTest;

TEST_F(Reglages, LeFichierParDefautEstEcritDansLOrdre) {
    DefinirDossierDocuments("/home/prof/Documents");
    std::string t = TexteOptions(OptionsDefaut, ',');
    std::replace(t.begin(), t.end(), '\n', '|');
    EXPECT_EQ(t,
              "[Boolean]|arrondiN=0|prenom=1|trait=1|majuscule=1|noirblanc=1|moydiv2=1|textebas=1|"
              "sauvegarde=1|alignernb=1|verification=1|imprimerAnnee=1|imprimerTitre=1|tailleid=1|"
              "utiliserL=1|marge=1|centrert=1||[Divers]|coefmax=10|notemax=20|notemoy=10|indsep=2|"
              "couleur1=0|couleur2=0|couleur3=12632256|couleur4=0|couleur5=0|couleur6=0|"
              "couleur7=255|couleur8=0|couleur9=255|couleur10=0|couleur11=16777215|couleur12=65535|"
              "zoomP=2|zoomD=2|kp=1|kd=1|repsauve=/home/prof/Documents/Sauvegardes Quillora|"
              "liste1=|liste2=|liste3=|polname=Arial||"
              "[Correspondance]|coresV1=20|coresL1=A+|coresV2=19|coresL2=A|coresV3=18|coresL3=A-|"
              "coresV4=17,5|coresL4=B+|coresV5=15|coresL5=B|coresV6=13,5|coresL6=B-|coresV7=12|"
              "coresL7=C+|coresV8=10,5|coresL8=C|coresV9=9|coresL9=C-|coresV10=7,5|coresL10=D+|"
              "coresV11=6|coresL11=D|coresV12=4,5|coresL12=D-|coresV13=3|coresL13=E+|coresV14=1,5|"
              "coresL14=E|coresV15=0|coresL15=E-||[Autre]|polstyleB=0|polstyleI=0|polstyleU=0|"
              "relief=1|");
}

// Older files name a floppy drive, which cannot be a folder here.
TEST_F(Reglages, UnDossierDeSauvegardeImpossibleSeLitCommeCeluiParDefaut) {
    DefinirDossierDocuments("/home/prof/Documents/");
    const std::string defaut = "/home/prof/Documents/Sauvegardes Quillora";
    for (const auto& [ecrit, lu] : std::vector<std::pair<std::string, std::string>>{
             {"A:\\", defaut}, {"d:/notes", defaut}, {"", defaut}, {"/mnt/cle", "/mnt/cle"}})
        EXPECT_EQ(
            OptionsDepuisTexte("[Divers]\nrepsauve=" + ecrit + "\n", ',', OptionsDefaut).repsauve,
            lu)
            << ecrit;
}

TEST_F(Reglages, EcrireEtRelireRendLesMemesReglages) {
    TOptions o = OptionsDefaut;
    o.arrondiN = true;
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
        "notemax=-1\n"
        "notemoy=12\n"
        "indsep=10\n"          // no such separator: default
        "couleur1=-16777201\n" // a negative value is a 32-bit colour all the same
        "couleur2=abc\n"
        "couleur3=99999999999\n"
        "zoomP=1.5\n" // '.' is not the separator here
        "zoomD=\n"
        "kp=0,75\n"
        "repsauve=" +
        std::string(300, 'r') +
        "\n"
        "polname=" +
        std::string(40, 'p') +
        "\n"
        "[Correspondance]\n"
        "coresL1=ABC\n"
        "coresV2=x\n"
        "[Autre]\r\n"
        "polstyleI=1\r\n"
        "relief=3\n";
    const TOptions o = OptionsDepuisTexte(texte, ',', defaut);
    EXPECT_FALSE(o.prenom);
    EXPECT_TRUE(o.trait);
    EXPECT_TRUE(o.majuscule);
    EXPECT_EQ(o.coefmax, 10);
    EXPECT_EQ(o.notemax, 20);
    EXPECT_EQ(o.notemoy, 12);
    EXPECT_EQ(o.indsep, 2);
    EXPECT_EQ(o.couleur[1], 0xFF00000Fu);
    EXPECT_EQ(o.couleur[2], 0u);
    EXPECT_EQ(o.couleur[3], 0xC0C0C0u);
    EXPECT_EQ(o.zoomP, 2.0);
    EXPECT_EQ(o.zoomD, 2.0);
    EXPECT_EQ(o.kp, 0.75);
    EXPECT_EQ(o.repsauve, std::string(255, 'r'));
    EXPECT_EQ(o.polname, std::string(32, 'p'));
    EXPECT_EQ(o.cores[1].coresL, "AB");
    EXPECT_EQ(o.cores[2].coresV, 19);
    // Three keys have fallbacks of their own.
    EXPECT_EQ(o.liste[1], "");
    EXPECT_FALSE(o.polstyle.gras);
    EXPECT_TRUE(o.polstyle.italique);
    EXPECT_EQ(o.relief, 0);
    // Without the key too, simple lines rather than the factory's sunken ones.
    EXPECT_EQ(OptionsDepuisTexte("", '.', OptionsDefaut).relief, 0);
}

TEST_F(Reglages, LePremierLancementCreeLeFichier) {
    const fs::path dossier =
        fs::temp_directory_path() / ("quillora-ini-" + std::to_string(::getpid()));
    fs::remove_all(dossier);
    const std::string f = (dossier / "sous" / "quillora.ini").string();

    Options.prenom = false;
    EXPECT_TRUE(LireOptions(f, ',', false).ok);
    EXPECT_TRUE(Options.prenom); // defaults, but nothing written
    EXPECT_FALSE(fs::exists(f));

    ASSERT_TRUE(LireOptions(f, ',', true).ok);
    std::ifstream in(f);
    std::stringstream contenu;
    contenu << in.rdbuf();
    EXPECT_EQ(contenu.str(), TexteOptions(OptionsDefaut, ','));

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
    EXPECT_TRUE(fs::is_fifo(tube));
    EXPECT_GT(fs::file_size(gros), 1u << 20);
    fs::remove_all(dossier);
}

TEST(Nombres, FormatGeneralDesReels) {
    EXPECT_EQ(EcrireReelGeneral(17.5, ','), "17,5");
    EXPECT_EQ(EcrireReelGeneral(1.0 / 3, '.'), "0.333333333333333");
    EXPECT_EQ(EcrireReelGeneral(0.00001, '.'), "0.00001");
    EXPECT_EQ(EcrireReelGeneral(0.000001, '.'), "1E-6");
    EXPECT_EQ(EcrireReelGeneral(123456789012345, '.'), "123456789012345");

    double v;
    EXPECT_TRUE(LireDecimal("-0,5", ',', v));
    EXPECT_EQ(v, -0.5);
    EXPECT_FALSE(LireDecimal("0,5", '.', v));
    EXPECT_TRUE(LireDecimal("0.1000000000000000000001", '.', v));
    EXPECT_EQ(v, 0.1);
}

TEST_F(Reglages, ListeDesFichiersRecents) {
    AjouterFichierRecent("/a.cl3");
    AjouterFichierRecent("/b.cl3");
    AjouterFichierRecent("/c.cl3");
    EXPECT_EQ(Options.liste[1], "/c.cl3");
    EXPECT_EQ(Options.liste[3], "/a.cl3");
    AjouterFichierRecent("/b.cl3"); // second place: swaps with the first
    EXPECT_EQ(Options.liste[1], "/b.cl3");
    EXPECT_EQ(Options.liste[2], "/c.cl3");
    EXPECT_EQ(Options.liste[3], "/a.cl3");
    AjouterFichierRecent("/a.cl3"); // third place: the former first takes it
    EXPECT_EQ(Options.liste[1], "/a.cl3");
    EXPECT_EQ(Options.liste[2], "/c.cl3");
    EXPECT_EQ(Options.liste[3], "/b.cl3");
    AjouterFichierRecent("/A.cl3"); // case matters; a fourth name pushes the last out
    EXPECT_EQ(Options.liste[1], "/A.cl3");
    EXPECT_EQ(Options.liste[2], "/a.cl3");
    EXPECT_EQ(Options.liste[3], "/c.cl3");
}
