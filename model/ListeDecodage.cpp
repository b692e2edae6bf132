// A list's text told apart from its bytes (encoding) and cut into cells (separator). The
// detector and the CSV reader are libraries of their own, which the window program loads
// only when a list is imported: these functions stay out of everything else.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <csv.h>
#include <map>
#include <uchardet/uchardet.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include "Cp1252.h"
#include "ListeFichier.h"

namespace quillora {

namespace {

bool utf8Valide(std::string_view s) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(s.data());
    const auto n = static_cast<std::int32_t>(s.size());
    for (std::int32_t i = 0; i < n;) {
        UChar32 c;
        U8_NEXT(p, i, n, c);
        if (c < 0) return false;
    }
    return true;
}

// Malformed bytes become U+FFFD, which the conversion to the record then tells.
std::string depuis(std::string_view octets, const char* jeu) {
    const icu::UnicodeString u(octets.data(), static_cast<std::int32_t>(octets.size()), jeu);
    std::string r;
    u.toUTF8String(r);
    return r;
}

bool egalSansCasse(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

struct Lecteur {
    Cellules cellules;
    std::vector<std::string> ligne;
};

void finChamp(void* champ, std::size_t taille, void* donnees) {
    auto* l = static_cast<Lecteur*>(donnees);
    l->ligne.push_back(NettoyerCellule({static_cast<const char*>(champ), champ ? taille : 0}));
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

} // namespace

TexteListe DecoderListe(std::string_view o) {
    TexteListe t;
    if (o.starts_with("\xEF\xBB\xBF"))
        o.remove_prefix(3);
    else if (o.starts_with("\xFF\xFE") || o.starts_with("\xFE\xFF")) {
        t.encodage = Encodage::Utf16;
        t.utf8 = depuis(o.substr(2), o[0] == '\xFE' ? "UTF-16BE" : "UTF-16LE");
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
    t.utf8 = t.encodage == Encodage::Cp1252 ? Utf8DepuisCp1252(o) : depuis(o, "ISO-8859-15");
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

} // namespace quillora
