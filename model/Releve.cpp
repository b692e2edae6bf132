#include "Releve.h"

#include <algorithm>
#include <array>

#include "Classement.h"
#include "Cp1252.h"
#include "Horloge.h"
#include "Nombres.h"
#include "Options.h"

namespace quillora {

namespace {

std::string deuxChiffres(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string nomPeriode(const TClasse& c, int p) {
    if (p == 4) return cp1252("Année");
    return std::string(MotPeriode[IndexPeriodes(c.NbPeriode)]) + " " + std::to_string(p);
}

// "( 2026 / 2027 )", as the class stores its school year, reads "2026 / 2027" on a page.
std::string sansParentheses(std::string t) {
    if (t.size() >= 2 && t.front() == '(' && t.back() == ')') t = t.substr(1, t.size() - 2);
    const auto debut = t.find_first_not_of(' '), fin = t.find_last_not_of(' ');
    return debut == std::string::npos ? std::string() : t.substr(debut, fin - debut + 1);
}

bool memeCode(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto bas = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        return bas(x) == bas(y);
    });
}

// What a text that is not a grade means on the report.
std::string sensCode(std::string_view code) {
    static const std::array<std::pair<const char*, const char*>, 4> codes = {{
        {"abs", "absent au devoir"},
        {"disp", "dispensé"},
        {"excu", "absence excusée"},
        {"ret", "devoir rendu en retard"},
    }};
    for (const auto& [c, sens] : codes)
        if (memeCode(code, c)) return cp1252(sens);
    double v;
    if (LireDecimal(code, ',', v)) return cp1252("avec une virgule : ne compte pas");
    return cp1252("pas une note, ne compte pas");
}

// What every report of one run shares: the class's averages and ranks.
class DonneesClasse {
public:
    DonneesClasse(const TClasse& c, const std::vector<int>& periodes, bool rangs) {
        const bool joker = c.Joker != 0;
        auto preparer = [&](int s, int p) {
            moyenne_[s][p] = AfficherMoyenne(c.MoyenneClasse(s, p, false), c.ModeArrondi);
            moyenneJoker_[s][p] = AfficherMoyenne(c.MoyenneClasse(s, p, true), c.ModeArrondi);
            if (rangs) rangs_[s][p] = Rangs(c, s, p);
        };
        for (int p : periodes) {
            for (int s = 1; s <= c.NbMatiere; ++s) {
                preparer(s, p);
                if (p == 4) continue;
                for (int a = 1; a <= c.NbDevoir[s][p]; ++a)
                    devoirs_[s][p].push_back(
                        AfficherMoyenne(c.MoyenneDevoir(s, p, joker, a), c.ModeArrondi));
            }
            preparer(4, p);
        }
    }

    const TexteAffiche& moyenne(int s, int p, bool joker) const {
        return joker ? moyenneJoker_[s][p] : moyenne_[s][p];
    }
    const TexteAffiche& moyenneDevoir(int s, int p, int a) const { return devoirs_[s][p][a - 1]; }
    // "3 / 25", or `sansRang` for a student without an average.
    std::string rang(int s, int p, int e, const char* sansRang) const {
        const RangsClasse& r = rangs_[s][p];
        if (r.rang.empty()) return {};
        const int n = r.rang[e];
        return n ? std::to_string(n) + " / " + std::to_string(r.classes) : sansRang;
    }

private:
    std::array<std::array<TexteAffiche, 5>, 5> moyenne_{};
    std::array<std::array<TexteAffiche, 5>, 5> moyenneJoker_{};
    std::array<std::array<RangsClasse, 5>, 5> rangs_{};
    std::array<std::array<std::vector<TexteAffiche>, 4>, 4> devoirs_{};
};

bool aUneNote(const TClasse& c, int e, const std::vector<int>& periodes) {
    for (int p : periodes)
        for (int s = 1; s <= c.NbMatiere; ++s)
            for (int a = 1; a <= c.NbDevoir[s][p]; ++a)
                if (!c.Eleve[e].Note[s][p][a].empty()) return true;
    return false;
}

BlocReleve bloc(const TClasse& c, const DonneesClasse& d, int s, int p, int e, bool rangs) {
    BlocReleve b;
    b.matiere = s;
    b.periode = p;
    b.titre = c.Matiere[s].Nom.str() + " - " + nomPeriode(c, p);
    b.coef = "coef. " + FormatNote(c.Matiere[s].Coef[p]);
    for (int a = 1; a <= c.NbDevoir[s][p]; ++a) {
        const TDevoir& devoir = c.Devoir[s][p][a];
        b.lignes.push_back({a, devoir.Date.str(), FormatNote(devoir.Coef), devoir.Commentaire.str(),
                            AfficherNote(c.Eleve[e].Note[s][p][a]), d.moyenneDevoir(s, p, a)});
    }
    // The sheet's subject view: the plain averages, and beside them the joker ones.
    b.moyenne = AfficherMoyenne(c.Moyenne(s, p, false, e), c.ModeArrondi);
    b.moyenneClasse = d.moyenne(s, p, false);
    b.joker = c.Joker != 0;
    if (b.joker) {
        b.moyenneJoker = AfficherMoyenne(c.Moyenne(s, p, true, e), c.ModeArrondi);
        b.moyenneClasseJoker = d.moyenne(s, p, true);
    }
    if (rangs && !b.lignes.empty()) b.rang = d.rang(s, p, e, cp1252("non classé").c_str());
    return b;
}

// The summary, as the synthesis and year views show it: joker averages when the class
// uses them.
void synthese(const TClasse& c, const DonneesClasse& d, const std::vector<int>& colonnes, int e,
              Releve& r) {
    const bool joker = c.Joker != 0;
    for (int p : colonnes)
        r.colonnesSynthese.push_back(p == 4 ? cp1252("Année")
                                            : MotCourtPeriode[IndexPeriodes(c.NbPeriode)] +
                                                  std::to_string(p));
    for (int s = 1; s <= c.NbMatiere + 1; ++s) {
        const int matiere = s <= c.NbMatiere ? s : 4;
        LigneSynthese l;
        l.intitule = matiere == 4 ? cp1252("Moyenne générale") : c.Matiere[s].Nom.str();
        if (matiere != 4) {
            for (int p : colonnes) {
                if (p == 4) continue;
                if (!l.coef.empty()) l.coef += '+';
                l.coef += FormatNote(c.Matiere[s].Coef[p]);
            }
        }
        for (int p : colonnes)
            l.cases.push_back({AfficherMoyenne(c.Moyenne(matiere, p, joker, e), c.ModeArrondi),
                               d.moyenne(matiere, p, joker), d.rang(matiere, p, e, "n.c.")});
        r.synthese.push_back(std::move(l));
    }
    if (joker)
        r.noteJoker = cp1252("Moyennes Joker : la plus basse note de chaque matière et de chaque "
                             "période n'est pas comptée.");
}

void legende(Releve& r) {
    auto ajouter = [&r](const std::string& code, const std::string& sens) {
        for (const EntreeLegende& l : r.legende)
            if (l.code == code) return;
        r.legende.push_back({code, sens});
    };
    bool sousMoyenne = false, nonCalculable = false;
    auto moyenne = [&](const TexteAffiche& t) {
        sousMoyenne |= t.sousMoyenne;
        nonCalculable |= !t.valeur;
    };
    for (const BlocReleve& b : r.blocs) {
        for (const LigneReleve& l : b.lignes) {
            const ValeurLue v = ValeurNote(l.note.texte);
            if (!l.note.valeur && !l.note.texte.empty())
                ajouter(l.note.texte, sensCode(l.note.texte));
            else if (v.genre == NoteLettre && !Options.arrondiN)
                ajouter(l.note.texte, "vaut " + FormatNote(v.valeur));
            moyenne(l.moyenneDevoir);
        }
        for (const TexteAffiche* t : {&b.moyenne, &b.moyenneClasse})
            if (!b.lignes.empty()) moyenne(*t);
        if (b.joker && !b.lignes.empty()) {
            moyenne(b.moyenneJoker);
            moyenne(b.moyenneClasseJoker);
        }
    }
    for (const LigneSynthese& l : r.synthese)
        for (const CaseSynthese& k : l.cases) {
            moyenne(k.eleve);
            moyenne(k.classe);
        }
    if (sousMoyenne)
        r.legende.push_back({"", cp1252("moyenne inférieure à ") + std::to_string(Options.notemoy) +
                                     " / " + std::to_string(Options.notemax)});
    if (nonCalculable) ajouter("?", cp1252("moyenne sans aucune note"));
}

} // namespace

std::vector<Releve> CalculerReleves(const TClasse& c, const ChoixReleves& choix) {
    if (choix.periode != 4 && (choix.periode < 1 || choix.periode > c.NbPeriode)) return {};
    std::vector<int> eleves;
    for (int e = 1; e <= c.NbEleve; ++e)
        if (choix.eleves.empty() ||
            std::find(choix.eleves.begin(), choix.eleves.end(), e) != choix.eleves.end())
            eleves.push_back(e);
    const bool annee = choix.periode == 4;
    std::vector<int> periodes;
    if (annee)
        for (int p = 1; p <= c.NbPeriode; ++p) periodes.push_back(p);
    else
        periodes.push_back(choix.periode);
    std::vector<int> colonnes = periodes;
    if (annee) colonnes.push_back(4);
    const DonneesClasse donnees(c, colonnes, choix.rangs);

    const DateHeure jour = Maintenant();
    const std::string imprimeLe = cp1252("Imprimé le ") + deuxChiffres(jour.jour) + " " +
                                  NomMois(jour.mois) + " " + std::to_string(jour.annee);
    std::vector<Releve> releves;
    releves.reserve(eleves.size());
    for (int e : eleves) {
        Releve r;
        r.eleve = e;
        r.classe = c.AbrevClasse.str();
        r.anneeScolaire = sansParentheses(c.AnneeScolaire.str());
        r.professeur = c.NomProfesseur.str();
        r.nom = c.NomEleve(e, true);
        const std::string naissance = c.DateNaissanceTexte(e);
        r.naissance = naissance == "??" ? std::string("Date de naissance non connue")
                                        : cp1252("Né(e) le ") + naissance;
        r.periode = annee ? cp1252("Toute l'année") : nomPeriode(c, choix.periode);
        r.imprimeLe = imprimeLe;
        r.rangs = choix.rangs;
        r.annee = annee;
        if (!aUneNote(c, e, periodes)) {
            r.aucuneNote = true;
            r.messageAucuneNote = cp1252("Aucune note pour cet élève ");
            r.messageAucuneNote +=
                annee ? cp1252("cette année.")
                      : std::string(c.NbPeriode == 2 ? "ce semestre " : "ce trimestre ") +
                            std::to_string(choix.periode) + ".";
            releves.push_back(std::move(r));
            continue;
        }
        for (int s = 1; s <= c.NbMatiere; ++s)
            for (int p : periodes) r.blocs.push_back(bloc(c, donnees, s, p, e, choix.rangs));
        synthese(c, donnees, colonnes, e, r);
        for (int s = 1; s <= c.NbMatiere; ++s) {
            GrapheStat g = CalculerEvolution(c, s, annee ? 5 : choix.periode, e, false);
            g.Caption = c.Matiere[s].Nom.str();
            if (g.Barres.empty()) g.Caption += cp1252(" : aucun devoir");
            r.graphes.push_back(std::move(g));
        }
        legende(r);
        releves.push_back(std::move(r));
    }
    return releves;
}

} // namespace quillora
