// The workbook's layout: its sheets, formulas and formats.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <vector>
#include <xlsxwriter.h>

#include "Cp1252.h"
#include "Formules.h"
#include "Horloge.h"
#include "Options.h"
#include "RedactionClasseur.h"

namespace quillora {

namespace {

// Rows of a subject's sheet; the students start below the assignments' descriptions.
constexpr int LigneTitre = 0, LigneBloc = 1, LigneCoef = 2, LigneDate = 3, LigneDuree = 4,
              LigneCommentaire = 5, LigneEntete = 6, PremierEleve = 7;
// Rows of the synthesis sheet.
constexpr int SynCoef = 2, SynEntete = 3, SynEleve = 4;
constexpr int ColNumero = 0, ColNom = 1, PremiereColonne = 2;
// Rows of the settings sheet that formulas read by name.
constexpr int RegMode = 3, RegSeuil = 4, RegLettres = 5, RegTable = 8;

// A criterion that only numbers meet: the counted values are numbers, the others "".
const std::string Nombres = "\"<1E+300\"";

std::string utf8(std::string_view t) {
    return Utf8DepuisCp1252(t);
}

lxw_color_t rvb(Couleur c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// Where one period's columns lie on its subject's sheet.
struct Bloc {
    int n = 0;        // assignments
    int debut = 0;    // first grade column
    int moyenne = 0;  // the average, its rounding, then the joker average and its rounding
    int somme = -1;   // the weighted sum of the grades, then their weight
    int retiree = -1; // joker: the dropped grade, then its coefficient
};

struct FeuilleMatiere {
    std::string nom;
    Tab1<Bloc, MaxPeriodes> blocs;
    int annee = 0;     // the year average, laid out like a period's
    int aideAnnee = 0; // the year's sums, per kind of average: periods, sums, weights
};

// The joker's dropped grade as the program picks it: the first of the lowest counted
// grades of a non-zero coefficient; (0, 0) when there is none.
std::pair<double, double> NoteRetiree(const TClasse& c, int s, int p, int e) {
    bool trouvee = false;
    double note = 0, coef = 0;
    for (int a = 1; a <= c.NbDevoir[s][p]; ++a) {
        const ValeurLue v = ValeurNote(c.Eleve[e].Note[s][p][a]);
        const double k = c.Devoir[s][p][a].Coef;
        if (v.valeur == NonCalculable || k == 0) continue;
        if (!trouvee || v.valeur < note) note = v.valeur, coef = k, trouvee = true;
    }
    return {note, coef};
}

// How many grades the joker may choose from: counted, of a non-zero coefficient.
int NotesComptees(const TClasse& c, int s, int p, int e) {
    int n = 0;
    for (int a = 1; a <= c.NbDevoir[s][p]; ++a)
        if (ValeurNote(c.Eleve[e].Note[s][p][a]).valeur != NonCalculable &&
            c.Devoir[s][p][a].Coef != 0)
            ++n;
    return n;
}

// The row of the letter table that a grade text matches, 0 for none: the first key equal
// to the text upper-cased (ASCII letters only), byte for byte. An empty key matches
// nothing, an empty cell included.
int CleLettre(std::string_view note) {
    std::string t(note);
    for (char& ch : t)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 32);
    for (int i = 1; i <= 15; ++i)
        if (!Options.cores[i].coresL.empty() && Options.cores[i].coresL == t) return i;
    return 0;
}

class Redacteur {
public:
    Redacteur(const TClasse& c, lxw_workbook* wb) : c_(c), wb_(wb), joker_(c.Joker != 0) {
        std::fill_n(&moyennes_[0][0][0][0], sizeof moyennes_ / sizeof(double),
                    std::numeric_limits<double>::quiet_NaN());
        titre_ = format([](lxw_format* f) {
            format_set_bold(f);
            format_set_font_size(f, 14);
        });
        bloc_ = format([](lxw_format* f) {
            format_set_bold(f);
            format_set_align(f, LXW_ALIGN_LEFT);
            format_set_bg_color(f, 0xDDE7F3);
        });
        entete_ = format([](lxw_format* f) {
            format_set_bold(f);
            format_set_align(f, LXW_ALIGN_CENTER);
            format_set_bottom(f, LXW_BORDER_THIN);
        });
        etiquette_ = format([](lxw_format* f) { format_set_bold(f); });
        enteteLong_ = format([](lxw_format* f) {
            format_set_bold(f);
            format_set_align(f, LXW_ALIGN_CENTER);
            format_set_text_wrap(f);
            format_set_bottom(f, LXW_BORDER_THIN);
        });
        coef_ = format([](lxw_format* f) {
            format_set_bold(f);
            format_set_align(f, LXW_ALIGN_CENTER);
        });
        ouiNon_ = format([](lxw_format* f) {
            format_set_num_format(f, "\"Oui\";\"Oui\";\"Non\"");
            format_set_align(f, LXW_ALIGN_CENTER);
        });
        centre_ = format([](lxw_format* f) { format_set_align(f, LXW_ALIGN_CENTER); });
        vertical_ = format([](lxw_format* f) {
            format_set_rotation(f, 90);
            format_set_font_size(f, 8);
            format_set_align(f, LXW_ALIGN_CENTER);
        });
        moyenne_ = format([](lxw_format* f) {
            format_set_bold(f);
            format_set_align(f, LXW_ALIGN_CENTER);
            format_set_num_format(f, "0.00");
        });
        arrondi_ = format([](lxw_format* f) {
            format_set_align(f, LXW_ALIGN_CENTER);
            format_set_bg_color(f, 0xFFF8DC);
        });
        classe_ = format([](lxw_format* f) {
            format_set_italic(f);
            format_set_align(f, LXW_ALIGN_CENTER);
            format_set_num_format(f, "0.00");
            format_set_top(f, LXW_BORDER_THIN);
        });
        aide_ = format([](lxw_format* f) {
            format_set_font_color(f, 0x808080);
            format_set_align(f, LXW_ALIGN_CENTER);
        });
        rougeNote_ =
            format([](lxw_format* f) { format_set_font_color(f, rvb(Options.couleur[7])); });
        rougeMoyenne_ =
            format([](lxw_format* f) { format_set_font_color(f, rvb(Options.couleur[9])); });
    }

    void Ecrire() {
        nommerFeuilles();
        for (int s = 1; s <= c_.NbMatiere; ++s) ecrireMatiere(s);
        ecrireSynthese();
        ecrireReglages();
    }

private:
    template <typename F> lxw_format* format(F reglage) {
        lxw_format* f = workbook_add_format(wb_);
        reglage(f);
        return f;
    }

    int ligneEleve(int e) const { return PremierEleve + e - 1; }

    // Every average is asked for several times (its cell, the year, the synthesis, the class
    // row) and the general ones recompute the subjects': each is computed once.
    double moyenne(int s, int p, bool joker, int e) {
        double& v = moyennes_[s][p][joker][e];
        if (std::isnan(v)) v = c_.Moyenne(s, p, joker, e);
        return v;
    }
    double moyenneClasse(int s, int p, bool joker) {
        double somme = 0;
        int n = 0;
        for (int e = 1; e <= c_.NbEleve; ++e) {
            const double m = moyenne(s, p, joker, e);
            if (m == NonCalculable) continue;
            somme += m;
            ++n;
        }
        return n == 0 ? NonCalculable : somme / n;
    }

    void texte(lxw_worksheet* ws, int l, int col, std::string_view cp, lxw_format* f = nullptr) {
        if (!cp.empty()) worksheet_write_string(ws, l, col, utf8(cp).c_str(), f);
    }
    void texteUtf8(lxw_worksheet* ws, int l, int col, const std::string& t,
                   lxw_format* f = nullptr) {
        worksheet_write_string(ws, l, col, t.c_str(), f);
    }
    // A formula whose cached result is the program's value, "?" for NonCalculable.
    void formule(lxw_worksheet* ws, int l, int col, const std::string& f, double valeur,
                 lxw_format* fmt) {
        const std::string t = "=" + f;
        if (valeur == NonCalculable)
            worksheet_write_formula_str(ws, l, col, t.c_str(), fmt, "?");
        else
            worksheet_write_formula_num(ws, l, col, t.c_str(), fmt, valeur);
    }
    // An average and, beside it, its rounding by the class's mode.
    void moyenneArrondie(lxw_worksheet* ws, int l, int col, const std::string& f, double valeur,
                         lxw_format* fmt) {
        formule(ws, l, col, f, valeur, fmt);
        formule(ws, l, col + 1, FormuleArrondi(c_.ModeArrondi, Cellule(l, col)),
                ValeurArrondie(c_.ModeArrondi, valeur), arrondi_);
    }
    void titre(lxw_worksheet* ws, const std::string& t) {
        texteUtf8(ws, LigneTitre, ColNumero, t, titre_);
        worksheet_set_row(ws, LigneTitre, 22, nullptr);
    }
    void titreBloc(lxw_worksheet* ws, int col1, int col2, const std::string& t) {
        if (col2 > col1)
            worksheet_merge_range(ws, LigneBloc, col1, LigneBloc, col2, t.c_str(), bloc_);
        else
            texteUtf8(ws, LigneBloc, col1, t, bloc_);
    }
    // Averages and grades below the pass mark in the sheet's colours; `temoin` is the cell
    // of the range's first row and column that decides (the grade's counted value).
    void enRouge(lxw_worksheet* ws, int l1, int c1, int l2, int c2, const std::string& temoin,
                 lxw_format* f) {
        if (l2 < l1 || c2 < c1) return;
        std::string regle = "=AND(ISNUMBER(" + temoin + ")," + temoin + "<Seuil)";
        lxw_conditional_format cf{};
        cf.type = LXW_CONDITIONAL_TYPE_FORMULA;
        cf.value_string = regle.data();
        cf.format = f;
        worksheet_conditional_format_range(ws, l1, c1, l2, c2, &cf);
    }
    std::string motPeriode(int p) const {
        return std::string(MotPeriode[IndexPeriodes(c_.NbPeriode)]) + " " + std::to_string(p);
    }
    int largeurMoyennes() const { return joker_ ? 4 : 2; }

    void nommerFeuilles() {
        // Sheet names may not hold []:*?/\, have at most 31 characters and must differ.
        std::vector<std::string> pris = {"Synthèse", "Réglages"};
        for (int s = 1; s <= c_.NbMatiere; ++s) {
            std::string nom;
            for (char ch : c_.Matiere[s].Nom.view())
                nom += std::string("[]:*?/\\").find(ch) == std::string::npos ? ch : '_';
            if (nom.find_first_not_of(' ') == std::string::npos)
                nom = cp1252("Matière ") + std::to_string(s);
            nom = utf8(nom.substr(0, 28));
            for (int i = 2; std::find(pris.begin(), pris.end(), nom) != pris.end(); ++i)
                nom = utf8(c_.Matiere[s].Nom.view().substr(0, 24)) + " (" + std::to_string(i) + ")";
            pris.push_back(nom);
            feuilles_[s].nom = nom;
        }
    }

    void placer(FeuilleMatiere& fm, int s) {
        int col = PremiereColonne;
        for (int p = 1; p <= c_.NbPeriode; ++p) {
            Bloc& b = fm.blocs[p];
            b.n = c_.NbDevoir[s][p];
            b.debut = col;
            b.moyenne = col + b.n;
            col = b.moyenne + largeurMoyennes() + 1;
        }
        fm.annee = col;
        col += largeurMoyennes() + 1;
        for (int p = 1; p <= c_.NbPeriode; ++p) {
            Bloc& b = fm.blocs[p];
            if (b.n > 0) {
                b.somme = col;
                col += 2;
            }
            if (joker_ && b.n > 0) {
                b.retiree = col + 1;
                col += 3;
            }
            ++col;
        }
        fm.aideAnnee = col;
    }

    void ecrireMatiere(int s) {
        FeuilleMatiere& fm = feuilles_[s];
        placer(fm, s);
        lxw_worksheet* ws = workbook_add_worksheet(wb_, fm.nom.c_str());
        const int E = c_.NbEleve;
        titre(ws, utf8(c_.Titre(s, 0, true, 0, 0)));
        texteUtf8(ws, LigneCoef, ColNom, "Coef.", etiquette_);
        texteUtf8(ws, LigneDate, ColNom, "Date", etiquette_);
        texteUtf8(ws, LigneDuree, ColNom, "Durée", etiquette_);
        texteUtf8(ws, LigneCommentaire, ColNom, "Commentaire", etiquette_);
        texteUtf8(ws, LigneEntete, ColNumero, "N°", entete_);
        texteUtf8(ws, LigneEntete, ColNom, "Élève", entete_);
        worksheet_set_column(ws, ColNumero, ColNumero, 4, centre_);
        worksheet_set_column(ws, ColNom, ColNom, 26, nullptr);
        worksheet_set_row(ws, LigneDate, 52, nullptr);
        worksheet_set_row(ws, LigneCommentaire, 105, nullptr);
        for (int e = 1; e <= E; ++e) {
            worksheet_write_number(ws, ligneEleve(e), ColNumero, e, centre_);
            texte(ws, ligneEleve(e), ColNom, c_.NomEleve(e, Options.prenom));
        }
        if (E > 0) {
            texteUtf8(ws, ligneEleve(E + 1), ColNom, "Moyenne de la classe", etiquette_);
            texteUtf8(ws, ligneEleve(E + 2), ColNom, "Sommes (calcul)", aide_);
        }

        for (int p = 1; p <= c_.NbPeriode; ++p) ecrirePeriode(ws, fm, s, p);
        ecrireAnnee(ws, fm, s);
        worksheet_freeze_panes(ws, PremierEleve, PremiereColonne);
    }

    void entetesMoyennes(lxw_worksheet* ws, int col, const char* nom) {
        texteUtf8(ws, LigneEntete, col, nom, entete_);
        texteUtf8(ws, LigneEntete, col + 1, "Arrondie", entete_);
        if (joker_) {
            texteUtf8(ws, LigneEntete, col + 2, "Joker", entete_);
            texteUtf8(ws, LigneEntete, col + 3, "Arrondie", entete_);
        }
        worksheet_set_column(ws, col, col + largeurMoyennes() - 1, 10, nullptr);
    }

    void ecrirePeriode(lxw_worksheet* ws, const FeuilleMatiere& fm, int s, int p) {
        const Bloc& b = fm.blocs[p];
        const int E = c_.NbEleve, n = b.n;
        titreBloc(ws, b.debut, b.moyenne + largeurMoyennes() - 1, motPeriode(p));
        for (int a = 1; a <= n; ++a) {
            const TDevoir& d = c_.Devoir[s][p][a];
            const int col = b.debut + a - 1;
            worksheet_write_number(ws, LigneCoef, col, d.Coef, centre_);
            texte(ws, LigneDate, col, d.Date, vertical_);
            texte(ws, LigneDuree, col, d.Duree, centre_);
            texte(ws, LigneCommentaire, col, d.Commentaire, vertical_);
            texteUtf8(ws, LigneEntete, col, "D" + std::to_string(a), entete_);
        }
        if (n > 0) worksheet_set_column(ws, b.debut, b.debut + n - 1, 6, centre_);
        // The subject's coefficient for the period weighs its average in the year and in
        // the synthesis: it stands above that average.
        worksheet_write_number(ws, LigneCoef, b.moyenne, c_.Matiere[s].Coef[p], coef_);
        entetesMoyennes(ws, b.moyenne, "Moyenne");

        if (b.somme >= 0) {
            titreBloc(ws, b.somme, b.somme + 1 + (b.retiree >= 0 ? 3 : 0),
                      "Calcul, " + utf8(MotCourtPeriode[IndexPeriodes(c_.NbPeriode)]) + " " +
                          std::to_string(p));
            texteUtf8(ws, LigneEntete, b.somme, "Somme", entete_);
            texteUtf8(ws, LigneEntete, b.somme + 1, "Poids", entete_);
            worksheet_set_column(ws, b.somme, b.somme + 1, 9, aide_);
        }
        if (b.retiree >= 0) {
            texteUtf8(ws, LigneEntete, b.retiree - 1, "Notes", entete_);
            texteUtf8(ws, LigneEntete, b.retiree, "Retirée", entete_);
            texteUtf8(ws, LigneEntete, b.retiree + 1, "Coef.", entete_);
            worksheet_set_column(ws, b.retiree - 1, b.retiree + 1, 9, aide_);
        }

        const std::string C = Plage(LigneCoef, b.debut, LigneCoef, b.debut + n - 1, true);
        std::vector<std::string> coefs;
        for (int a = 1; a <= n; ++a)
            coefs.push_back(Cellule(LigneCoef, b.debut + a - 1, true, false));
        for (int e = 1; e <= E; ++e) {
            const int l = ligneEleve(e);
            for (int a = 1; a <= n; ++a)
                ecrireNote(ws, l, b.debut + a - 1, c_.Eleve[e].Note[s][p][a]);
            if (n == 0) {
                moyenneArrondie(ws, l, b.moyenne, "\"?\"", NonCalculable, moyenne_);
                if (joker_) moyenneArrondie(ws, l, b.moyenne + 2, "\"?\"", NonCalculable, moyenne_);
                continue;
            }
            const std::string H = Plage(l, b.debut, l, b.debut + n - 1);
            // Summed term by term in the program's order, so that an average on a half
            // tenth rounds the same way: a spreadsheet's SUMPRODUCT may sum otherwise.
            std::string fs = "=", fp = "=";
            fs.reserve(16 * n);
            fp.reserve(18 * n);
            double vs = 0, vp = 0;
            for (int a = 1; a <= n; ++a) {
                const std::string h = Cellule(l, b.debut + a - 1);
                const std::string& k = coefs[a - 1];
                fs.append(a > 1 ? "+SUM(" : "SUM(").append(h).append(")*").append(k);
                // COUNT of one cell is ISNUMBER as a number, in fewer characters.
                fp.append(a > 1 ? "+COUNT(" : "COUNT(").append(h).append(")*").append(k);
                const ValeurLue v = ValeurNote(c_.Eleve[e].Note[s][p][a]);
                if (v.genre == PasUneNote) continue;
                vs += v.valeur * c_.Devoir[s][p][a].Coef;
                vp += c_.Devoir[s][p][a].Coef;
            }
            worksheet_write_formula_num(ws, l, b.somme, fs.c_str(), aide_, vs);
            worksheet_write_formula_num(ws, l, b.somme + 1, fp.c_str(), aide_, vp);
            const std::string somme = Cellule(l, b.somme), poids = Cellule(l, b.somme + 1);
            moyenneArrondie(ws, l, b.moyenne,
                            "IF(" + poids + "=0,\"?\"," + Double(somme + "/" + poids) + ")",
                            moyenne(s, p, false, e), moyenne_);
            if (!joker_) continue;
            const std::string nb = Cellule(l, b.retiree - 1);
            worksheet_write_formula_num(
                ws, l, b.retiree - 1,
                ("=COUNTIFS(" + H + "," + Nombres + "," + C + ",\"<>0\")").c_str(), aide_,
                NotesComptees(c_, s, p, e));
            const std::string comptee = "ISNUMBER(" + H + ")*(" + C + "<>0)";
            const std::string note = Cellule(l, b.retiree), coef = Cellule(l, b.retiree + 1);
            const auto [vNote, vCoef] = NoteRetiree(c_, s, p, e);
            const std::string nbNul = "IF(" + nb + "=0,0,";
            // With one assignment there is nothing to search, and MATCH refuses a lone cell.
            const std::string plusBasse =
                n == 1 ? Cellule(l, b.debut) : "MIN(IF(" + comptee + "," + H + ",1E+300))";
            const std::string sonCoef =
                n == 1 ? C
                       : "INDEX(" + C + ",1,MATCH(1," + comptee + "*(" + H + "=" + note + "),0))";
            worksheet_write_array_formula_num(ws, l, b.retiree, l, b.retiree,
                                              ("{=" + nbNul + plusBasse + ")}").c_str(), aide_,
                                              vNote);
            worksheet_write_array_formula_num(ws, l, b.retiree + 1, l, b.retiree + 1,
                                              ("{=" + nbNul + sonCoef + ")}").c_str(), aide_,
                                              vCoef);
            // With a lone grade nothing is dropped: the dropped grade's terms are multiplied
            // by FALSE, which leaves the sum and the weight exactly as they are, so one
            // quotient (and one long rounding formula) serves both cases.
            const std::string retire = "*(" + nb + ">1)";
            const std::string reste = poids + "-" + coef + retire;
            moyenneArrondie(
                ws, l, b.moyenne + 2,
                "IF(" + nb + "=0,\"?\",IF(" + reste + "=0,\"?\"," +
                    Double("(" + somme + "-" + note + "*" + coef + retire + ")/(" + reste + ")") +
                    "))",
                moyenne(s, p, true, e), moyenne_);
        }
        if (E == 0) return;
        const int lc = ligneEleve(E + 1);
        for (int a = 1; a <= n; ++a) {
            std::vector<double> valeurs;
            for (int e = 1; e <= E; ++e)
                valeurs.push_back(ValeurNote(c_.Eleve[e].Note[s][p][a]).valeur);
            formule(ws, lc, b.debut + a - 1,
                    moyenneColonne(ws, ligneEleve(1), E, b.debut + a - 1, valeurs),
                    c_.MoyenneDevoir(s, p, false, a), classe_);
        }
        moyennesDeClasse(ws, s, p, b.moyenne);
        enRouge(ws, ligneEleve(1), b.debut, ligneEleve(E), b.debut + n - 1,
                Cellule(ligneEleve(1), b.debut), rougeNote_);
        enRouge(ws, ligneEleve(1), b.moyenne, lc, b.moyenne + largeurMoyennes() - 1,
                Cellule(ligneEleve(1), b.moyenne), rougeMoyenne_);
    }

    // A grade as a number when it reads as one, as text when it counts for nothing. A
    // letter holds a formula that reads its value in the settings sheet's table and shows
    // the letter through its number format, so that averages read grades alone.
    void ecrireNote(lxw_worksheet* ws, int l, int col, std::string_view note) {
        const ValeurLue v = ValeurNote(note);
        if (v.genre == NoteNombre) {
            worksheet_write_number(ws, l, col, v.valeur, nullptr);
            return;
        }
        const int cle = CleLettre(note);
        if (cle == 0) {
            texte(ws, l, col, note);
            return;
        }
        std::string lettre;
        for (char ch : utf8(note)) (lettre += ch) += ch == '"' ? "\"" : "";
        const std::string f =
            "=IF(Lettres,INDEX(Valeurs," + std::to_string(cle) + "),\"" + lettre + "\")";
        lxw_format*& format = formatsLettre_[std::string(note)];
        if (!format) {
            // Every character escaped: a letter may hold what a format would read.
            std::string affichage;
            for (char ch : utf8(note)) {
                if (static_cast<unsigned char>(ch) < 0x80) affichage += '\\';
                affichage += ch;
            }
            // The same text for positive, negative and zero values: no sign is added.
            affichage = affichage + ";" + affichage + ";" + affichage;
            format = this->format([&](lxw_format* x) {
                format_set_num_format(x, note.empty() ? ";;;" : affichage.c_str());
                format_set_align(x, LXW_ALIGN_CENTER);
            });
        }
        if (v.genre == NoteLettre)
            worksheet_write_formula_num(ws, l, col, f.c_str(), format, v.valeur);
        else
            worksheet_write_formula_str(ws, l, col, f.c_str(), format, utf8(note).c_str());
    }

    // The plain mean of the numbers of a column: their sum, in the students' order, goes
    // on the row of sums below the class row, the mean on the class row. `valeurs` are the
    // column's values as the program has them, for the cached sum.
    std::string moyenneColonne(lxw_worksheet* ws, int ligne, int nb, int col,
                               const std::vector<double>& valeurs) {
        const std::string plage = Plage(ligne, col, ligne + nb - 1, col);
        std::string somme = "=";
        somme.reserve(10 * nb);
        double v = 0;
        for (int i = 0; i < nb; ++i)
            somme.append(i ? "+SUM(" : "SUM(").append(Cellule(ligne + i, col)).append(")");
        for (double x : valeurs)
            if (x != NonCalculable) v += x;
        worksheet_write_formula_num(ws, ligne + nb + 1, col, somme.c_str(), aide_, v);
        const std::string cellule = Cellule(ligne + nb + 1, col);
        return "IF(COUNT(" + plage + ")=0,\"?\"," + Double(cellule + "/COUNT(" + plage + ")") + ")";
    }

    void moyennesDeClasse(lxw_worksheet* ws, int s, int p, int col) {
        const int lc = ligneEleve(c_.NbEleve + 1);
        for (int j = 0; j <= (joker_ ? 1 : 0); ++j) {
            std::vector<double> valeurs;
            for (int e = 1; e <= c_.NbEleve; ++e) valeurs.push_back(moyenne(s, p, j, e));
            moyenneArrondie(ws, lc, col + 2 * j,
                            moyenneColonne(ws, ligneEleve(1), c_.NbEleve, col + 2 * j, valeurs),
                            moyenneClasse(s, p, j), classe_);
        }
    }

    // The weighted mean of the numbers among `cellules`, "?" when their weight is nil.
    static std::string moyennePonderee(const std::vector<std::string>& cellules,
                                       const std::vector<std::string>& poids) {
        std::string somme, total;
        for (std::size_t i = 0; i < cellules.size(); ++i) {
            const std::string si = "IF(ISNUMBER(" + cellules[i] + "),";
            somme += (i ? "+" : "") + si + cellules[i] + "*" + poids[i] + ",0)";
            total += (i ? "+" : "") + si + poids[i] + ",0)";
        }
        return "IF((" + total + ")=0,\"?\"," + Double("(" + somme + ")/(" + total + ")") + ")";
    }

    void ecrireAnnee(lxw_worksheet* ws, const FeuilleMatiere& fm, int s) {
        titreBloc(ws, fm.annee, fm.annee + largeurMoyennes() - 1, "Année");
        entetesMoyennes(ws, fm.annee, "Année");
        const int E = c_.NbEleve, Q = c_.NbPeriode;
        // The year's sums are kept in the 6-byte reals of the program's first versions:
        // each period average and each partial sum is rounded to 40 significant bits, in
        // helper columns, so that the year averages come out as the sheet shows them.
        for (int j = 0; j <= (joker_ ? 1 : 0); ++j) {
            const int base = fm.aideAnnee + 3 * Q * j;
            titreBloc(ws, base, base + 3 * Q - 1,
                      j ? "Année Joker, réels de 6 octets" : "Année, réels de 6 octets");
            for (int q = 1; q <= Q; ++q) {
                const std::string t = utf8(LettrePeriode[IndexPeriodes(Q)]) + std::to_string(q);
                texteUtf8(ws, LigneEntete, base + q - 1, "Moy. " + t, entete_);
                texteUtf8(ws, LigneEntete, base + Q + q - 1, "Som. " + t, entete_);
                texteUtf8(ws, LigneEntete, base + 2 * Q + q - 1, "Poids " + t, entete_);
            }
            worksheet_set_column(ws, base, base + 3 * Q - 1, 10, aide_);
        }
        for (int e = 1; e <= E; ++e) {
            const int l = ligneEleve(e);
            for (int j = 0; j <= (joker_ ? 1 : 0); ++j) {
                const int base = fm.aideAnnee + 3 * Q * j;
                long double somme = 0, poids = 0;
                for (int q = 1; q <= Q; ++q) {
                    const double v = moyenne(s, q, j, e);
                    const std::string m = Cellule(l, fm.blocs[q].moyenne + 2 * j);
                    const std::string k = Cellule(LigneCoef, fm.blocs[q].moyenne, true, true);
                    const std::string m48 = Cellule(l, base + q - 1);
                    // The first period starts the sums: nothing to add it to.
                    const std::string s0 = q > 1 ? Cellule(l, base + Q + q - 2) : "";
                    const std::string p0 = q > 1 ? Cellule(l, base + 2 * Q + q - 2) : "";
                    const long double v48 = ArrondiReel48(v);
                    formule(ws, l, base + q - 1, "IF(ISNUMBER(" + m + ")," + Reel48(m) + ",\"?\")",
                            v == NonCalculable ? NonCalculable : static_cast<double>(v48), aide_);
                    if (v != NonCalculable) {
                        somme = ArrondiReel48(somme + v48 * c_.Matiere[s].Coef[q]);
                        poids = ArrondiReel48(poids + c_.Matiere[s].Coef[q]);
                    }
                    const std::string compte = "IF(ISNUMBER(" + m48 + "),";
                    worksheet_write_formula_num(ws, l, base + Q + q - 1,
                                                ("=" + compte +
                                                 Reel48((q > 1 ? s0 + "+" : "") + m48 + "*" + k) +
                                                 "," + (q > 1 ? s0 : "0") + ")")
                                                    .c_str(),
                                                aide_, static_cast<double>(somme));
                    worksheet_write_formula_num(ws, l, base + 2 * Q + q - 1,
                                                ("=" + compte +
                                                 Reel48((q > 1 ? p0 + "+" : "") + k) + "," +
                                                 (q > 1 ? p0 : "0") + ")")
                                                    .c_str(),
                                                aide_, static_cast<double>(poids));
                }
                const std::string S = Cellule(l, base + 2 * Q - 1),
                                  P = Cellule(l, base + 3 * Q - 1);
                moyenneArrondie(ws, l, fm.annee + 2 * j,
                                "IF(" + P + "=0,\"?\"," + Double(S + "/" + P) + ")",
                                moyenne(s, 4, j, e), moyenne_);
            }
        }
        if (E == 0) return;
        moyennesDeClasse(ws, s, 4, fm.annee);
        enRouge(ws, ligneEleve(1), fm.annee, ligneEleve(E + 1), fm.annee + largeurMoyennes() - 1,
                Cellule(ligneEleve(1), fm.annee), rougeMoyenne_);
    }

    // The synthesis as the sheet shows it: the joker averages when the class computes them.
    void ecrireSynthese() {
        lxw_worksheet* ws = workbook_add_worksheet(wb_, "Synthèse");
        const int m = c_.NbMatiere, E = c_.NbEleve, j = joker_ ? 2 : 0;
        std::string titre = utf8(c_.Titre(4, 0, true, 0, 0));
        if (joker_) titre += " (moyennes Joker)";
        this->titre(ws, titre);
        texteUtf8(ws, SynCoef, ColNom, "Coef.", etiquette_);
        texteUtf8(ws, SynEntete, ColNumero, "N°", entete_);
        texteUtf8(ws, SynEntete, ColNom, "Élève", entete_);
        worksheet_set_column(ws, ColNumero, ColNumero, 4, centre_);
        worksheet_set_column(ws, ColNom, ColNom, 26, nullptr);
        const int lc = SynEleve + E;
        for (int e = 1; e <= E; ++e) {
            worksheet_write_number(ws, SynEleve + e - 1, ColNumero, e, centre_);
            texte(ws, SynEleve + e - 1, ColNom, c_.NomEleve(e, Options.prenom));
        }
        if (E > 0) {
            texteUtf8(ws, lc, ColNom, "Moyenne de la classe", etiquette_);
            texteUtf8(ws, lc + 1, ColNom, "Sommes (calcul)", aide_);
        }

        int col = PremiereColonne;
        std::vector<int> periodes;
        for (int p = 1; p <= c_.NbPeriode; ++p) periodes.push_back(p);
        periodes.push_back(4);
        for (int p : periodes) {
            titreBloc(ws, col, col + m + 1, p == 4 ? "Année" : motPeriode(p));
            std::vector<std::string> poids;
            for (int i = 1; i <= m; ++i) {
                const FeuilleMatiere& fm = feuilles_[i];
                const int k = col + i - 1;
                texte(ws, SynEntete, k, c_.Matiere[i].Nom, enteteLong_);
                if (p == 4) {
                    std::string somme;
                    double v = 0;
                    for (int q = 1; q <= c_.NbPeriode; ++q) {
                        somme +=
                            (q > 1 ? "+" : "") + CelluleDe(fm.nom, LigneCoef, fm.blocs[q].moyenne);
                        v += c_.Matiere[i].Coef[q];
                    }
                    formule(ws, SynCoef, k, somme, v, coef_);
                } else {
                    formule(ws, SynCoef, k, CelluleDe(fm.nom, LigneCoef, fm.blocs[p].moyenne),
                            c_.Matiere[i].Coef[p], coef_);
                }
                poids.push_back(Cellule(SynCoef, k, true, true));
                const int source = (p == 4 ? fm.annee : fm.blocs[p].moyenne) + j;
                for (int e = 1; e <= E; ++e)
                    formule(ws, SynEleve + e - 1, k, CelluleDe(fm.nom, ligneEleve(e), source),
                            moyenne(i, p, joker_, e), moyenne_);
            }
            const int g = col + m;
            texteUtf8(ws, SynEntete, g, "Générale", entete_);
            texteUtf8(ws, SynEntete, g + 1, "Arrondie", entete_);
            worksheet_set_column(ws, col, g + 1, 12, nullptr);
            for (int e = 1; e <= E; ++e) {
                std::vector<std::string> moyennes;
                for (int i = 1; i <= m; ++i)
                    moyennes.push_back(Cellule(SynEleve + e - 1, col + i - 1));
                moyenneArrondie(ws, SynEleve + e - 1, g, moyennePonderee(moyennes, poids),
                                moyenne(4, p, joker_, e), moyenne_);
            }
            if (E > 0) {
                for (int i = 1; i <= m + 1; ++i) {
                    const int k = col + i - 1;
                    std::vector<double> valeurs;
                    for (int e = 1; e <= E; ++e)
                        valeurs.push_back(moyenne(i > m ? 4 : i, p, joker_, e));
                    const std::string f = moyenneColonne(ws, SynEleve, E, k, valeurs);
                    const double v = moyenneClasse(i > m ? 4 : i, p, joker_);
                    if (i > m)
                        moyenneArrondie(ws, lc, k, f, v, classe_);
                    else
                        formule(ws, lc, k, f, v, classe_);
                }
                enRouge(ws, SynEleve, col, lc, g + 1, Cellule(SynEleve, col), rougeMoyenne_);
            }
            col += m + 3;
        }
        // Subject names wrap on two lines rather than being cut.
        worksheet_set_row(ws, SynEntete, 30, nullptr);
        worksheet_freeze_panes(ws, SynEleve, PremiereColonne);
    }

    void ecrireReglages() {
        lxw_worksheet* ws = workbook_add_worksheet(wb_, "Réglages");
        worksheet_set_column(ws, 0, 0, 40, nullptr);
        worksheet_set_column(ws, 1, 1, 26, centre_);
        titre(ws, "Réglages du calcul");
        texteUtf8(ws, 1, 0,
                  "Changer la note de passage, « Lettres comptées » ou la valeur d'une lettre "
                  "recalcule tout le classeur.");
        const DateHeure d = Maintenant();
        char date[16];
        std::snprintf(date, sizeof date, "%02d/%02d/%04d", d.jour, d.mois, d.annee);
        texteUtf8(ws, 2, 0, "Date de l'export", etiquette_);
        texteUtf8(ws, 2, 1, date);
        texteUtf8(ws, RegMode, 0, "Mode d'arrondi", etiquette_);
        texteUtf8(ws, RegMode, 1, utf8(NomArrondi(c_.ModeArrondi)), centre_);
        texteUtf8(ws, RegSeuil, 0, "Note de passage", etiquette_);
        worksheet_write_number(ws, RegSeuil, 1, Options.notemoy, nullptr);
        texteUtf8(ws, RegLettres, 0, "Lettres comptées comme notes", etiquette_);
        // 1 or 0, shown in French whatever the spreadsheet's language.
        worksheet_write_number(ws, RegLettres, 1, Options.utiliserL ? 1 : 0, ouiNon_);
        texteUtf8(ws, RegLettres + 1, 0, "Moyenne Joker", etiquette_);
        texteUtf8(ws, RegLettres + 1, 1, joker_ ? "Oui" : "Non");

        texteUtf8(ws, RegTable - 1, 0,
                  "Chaque lettre des feuilles lit sa valeur ici, à la ligne de sa lettre.");
        texteUtf8(ws, RegTable, 0, "Lettre", entete_);
        texteUtf8(ws, RegTable, 1, "Valeur", entete_);
        for (int i = 1; i <= 15; ++i) {
            texte(ws, RegTable + i, 0, Options.cores[i].coresL, centre_);
            worksheet_write_number(ws, RegTable + i, 1, Options.cores[i].coresV, nullptr);
        }
        const auto nommer = [&](const char* nom, const std::string& plage) {
            workbook_define_name(wb_, nom, ("='Réglages'!" + plage).c_str());
        };
        nommer("Seuil", Cellule(RegSeuil, 1, true, true));
        nommer("Lettres", Cellule(RegLettres, 1, true, true));
        nommer("Valeurs", Plage(RegTable + 1, 1, RegTable + 15, 1, true));
    }

    const TClasse& c_;
    lxw_workbook* wb_;
    const bool joker_;
    Tab1<FeuilleMatiere, MaxMatieres> feuilles_;
    lxw_format *titre_, *bloc_, *entete_, *etiquette_, *centre_, *vertical_, *moyenne_, *arrondi_,
        *classe_, *aide_, *rougeNote_, *rougeMoyenne_, *enteteLong_, *coef_, *ouiNon_;
    std::map<std::string, lxw_format*> formatsLettre_; // by grade text
    // [s][p][joker][e], NaN until computed; 4 is the general average or the year.
    double moyennes_[5][5][2][MaxEleves + 1];
};

} // namespace

void RedigerClasseur(const TClasse& c, lxw_workbook* wb) {
    Redacteur(c, wb).Ecrire();
}

} // namespace quillora
