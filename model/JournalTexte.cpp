#include "JournalTexte.h"

#include <cstring>
#include <map>
#include <optional>
#include <string_view>

#include "Cp1252.h"

namespace quillora {

namespace {

// Where the fields lie in the record, measured on the record itself rather than assumed.
struct Disposition {
    std::size_t eleve, note, devoir, matiere, coefMatiere, vue[2];
    Disposition() {
        static const ImageClasse i{};
        auto ecart = [](const void* a, const void* b) {
            return static_cast<std::size_t>(static_cast<const char*>(a) -
                                            static_cast<const char*>(b));
        };
        eleve = ecart(&i.Eleve[1], &i);
        note = ecart(&i.Eleve[1].Note, &i.Eleve[1]);
        devoir = ecart(&i.Devoir, &i);
        matiere = ecart(&i.Matiere, &i);
        coefMatiere = ecart(&i.Matiere[1].Coef, &i.Matiere[1]);
        vue[0] = ecart(&i.MatiereCourante, &i);
        vue[1] = ecart(&i.PeriodeCourante, &i);
    }
};

const Disposition& disposition() {
    static const Disposition d;
    return d;
}

enum class Champ { Note, CoefDevoir, CoefMatiere };

// A value field of the record: what it is, where, and its indices.
struct Cle {
    Champ champ;
    int s, p, a, e;
    std::size_t debut, taille;
};

constexpr int ParMatiere = MaxPeriodes * MaxDevoirs;

// The field a changed byte belongs to; false for a byte outside every value field (a name,
// a count), which makes the step one that moves things rather than changes values.
bool classer(std::size_t off, std::optional<Cle>& cle) {
    const Disposition& d = disposition();
    cle.reset();
    if (off >= d.eleve && off < d.devoir) {
        const std::size_t r = off - d.eleve;
        const int e = static_cast<int>(r / sizeof(TEleve)) + 1;
        const std::size_t dans = r % sizeof(TEleve);
        if (dans < d.note) return false;
        const int k = static_cast<int>((dans - d.note) / sizeof(ChaineNote));
        cle = Cle{Champ::Note,
                  k / ParMatiere + 1,
                  k / MaxDevoirs % MaxPeriodes + 1,
                  k % MaxDevoirs + 1,
                  e,
                  d.eleve + (e - 1) * sizeof(TEleve) + d.note + k * sizeof(ChaineNote),
                  sizeof(ChaineNote)};
        return true;
    }
    if (off >= d.devoir && off < d.matiere) {
        const std::size_t r = off - d.devoir;
        const int k = static_cast<int>(r / sizeof(TDevoir));
        // The date, duration and comment of an assignment are no grade: no line, but no
        // move either.
        if (r % sizeof(TDevoir) < sizeof(Double8))
            cle = Cle{Champ::CoefDevoir,
                      k / ParMatiere + 1,
                      k / MaxDevoirs % MaxPeriodes + 1,
                      k % MaxDevoirs + 1,
                      0,
                      d.devoir + k * sizeof(TDevoir),
                      sizeof(Double8)};
        return true;
    }
    if (off >= d.matiere && off < d.matiere + MaxMatieres * sizeof(TMatiere)) {
        const std::size_t r = off - d.matiere;
        const int s = static_cast<int>(r / sizeof(TMatiere)) + 1;
        const std::size_t dans = r % sizeof(TMatiere);
        if (dans < d.coefMatiere) return false;
        const int p = static_cast<int>((dans - d.coefMatiere) / sizeof(Double8)) + 1;
        cle =
            Cle{Champ::CoefMatiere,
                s,
                p,
                0,
                0,
                d.matiere + (s - 1) * sizeof(TMatiere) + d.coefMatiere + (p - 1) * sizeof(Double8),
                sizeof(Double8)};
        return true;
    }
    // The view shown moves with many commands and is never a change of the class.
    return off == d.vue[0] || off == d.vue[1];
}

// The field's bytes before the step: the record after it, with the step's old bytes laid
// back where they overlap.
std::string avant(const ImageClasse& apres, const std::vector<Historique::Morceau>& morceaux,
                  std::size_t debut, std::size_t taille) {
    const auto* b = reinterpret_cast<const char*>(&apres);
    std::string t(b + debut, taille);
    for (const Historique::Morceau& m : morceaux) {
        const std::size_t de = std::max<std::size_t>(debut, m.debut);
        const std::size_t a = std::min<std::size_t>(debut + taille, m.debut + m.avant.size());
        for (std::size_t i = de; i < a; ++i) t[i - debut] = static_cast<char>(m.avant[i - m.debut]);
    }
    return t;
}

std::string texteNote(const std::string& octets) {
    ChaineNote n;
    std::memcpy(static_cast<void*>(&n), octets.data(), sizeof n);
    return Utf8DepuisCp1252(n.view());
}

std::string texteCoef(const std::string& octets) {
    Double8 d;
    std::memcpy(d.octets, octets.data(), sizeof d.octets);
    return Utf8DepuisCp1252(FormatNote(d));
}

std::string utf8(std::string_view cp) {
    return Utf8DepuisCp1252(cp);
}

std::string periodeTexte(const ImageClasse& c, int p) {
    return std::string(MotCourtPeriode[IndexPeriodes(c.NbPeriode)]) + " " + std::to_string(p);
}

std::string nomEleve(const TEleve& e) {
    std::string n = utf8(e.Nom.view());
    if (!e.Prenom.empty()) n += " " + utf8(e.Prenom.view());
    return n;
}

const char* const MoisCourts[12] = {"janv.", "févr.", "mars",  "avr.", "mai",  "juin",
                                    "juil.", "août",  "sept.", "oct.", "nov.", "déc."};
const char* const MoisLongs[12] = {"janvier",   "février", "mars",     "avril",
                                   "mai",       "juin",    "juillet",  "août",
                                   "septembre", "octobre", "novembre", "décembre"};

std::string jour(int j) {
    return j == 1 ? "1er" : std::to_string(j);
}

std::string deuxChiffres(int v) {
    return (v < 10 ? "0" : "") + std::to_string(v);
}

// "le X" → "du X", "les X" → "des X", otherwise "de " in front.
std::string complement(const std::string& nom) {
    if (nom.rfind("le ", 0) == 0) return "du " + nom.substr(3);
    if (nom.rfind("les ", 0) == 0) return "des " + nom.substr(4);
    return "de " + nom;
}

std::string sansTabulation(std::string t) {
    for (char& c : t)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return t;
}

} // namespace

std::vector<Historique::Morceau> MorceauxInverses(const std::vector<Historique::Morceau>& m) {
    std::vector<Historique::Morceau> r(m);
    for (Historique::Morceau& x : r) std::swap(x.avant, x.apres);
    return r;
}

std::string LibelleDevoir(const ImageClasse& classe, int s, int p, int a) {
    const std::string_view date = classe.Devoir[s][p][a].Date.view();
    int j = 0, m = 0;
    std::size_t i = 0;
    auto nombre = [&](int& v) {
        const std::size_t d = i;
        while (i < date.size() && i - d < 2 && date[i] >= '0' && date[i] <= '9')
            v = v * 10 + (date[i++] - '0');
        return i > d;
    };
    if (nombre(j) && i < date.size() && (date[i] == '/' || date[i] == '.' || date[i] == '-') &&
        (++i, nombre(m)) && j >= 1 && j <= 31 && m >= 1 && m <= 12)
        return "devoir du " + jour(j) + " " + MoisCourts[m - 1];
    return "devoir n° " + std::to_string(a);
}

std::vector<LigneJournal> LignesEtape(const ImageClasse& apres,
                                      const std::vector<Historique::Morceau>& morceaux) {
    std::map<std::size_t, Cle> champs;
    std::optional<Cle> cle;
    for (const Historique::Morceau& m : morceaux)
        for (std::size_t i = 0; i < m.avant.size(); ++i) {
            if (m.avant[i] == m.apres[i]) continue;
            if (!classer(m.debut + i, cle)) return {};
            if (cle) champs.emplace(cle->debut, *cle);
        }
    std::vector<LigneJournal> lignes;
    const auto* b = reinterpret_cast<const char*>(&apres);
    for (const auto& [debut, c] : champs) {
        const std::string vieux = avant(apres, morceaux, c.debut, c.taille);
        const std::string neuf(b + c.debut, c.taille);
        LigneJournal l;
        l.matiere = utf8(apres.Matiere[c.s].Nom.view());
        l.periode = periodeTexte(apres, c.p);
        if (c.champ == Champ::Note) {
            l.eleve = nomEleve(apres.Eleve[c.e]);
            l.ancien = texteNote(vieux);
            l.nouveau = texteNote(neuf);
        } else {
            l.ancien = texteCoef(vieux);
            l.nouveau = texteCoef(neuf);
        }
        if (c.champ != Champ::CoefMatiere) l.devoir = LibelleDevoir(apres, c.s, c.p, c.a);
        // Bytes past a grade's length, or -0 against 0, change nothing the teacher sees.
        if (l.ancien != l.nouveau) lignes.push_back(std::move(l));
    }
    return lignes;
}

std::string ActionEtape(GenreEtape genre, const std::string& nom) {
    switch (genre) {
    case GenreEtape::Annulation:
        return "Annulation " + complement(nom);
    case GenreEtape::Retablissement:
        return "Rétablissement " + complement(nom);
    case GenreEtape::Modification:
        break;
    }
    std::string t = nom;
    for (const char* article : {"la ", "le ", "les ", "l'"})
        if (t.rfind(article, 0) == 0) {
            t.erase(0, std::char_traits<char>::length(article));
            break;
        }
    if (!t.empty() && t[0] >= 'a' && t[0] <= 'z') t[0] = static_cast<char>(t[0] - 'a' + 'A');
    // é, è, ê → É, È, Ê: the second byte of their UTF-8 loses 0x20.
    else if (t.size() > 1 && static_cast<unsigned char>(t[0]) == 0xC3 &&
             static_cast<unsigned char>(t[1]) >= 0xA0 && static_cast<unsigned char>(t[1]) <= 0xBE)
        t[1] = static_cast<char>(static_cast<unsigned char>(t[1]) - 0x20);
    return t;
}

std::vector<EntreeJournal> EntreesJournal(const LectureJournal& lecture) {
    const auto& tous = lecture.enregistrements;
    // Steps followed by a set-aside mark before any save never reached the file.
    std::vector<bool> nonEnregistree(tous.size(), false);
    std::vector<std::size_t> groupe;
    for (std::size_t i = 0; i < tous.size(); ++i) {
        switch (tous[i].genre) {
        case GenreEnregistrement::Etape:
            groupe.push_back(i);
            break;
        case GenreEnregistrement::MiseDeCote:
            for (std::size_t k : groupe) nonEnregistree[k] = true;
            [[fallthrough]];
        case GenreEnregistrement::Creation:
        case GenreEnregistrement::Sauvegarde:
            groupe.clear();
            break;
        case GenreEnregistrement::Reprise:
            break;
        }
    }
    std::vector<EntreeJournal> entrees;
    for (std::size_t i = tous.size(); i-- > 0;) {
        const EnregistrementJournal& e = tous[i];
        if (e.genre == GenreEnregistrement::Creation && !e.image.empty()) {
            entrees.push_back({e.quand, "Création de la classe", {}});
            continue;
        }
        if (e.genre != GenreEnregistrement::Etape) continue;
        std::string action = ActionEtape(e.etape, e.nom);
        if (nonEnregistree[i]) action += SuffixeNonEnregistree;
        if (e.lignes.empty()) entrees.push_back({e.quand, action, {}});
        for (const LigneJournal& l : e.lignes) entrees.push_back({e.quand, action, l});
    }
    return entrees;
}

std::string DateIso(const DateHeure& d) {
    return std::to_string(d.annee) + "-" + deuxChiffres(d.mois) + "-" + deuxChiffres(d.jour) + "T" +
           deuxChiffres(d.heure) + ":" + deuxChiffres(d.minute) + ":" + deuxChiffres(d.seconde);
}

std::string DateCourte(const DateHeure& d) {
    return deuxChiffres(d.jour) + "/" + deuxChiffres(d.mois) + "/" + std::to_string(d.annee) + " " +
           deuxChiffres(d.heure) + ":" + deuxChiffres(d.minute);
}

std::string DateLongue(const DateHeure& d) {
    return jour(d.jour) + " " + MoisLongs[(d.mois - 1) % 12] + " " + std::to_string(d.annee);
}

std::string HeureTexte(const DateHeure& d) {
    return deuxChiffres(d.heure) + " h " + deuxChiffres(d.minute);
}

std::string LigneTabulee(const EntreeJournal& e) {
    const LigneJournal& l = e.ligne;
    std::string t = DateIso(e.quand);
    for (const std::string* champ :
         {&e.action, &l.eleve, &l.matiere, &l.periode, &l.devoir, &l.ancien, &l.nouveau})
        t += "\t" + sansTabulation(*champ);
    return t;
}

std::string DetailEntree(const LigneJournal& l) {
    std::string t;
    if (!l.eleve.empty()) t = l.eleve + " — ";
    std::string lieu;
    for (const std::string* champ : {&l.matiere, &l.periode, &l.devoir})
        if (!champ->empty()) lieu += (lieu.empty() ? "" : ", ") + *champ;
    t += lieu;
    if (!l.ancien.empty() || !l.nouveau.empty())
        t += " : " + (l.ancien.empty() ? std::string("(vide)") : l.ancien) + " → " +
             (l.nouveau.empty() ? std::string("(vide)") : l.nouveau);
    return t;
}

} // namespace quillora
