#pragma once

#include <string>

#include "Classe.h"
#include "Cp1252.h"

// The most a sheet ever paints: 45 students with first names, 3 subjects, 3 trimesters,
// 24 assignments everywhere with their durations, dates and comments, and grades mixing
// numbers, letters and codes; joker averages on.
inline quillora::TClasse ClasseComplete() {
    using namespace quillora;
    TClasse c;
    c.Initialiser();
    c.NbEleve = 45;
    c.Joker = 1;
    c.ModeArrondi = 4;
    c.AbrevClasse = "2NDE4";
    c.AnneeScolaire = "( 2026 / 2027 )";
    const char* noms[] = {"MARTIN",   "BERNARD",   "DUBOIS",   "LEFÈBVRE", "GARCIA",
                          "FONTAINE", "CHEVALIER", "ROUSSEAU", "MERCIER",  "BOULANGER"};
    const char* prenoms[] = {
        "Léa", "Hugo", "Chloé", "Jean-Baptiste", "Inès", "Maël", "Marie-Charlotte", "Théo", "Zoé"};
    const char* matieres[] = {"Mathématiques", "Physique", "SVT"};
    for (int s = 1; s <= 3; ++s) c.Matiere[s].Nom = cp1252(matieres[s - 1]);
    unsigned graine = 2026;
    auto hasard = [&](unsigned n) {
        graine = graine * 1103515245u + 12345u;
        return (graine >> 16) % n;
    };
    for (int e = 1; e <= 45; ++e) {
        c.Eleve[e].Nom = cp1252(noms[e % 10]);
        c.Eleve[e].Prenom = cp1252(prenoms[e % 9]);
    }
    const char* lettres[] = {"A", "B+", "C-", "D", "b"};
    const char* codes[] = {"abs", "disp", "excu", "ret", ""};
    for (int s = 1; s <= 3; ++s)
        for (int p = 1; p <= 3; ++p) {
            c.NbDevoir[s][p] = 24;
            for (int a = 1; a <= 24; ++a) {
                TDevoir& d = c.Devoir[s][p][a];
                d.Coef = 1 + (a % 4) * 0.5;
                d.Duree = "1h30";
                d.Date = std::to_string(10 + a) + "/10/2026";
                d.Commentaire = cp1252("Contrôle n°" + std::to_string(a) + " : fonctions affines");
                for (int e = 1; e <= 45; ++e) {
                    const unsigned t = hasard(100);
                    std::string n;
                    if (t < 70)
                        n = std::to_string(hasard(21)) + (t % 3 == 0 ? ".5" : "");
                    else if (t < 90)
                        n = lettres[hasard(5)];
                    else
                        n = codes[hasard(5)];
                    c.Eleve[e].Note[s][p][a] = n;
                }
            }
        }
    return c;
}
