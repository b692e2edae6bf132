#pragma once

#include <string>
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

inline TClasse classeVide() {
    TClasse c;
    c.Initialiser();
    return c;
}

// An empty class with one subject period filled from rows of grade texts; `coefs` gives the
// assignments' coefficients (all 1 when empty).
inline TClasse classeAvecNotes(const std::vector<std::vector<std::string>>& lignes,
                               const std::vector<double>& coefs = {}, int s = 1, int p = 1) {
    TClasse c = classeVide();
    c.NbEleve = static_cast<std::uint8_t>(lignes.size());
    for (std::size_t e = 1; e <= lignes.size(); ++e) {
        c.Eleve[e].Nom = "ELEVE" + std::to_string(e);
        const auto& notes = lignes[e - 1];
        if (notes.size() > c.NbDevoir[s][p])
            c.NbDevoir[s][p] = static_cast<std::uint8_t>(notes.size());
        for (std::size_t a = 1; a <= notes.size(); ++a) c.Eleve[e].Note[s][p][a] = notes[a - 1];
    }
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

// Everything of the class a teacher could lose, as text: the counts, then one line for
// every position that holds a name, a birth date or a grade (counted or not, so that a
// grade left behind shows), then the counted assignments (coefficient, date, comment).
inline std::string portrait(const TClasse& c) {
    const auto place = [](int s, int p, int a) {
        return std::to_string(s) + "." + std::to_string(p) + "." + std::to_string(a);
    };
    std::string t = std::to_string(c.NbEleve) + " eleves";
    for (int e = 1; e <= MaxEleves; ++e) {
        const TEleve& x = c.Eleve[e];
        std::string l = x.Nom.str() + "/" + x.Prenom.str() + "/" + x.DateNaissance.str();
        for (int s = 1; s <= MaxMatieres; ++s)
            for (int p = 1; p <= MaxPeriodes; ++p)
                for (int a = 1; a <= MaxDevoirs; ++a)
                    if (!x.Note[s][p][a].empty())
                        l += " " + place(s, p, a) + "=" + x.Note[s][p][a].str();
        if (l != "//") t += "\n" + std::to_string(e) + " " + l;
    }
    for (int s = 1; s <= MaxMatieres; ++s)
        for (int p = 1; p <= MaxPeriodes; ++p)
            for (int a = 1; a <= c.NbDevoir[s][p]; ++a) {
                const TDevoir& d = c.Devoir[s][p][a];
                t += "\nD" + place(s, p, a) + " " + FormatNote(d.Coef) + "/" + d.Date.str() + "/" +
                     d.Commentaire.str();
            }
    return t;
}

inline std::string cheminSource(const std::string& relatif) {
    return std::string(QUILLORA_SOURCE_DIR) + "/" + relatif;
}

} // namespace quillora::test
