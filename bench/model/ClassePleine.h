#pragma once

#include <string>

#include "Classe.h"

// The largest class a teacher can have: 45 students, 3 subjects, 3 trimesters and 24
// assignments everywhere, with numbers, letters and codes mixed as in real grade books.
inline quillora::TClasse ClassePleine() {
    using namespace quillora;
    TClasse c;
    c.Initialiser();
    c.NbEleve = 45;
    c.NbMatiere = 3;
    c.NbPeriode = 3;
    c.Joker = 1;
    c.AbrevClasse = "3A";
    unsigned graine = 12345;
    auto hasard = [&](unsigned n) {
        graine = graine * 1103515245u + 12345u;
        return (graine >> 16) % n;
    };
    const char* lettres[] = {"A", "B+", "C-", "D", "b"};
    const char* codes[] = {"abs", "disp", "excu", "ret", ""};
    for (int e = 1; e <= 45; ++e) {
        c.Eleve[e].Nom = "ELEVE" + std::to_string(100 + e);
        c.Eleve[e].Prenom = "Prenom" + std::to_string(e);
        c.Eleve[e].DateNaissance = "15062012";
    }
    for (int s = 1; s <= 3; ++s)
        for (int p = 1; p <= 3; ++p) {
            c.NbDevoir[s][p] = 24;
            for (int a = 1; a <= 24; ++a) {
                c.Devoir[s][p][a].Coef = 1 + (a % 4) * 0.5;
                c.Devoir[s][p][a].Commentaire = "Devoir " + std::to_string(a);
                for (int e = 1; e <= 45; ++e) {
                    const unsigned t = hasard(100);
                    std::string n;
                    if (t < 70) n = std::to_string(hasard(21)) + (t % 3 == 0 ? ".5" : "");
                    else if (t < 90) n = lettres[hasard(5)];
                    else n = codes[hasard(5)];
                    c.Eleve[e].Note[s][p][a] = n;
                }
            }
        }
    return c;
}
