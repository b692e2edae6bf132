#include "ListeImport.h"

#include <algorithm>
#include <array>
#include <csv.h>
#include <map>
#include <set>
#include <uchardet/uchardet.h>

#include "Cp1252.h"
#include "FichierAtomique.h"
#include "Horloge.h"

namespace quillora {

namespace {

constexpr char32_t Remplacement = 0xFFFD;

// One code point from `s` at `i`, advancing `i`; malformed sequences (overlong forms,
// surrogates, truncation) give U+FFFD and `valide` false.
char32_t lireUtf8(std::string_view s, std::size_t& i, bool& valide) {
    const auto c = static_cast<unsigned char>(s[i++]);
    if (c < 0x80) return c;
    int suite = 0;
    char32_t u = 0, min = 0;
    if (c >= 0xC2 && c < 0xE0)
        suite = 1, u = c & 0x1F, min = 0x80;
    else if (c >= 0xE0 && c < 0xF0)
        suite = 2, u = c & 0x0F, min = 0x800;
    else if (c >= 0xF0 && c < 0xF5)
        suite = 3, u = c & 0x07, min = 0x10000;
    else {
        valide = false;
        return Remplacement;
    }
    for (int k = 0; k < suite; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            valide = false;
            return Remplacement;
        }
        u = (u << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    if (u < min || u > 0x10FFFF || (u >= 0xD800 && u < 0xE000)) {
        valide = false;
        return Remplacement;
    }
    return u;
}

std::u32string codePoints(std::string_view s) {
    std::u32string r;
    r.reserve(s.size());
    bool valide = true;
    for (std::size_t i = 0; i < s.size();) r += lireUtf8(s, i, valide);
    return r;
}

bool utf8Valide(std::string_view s) {
    bool valide = true;
    for (std::size_t i = 0; i < s.size() && valide;) lireUtf8(s, i, valide);
    return valide;
}

std::string depuisUtf16(std::string_view s, bool grosBoutiste) {
    std::string r;
    auto unite = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(s[i]), b = static_cast<unsigned char>(s[i + 1]);
        return grosBoutiste ? (a << 8 | b) : (b << 8 | a);
    };
    for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
        char32_t u = unite(i);
        if (u >= 0xD800 && u < 0xDC00 && i + 3 < s.size()) {
            const char32_t bas = unite(i + 2);
            if (bas >= 0xDC00 && bas < 0xE000) {
                u = 0x10000 + ((u - 0xD800) << 10) + (bas - 0xDC00);
                i += 2;
            } else {
                u = Remplacement;
            }
        } else if (u >= 0xD800 && u < 0xE000) {
            u = Remplacement;
        }
        AjouterUtf8(r, u);
    }
    return r;
}

// Latin-9 is Latin-1 but for eight places, where the euro sign and the French and Finnish
// letters that Latin-1 lacks stand.
char32_t depuisIso885915(unsigned char c) {
    switch (c) {
    case 0xA4:
        return 0x20AC;
    case 0xA6:
        return 0x0160;
    case 0xA8:
        return 0x0161;
    case 0xB4:
        return 0x017D;
    case 0xB8:
        return 0x017E;
    case 0xBC:
        return 0x0152;
    case 0xBD:
        return 0x0153;
    case 0xBE:
        return 0x0178;
    default:
        return c;
    }
}

bool egalSansCasse(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

// The letters of Latin Extended-A (U+0100..U+017F) without their marks.
constexpr std::string_view LatinEtenduA = "AaAaAaCcCcCcCcDd"
                                          "DdEeEeEeEeEeGgGg"
                                          "GgGgHhHhIiIiIiIi"
                                          "IiIiJjKkkLlLlLlL"
                                          "lLlNnNnNnnNnOoOo"
                                          "OoOoRrRrRrSsSsSs"
                                          "SsTtTtTtUuUuUuUu"
                                          "UuUuWwYyYZzZzZzs";
// Latin-1's letters U+00C0..U+00FF without their marks ('*' where the sign is no letter).
constexpr std::string_view Latin1SansAccent = "AAAAAAACEEEEIIII"
                                              "DNOOOOO*OUUUUYTs"
                                              "aaaaaaaceeeeiiii"
                                              "dnooooo*ouuuuyty";

// The closest plain letters of a letter Windows-1252 lacks; empty when there is none.
std::string lettreProche(char32_t u) {
    if (u == 0x0132) return "IJ";
    if (u == 0x0133) return "ij";
    if (u >= 0x0100 && u <= 0x017F) return std::string(1, LatinEtenduA[u - 0x0100]);
    switch (u) {
    case 0x0218:
        return "S"; // Romanian comma below
    case 0x0219:
        return "s";
    case 0x021A:
        return "T";
    case 0x021B:
        return "t";
    case 0x01A0:
    case 0x01CD:
        return u == 0x01A0 ? "O" : "A";
    case 0x01A1:
        return "o";
    case 0x01CE:
        return "a";
    case 0x01AF:
    case 0x01D3:
        return "U";
    case 0x01B0:
    case 0x01D4:
        return "u";
    case 0x01CF:
        return "I";
    case 0x01D0:
        return "i";
    case 0x01D1:
        return "O";
    case 0x01D2:
        return "o";
    default:
        return {};
    }
}

// A letter followed by a combining mark (as files written on some systems spell "é"),
// joined into the one Windows-1252 letter when there is one.
char32_t composer(char32_t base, char32_t marque) {
    struct Compo {
        char32_t marque;
        std::string_view bases;
        std::u32string_view resultats;
    };
    static const std::array<Compo, 8> compos = {{
        {0x0300, "AEIOUaeiou", U"ÀÈÌÒÙàèìòù"},
        {0x0301, "AEIOUYaeiouy", U"ÁÉÍÓÚÝáéíóúý"},
        {0x0302, "AEIOUaeiou", U"ÂÊÎÔÛâêîôû"},
        {0x0303, "ANOano", U"ÃÑÕãñõ"},
        {0x0308, "AEIOUYaeiouy", U"ÄËÏÖÜŸäëïöüÿ"},
        {0x030A, "Aa", U"Åå"},
        {0x030C, "SsZz", U"ŠšŽž"},
        {0x0327, "Cc", U"Çç"},
    }};
    if (base >= 0x80) return 0;
    for (const Compo& c : compos) {
        if (c.marque != marque) continue;
        const auto k = c.bases.find(static_cast<char>(base));
        return k == std::string_view::npos ? 0 : c.resultats[k];
    }
    return 0;
}

bool dansCp1252(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return true;
    for (unsigned char c = 0x80; c < 0xA0; ++c)
        if (UnicodeDeCp1252(c) == u && u >= 0xA0) return true;
    return false;
}

// Control characters and line breaks inside quoted fields become spaces, runs of spaces
// one space, and the ends are trimmed.
std::string nettoyer(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    bool espace = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        auto c = static_cast<unsigned char>(s[i]);
        bool blanc = c < 0x20 || c == ' ' || c == 0x7F;
        if (c == 0xC2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0xA0) {
            blanc = true; // no-break space
            ++i;
        }
        if (blanc) {
            espace = !r.empty();
            continue;
        }
        if (espace) r += ' ';
        espace = false;
        r += static_cast<char>(c);
    }
    return r;
}

// A header cell reduced to its lower-case plain letters: "Né(e) le" -> "neele".
std::string cle(std::string_view utf8) {
    std::string r;
    for (char32_t u : codePoints(utf8)) {
        char c = 0;
        if (u < 0x80)
            c = static_cast<char>(u);
        else if (u >= 0xC0 && u <= 0xFF)
            c = Latin1SansAccent[u - 0xC0];
        else if (const std::string l = lettreProche(u); !l.empty())
            c = l[0];
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

bool estMajuscule(char32_t u) {
    return (u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7) ||
           (u >= 0x0100 && u <= 0x017F && lettreProche(u) != "" &&
            std::isupper(static_cast<unsigned char>(lettreProche(u)[0]))) ||
           u == 0x0152 || u == 0x0160 || u == 0x0178 || u == 0x017D || u == 0x0218 || u == 0x021A;
}

bool estMinuscule(char32_t u) {
    return (u >= 'a' && u <= 'z') || (u >= 0xDF && u <= 0xFF && u != 0xF7) ||
           (u >= 0x0100 && u <= 0x017F && lettreProche(u) != "" &&
            std::islower(static_cast<unsigned char>(lettreProche(u)[0]))) ||
           u == 0x0153 || u == 0x0161 || u == 0x017E || u == 0x0219 || u == 0x021B;
}

// A word in capitals: at least one capital letter and no small one ("DE", "L'ÉTANG").
bool motEnCapitales(std::string_view mot) {
    bool capitale = false;
    for (char32_t u : codePoints(mot)) {
        if (estMinuscule(u)) return false;
        capitale = capitale || estMajuscule(u);
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

struct Lecteur {
    Cellules cellules;
    std::vector<std::string> ligne;
};

void finChamp(void* champ, std::size_t taille, void* donnees) {
    auto* l = static_cast<Lecteur*>(donnees);
    l->ligne.push_back(nettoyer({static_cast<const char*>(champ), champ ? taille : 0}));
}

void finLigne(int, void* donnees) {
    auto* l = static_cast<Lecteur*>(donnees);
    if (std::any_of(l->ligne.begin(), l->ligne.end(), [](const auto& c) { return !c.empty(); }))
        l->cellules.push_back(std::move(l->ligne));
    l->ligne.clear();
}

int seulEspace(unsigned char c) {
    return c == ' ';
}

std::string cleEleve(std::string_view nom, std::string_view prenom, bool majuscule) {
    std::string k = NormaliserNom(nom, majuscule) + '\n' + NormaliserNom(prenom, false);
    for (char& c : k) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return k;
}

} // namespace

Resultat LireFichierListe(const std::string& chemin, std::string& octets) {
    // One byte more than a list may hold tells a file too large without reading it all.
    const int code = LireFichierOrdinaire(chemin, TailleMaxListe + 1, octets);
    if (code != 0)
        return {false, "Impossible de lire le fichier \"" + chemin + "\". " + RaisonSysteme(code)};
    if (octets.size() > TailleMaxListe) {
        octets.clear();
        return {false, "Le fichier \"" + chemin +
                           "\" est trop grand pour une liste d'élèves (plus de 1 Mo)."};
    }
    return {};
}

const char* NomEncodage(Encodage e) {
    switch (e) {
    case Encodage::Utf8:
        return "UTF-8";
    case Encodage::Utf16:
        return "UTF-16";
    case Encodage::Cp1252:
        return "Windows-1252";
    case Encodage::Iso885915:
        return "ISO-8859-15";
    }
    return "";
}

TexteListe DecoderListe(std::string_view o) {
    TexteListe t;
    if (o.starts_with("\xEF\xBB\xBF"))
        o.remove_prefix(3);
    else if (o.starts_with("\xFF\xFE") || o.starts_with("\xFE\xFF")) {
        t.encodage = Encodage::Utf16;
        t.utf8 = depuisUtf16(o.substr(2), o[0] == '\xFE');
        return t;
    }
    if (utf8Valide(o)) {
        t.utf8 = std::string(o);
        return t;
    }
    t.encodage = Encodage::Cp1252;
    if (uchardet_t detecteur = uchardet_new()) {
        if (uchardet_handle_data(detecteur, o.data(), o.size()) == 0) {
            uchardet_data_end(detecteur);
            const std::string_view jeu = uchardet_get_charset(detecteur);
            // The detector cannot tell Latin-9 from Latin-1 on a short list. The eight
            // places where they differ hold "Œ", "œ", "Š", "Ž"... in Latin-9, but signs
            // such as "½" or "¤" in Latin-1 that no name contains.
            const bool latin9 =
                o.find_first_of("\xA4\xA6\xA8\xB4\xB8\xBC\xBD\xBE") != std::string_view::npos;
            if (egalSansCasse(jeu, "ISO-8859-15") || (egalSansCasse(jeu, "ISO-8859-1") && latin9))
                t.encodage = Encodage::Iso885915;
        }
        uchardet_delete(detecteur);
    }
    if (t.encodage == Encodage::Cp1252) {
        t.utf8 = Utf8DepuisCp1252(o);
    } else {
        for (unsigned char c : o) AjouterUtf8(t.utf8, depuisIso885915(c));
    }
    return t;
}

Cellules LireCellules(std::string_view utf8, char separateur) {
    Lecteur l;
    csv_parser p;
    if (csv_init(&p, 0) != 0) return {};
    csv_set_delim(&p, static_cast<unsigned char>(separateur));
    csv_set_space_func(&p, seulEspace);
    csv_parse(&p, utf8.data(), utf8.size(), finChamp, finLigne, &l);
    csv_fini(&p, finChamp, finLigne, &l);
    csv_free(&p);
    return std::move(l.cellules);
}

char DetecterSeparateur(std::string_view utf8) {
    // A sample is enough to decide, and keeps a long list from being read three times.
    std::size_t fin = 0;
    for (int n = 0; n < 40 && fin < utf8.size(); ++n) {
        const auto k = utf8.find('\n', fin);
        fin = k == std::string_view::npos ? utf8.size() : k + 1;
    }
    const std::string_view echantillon = utf8.substr(0, fin);
    char meilleur = ';';
    std::size_t meilleurScore = 0;
    for (char sep : {'\t', ';', ','}) {
        std::map<std::size_t, std::size_t> parLargeur;
        for (const auto& ligne : LireCellules(echantillon, sep))
            if (ligne.size() >= 2) ++parLargeur[ligne.size()];
        std::size_t score = 0;
        for (const auto& [largeur, n] : parLargeur) score = std::max(score, n);
        if (score > meilleurScore) meilleur = sep, meilleurScore = score;
    }
    return meilleur;
}

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

TexteConverti VersCp1252(std::string_view utf8) {
    TexteConverti r;
    const std::u32string u = codePoints(utf8);
    for (std::size_t i = 0; i < u.size(); ++i) {
        char32_t c = u[i];
        if (i + 1 < u.size() && u[i + 1] >= 0x0300 && u[i + 1] < 0x0370) {
            if (const char32_t compose = composer(c, u[i + 1])) {
                c = compose;
                ++i;
            }
        }
        if (c >= 0x0300 && c < 0x0370) continue; // a mark left over: the letter stays plain
        std::string original;
        AjouterUtf8(original, c);
        if (dansCp1252(c)) {
            r.cp1252 += Cp1252DepuisUtf8(original);
            continue;
        }
        std::string proche = lettreProche(c);
        if (proche.empty()) proche = "?";
        r.cp1252 += proche;
        const std::string remarque = "« " + original + " » remplacé par « " + proche + " »";
        if (std::find(r.remplacements.begin(), r.remplacements.end(), remarque) ==
            r.remplacements.end())
            r.remplacements.push_back(remarque);
    }
    return r;
}

void RelireLigne(LigneImport& l, std::string_view nom, std::string_view prenom,
                 std::string_view date) {
    l.remarques.clear();
    auto champ = [&](std::string_view texte, std::string& dest, const char* quoi) {
        TexteConverti t = VersCp1252(nettoyer(texte));
        for (const auto& r : t.remplacements) l.remarques.push_back(std::string(quoi) + " : " + r);
        if (t.cp1252.size() > 20) {
            l.remarques.push_back(std::string(quoi) + " coupé à 20 caractères");
            t.cp1252.resize(20);
        }
        dest = t.cp1252;
    };
    champ(nom, l.nom, "nom");
    champ(prenom, l.prenom, "prénom");
    l.dateLue = nettoyer(date);
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
