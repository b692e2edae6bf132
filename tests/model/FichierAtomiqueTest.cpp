#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Fabrique.h"
#include "FichierAtomique.h"

using namespace quillora;
namespace fs = std::filesystem;

namespace {

class FichierAtomique : public test::DossierTest {
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
