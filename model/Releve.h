#pragma once

#include <string>
#include <vector>

#include "Classe.h"
#include "Statistiques.h"
#include "TexteAffiche.h"

namespace quillora {

// The grade report of one student ("Relevé de notes"), everything it prints already
// computed by the class's own routines and written as the sheet writes it. Texts are
// Windows-1252.

// One assignment of a subject and period, with the student's grade.
struct LigneReleve {
    int devoir = 0;
    std::string date;
    std::string coef;
    std::string commentaire;
    TexteAffiche note;
    TexteAffiche moyenneDevoir; // the class's average of the assignment, as the sheet's row
};

// One subject in one period.
struct BlocReleve {
    int matiere = 1;
    int periode = 1;
    std::string titre;               // "Mathématiques - Trimestre 1"
    std::string coef;                // "coef. 2": the subject's coefficient in the period
    std::vector<LigneReleve> lignes; // empty: no assignment in the period
    TexteAffiche moyenne;
    TexteAffiche moyenneClasse;
    // With the class's joker averages on, as the sheet's second column shows them.
    bool joker = false;
    TexteAffiche moyenneJoker;
    TexteAffiche moyenneClasseJoker;
    std::string rang; // "3 / 25", "non classé"; empty when ranks are not asked
};

// One cell of the summary table: the student's average, the class's, the rank.
struct CaseSynthese {
    TexteAffiche eleve;
    TexteAffiche classe;
    std::string rang;
};

// One row of the summary: a subject, or the general average of every subject.
struct LigneSynthese {
    std::string intitule;
    std::string coef;
    std::vector<CaseSynthese> cases; // one per column of the summary
};

struct EntreeLegende {
    std::string code; // empty for the sign that marks averages below the pass mark
    std::string sens;
};

struct Releve {
    int eleve = 0;
    std::string classe;        // "3A"
    std::string anneeScolaire; // "2026 / 2027"
    std::string professeur;
    std::string nom;       // name and first name
    std::string naissance; // "Né(e) le 05 mars 2011", or that it is unknown
    std::string periode;   // "Trimestre 1", "Année"
    std::string imprimeLe; // "Imprimé le 05 décembre 2026"
    bool rangs = false;
    bool annee = false; // the whole year rather than one period
    // The student has no grade text at all in the periods shown: the report says so and
    // shows nothing else.
    bool aucuneNote = false;
    std::string messageAucuneNote;
    std::vector<BlocReleve> blocs;             // subject after subject, each over its periods
    std::vector<std::string> colonnesSynthese; // "Trim.1", ..., "Année"
    std::vector<LigneSynthese> synthese;
    std::string noteJoker; // what the summary's joker averages are, when they are
    // The student's evolution in each subject, as the evolution window draws it.
    std::vector<GrapheStat> graphes;
    std::vector<EntreeLegende> legende;
};

// What the teacher asks for: some students, a period or the year, ranks or not.
struct ChoixReleves {
    std::vector<int> eleves; // student numbers; empty: every student
    int periode = 1;         // 1..NbPeriode, 4: the year
    bool rangs = false;
};

// The reports of the chosen students in class order, each student once; none for a
// period the class lacks. Class-wide values (class averages, ranks) are computed once.
std::vector<Releve> CalculerReleves(const TClasse& c, const ChoixReleves& choix);

} // namespace quillora
