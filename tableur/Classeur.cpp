// The workbook's layout as a whole: the formats and cell writers that every sheet shares,
// the sheets' names and their order.
#include <algorithm>
#include <limits>

#include "ClasseurInterne.h"
#include "Formules.h"
#include "Options.h"
#include "RedactionClasseur.h"

namespace quillora {

namespace redaction {

namespace {

lxw_color_t rvb(Couleur c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

} // namespace

Redacteur::Redacteur(const TClasse& c, lxw_workbook* wb) : c_(c), wb_(wb), joker_(c.Joker != 0) {
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
    rougeNote_ = format([](lxw_format* f) { format_set_font_color(f, rvb(Options.couleur[7])); });
    rougeMoyenne_ =
        format([](lxw_format* f) { format_set_font_color(f, rvb(Options.couleur[9])); });
}

void Redacteur::Ecrire() {
    nommerFeuilles();
    for (int s = 1; s <= c_.NbMatiere; ++s) ecrireMatiere(s);
    ecrireSynthese();
    ecrireReglages();
}

double Redacteur::moyenneClasse(int s, int p, bool joker) {
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

void Redacteur::texte(lxw_worksheet* ws, int l, int col, std::string_view cp, lxw_format* f) {
    if (!cp.empty()) worksheet_write_string(ws, l, col, utf8(cp).c_str(), f);
}

void Redacteur::texteUtf8(lxw_worksheet* ws, int l, int col, const std::string& t, lxw_format* f) {
    worksheet_write_string(ws, l, col, t.c_str(), f);
}

void Redacteur::formule(lxw_worksheet* ws, int l, int col, const std::string& f, double valeur,
                        lxw_format* fmt) {
    const std::string t = "=" + f;
    if (valeur == NonCalculable)
        worksheet_write_formula_str(ws, l, col, t.c_str(), fmt, "?");
    else
        worksheet_write_formula_num(ws, l, col, t.c_str(), fmt, valeur);
}

void Redacteur::moyenneArrondie(lxw_worksheet* ws, int l, int col, const std::string& f,
                                double valeur, lxw_format* fmt) {
    formule(ws, l, col, f, valeur, fmt);
    formule(ws, l, col + 1, FormuleArrondi(c_.ModeArrondi, Cellule(l, col)),
            ValeurArrondie(c_.ModeArrondi, valeur), arrondi_);
}

void Redacteur::titre(lxw_worksheet* ws, const std::string& t) {
    texteUtf8(ws, LigneTitre, ColNumero, t, titre_);
    worksheet_set_row(ws, LigneTitre, 22, nullptr);
}

void Redacteur::titreBloc(lxw_worksheet* ws, int col1, int col2, const std::string& t) {
    if (col2 > col1)
        worksheet_merge_range(ws, LigneBloc, col1, LigneBloc, col2, t.c_str(), bloc_);
    else
        texteUtf8(ws, LigneBloc, col1, t, bloc_);
}

void Redacteur::enRouge(lxw_worksheet* ws, int l1, int c1, int l2, int c2,
                        const std::string& temoin, lxw_format* f) {
    if (l2 < l1 || c2 < c1) return;
    std::string regle = "=AND(ISNUMBER(" + temoin + ")," + temoin + "<Seuil)";
    lxw_conditional_format cf{};
    cf.type = LXW_CONDITIONAL_TYPE_FORMULA;
    cf.value_string = regle.data();
    cf.format = f;
    worksheet_conditional_format_range(ws, l1, c1, l2, c2, &cf);
}

std::string Redacteur::motPeriode(int p) const {
    return std::string(MotPeriode[IndexPeriodes(c_.NbPeriode)]) + " " + std::to_string(p);
}

void Redacteur::nommerFeuilles() {
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

std::string Redacteur::moyenneColonne(lxw_worksheet* ws, int ligne, int nb, int col,
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

} // namespace redaction

void RedigerClasseur(const TClasse& c, lxw_workbook* wb) {
    redaction::Redacteur(c, wb).Ecrire();
}

} // namespace quillora
