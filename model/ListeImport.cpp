#include "ListeImport.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include "Cp1252.h"
#include "Horloge.h"
#include "Transcription.h"

namespace quillora {

namespace {

// A header cell reduced to its lower-case plain letters: "Né(e) le" -> "neele".
std::string cle(std::string_view utf8) {
    std::string r;
    for (char c : EnAscii(utf8)) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c >= 'a' && c <= 'z') r += c;
    }
    return r;
}

ChampListe champDEntete(std::string_view texte) {
    std::string k = cle(texte);
    if (k.empty()) return ChampListe::Ignorer;
    if (k.find("naissance") != std::string::npos || k == "ddn" || k == "ne" || k == "nee" ||
        k == "nele" || k == "neele" || k == "neeele" || k.starts_with("datenais") ||
        k.starts_with("datedenais"))
        return ChampListe::Naissance;
    if (const auto p = k.find("prenom"); p != std::string::npos) {
        k.erase(p, 6);
        return k.find("nom") != std::string::npos ? ChampListe::NomPrenom : ChampListe::Prenom;
    }
    if (k == "eleve" || k == "eleves" || k == "identite" || k == "nomcomplet")
        return ChampListe::NomPrenom;
    if (k.starts_with("nom")) return ChampListe::Nom;
    return ChampListe::Ignorer;
}

// A word in capitals: at least one capital letter and no small one ("DE", "L'ÉTANG").
bool motEnCapitales(std::string_view mot) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(mot.data());
    const auto n = static_cast<std::int32_t>(mot.size());
    bool capitale = false;
    for (std::int32_t i = 0; i < n;) {
        UChar32 c;
        U8_NEXT(p, i, n, c);
        if (u_islower(c)) return false;
        capitale = capitale || u_isupper(c);
    }
    return capitale;
}

bool joursValides(int j, int m, int a) {
    static constexpr int jours[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12 || j < 1) return false;
    const bool bissextile = (a % 4 == 0 && a % 100 != 0) || a % 400 == 0;
    return j <= jours[m - 1] + (m == 2 && bissextile ? 1 : 0);
}

// The digits of `t` from `debut`, `n` of them at most; -1 when there is none.
int nombre(std::string_view t, std::size_t& i, std::size_t n) {
    int v = 0;
    std::size_t k = 0;
    while (i < t.size() && k < n && t[i] >= '0' && t[i] <= '9') v = v * 10 + (t[i++] - '0'), ++k;
    return k == 0 ? -1 : v;
}

std::string cleEleve(std::string_view nom, std::string_view prenom, bool majuscule) {
    std::string k = NormaliserNom(nom, majuscule) + '\n' + NormaliserNom(prenom, false);
    for (char& c : k) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return k;
}

} // namespace

const char* NomChampListe(ChampListe c) {
    switch (c) {
    case ChampListe::Ignorer:
        return "(ignorée)";
    case ChampListe::Nom:
        return "Nom";
    case ChampListe::Prenom:
        return "Prénom";
    case ChampListe::NomPrenom:
        return "Nom et prénom";
    case ChampListe::Naissance:
        return "Date de naissance";
    }
    return "";
}

Colonnes DevinerColonnes(const Cellules& cellules) {
    Colonnes r;
    std::size_t largeur = 0;
    for (const auto& l : cellules) largeur = std::max(largeur, l.size());
    r.champs.assign(largeur, ChampListe::Ignorer);
    if (cellules.empty()) return r;

    const auto& premiere = cellules.front();
    bool entete = false, date = false;
    for (std::size_t k = 0; k < premiere.size(); ++k) {
        r.champs[k] = champDEntete(premiere[k]);
        entete = entete || r.champs[k] != ChampListe::Ignorer;
        date = date || !LireDateNaissance(premiere[k]).empty();
    }
    if (entete && !date) {
        r.entete = true;
        return r;
    }

    std::fill(r.champs.begin(), r.champs.end(), ChampListe::Ignorer);
    std::vector<std::size_t> texte;
    bool naissance = false;
    for (std::size_t k = 0; k < largeur; ++k) {
        std::size_t pleines = 0, dates = 0, lettres = 0;
        for (const auto& l : cellules) {
            if (k >= l.size() || l[k].empty()) continue;
            ++pleines;
            if (!LireDateNaissance(l[k]).empty())
                ++dates;
            else if (std::any_of(l[k].begin(), l[k].end(), [](char c) {
                         return std::isalpha(static_cast<unsigned char>(c)) || (c & 0x80);
                     }))
                ++lettres;
        }
        if (pleines == 0) continue;
        if (!naissance && dates * 2 >= pleines) {
            r.champs[k] = ChampListe::Naissance;
            naissance = true;
        } else if (lettres * 2 >= pleines) {
            texte.push_back(k);
        }
    }
    if (texte.size() == 1) {
        bool espaces = false;
        for (const auto& l : cellules)
            espaces =
                espaces || (texte[0] < l.size() && l[texte[0]].find(' ') != std::string::npos);
        r.champs[texte[0]] = espaces ? ChampListe::NomPrenom : ChampListe::Nom;
    } else if (texte.size() >= 2) {
        r.champs[texte[0]] = ChampListe::Nom;
        r.champs[texte[1]] = ChampListe::Prenom;
    }
    return r;
}

std::string LireDateNaissance(std::string_view t) {
    std::size_t i = 0;
    int j = -1, m = -1, a = -1;
    std::size_t chiffresAnnee = 0;
    const int premier = nombre(t, i, 8);
    const std::size_t lus = i;
    if (premier < 0) return {};
    if (lus == 8 && i == t.size()) {
        j = premier / 1000000, m = premier / 10000 % 100, a = premier % 10000;
        chiffresAnnee = 4;
    } else if (lus == 4 && i < t.size() && t[i] == '-') {
        a = premier, chiffresAnnee = 4;
        ++i;
        m = nombre(t, i, 2);
        if (i >= t.size() || t[i] != '-') return {};
        ++i;
        j = nombre(t, i, 2);
    } else if (lus <= 2 && i < t.size() && (t[i] == '/' || t[i] == '-' || t[i] == '.')) {
        const char sep = t[i++];
        j = premier;
        m = nombre(t, i, 2);
        if (i >= t.size() || t[i] != sep) return {};
        ++i;
        const std::size_t debut = i;
        a = nombre(t, i, 4);
        chiffresAnnee = i - debut;
    } else {
        return {};
    }
    // A time after the date, as spreadsheets write them ("2012-03-05 00:00:00").
    if (i < t.size() && t[i] != ' ' && t[i] != 'T') return {};
    if (chiffresAnnee != 2 && chiffresAnnee != 4) return {};
    const DateHeure aujourdhui = Maintenant();
    if (chiffresAnnee == 2) a += a <= aujourdhui.annee % 100 ? 2000 : 1900;
    if (a < 1900 || !joursValides(j, m, a)) return {};
    if (a * 10000 + m * 100 + j >
        aujourdhui.annee * 10000 + aujourdhui.mois * 100 + aujourdhui.jour)
        return {};
    char r[16];
    std::snprintf(r, sizeof r, "%02d%02d%04d", j % 100, m % 100, a % 10000);
    return r;
}

void SeparerNomPrenom(std::string_view texte, std::string& nom, std::string& prenom) {
    std::vector<std::string_view> mots;
    for (std::size_t i = 0; i < texte.size();) {
        const auto fin = std::min(texte.find(' ', i), texte.size());
        if (fin > i) mots.push_back(texte.substr(i, fin - i));
        i = fin + 1;
    }
    std::size_t n = 0;
    while (n < mots.size() && motEnCapitales(mots[n])) ++n;
    // All in capitals, or none: the first word is the name, as the lists put it first.
    if (n == 0 || n == mots.size()) n = std::min<std::size_t>(1, mots.size());
    auto joindre = [&](std::size_t de, std::size_t a) {
        std::string r;
        for (std::size_t k = de; k < a; ++k) r += (k > de ? " " : "") + std::string(mots[k]);
        return r;
    };
    nom = joindre(0, n);
    prenom = joindre(n, mots.size());
}

void RelireLigne(LigneImport& l, std::string_view nom, std::string_view prenom,
                 std::string_view date) {
    l.remarques.clear();
    auto champ = [&](std::string_view texte, std::string& dest, const char* quoi) {
        TexteConverti t = VersCp1252(NettoyerCellule(texte));
        for (const auto& r : t.remplacements) l.remarques.push_back(std::string(quoi) + " : " + r);
        if (t.cp1252.size() > 20) {
            l.remarques.push_back(std::string(quoi) + " coupé à 20 caractères");
            t.cp1252.resize(20);
        }
        dest = t.cp1252;
    };
    champ(nom, l.nom, "nom");
    champ(prenom, l.prenom, "prénom");
    l.dateLue = NettoyerCellule(date);
    l.date = LireDateNaissance(l.dateLue);
    if (l.date.empty() && !l.dateLue.empty())
        l.remarques.push_back("date de naissance « " + l.dateLue + " » illisible : laissée vide");
}

std::vector<LigneImport> LignesImport(const Cellules& cellules, const Colonnes& colonnes) {
    std::vector<LigneImport> r;
    auto colonne = [&](ChampListe c) -> int {
        const auto k = std::find(colonnes.champs.begin(), colonnes.champs.end(), c);
        return k == colonnes.champs.end() ? -1 : static_cast<int>(k - colonnes.champs.begin());
    };
    const int cNom = colonne(ChampListe::Nom), cPrenom = colonne(ChampListe::Prenom),
              cTout = colonne(ChampListe::NomPrenom), cDate = colonne(ChampListe::Naissance);
    for (std::size_t i = colonnes.entete ? 1 : 0; i < cellules.size(); ++i) {
        const auto& l = cellules[i];
        auto cellule = [&](int k) -> std::string {
            return k >= 0 && static_cast<std::size_t>(k) < l.size() ? l[k] : std::string();
        };
        std::string nom = cellule(cNom), prenom = cellule(cPrenom);
        if (cTout >= 0) {
            std::string n, p;
            SeparerNomPrenom(cellule(cTout), n, p);
            if (nom.empty()) nom = n;
            if (prenom.empty()) prenom = p;
        }
        LigneImport ligne;
        ligne.source = static_cast<int>(i) + 1;
        RelireLigne(ligne, nom, prenom, cellule(cDate));
        if (ligne.nom.empty() && ligne.prenom.empty() && ligne.date.empty()) continue;
        r.push_back(std::move(ligne));
    }
    return r;
}

void Repartir(std::vector<LigneImport>& lignes, const TClasse& classe, bool majuscule) {
    std::map<std::string, int> presents;
    for (int e = classe.NbEleve; e >= 1; --e)
        presents[cleEleve(classe.Eleve[e].Nom, classe.Eleve[e].Prenom, majuscule)] = e;
    std::set<std::string> vus;
    int places = MaxEleves - classe.NbEleve;
    for (LigneImport& l : lignes) {
        l.deja = 0;
        if (l.ecartee) {
            l.sort = Sort::Ecarte;
            continue;
        }
        if (l.nom.empty()) {
            l.sort = Sort::SansNom;
            continue;
        }
        const std::string k = cleEleve(l.nom, l.prenom, majuscule);
        if (const auto p = presents.find(k); p != presents.end()) {
            l.deja = p->second;
            const bool manque = classe.Eleve[l.deja].DateNaissance.empty();
            l.sort = l.completerDate && manque && !l.date.empty() ? Sort::Completer : Sort::Doublon;
            continue;
        }
        if (!vus.insert(k).second) {
            l.sort = Sort::Doublon;
            continue;
        }
        l.sort = places > 0 ? Sort::Importer : Sort::HorsPlace;
        if (places > 0) --places;
    }
}

std::string TexteSort(const LigneImport& l) {
    const std::string eleve = "déjà dans la classe (élève " + std::to_string(l.deja) + ")";
    switch (l.sort) {
    case Sort::Importer:
        return {};
    case Sort::Completer:
        return eleve + " : sa date de naissance sera complétée";
    case Sort::Doublon:
        return (l.deja ? eleve : std::string("déjà plus haut dans la liste")) + " : non importé";
    case Sort::SansNom:
        return "sans nom : non importé";
    case Sort::HorsPlace:
        return "plus de place dans la classe (" + std::to_string(MaxEleves) +
               " élèves au plus) : non importé";
    case Sort::Ecarte:
        return "écarté";
    }
    return {};
}

BilanImport AppliquerImport(TClasse& classe, const std::vector<LigneImport>& lignes,
                            bool majuscule) {
    BilanImport b;
    for (const LigneImport& l : lignes) {
        if (l.sort == Sort::Completer && l.deja >= 1 && l.deja <= classe.NbEleve &&
            classe.Eleve[l.deja].DateNaissance.empty()) {
            classe.Eleve[l.deja].DateNaissance = l.date;
            ++b.completes;
        } else if (l.sort == Sort::Importer && classe.NbEleve < MaxEleves) {
            const int e = ++classe.NbEleve;
            classe.ViderEleve(e);
            classe.Eleve[e].Nom = NormaliserNom(l.nom, majuscule);
            classe.Eleve[e].Prenom = NormaliserNom(l.prenom, false);
            classe.Eleve[e].DateNaissance = l.date;
            ++b.ajoutes;
        }
    }
    return b;
}

} // namespace quillora
