// Writes the sample classes bundled with Quillora, through the model itself:
//   genexemples DOSSIER
// gives DOSSIER/3A.cl3 (three trimesters, three subjects, 28 students) and DOSSIER/TS2.cl3
// (two semesters, one subject). The output depends on nothing but this file, so running it
// again gives the same bytes.
#include <cstdio>
#include <string>

#include "Classe.h"
#include "Cp1252.h"

using namespace quillora;

namespace {

// A small linear congruential generator: the samples must not change with the C library.
struct Hasard {
    unsigned long long etat;
    unsigned suivant() {
        etat = etat * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<unsigned>(etat >> 33);
    }
    int entre(int a, int b) {
        return a + static_cast<int>(suivant() % static_cast<unsigned>(b - a + 1));
    }
};

struct Personne {
    const char* nom;
    const char* prenom;
    const char* naissance;
};

const Personne Eleves3A[] = {
    {"Martin", "Léa", "14032012"},      {"Bernard", "Hugo", "02112011"},
    {"Dubois", "Chloé", "27062012"},    {"Thomas", "Lucas", "09012012"},
    {"Robert", "Manon", "18092011"},    {"Richard", "Enzo", "30042012"},
    {"Petit", "Camille", "11122011"},   {"Durand", "Nathan", "05052012"},
    {"Leroy", "Inès", "23022012"},      {"Moreau", "Théo", "16082012"},
    {"Simon", "Jade", "07102011"},      {"Laurent", "Louis", "29032012"},
    {"LEFÈBVRE", "Zoé", "12072012"},    {"Michel", "Raphaël", "21112011"},
    {"Garcia", "Emma", "03062012"},     {"David", "Gabriel", "25012012"},
    {"Bertrand", "Louise", "08042012"}, {"Roux", "Arthur", "19092011"},
    {"Vincent", "Alice", "31082012"},   {"Fournier", "Jules", "14022012"},
    {"Morel", "Lina", "06122011"},      {"Girard", "Noah", "17052012"},
    {"ANDRÉ", "Rose", "28102011"},      {"Mercier", "Adam", "10072012"},
    {"Blanc", "Anna", "22032012"},      {"GUÉRIN", "Maël", ""},
    {"Boyer", "Éloïse", "01012012"},    {"Faure", "Sacha", "13112011"},
};

const Personne ElevesTS2[] = {
    {"Aubert", "Clément", "12042008"},   {"Barbier", "Océane", "30092007"},
    {"Carpentier", "Yanis", "05012008"}, {"Dumont", "Lucie", "22112007"},
    {"Fontaine", "Mathis", "17062008"},  {"Gauthier", "Sarah", "08022008"},
    {"Hubert", "Axel", "26072007"},      {"Julien", "Margaux", "14102007"},
    {"Lambert", "Hugo", "03032008"},     {"Marchand", "Clara", "19122007"},
    {"Nicolas", "Tom", "11052008"},      {"Perrin", "Eva", "29082007"},
};

void remplirEleves(TClasse& c, const Personne* eleves, int n) {
    c.NbEleve = static_cast<std::uint8_t>(n);
    for (int e = 1; e <= n; ++e) {
        c.Eleve[e].Nom = cp1252(eleves[e - 1].nom);
        c.Eleve[e].Prenom = cp1252(eleves[e - 1].prenom);
        c.Eleve[e].DateNaissance = eleves[e - 1].naissance;
    }
}

// A grade around the student's level, with a decimal now and then.
std::string note(Hasard& h, int niveau) {
    int v = niveau + h.entre(-5, 5);
    if (v < 0) v = 0;
    if (v > 20) v = 20;
    switch (h.entre(0, 5)) {
    case 0:
        return std::to_string(v > 19 ? 19 : v) + ".5";
    case 1:
        return v < 10 ? std::to_string(v) + ".75" : std::to_string(v);
    default:
        return std::to_string(v);
    }
}

struct DevoirModele {
    double coef;
    const char* date;
    const char* duree;
    const char* commentaire;
};

void ajouterDevoir(TClasse& c, int s, int p, const DevoirModele& d) {
    const int a = ++c.NbDevoir[s][p];
    c.Devoir[s][p][a].Coef = d.coef;
    c.Devoir[s][p][a].Date = d.date;
    c.Devoir[s][p][a].Duree = cp1252(d.duree);
    c.Devoir[s][p][a].Commentaire = cp1252(d.commentaire);
}

bool ecrire(const TClasse& c, const std::string& chemin) {
    const Resultat r = c.SauverSous(chemin);
    if (!r) std::fprintf(stderr, "%s\n", r.erreur.c_str());
    return r.ok;
}

bool classe3A(const std::string& dossier) {
    TClasse c;
    c.Initialiser();
    c.NomFichier = dossier + "/3a.cl3";
    c.AbrevClasse = "3A";
    c.AnneeScolaire = "( 2026 / 2027 )";
    c.NomProfesseur = cp1252("Mme Delphine Rousseau");
    c.MatierePrincipale = cp1252("Mathématiques");
    c.Joker = 1;
    c.ModeArrondi = 4;
    c.NbPeriode = 3;
    c.NbMatiere = 3;
    const char* matieres[3][2] = {
        {"Mathématiques", "Ma"}, {"Physique-Chimie", "PC"}, {"SVT", "SV"}};
    const double coefs[3][3] = {{3, 3, 4}, {2, 2, 2}, {1.5, 1.5, 2}};
    for (int s = 1; s <= 3; ++s) {
        c.Matiere[s].Nom = cp1252(matieres[s - 1][0]);
        c.Matiere[s].Abrev = matieres[s - 1][1];
        for (int p = 1; p <= 3; ++p) c.Matiere[s].Coef[p] = coefs[s - 1][p - 1];
    }
    remplirEleves(c, Eleves3A, 28);

    const DevoirModele devoirs[3][3][8] = {
        {{{1, "15/09/2026", "1h", "Nombres relatifs"},
          {0.5, "22/09/2026", "20mn", "Interrogation : calcul mental"},
          {2, "06/10/2026", "2h", "Devoir commun : fractions"},
          {1, "20/10/2026", "1h", "Puissances"},
          {1, "10/11/2026", "1h", "Théorème de Pythagore"},
          {0.5, "17/11/2026", "20mn", "Interrogation : racines"},
          {2, "01/12/2026", "2h", "Devoir de synthèse"}},
         {{1, "12/01/2027", "1h", "Calcul littéral"},
          {1, "26/01/2027", "1h", "Équations"},
          {2, "09/02/2027", "2h", "Brevet blanc"},
          {0.5, "02/03/2027", "20mn", "Interrogation : Thalès"}},
         {{1, "30/03/2027", "1h", "Fonctions"}, {1, "20/04/2027", "1h", "Statistiques"}}},
        {{{1, "18/09/2026", "1h", "Atomes et ions"},
          {1, "09/10/2026", "1h", "Réactions chimiques"},
          {2, "27/11/2026", "2h", "Électricité"}},
         {{1, "15/01/2027", "1h", "Puissance électrique"}, {1, "12/02/2027", "1h", "Gravitation"}},
         {}},
        {{{1, "25/09/2026", "45 min", "La cellule"}, {1, "13/11/2026", "45 min", "Génétique"}},
         {{1, "05/02/2027", "45 min", "Immunité"}},
         {}},
    };
    Hasard h{2026};
    int niveaux[29];
    for (int e = 1; e <= 28; ++e) niveaux[e] = h.entre(7, 17);
    for (int s = 1; s <= 3; ++s)
        for (int p = 1; p <= 3; ++p)
            for (const DevoirModele& d : devoirs[s - 1][p - 1]) {
                if (!d.date) break;
                ajouterDevoir(c, s, p, d);
                const int a = c.NbDevoir[s][p];
                for (int e = 1; e <= 28; ++e) {
                    std::string n = note(h, niveaux[e]);
                    const int tirage = h.entre(0, 99);
                    if (tirage < 3)
                        n = "abs";
                    else if (tirage < 4)
                        n = "disp";
                    // Physics is marked with letters now and then, as some teachers do.
                    else if (s == 2 && d.coef == 1 && tirage < 30)
                        n = std::string("ABCDE").substr(static_cast<std::size_t>(h.entre(0, 3)),
                                                        1) +
                            (h.entre(0, 2) == 0 ? "+"
                             : h.entre(0, 1)    ? "-"
                                                : "");
                    c.Eleve[e].Note[s][p][a] = n;
                }
            }
    c.MatiereCourante = 1;
    c.PeriodeCourante = 1;
    c.TrierEleves();
    return ecrire(c, dossier + "/3A.cl3");
}

bool classeTS2(const std::string& dossier) {
    TClasse c;
    c.Initialiser();
    c.NomFichier = dossier + "/ts2.cl3";
    c.AbrevClasse = "TS2";
    c.AnneeScolaire = "( 2026 / 2027 )";
    c.NomProfesseur = "M. Olivier Lemaire";
    c.MatierePrincipale = cp1252("Philosophie");
    c.ModeArrondi = 0;
    c.NbPeriode = 2;
    c.NbMatiere = 1;
    c.Matiere[1].Nom = cp1252("Philosophie");
    c.Matiere[1].Abrev = "Ph";
    c.Matiere[1].Coef[1] = 1;
    c.Matiere[1].Coef[2] = 1;
    remplirEleves(c, ElevesTS2, 12);
    const DevoirModele devoirs[2][4] = {
        {{1, "02/10/2026", "4h", "Dissertation : la conscience"},
         {1, "13/11/2026", "4h", "Explication de texte : Descartes"},
         {2, "18/12/2026", "4h", "Bac blanc"}},
        {{1, "05/02/2027", "4h", "Dissertation : la liberté"},
         {1, "19/03/2027", "2h", "Oral : exposé"},
         {2, "14/05/2027", "4h", "Bac blanc"}},
    };
    Hasard h{1789};
    for (int p = 1; p <= 2; ++p)
        for (const DevoirModele& d : devoirs[p - 1]) {
            if (!d.date) break;
            ajouterDevoir(c, 1, p, d);
            const int a = c.NbDevoir[1][p];
            for (int e = 1; e <= 12; ++e)
                c.Eleve[e].Note[1][p][a] = h.entre(0, 30) == 0 ? "abs" : note(h, 11);
        }
    c.MatiereCourante = 1;
    c.PeriodeCourante = 4;
    return ecrire(c, dossier + "/TS2.cl3");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage : genexemples DOSSIER\n");
        return 2;
    }
    const std::string dossier = argv[1];
    return classe3A(dossier) && classeTS2(dossier) ? 0 : 1;
}
