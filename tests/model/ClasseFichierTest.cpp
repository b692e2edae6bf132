#include <gmock/gmock.h>

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Fabrique.h"
#include "FichierAtomique.h"

using namespace quillora;
using namespace quillora::test;
using ::testing::AllOf, ::testing::HasSubstr, ::testing::StartsWith;

namespace fs = std::filesystem;

namespace {

std::string lire(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class FichierClasse : public DossierTest {
protected:
    Resultat charger(TClasse& c, const fs::path& f) {
        c.Initialiser();
        c.NomFichier = f.string();
        return c.Charger();
    }
};

class FichierAtomique : public DossierTest {
protected:
    std::set<std::string> noms() const {
        std::set<std::string> n;
        for (const auto& e : fs::directory_iterator(dossier)) n.insert(e.path().filename());
        return n;
    }
    static bool ecrire(const fs::path& f, const std::string& octets) {
        std::string raison;
        return EcrireFichierAtomique(f, octets.data(), octets.size(), raison);
    }
};

} // namespace

// The counts' offsets are those of the damaged-file cases below; here the rest.
TEST_F(FichierClasse, LesPositionsDuFichierSontCellesDeLImage) {
    TClasse c = classeVide();
    c.Eleve[2].Note[3][2][5] = "abs";
    c.Devoir[2][3][4].Coef = 2.5;
    c.Devoir[2][3][4].Commentaire = "x";
    c.Matiere[3].Coef[2] = 0.5;
    c.Reserve[167] = 0xAB;
    const fs::path f = dossier / "positions.cl3";
    ASSERT_TRUE(c.SauverSous(f.string()));
    const auto o = lire(f);
    ASSERT_EQ(o.size(), 76632u);
    const std::size_t note = 1347 * 1 + 51 + 432 * 2 + 144 * 1 + 6 * 4;
    EXPECT_EQ(o.substr(note + 1, 3), "abs");
    const std::size_t devoir = 60615 + 5184 * 1 + 1728 * 2 + 72 * 3;
    const auto reel = [&](std::size_t i) {
        double v;
        std::memcpy(&v, &o[i], 8);
        return v;
    };
    EXPECT_EQ(reel(devoir), 2.5);
    EXPECT_EQ(o[devoir + 27], 'x');
    EXPECT_EQ(reel(76167 + 48 * 2 + 24 + 8), 0.5);
    EXPECT_EQ(o[76632 - 1], '\xAB');
}

TEST_F(FichierClasse, ChargerPuisSauverRendLesMemesOctets) {
    // Unused string bytes and padding hold arbitrary values that must survive.
    const TClasse modele = classeVide();
    std::string octets(reinterpret_cast<const char*>(&modele.Image()), 76632);
    unsigned graine = 7;
    auto brouiller = [&](std::size_t debut, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i)
            octets[debut + i] = static_cast<char>((graine = graine * 1103515245 + 12345) >> 16);
    };
    brouiller(1 + 3, 17); // student 1 surname after a 3-byte name
    octets[0] = 3;
    brouiller(60615 + 67, 5); // assignment padding
    brouiller(76464, 168);    // reserve
    octets[76311] = 1;
    brouiller(76311 + 2, 7); // class abbreviation's unused bytes
    const fs::path source = dossier / "source.cl3", copie = dossier / "copie.cl3";
    octets.resize(76632 + 100, 0x55); // trailing bytes are ignored
    std::ofstream(source, std::ios::binary) << octets;

    TClasse c;
    ASSERT_TRUE(charger(c, source));
    ASSERT_TRUE(c.SauverSous(copie.string()));
    octets.resize(76632);
    EXPECT_EQ(lire(copie), octets);
}

TEST_F(FichierClasse, UnFichierEndommageEstRefuseSansToucherLaClasse) {
    const TClasse bonne = classeAvecNotes({{}, {}});
    const fs::path f = dossier / "bonne.cl3";
    ASSERT_TRUE(bonne.SauverSous(f.string()));
    const auto octets = lire(f);

    const std::tuple<std::size_t, unsigned char, const char*> defauts[] = {
        {76460, 46, "nombre d'élèves 46"},    {76461, 0, "nombre de matières 0"},
        {76348, 4, "nombre de périodes 4"},   {76463, 0, "période affichée"},
        {76451 + 8, 25, "nombre de devoirs"}, {1347 * 3 + 51 + 6 * 10, 6, "note de l'élève 4"},
        {60615 + 72 * 5 + 26, 41, "devoir"},  {76311, 9, "en-tête"},
    };
    const fs::path g = dossier / "abime.cl3";
    for (const auto& [position, valeur, motif] : defauts) {
        auto abime = octets;
        abime[position] = static_cast<char>(valeur);
        std::ofstream(g, std::ios::binary) << abime;
        TClasse c = classeAvecNotes({{}});
        c.NomFichier = g.string();
        const Resultat r = c.Charger();
        EXPECT_FALSE(r.ok) << motif;
        EXPECT_THAT(r.erreur, AllOf(HasSubstr("Le fichier \"" + g.string() + "\" est endommagé : "),
                                    HasSubstr(motif)));
        EXPECT_EQ(c.Eleve[1].Nom.str() + "/" + std::to_string(c.NbEleve), "ELEVE1/1");
    }
}

// Nothing may block or be read without end: a FIFO with no writer, a device.
TEST_F(FichierClasse, CeQuiNEstPasUneClasseLisibleEstRefuseSansAttendre) {
    const fs::path court = dossier / "court.cl3", tube = dossier / "tube.cl3",
                   boucle = dossier / "boucle.cl3", absent = dossier / "absent.cl3";
    std::ofstream(court, std::ios::binary) << std::string(76631, '\0');
    ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
    fs::create_symlink(boucle, boucle);
    const auto ouvrir = [](const fs::path& f, const char* raison) {
        return "Impossible d'ouvrir le fichier \"" + f.string() + "\". " + raison;
    };
    const std::pair<fs::path, std::string> cas[] = {
        {court, "Erreur de lecture du flux"},
        {absent, ouvrir(absent, "Le fichier ou le dossier est introuvable.")},
        {dossier, ouvrir(dossier, "C'est un dossier, pas un fichier.")},
        {tube, ouvrir(tube, "Ce n'est pas un fichier ordinaire.")},
        {"/dev/zero", ouvrir("/dev/zero", "Ce n'est pas un fichier ordinaire.")},
        {boucle, ouvrir(boucle, "Le chemin contient une boucle de liens symboliques.")},
    };
    TClasse c;
    for (const auto& [f, attendu] : cas) EXPECT_EQ(charger(c, f).erreur, attendu);
    for (int code = 1; code < 134; ++code) // never the system's English text
        EXPECT_STRNE(RaisonSysteme(code).c_str(), std::strerror(code)) << code;
}

TEST_F(FichierClasse, UnEchecDEnregistrementLaisseLAncienFichier) {
    TClasse c = classeAvecNotes({{}});
    const fs::path f = dossier / "classe.cl3";
    ASSERT_TRUE(c.SauverSous(f.string()));
    const auto avant = lire(f);

    c.Eleve[1].Nom = "NOUVEAU";
    const fs::path ailleurs = dossier / "absent" / "classe.cl3";
    const Resultat r = c.SauverSous(ailleurs.string());
    EXPECT_FALSE(r.ok);
    EXPECT_THAT(r.erreur,
                StartsWith("Impossible de créer le fichier \"" + ailleurs.string() + "\". "));
    EXPECT_EQ(lire(f), avant);
    // Renaming over a device or a FIFO would replace it: refused.
    const fs::path tube = dossier / "tube.cl3";
    ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
    EXPECT_EQ(c.SauverSous(tube.string()).erreur, "Impossible de créer le fichier \"" +
                                                      tube.string() +
                                                      "\". Ce n'est pas un fichier ordinaire.");
    EXPECT_TRUE(fs::is_fifo(tube));
    fs::remove(tube);
    // No temporary file left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()), 1);

    // A file that is only readable keeps its permissions when replaced.
    const auto droits = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(f, droits);
    ASSERT_TRUE(c.SauverSous(f.string()));
    EXPECT_EQ(fs::status(f).permissions(), droits);
    EXPECT_NE(lire(f), avant);
}

// A writer killed half-way (here by the file size limit) leaves the old file and nothing
// else, even under a name of 255 bytes, the longest Linux takes, which the next write
// replaces.
TEST_F(FichierAtomique, UneEcritureTueeNeLaisseRienMemeSousUnNomDe255Octets) {
    const std::string nom = std::string(251, 'n') + ".cl3";
    ASSERT_TRUE(ecrire(dossier / nom, "ancien"));
    if (::fork() == 0) {
        const rlimit coeur{0, 0}, taille{4096, 4096};
        ::setrlimit(RLIMIT_CORE, &coeur);
        ::setrlimit(RLIMIT_FSIZE, &taille);
        ecrire(dossier / nom, std::string(100000, 'x'));
        ::_exit(0);
    }
    int statut = 0;
    ::wait(&statut);
    ASSERT_TRUE(WIFSIGNALED(statut) && WTERMSIG(statut) == SIGXFSZ) << statut;
    EXPECT_EQ(noms(), std::set<std::string>{nom});
    ASSERT_TRUE(ecrire(dossier / nom, "nouveau"));
    EXPECT_EQ(fs::file_size(dossier / nom), 7u);
    EXPECT_EQ(noms(), std::set<std::string>{nom});
}

// A read takes what the file holds up to the limit, whatever size it announced: the
// system's own files announce none, and a file may grow between the two.
TEST_F(FichierAtomique, LaLectureVaJusquALaFinOuALaLimite) {
    std::string octets;
    ASSERT_EQ(LireFichierOrdinaire("/proc/self/status", 1 << 20, octets), 0);
    EXPECT_THAT(octets, HasSubstr("Name:"));
    const fs::path f = dossier / "long.ini";
    ASSERT_TRUE(ecrire(f, std::string(10000, 'a') + "fin"));
    ASSERT_EQ(LireFichierOrdinaire(f.string(), 10002, octets), 0);
    EXPECT_EQ(octets, std::string(10000, 'a') + "fi");
    ASSERT_EQ(LireFichierOrdinaire(f.string(), 1 << 20, octets), 0);
    EXPECT_EQ(octets.size(), 10003u);
}

// What a writer killed between naming and renaming leaves is removed by the next write in
// that folder, unless its writer still holds it; nothing else is touched.
TEST_F(FichierAtomique, LesRestesDesEcrituresMortesSontRetires) {
    const std::string mort = ".quillora-0123456789.tmp", vivant = ".quillora-abcdefghij.tmp";
    std::set<std::string> attendus{"3A.cl3.backup", ".quillora-notes.tmp",
                                   ".quillora-ABCDEFGHIJ.tmp", vivant, "3A.cl3"};
    for (const std::string& n : attendus) std::ofstream(dossier / n) << "garder";
    std::ofstream(dossier / mort) << "reste";
    const int tenu = ::open((dossier / vivant).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(tenu, LOCK_EX), 0);
    ASSERT_TRUE(ecrire(dossier / "3A.cl3", "classe"));
    EXPECT_EQ(noms(), attendus);
    ::close(tenu);
    ASSERT_TRUE(ecrire(dossier / "3A.cl3", "classe"));
    attendus.erase(vivant);
    EXPECT_EQ(noms(), attendus);
}
