#include <gmock/gmock.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "Cp1252.h"
#include "Fabrique.h"
#include "ListeImport.h"
#include "NomsDuMonde.h"
#include "Transcription.h"

using namespace quillora;

namespace {

class ListeImportTest : public test::DossierTest {};

std::vector<LigneImport> lire(std::string_view octets) {
    const TexteListe t = DecoderListe(octets);
    const Cellules c = LireCellules(t.utf8, DetecterSeparateur(t.utf8));
    return LignesImport(c, DevinerColonnes(c));
}

// The rows read, "name|first name|date" in UTF-8, joined by ";".
std::string lignes(std::string_view octets) {
    std::string t;
    for (const LigneImport& l : lire(octets))
        t += (t.empty() ? "" : ";") + Utf8DepuisCp1252(l.nom + "|" + l.prenom + "|" + l.date);
    return t;
}

TEST_F(ListeImportTest, EncodagesSeparateursEtGuillemets) {
    const std::string nom = "Nom;Prénom\r\nDURAND;Éloïse\r\n";
    std::string utf16("\xFF\xFE", 2);
    for (char16_t u : std::u16string(u"Nom\tPrénom\nDURAND\tÉloïse\n"))
        utf16 += {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
    const std::pair<std::string, Encodage> cas[] = {
        {nom, Encodage::Utf8},
        {"\xEF\xBB\xBF" + nom, Encodage::Utf8},
        {Cp1252DepuisUtf8(nom), Encodage::Cp1252},
        {utf16, Encodage::Utf16},
        {"Nom,Prénom\nDURAND,Éloïse", Encodage::Utf8},
        {"\"Nom\"\t\"Prénom\"\n\"DURAND\"\t\"Éloïse\"\n", Encodage::Utf8},
    };
    for (const auto& [octets, encodage] : cas) {
        EXPECT_EQ(DecoderListe(octets).encodage, encodage) << octets;
        EXPECT_EQ(lignes(octets) + " " + std::to_string(lire(octets).at(0).source),
                  "DURAND|Éloïse| 2");
    }
    // Latin-9 puts "œ" where Latin-1 has "½", and Windows-1252 puts it at 0x9C.
    const std::string latin9 = "Nom;Pr\xE9nom\nC\xBDUR;Zo\xE9\nL\xBDUVRE;Ren\xE9\n";
    EXPECT_EQ(DecoderListe(latin9).encodage, Encodage::Iso885915);
    EXPECT_EQ(lignes(latin9), "CœUR|Zoé|;LœUVRE|René|");
    EXPECT_EQ(lignes("Nom;Pr\xE9nom\nL\x9CUVRE;Ren\xE9\n"), "LœUVRE|René|");

    // Separators inside quotes, doubled quotes and line breaks inside a quoted field.
    EXPECT_EQ(lignes("Nom;Prénom;Né le\n\"D'ARC; dite \"\"la Pucelle\"\"\";\"Jeanne\nMarie\";"
                     "06/01/2012\n"),
              "D'ARC; dite \"la Puce|Jeanne Marie|06012012");
}

TEST_F(ListeImportTest, ColonnesParEnteteOuParContenu) {
    // Header in another order, with accents and case of its own, and a column to ignore.
    EXPECT_EQ(lignes("N°;NÉ(E) LE;prénom;NOM DE FAMILLE\n1;03/04/2013;Jean;Martin\n"),
              "Martin|Jean|03042013");

    // No header: the date column is found by its dates, numbers are left out, and the first
    // two text columns are name then first name.
    const Cellules c = LireCellules("12\tPETIT\tLéa\t2012-09-30\n13\tROUX\tTom\t\n", '\t');
    const Colonnes col = DevinerColonnes(c);
    EXPECT_FALSE(col.entete);
    EXPECT_EQ(col.champs, (std::vector<ChampListe>{ChampListe::Ignorer, ChampListe::Nom,
                                                   ChampListe::Prenom, ChampListe::Naissance}));

    // One column holding "NAME First name", with or without a header.
    for (const char* liste : {"Élève\nDE LA TOUR Jean-Pierre\n", "DE LA TOUR Jean-Pierre\n"})
        EXPECT_EQ(lignes(liste), "DE LA TOUR|Jean-Pierre|") << liste;

    const std::pair<const char*, std::pair<std::string, std::string>> cas[] = {
        {"L'ÉTANG-DUPRÉ Zoé Anne", {"L'ÉTANG-DUPRÉ", "Zoé Anne"}},
        {"Martin Paul", {"Martin", "Paul"}},
        {"DURAND PAUL", {"DURAND", "PAUL"}},
        {"NGUYEN Ba Anh", {"NGUYEN", "Ba Anh"}},
        {"ROUX", {"ROUX", ""}}};
    for (const auto& [texte, attendu] : cas) {
        std::string nom, prenom;
        SeparerNomPrenom(texte, nom, prenom);
        EXPECT_EQ(std::make_pair(nom, prenom), attendu) << texte;
    }
}

TEST_F(ListeImportTest, DatesDeNaissance) {
    // Today is 5 December 2026 in these tests.
    const std::pair<const char*, const char*> cas[] = {
        {"05/03/2012", "05032012"}, {"5-3-2012", "05032012"},   {"05.03.12", "05032012"},
        {"05.03.98", "05031998"},   {"2012-03-05", "05032012"}, {"2012-03-05 00:00:00", "05032012"},
        {"05032012", "05032012"},   {"29/02/2012", "29022012"}, {"29/02/2013", ""},
        {"31/04/2012", ""},         {"06/12/2026", ""},         {"05/03/212", ""},
        {"5 mars 2012", ""},        {"05/03-2012", ""},         {"", ""},
    };
    for (const auto& [texte, attendu] : cas) EXPECT_EQ(LireDateNaissance(texte), attendu) << texte;

    const auto l = lire("Nom;Prénom;Date de naissance\nDUPONT;Luc;31/02/2012\n");
    EXPECT_EQ(l.at(0).date, "");
    EXPECT_EQ(l[0].remarques, std::vector<std::string>{
                                  "date de naissance « 31/02/2012 » illisible : laissée vide"});
}

TEST_F(ListeImportTest, CaracteresEtLongueurs) {
    // A no-break space, as spreadsheets write between two first names, is a space.
    // A letter and its combining accent join.
    const char* liste =
        "Nom;Prénom\nPOPEȘCU;Ștefan\u00A0Ion\nABCDEFGHIJKLMNOPQRSTUVWXY;Zoe\u0301\n";
    EXPECT_EQ(lignes(liste), "POPESCU|Stefan Ion|;ABCDEFGHIJKLMNOPQRST|Zoé|");
    const auto l = lire(liste);
    EXPECT_EQ(l.at(0).remarques, (std::vector<std::string>{"nom : « Ș » remplacé par « S »",
                                                           "prénom : « Ș » remplacé par « S »"}));
    EXPECT_EQ(l.at(1).remarques, (std::vector<std::string>{"nom coupé à 20 caractères"}));
}

TEST_F(ListeImportTest, PlacesDoublonsEtClasseExistante) {
    TClasse c = test::classeAvecNotes(std::vector<std::vector<std::string>>(10));
    for (int e = 1; e <= 10; ++e) c.Eleve[e].Prenom = "Prenom";

    std::string liste = "Nom;Prénom;Né le\neleve3;prenom;01/02/2012\nNOUVEAU;Zoé;\nNOUVEAU;zoé;\n";
    for (int k = 0; k < 50; ++k) liste += "AUTRE" + std::to_string(k) + ";Jean;\n";
    auto l = lire(liste);
    ASSERT_EQ(l.size(), 53u);
    Repartir(l, c, true);
    // 35 places: the new student and 34 others; the rest stay out.
    EXPECT_EQ(std::make_tuple(l[0].sort, l[0].deja, l[2].sort, l[37].sort),
              std::make_tuple(Sort::Doublon, 3, Sort::Doublon, Sort::HorsPlace));
    EXPECT_EQ(TexteSort(l[2]), "déjà plus haut dans la liste : non importé");

    // The teacher skips a row and asks for the missing birth date: one more place opens.
    l[0].completerDate = true;
    l[3].ecartee = true;
    Repartir(l, c, true);
    EXPECT_EQ(std::make_tuple(l[0].sort, l[3].sort, l[37].sort),
              std::make_tuple(Sort::Completer, Sort::Ecarte, Sort::Importer));

    const BilanImport b = AppliquerImport(c, l, true);
    EXPECT_EQ(std::make_tuple(b.ajoutes, b.completes, int(c.NbEleve)), std::make_tuple(35, 1, 45));
    EXPECT_EQ(c.Eleve[3].DateNaissance.str() + c.Eleve[11].Nom.str(), "01022012NOUVEAU");
}

// The whole class after an import: names normalised, an asked-for date completed, a date
// already there kept, the grades left alone.
TEST_F(ListeImportTest, CeQuiArriveDansLaClasse) {
    TClasse c = test::classeAvecNotes({{"12"}, {"abs"}});
    c.RenseignerEleve(1, "DURAND", "Zoe", "");
    c.Eleve[2].DateNaissance = "01012012";
    auto l = lire("Nom;Prénom;Né le\ndurand;zoe;05/03/2012\nde la tour;jean-pierre;2012-01-02\n"
                  "ELEVE2;;03/04/2013\nPETIT;léa;\n");
    l[0].completerDate = l[2].completerDate = true;
    Repartir(l, c, true);
    EXPECT_EQ(AppliquerImport(c, l, true).ajoutes, 2);
    EXPECT_EQ(test::portrait(c),
              "4 eleves\n1 DURAND/Zoe/05032012 1.1.1=12\n"
              "2 ELEVE2//01012012 1.1.1=abs\n3 DE LA TOUR/Jean-Pierre/02012012\n" +
                  cp1252("4 PETIT/Léa/\nD1.1.1 1//"));
}

TEST_F(ListeImportTest, FichiersRefusesAvantLecture) {
    const std::string fifo = dossier / "liste.fifo", gros = dossier / "liste-grosse.csv";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::ofstream(gros) << std::string(TailleMaxListe + 1, 'x');
    std::string octets;
    const std::pair<std::string, std::string> cas[] = {
        {fifo, "Ce n'est pas un fichier ordinaire."},
        {gros, "est trop grand pour une liste d'élèves (plus de 1 Mo)."},
        {dossier / "absente.csv", "Impossible de lire le fichier"},
    };
    for (const auto& [chemin, message] : cas) {
        const Resultat r = LireFichierListe(chemin, octets);
        EXPECT_FALSE(r.ok);
        EXPECT_THAT(r.erreur, ::testing::HasSubstr(message));
    }
    // 1 Mo exactly is not too large.
    std::ofstream(gros, std::ios::trunc) << "Nom\nDUPONT\n"
                                         << std::string(TailleMaxListe - 11, ' ');
    EXPECT_TRUE(LireFichierListe(gros, octets).ok);
    EXPECT_EQ(octets.substr(0, 12), "Nom\nDUPONT\n ");
}

// The transcription the import and every name field share.
TEST(Transcription, NomsDeToutesLesEcrituresEnLettresLatines) {
    for (const auto& [nom, attendu] : test::NomsDuMonde) {
        const TexteConverti t = VersCp1252(nom);
        EXPECT_EQ(Utf8DepuisCp1252(t.cp1252), attendu) << nom;
    }
}

TEST(Transcription, CeQuiEstRemplaceEstDitUneFois) {
    TexteConverti t = VersCp1252("Ștefan Ștefan Дмитрий q\u0303 a\u200Bb");
    EXPECT_EQ(t.cp1252, "Stefan Stefan Dmitrij q ab");
    EXPECT_EQ(t.remplacements, (std::vector<std::string>{"« Ș » remplacé par « S »",
                                                         "« Дмитрий » remplacé par « Dmitrij »",
                                                         "« q\u0303 » remplacé par « q »"}));
    // Malformed bytes are no letter.
    t = VersCp1252("A\xFF");
    EXPECT_EQ(t.cp1252, "A?");
    EXPECT_EQ(t.remplacements.size(), 1u);
    EXPECT_EQ(EnAscii("Né(e) le Дмитрий"), "Ne(e) le Dmitrij");
}

} // namespace

TEST(Cp1252, AllerRetourDesCaracteresDuCodePage) {
    std::string tous;
    for (int c = 1; c < 256; ++c) tous += static_cast<char>(c);
    EXPECT_EQ(Cp1252DepuisUtf8(Utf8DepuisCp1252(tous)), tous);
    EXPECT_EQ(Utf8DepuisCp1252("\x80\x9C\xE9"), "€œé");
    EXPECT_EQ(Cp1252DepuisUtf8("Ŀ日本"), "???");           // outside the code page
    EXPECT_EQ(Cp1252DepuisUtf8("\xE9t\xE9"), "\xE9t\xE9"); // already Windows-1252: kept
    EXPECT_EQ(Cp1252DepuisUtf8("\xC3"), "\xC3");           // cut sequence: kept as a byte
}
