#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "FichierAtomique.h"

using namespace quillora;
namespace fs = std::filesystem;

namespace {

class FichierAtomique : public ::testing::Test {
protected:
    void SetUp() override {
        dossier = fs::temp_directory_path() / ("quillora-atomique-" + std::to_string(::getpid()));
        fs::remove_all(dossier);
        fs::create_directories(dossier);
    }
    void TearDown() override { fs::remove_all(dossier); }

    std::set<std::string> noms() const {
        std::set<std::string> n;
        for (const auto& e : fs::directory_iterator(dossier)) n.insert(e.path().filename());
        return n;
    }
    static std::string contenu(const fs::path& f) {
        std::ifstream in(f, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static bool ecrire(const fs::path& f, const std::string& octets) {
        std::string raison;
        return EcrireFichierAtomique(f, octets.data(), octets.size(), raison);
    }

    fs::path dossier;
};

} // namespace

// Linux takes names up to 255 bytes: the unfinished file must not need a longer one.
TEST_F(FichierAtomique, UnNomDe255OctetsSEcritPuisSeRemplace) {
    const std::string nom = std::string(251, 'n') + ".cl3";
    ASSERT_TRUE(ecrire(dossier / nom, "premier"));
    ASSERT_TRUE(ecrire(dossier / nom, "second"));
    EXPECT_EQ(contenu(dossier / nom), "second");
    EXPECT_EQ(noms(), std::set<std::string>{nom});
}

// A writer killed half-way (here by the file size limit) leaves the old file and nothing else.
TEST_F(FichierAtomique, UneEcritureTueeNeLaisseRien) {
    const fs::path cible = dossier / "3A.cl3";
    ASSERT_TRUE(ecrire(cible, "ancien"));
    const pid_t enfant = ::fork();
    if (enfant == 0) {
        const rlimit coeur{0, 0}, taille{4096, 4096};
        ::setrlimit(RLIMIT_CORE, &coeur);
        ::setrlimit(RLIMIT_FSIZE, &taille);
        ecrire(cible, std::string(100000, 'x'));
        ::_exit(0);
    }
    int statut = 0;
    ASSERT_EQ(::waitpid(enfant, &statut, 0), enfant);
    ASSERT_TRUE(WIFSIGNALED(statut) && WTERMSIG(statut) == SIGXFSZ) << statut;
    EXPECT_EQ(contenu(cible), "ancien");
    EXPECT_EQ(noms(), std::set<std::string>{"3A.cl3"});
}

// What a writer killed between naming and renaming leaves is removed by the next write in
// that folder, unless its writer still holds it; nothing else is touched.
TEST_F(FichierAtomique, LesRestesDesEcrituresMortesSontRetires) {
    const std::string mort = ".quillora-0123456789.tmp", vivant = ".quillora-abcdefghij.tmp";
    const std::set<std::string> autres{"3A.cl3.backup", ".quillora-notes.tmp",
                                       ".quillora-ABCDEFGHIJ.tmp", "quillora-0123456789.tmp"};
    for (const std::string& n : autres) std::ofstream(dossier / n) << "garder";
    std::ofstream(dossier / mort) << "reste";
    std::ofstream(dossier / vivant) << "en cours";
    const int tenu = ::open((dossier / vivant).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(tenu, LOCK_EX), 0);

    ASSERT_TRUE(ecrire(dossier / "3A.cl3", "classe"));
    std::set<std::string> attendus = autres;
    attendus.insert({vivant, "3A.cl3"});
    EXPECT_EQ(noms(), attendus);
    ::close(tenu);
    ASSERT_TRUE(ecrire(dossier / "3A.cl3", "classe"));
    attendus.erase(vivant);
    EXPECT_EQ(noms(), attendus);
}

// The class file, its .bak twin and either one under another name are refused as outputs.
TEST_F(FichierAtomique, UneSortieQuiEstLaClasseOuSonBakEstRefusee) {
    EXPECT_EQ(NomBak("/a.b/3A.cl3"), "/a.b/3A.bak");
    EXPECT_EQ(NomBak("/a.b/3A"), "/a.b/3A.bak");
    const fs::path classe = dossier / "3A.cl3", bak = dossier / "3A.bak";
    std::ofstream(classe) << "classe";
    std::ofstream(bak) << "bak";
    std::ofstream(dossier / "3A.xlsx") << "classeur";
    fs::create_symlink(classe, dossier / "lien.pdf");
    fs::create_hard_link(bak, dossier / "dur.xlsx");
    const std::string surClasse = "C'est le fichier de la classe ; il n'est pas remplacé.";
    const std::string surBak =
        "C'est la copie de secours (.bak) de la classe ; elle n'est pas remplacée.";
    const std::pair<fs::path, std::string> cas[] = {
        {classe, surClasse},
        {dossier / "." / "3A.cl3", surClasse},
        {dossier / "lien.pdf", surClasse},
        {bak, surBak},
        {dossier / "dur.xlsx", surBak},
        {dossier / "3A.xlsx", ""},
        {dossier / "absent.pdf", ""},
    };
    for (const auto& [sortie, raison] : cas)
        EXPECT_EQ(RaisonSortieInterdite(classe, sortie), raison) << sortie;
}
