#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "Classe.h"
#include "Cp1252.h"
#include "Horloge.h"
#include "Options.h"

namespace quillora::test {

// Every model test starts from the factory settings and a fixed "today", and leaves them so.
class ModeleTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitOptions(Options);
        InitOptions(OptionsDefaut);
        DefinirHorloge([] { return DateHeure{2026, 12, 5, 14, 7, 0}; });
    }
    void TearDown() override {
        InitOptions(Options);
        HorlogeSysteme();
    }
};

// The same, with a fresh folder of the test's own, removed after it.
class DossierTest : public ModeleTest {
protected:
    void SetUp() override {
        ModeleTest::SetUp();
        dossier = std::filesystem::temp_directory_path() /
                  ("quillora-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dossier);
        std::filesystem::create_directories(dossier);
    }
    void TearDown() override {
        std::filesystem::remove_all(dossier);
        ModeleTest::TearDown();
    }
    std::filesystem::path dossier;
};

inline TClasse classeVide() {
    TClasse c;
    c.Initialiser();
    return c;
}

// Subject s, period p filled from rows of grade texts, one a student; the period counts
// the longest row's assignments.
inline void noter(TClasse& c, int s, int p, const std::vector<std::vector<std::string>>& lignes) {
    for (std::size_t e = 1; e <= lignes.size(); ++e)
        for (std::size_t a = 1; a <= lignes[e - 1].size(); ++a) {
            c.Eleve[e].Note[s][p][a] = lignes[e - 1][a - 1];
            if (a > c.NbDevoir[s][p]) c.NbDevoir[s][p] = static_cast<std::uint8_t>(a);
        }
}

// An empty class of students ELEVE1... with one subject period filled by `noter`; `coefs`
// gives the assignments' coefficients (all 1 when empty).
inline TClasse classeAvecNotes(const std::vector<std::vector<std::string>>& lignes,
                               const std::vector<double>& coefs = {}, int s = 1, int p = 1) {
    TClasse c = classeVide();
    c.NbEleve = static_cast<std::uint8_t>(lignes.size());
    for (std::size_t e = 1; e <= lignes.size(); ++e) c.Eleve[e].Nom = "ELEVE" + std::to_string(e);
    noter(c, s, p, lignes);
    for (std::size_t a = 1; a <= coefs.size(); ++a) c.Devoir[s][p][a].Coef = coefs[a - 1];
    return c;
}

// Students ELEVE1... born on the given days, written as the file holds them.
inline TClasse classeNee(const std::vector<const char*>& naissances) {
    TClasse c = classeAvecNotes(std::vector<std::vector<std::string>>(naissances.size()));
    for (std::size_t e = 1; e <= naissances.size(); ++e)
        c.Eleve[e].DateNaissance = naissances[e - 1];
    return c;
}

// Everything of the class a teacher could lose, as text: the count of students, then one
// line for every position that holds a name, a birth date or a grade (counted or not, so
// that a grade left behind shows), then the counted assignments (coefficient/date/comment).
inline std::string portrait(const TClasse& c) {
    std::string t = std::to_string(c.NbEleve) + " eleves", devoirs;
    for (int e = 1; e <= MaxEleves; ++e) {
        const TEleve& x = c.Eleve[e];
        std::string l = x.Nom.str() + "/" + x.Prenom.str() + "/" + x.DateNaissance.str();
        for (int i = 0; i < MaxMatieres * MaxPeriodes * MaxDevoirs; ++i) {
            const int s = i / 72 + 1, p = i / 24 % 3 + 1, a = i % 24 + 1;
            const std::string place =
                std::to_string(s) + "." + std::to_string(p) + "." + std::to_string(a);
            if (!x.Note[s][p][a].empty()) l += " " + place + "=" + x.Note[s][p][a].str();
            const TDevoir& d = c.Devoir[s][p][a];
            if (e == 1 && a <= c.NbDevoir[s][p])
                devoirs += "\nD" + place + " " + FormatNote(d.Coef) + "/" + d.Date.str() + "/" +
                           d.Commentaire.str();
        }
        if (l != "//") t += "\n" + std::to_string(e) + " " + l;
    }
    return t + devoirs;
}

inline std::vector<std::string> cellules(const std::string& ligne, char separateur = '\t') {
    std::vector<std::string> r(1);
    for (char ch : ligne) ch == separateur ? r.emplace_back() : r.back() += ch;
    return r;
}

// The cells of the export text's row that starts with `nom`.
inline std::vector<std::string> ligneExport(const std::string& texte, const std::string& nom) {
    std::size_t d = 0;
    while (d < texte.size() && texte.compare(d, nom.size() + 1, nom + '\t') != 0)
        d = std::min(texte.find('\r', d), texte.size() - 1) + 1;
    return cellules(texte.substr(d, texte.find('\r', d) - d));
}

inline std::string cheminSource(const std::string& relatif) {
    return std::string(QUILLORA_SOURCE_DIR) + "/" + relatif;
}

} // namespace quillora::test
