#include "JournalFormat.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <zlib.h>

#include "FichierAtomique.h"

namespace quillora {

namespace {

constexpr std::uint32_t VersionJournal = 1;
// What a record may claim before it is even read: no real one comes near.
constexpr std::size_t MaxEnregistrement = 8u << 20;
// The bytes a step can change, framed, stay far below this; more is damage, not a step.
constexpr std::size_t MaxBrut = 1u << 20;
// Small blocks are stored as they are: compressing them costs more than it saves.
constexpr std::size_t SeuilCompression = 512;

class Ecrivain {
public:
    void u8(unsigned v) { s_.push_back(static_cast<char>(v & 0xFF)); }
    void u16(unsigned v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void i16(int v) { u16(static_cast<unsigned>(static_cast<std::uint16_t>(v))); }
    void chaine(const std::string& t) {
        const std::size_t n = t.size() > 0xFFFF ? 0xFFFF : t.size();
        u16(static_cast<unsigned>(n));
        s_.append(t.data(), n);
    }
    void octets(const void* p, std::size_t n) { s_.append(static_cast<const char*>(p), n); }
    void date(const DateHeure& d) {
        u16(static_cast<unsigned>(d.annee));
        for (int v : {d.mois, d.jour, d.heure, d.minute, d.seconde}) u8(static_cast<unsigned>(v));
    }
    // A block of bytes, compressed when that pays.
    void bloc(const std::string& brut) {
        if (brut.size() >= SeuilCompression) {
            uLongf taille = compressBound(brut.size());
            std::string z(taille, '\0');
            if (compress2(reinterpret_cast<Bytef*>(z.data()), &taille,
                          reinterpret_cast<const Bytef*>(brut.data()), brut.size(), 6) == Z_OK &&
                taille < brut.size()) {
                u8(1);
                u32(static_cast<std::uint32_t>(brut.size()));
                u32(static_cast<std::uint32_t>(taille));
                octets(z.data(), taille);
                return;
            }
        }
        u8(0);
        u32(static_cast<std::uint32_t>(brut.size()));
        u32(static_cast<std::uint32_t>(brut.size()));
        octets(brut.data(), brut.size());
    }
    std::string& texte() { return s_; }

private:
    std::string s_;
};

// Every read is checked against the bytes left; a failed read leaves `ok` false for good.
class Lecteur {
public:
    Lecteur(const unsigned char* p, std::size_t n) : p_(p), n_(n) {}
    bool ok = true;
    bool fini() const { return i_ == n_; }
    unsigned u8() {
        if (!reste(1)) return 0;
        return p_[i_++];
    }
    unsigned u16() {
        const unsigned a = u8();
        return a | (u8() << 8);
    }
    std::uint32_t u32() {
        const std::uint32_t a = u16();
        return a | (static_cast<std::uint32_t>(u16()) << 16);
    }
    int i16() { return static_cast<std::int16_t>(static_cast<std::uint16_t>(u16())); }
    std::string chaine() {
        const std::size_t n = u16();
        if (!reste(n)) return {};
        std::string t(reinterpret_cast<const char*>(p_ + i_), n);
        i_ += n;
        return t;
    }
    DateHeure date() {
        DateHeure d;
        d.annee = static_cast<int>(u16());
        d.mois = static_cast<int>(u8());
        d.jour = static_cast<int>(u8());
        d.heure = static_cast<int>(u8());
        d.minute = static_cast<int>(u8());
        d.seconde = static_cast<int>(u8());
        if (d.mois < 1 || d.mois > 12 || d.jour < 1 || d.jour > 31 || d.heure > 23 ||
            d.minute > 59 || d.seconde > 60)
            ok = false;
        return d;
    }
    std::string bloc() {
        const unsigned methode = u8();
        const std::uint32_t brut = u32(), stocke = u32();
        if (!ok || methode > 1 || brut > MaxBrut || !reste(stocke)) return fail();
        const auto* debut = p_ + i_;
        i_ += stocke;
        if (methode == 0) {
            if (stocke != brut) return fail();
            return std::string(reinterpret_cast<const char*>(debut), stocke);
        }
        std::string t(brut, '\0');
        uLongf taille = brut;
        if (uncompress(reinterpret_cast<Bytef*>(t.data()), &taille, debut, stocke) != Z_OK ||
            taille != brut)
            return fail();
        return t;
    }

private:
    bool reste(std::size_t n) {
        if (ok && n <= n_ - i_) return true;
        ok = false;
        return false;
    }
    std::string fail() {
        ok = false;
        return {};
    }
    const unsigned char* p_;
    std::size_t n_, i_ = 0;
};

std::string morceauxBruts(const std::vector<Historique::Morceau>& morceaux) {
    Ecrivain e;
    e.u32(static_cast<std::uint32_t>(morceaux.size()));
    for (const Historique::Morceau& m : morceaux) {
        e.u32(m.debut);
        e.u32(static_cast<std::uint32_t>(m.avant.size()));
        e.octets(m.avant.data(), m.avant.size());
        e.octets(m.apres.data(), m.apres.size());
    }
    return std::move(e.texte());
}

bool lireMorceaux(const std::string& brut, std::vector<Historique::Morceau>& morceaux) {
    Lecteur l(reinterpret_cast<const unsigned char*>(brut.data()), brut.size());
    const std::uint32_t n = l.u32();
    for (std::uint32_t k = 0; k < n && l.ok; ++k) {
        Historique::Morceau m;
        m.debut = l.u32();
        const std::uint32_t longueur = l.u32();
        // A run that leaves the record, or an empty one, is damage.
        if (!l.ok || longueur == 0 || m.debut >= TailleFichierClasse ||
            longueur > TailleFichierClasse - m.debut || 2u * longueur > brut.size())
            return false;
        m.avant.resize(longueur);
        m.apres.resize(longueur);
        for (auto* v : {&m.avant, &m.apres})
            for (unsigned char& c : *v) c = static_cast<unsigned char>(l.u8());
        morceaux.push_back(std::move(m));
    }
    return l.ok && l.fini();
}

// The context is used as it is to show a recovered step again: values the sheet could never
// have written are damage.
bool contexteValide(const Historique::Contexte& c) {
    auto dans = [](int v, int min, int max) { return v >= min && v <= max; };
    return dans(c.matiere, 1, 4) && dans(c.periode, 1, 4) && dans(c.matiereApres, 1, 4) &&
           dans(c.periodeApres, 1, 4) && dans(c.code, 0, 7) && dans(c.argPeriode, 0, 4) &&
           dans(c.argItem, 0, MaxDevoirs) && dans(c.argEleve, 0, MaxEleves);
}

bool decoder(const unsigned char* p, std::size_t n, EnregistrementJournal& e) {
    Lecteur l(p, n);
    const unsigned genre = l.u8();
    if (genre < 1 || genre > 5) return false;
    e.genre = static_cast<GenreEnregistrement>(genre);
    e.quand = l.date();
    switch (e.genre) {
    case GenreEnregistrement::Creation: {
        e.somme = l.u32();
        e.chemin = l.chaine();
        if (l.u8() == 1) {
            const std::string image = l.bloc();
            if (image.size() != TailleFichierClasse) return false;
            e.image.assign(image.begin(), image.end());
        }
        break;
    }
    case GenreEnregistrement::Sauvegarde:
        e.somme = l.u32();
        e.chemin = l.chaine();
        break;
    case GenreEnregistrement::MiseDeCote:
        e.somme = l.u32();
        e.raison = static_cast<RaisonMiseDeCote>(l.u8());
        if (static_cast<unsigned>(e.raison) > 2) return false;
        break;
    case GenreEnregistrement::Reprise:
        break;
    case GenreEnregistrement::Etape: {
        const unsigned etape = l.u8();
        if (etape > 2) return false;
        e.etape = static_cast<GenreEtape>(etape);
        e.nom = l.chaine();
        Historique::Contexte& c = e.contexte;
        for (int* v : {&c.matiere, &c.periode, &c.matiereApres, &c.periodeApres, &c.code,
                       &c.argPeriode, &c.argItem, &c.argEleve})
            *v = l.i16();
        if (!contexteValide(c)) return false;
        e.compacte = l.u8() != 0;
        if (!e.compacte && (!l.ok || !lireMorceaux(l.bloc(), e.morceaux))) return false;
        const unsigned lignes = l.u16();
        for (unsigned k = 0; k < lignes && l.ok; ++k) {
            LigneJournal ligne;
            for (std::string* t : {&ligne.eleve, &ligne.matiere, &ligne.periode, &ligne.devoir,
                                   &ligne.ancien, &ligne.nouveau})
                *t = l.chaine();
            e.lignes.push_back(std::move(ligne));
        }
        break;
    }
    }
    return l.ok && l.fini();
}

} // namespace

std::string EnTeteJournal() {
    Ecrivain e;
    e.octets(MagieJournal, 8);
    e.u32(VersionJournal);
    return std::move(e.texte());
}

std::string EncoderEnregistrement(const EnregistrementJournal& e) {
    Ecrivain c;
    c.u8(static_cast<unsigned>(e.genre));
    c.date(e.quand);
    switch (e.genre) {
    case GenreEnregistrement::Creation:
        c.u32(e.somme);
        c.chaine(e.chemin);
        c.u8(e.image.size() == TailleFichierClasse ? 1 : 0);
        if (e.image.size() == TailleFichierClasse)
            c.bloc(std::string(e.image.begin(), e.image.end()));
        break;
    case GenreEnregistrement::Sauvegarde:
        c.u32(e.somme);
        c.chaine(e.chemin);
        break;
    case GenreEnregistrement::MiseDeCote:
        c.u32(e.somme);
        c.u8(static_cast<unsigned>(e.raison));
        break;
    case GenreEnregistrement::Reprise:
        break;
    case GenreEnregistrement::Etape: {
        c.u8(static_cast<unsigned>(e.etape));
        c.chaine(e.nom);
        const Historique::Contexte& x = e.contexte;
        for (int v : {x.matiere, x.periode, x.matiereApres, x.periodeApres, x.code, x.argPeriode,
                      x.argItem, x.argEleve})
            c.i16(v);
        c.u8(e.compacte ? 1 : 0);
        if (!e.compacte) c.bloc(morceauxBruts(e.morceaux));
        const std::size_t n = e.lignes.size() > 0xFFFF ? 0xFFFF : e.lignes.size();
        c.u16(static_cast<unsigned>(n));
        for (std::size_t k = 0; k < n; ++k) {
            const LigneJournal& l = e.lignes[k];
            for (const std::string* t :
                 {&l.eleve, &l.matiere, &l.periode, &l.devoir, &l.ancien, &l.nouveau})
                c.chaine(*t);
        }
        break;
    }
    }
    const std::string& contenu = c.texte();
    Ecrivain cadre;
    cadre.u32(static_cast<std::uint32_t>(contenu.size()));
    cadre.u32(static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(contenu.data()), contenu.size())));
    cadre.octets(contenu.data(), contenu.size());
    return std::move(cadre.texte());
}

LectureJournal LireJournalOctets(const unsigned char* donnees, std::size_t taille) {
    LectureJournal r;
    r.existe = true;
    r.taille = taille;
    const std::string entete = EnTeteJournal();
    if (taille < TailleEnTeteJournal || std::memcmp(donnees, entete.data(), entete.size()) != 0)
        return r;
    std::size_t i = TailleEnTeteJournal;
    r.valides = i;
    while (taille - i >= 8) {
        Lecteur cadre(donnees + i, 8);
        const std::uint32_t longueur = cadre.u32(), somme = cadre.u32();
        if (longueur == 0 || longueur > MaxEnregistrement || longueur > taille - i - 8) break;
        const unsigned char* contenu = donnees + i + 8;
        if (crc32(0, contenu, longueur) != somme) break;
        EnregistrementJournal e;
        if (!decoder(contenu, longueur, e)) break;
        r.enregistrements.push_back(std::move(e));
        i += 8 + longueur;
        r.valides = i;
    }
    return r;
}

LectureJournal LireJournal(const std::string& chemin) {
    std::string octets;
    // The buffer is made as large as the file, not as the limit; one byte past the limit
    // tells a journal over it from one that just reaches it.
    std::size_t maximum = LimiteJournal + 1;
    if (struct stat st{}; ::stat(chemin.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
                          static_cast<std::size_t>(st.st_size) < LimiteJournal)
        maximum = static_cast<std::size_t>(st.st_size) + 1;
    if (const int code = LireFichierOrdinaire(chemin, maximum, octets)) {
        LectureJournal r;
        r.erreur = code;
        r.existe = code != ENOENT;
        return r;
    }
    LectureJournal r =
        LireJournalOctets(reinterpret_cast<const unsigned char*>(octets.data()),
                          octets.size() > LimiteJournal ? LimiteJournal : octets.size());
    // Said as the whole file, so that what was left unread is counted.
    if (octets.size() > LimiteJournal) {
        r.taille = octets.size();
        if (struct stat st{}; ::stat(chemin.c_str(), &st) == 0)
            r.taille = static_cast<std::size_t>(st.st_size);
    }
    return r;
}

std::uint32_t SommeImage(const ImageClasse& image) {
    return static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(&image), TailleFichierClasse));
}

} // namespace quillora
