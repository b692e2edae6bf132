#include "Csv.h"

#include "Cp1252.h"
#include "FichierAtomique.h"

namespace quillora {

namespace {

// "12.5" or "-0.25": the numbers the table writes with a point.
bool decimalAPoint(std::string_view t) {
    const std::size_t debut = !t.empty() && t[0] == '-' ? 1 : 0;
    const std::size_t point = t.find('.');
    if (point == std::string_view::npos || point == debut || point + 1 == t.size()) return false;
    for (std::size_t i = debut; i < t.size(); ++i)
        if (i != point && (t[i] < '0' || t[i] > '9')) return false;
    return true;
}

void ajouterCellule(std::string& sortie, std::string cellule) {
    if (decimalAPoint(cellule)) cellule[cellule.find('.')] = ',';
    if (cellule.find_first_of(";\"\r\n") == std::string::npos) {
        sortie += cellule;
        return;
    }
    sortie += '"';
    for (char ch : cellule) (sortie += ch) += ch == '"' ? "\"" : "";
    sortie += '"';
}

} // namespace

std::string TexteCsv(const TClasse& c, int s, int p) {
    const std::string table = Utf8DepuisCp1252(TexteExport(c, s, p));
    std::string sortie = "\xEF\xBB\xBF";
    std::size_t debut = 0;
    while (debut <= table.size()) {
        std::size_t fin = table.find('\r', debut);
        if (fin == std::string::npos) fin = table.size();
        const std::string_view ligne(table.data() + debut, fin - debut);
        std::size_t d = 0;
        for (bool premiere = true; d <= ligne.size(); premiere = false) {
            std::size_t f = ligne.find('\t', d);
            if (f == std::string_view::npos) f = ligne.size();
            if (!premiere) sortie += ';';
            ajouterCellule(sortie, std::string(ligne.substr(d, f - d)));
            d = f + 1;
        }
        sortie += "\r\n";
        debut = fin + 1;
    }
    return sortie;
}

Resultat EcrireCsv(const TClasse& c, int s, int p, const std::string& chemin) {
    Resultat r;
    const std::string texte = TexteCsv(c, s, p);
    std::string raison;
    if (!EcrireFichierAtomique(chemin, texte.data(), texte.size(), raison)) {
        r.ok = false;
        r.erreur = "Impossible de créer le fichier \"" + chemin + "\". " + raison;
    }
    return r;
}

} // namespace quillora
