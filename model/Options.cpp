#include "Options.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "FichierAtomique.h"
#include "Ini.h"
#include "Nombres.h"

namespace quillora {

namespace {
std::string& dossierSauvegardeDefaut() {
    static std::string dossier;
    return dossier;
}

TOptions defauts() {
    TOptions o;
    InitOptions(o);
    return o;
}
} // namespace

// Both start at the factory values, so that code running before the settings file is
// read (and every test) sees a complete record.
TOptions Options = defauts();
TOptions OptionsDefaut = defauts();

const std::array<char, 10> SeparateursTitre = {'-', '+', '/', '\\', '~', '|', ' ', '.', ';', ','};

bool operator==(const TOptions& a, const TOptions& b) {
    auto tab = [](const auto& x, const auto& y) {
        for (std::size_t i = 1; i <= x.size(); ++i)
            if (!(x[i] == y[i])) return false;
        return true;
    };
    return a.arrondiN == b.arrondiN && a.prenom == b.prenom && a.trait == b.trait &&
           a.majuscule == b.majuscule && a.noirblanc == b.noirblanc && a.moydiv2 == b.moydiv2 &&
           a.textebas == b.textebas && a.sauvegarde == b.sauvegarde && a.alignernb == b.alignernb &&
           a.verification == b.verification && a.imprimerAnnee == b.imprimerAnnee &&
           a.imprimerTitre == b.imprimerTitre && a.tailleid == b.tailleid &&
           a.utiliserL == b.utiliserL && a.marge == b.marge && a.centrert == b.centrert &&
           a.notemax == b.notemax && a.coefmax == b.coefmax && a.notemoy == b.notemoy &&
           a.indsep == b.indsep && tab(a.couleur, b.couleur) && a.zoomP == b.zoomP &&
           a.zoomD == b.zoomD && a.kp == b.kp && a.kd == b.kd && a.repsauve == b.repsauve &&
           tab(a.liste, b.liste) && a.polname == b.polname && tab(a.cores, b.cores) &&
           a.polstyle == b.polstyle && a.relief == b.relief;
}

void InitOptions(TOptions& o) {
    o = TOptions{};
    constexpr Couleur noir = 0x000000, rouge = 0x0000FF, argent = 0xC0C0C0, blanc = 0xFFFFFF,
                      jaune = 0x00FFFF;
    const Couleur couleurs[12] = {noir,  noir, argent, noir, noir,  noir,
                                  rouge, noir, rouge,  noir, blanc, jaune};
    for (int i = 1; i <= 12; ++i) o.couleur[i] = couleurs[i - 1];
    o.repsauve = dossierSauvegardeDefaut();
    for (int i = 1; i <= 3; ++i) o.liste[i].clear();
    o.polname = "Arial";
    static const CorrespondanceLettre lettres[15] = {
        {"A+", 20},   {"A", 19},   {"A-", 18},  {"B+", 17.5}, {"B", 15},
        {"B-", 13.5}, {"C+", 12},  {"C", 10.5}, {"C-", 9},    {"D+", 7.5},
        {"D", 6},     {"D-", 4.5}, {"E+", 3},   {"E", 1.5},   {"E-", 0}};
    for (int i = 1; i <= 15; ++i) o.cores[i] = lettres[i - 1];
    o.polstyle = {};
    o.relief = 1;
}

namespace {

struct CleBool {
    const char* nom;
    bool TOptions::*champ;
};

const CleBool ClesBooleennes[] = {
    {"arrondiN", &TOptions::arrondiN},
    {"prenom", &TOptions::prenom},
    {"trait", &TOptions::trait},
    {"majuscule", &TOptions::majuscule},
    {"noirblanc", &TOptions::noirblanc},
    {"moydiv2", &TOptions::moydiv2},
    {"textebas", &TOptions::textebas},
    {"sauvegarde", &TOptions::sauvegarde},
    {"alignernb", &TOptions::alignernb},
    {"verification", &TOptions::verification},
    {"imprimerAnnee", &TOptions::imprimerAnnee},
    {"imprimerTitre", &TOptions::imprimerTitre},
    {"tailleid", &TOptions::tailleid},
    {"utiliserL", &TOptions::utiliserL},
    {"marge", &TOptions::marge},
    {"centrert", &TOptions::centrert},
};

struct CleOctet {
    const char* nom;
    std::uint8_t TOptions::*champ;
};

// In this order in the file: coefmax before notemax, the reverse of the record.
const CleOctet ClesOctets[] = {{"coefmax", &TOptions::coefmax},
                               {"notemax", &TOptions::notemax},
                               {"notemoy", &TOptions::notemoy},
                               {"indsep", &TOptions::indsep}};

struct CleReel {
    const char* nom;
    double TOptions::*champ;
};

const CleReel ClesReelles[] = {{"zoomP", &TOptions::zoomP},
                               {"zoomD", &TOptions::zoomD},
                               {"kp", &TOptions::kp},
                               {"kd", &TOptions::kd}};

std::string numero(const char* cle, int i) {
    return cle + std::to_string(i);
}

std::string couper(std::string s, std::size_t n) {
    if (s.size() > n) s.resize(n);
    return s;
}

} // namespace

std::string TexteOptions(const TOptions& o, char separateur) {
    FichierIni ini;
    for (const auto& c : ClesBooleennes) ini.Ecrire("Boolean", c.nom, o.*c.champ ? "1" : "0");
    for (const auto& c : ClesOctets) ini.Ecrire("Divers", c.nom, std::to_string(o.*c.champ));
    for (int i = 1; i <= 12; ++i)
        ini.Ecrire("Divers", numero("couleur", i),
                   std::to_string(static_cast<std::int32_t>(o.couleur[i])));
    for (const auto& c : ClesReelles)
        ini.Ecrire("Divers", c.nom, EcrireReelGeneral(o.*c.champ, separateur));
    ini.Ecrire("Divers", "repsauve", o.repsauve);
    for (int i = 1; i <= 3; ++i) ini.Ecrire("Divers", numero("liste", i), o.liste[i]);
    ini.Ecrire("Divers", "polname", o.polname);
    for (int i = 1; i <= 15; ++i) {
        ini.Ecrire("Correspondance", numero("coresV", i),
                   EcrireReelGeneral(o.cores[i].coresV, separateur));
        ini.Ecrire("Correspondance", numero("coresL", i), o.cores[i].coresL);
    }
    ini.Ecrire("Autre", "polstyleB", o.polstyle.gras ? "1" : "0");
    ini.Ecrire("Autre", "polstyleI", o.polstyle.italique ? "1" : "0");
    ini.Ecrire("Autre", "polstyleU", o.polstyle.souligne ? "1" : "0");
    ini.Ecrire("Autre", "relief", std::to_string(o.relief));
    return ini.Texte();
}

void DefinirDossierDocuments(const std::string& documents) {
    std::string dossier = documents;
    if (!dossier.empty() && dossier.back() != '/') dossier += '/';
    dossierSauvegardeDefaut() = dossier + "Sauvegardes Quillora";
    OptionsDefaut.repsauve = dossierSauvegardeDefaut();
}

bool DossierSauvegardePossible(const std::string& dossier) {
    const bool lecteur =
        dossier.size() >= 2 && dossier[1] == ':' &&
        ((dossier[0] >= 'A' && dossier[0] <= 'Z') || (dossier[0] >= 'a' && dossier[0] <= 'z'));
    return !dossier.empty() && !lecteur;
}

TOptions OptionsDepuisTexte(std::string_view texte, char separateur, const TOptions& defaut) {
    const FichierIni ini = FichierIni::Analyser(texte);
    TOptions o = defaut;

    auto entier = [&](const char* section, const std::string& cle, long long& v) {
        const std::string* t = ini.Valeur(section, cle);
        return t && LireEntier(*t, v);
    };
    auto booleen = [&](const char* section, const std::string& cle, bool parDefaut) {
        long long v;
        return entier(section, cle, v) ? v != 0 : parDefaut;
    };
    auto reel = [&](const char* section, const std::string& cle, double parDefaut) {
        const std::string* t = ini.Valeur(section, cle);
        double v;
        return t && LireDecimal(*t, separateur, v) ? v : parDefaut;
    };
    auto texteOu = [&](const char* section, const std::string& cle, const std::string& parDefaut,
                       std::size_t longueur) {
        const std::string* t = ini.Valeur(section, cle);
        return couper(t ? *t : parDefaut, longueur);
    };

    for (const auto& c : ClesBooleennes) o.*c.champ = booleen("Boolean", c.nom, defaut.*c.champ);
    for (const auto& c : ClesOctets) {
        long long v;
        // The record holds a byte and the title separators are ten: anything else is a
        // damaged file and takes the default.
        const long long max = c.champ == &TOptions::indsep ? 9 : 255;
        if (entier("Divers", c.nom, v) && v >= 0 && v <= max)
            o.*c.champ = static_cast<std::uint8_t>(v);
    }
    for (int i = 1; i <= 12; ++i) {
        long long v;
        if (entier("Divers", numero("couleur", i), v) && v >= INT32_MIN && v <= UINT32_MAX)
            o.couleur[i] = static_cast<Couleur>(v);
    }
    // Size factors: the sheet drawn at no size, or turned inside out, is a damaged file.
    for (const auto& c : ClesReelles)
        if (const double v = reel("Divers", c.nom, defaut.*c.champ); v > 0) o.*c.champ = v;
    o.repsauve = texteOu("Divers", "repsauve", defaut.repsauve, 255);
    // Written back on quitting: the file then names the folder the copies really go to.
    if (!DossierSauvegardePossible(o.repsauve)) o.repsauve = defaut.repsauve;
    for (int i = 1; i <= 3; ++i) o.liste[i] = texteOu("Divers", numero("liste", i), "", 255);
    o.polname = texteOu("Divers", "polname", defaut.polname, 32);
    for (int i = 1; i <= 15; ++i) {
        o.cores[i].coresV = reel("Correspondance", numero("coresV", i), defaut.cores[i].coresV);
        o.cores[i].coresL =
            texteOu("Correspondance", numero("coresL", i), defaut.cores[i].coresL, 2);
    }
    o.polstyle.gras = booleen("Autre", "polstyleB", false);
    o.polstyle.italique = booleen("Autre", "polstyleI", false);
    o.polstyle.souligne = booleen("Autre", "polstyleU", false);
    long long relief;
    o.relief = entier("Autre", "relief", relief) && relief >= 0 && relief <= 2
                   ? static_cast<std::uint8_t>(relief)
                   : 0;
    return o;
}

void AjouterFichierRecent(const std::string& nom) {
    const std::string cite = nom.size() > 255 ? nom.substr(0, 255) : nom;
    auto& l = Options.liste;
    for (int i = 1; i <= 3; ++i)
        if (l[i] == cite) {
            // The former first entry takes the place the name leaves.
            l[i] = l[1];
            l[1] = cite;
            return;
        }
    l[3] = l[2];
    l[2] = l[1];
    l[1] = cite;
}

namespace {
std::string programmeLanceur;
}

void PrendreCheminProgramme() {
    if (const char* v = std::getenv(VariableProgramme); v && *v) programmeLanceur = v;
    ::unsetenv(VariableProgramme);
}

std::string CheminProgramme() {
    if (!programmeLanceur.empty()) return programmeLanceur;
    std::error_code ec;
    const std::filesystem::path soi = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("quillora") : soi.string();
}

std::string NomFichierOptions() {
    namespace fs = std::filesystem;
    fs::path programme = CheminProgramme();
    fs::path beside = programme;
    beside.replace_extension(".ini");
    const fs::path dossier = programme.parent_path();
    if (!dossier.empty() && ::access(dossier.c_str(), W_OK) == 0) return beside.string();
    // An installed program's folder is read-only: the user's configuration folder then.
    fs::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        config = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        config = fs::path(home) / ".config";
    else
        config = fs::temp_directory_path();
    return (config / "quillora" / beside.filename()).string();
}

ResultatEcriture EcrireOptions(const std::string& chemin, char separateur) {
    std::error_code ec;
    const auto dossier = std::filesystem::path(chemin).parent_path();
    if (!dossier.empty()) std::filesystem::create_directories(dossier, ec);
    const std::string texte = TexteOptions(Options, separateur);
    std::string raison;
    if (!EcrireFichierAtomique(chemin, texte.data(), texte.size(), raison))
        return {false, "Impossible d'enregistrer les options dans \"" + chemin + "\". " + raison};
    return {};
}

ResultatEcriture LireOptions(const std::string& chemin, char separateur, bool creer) {
    // A settings file is a few kilobytes; anything above this bound is not one, and
    // reading it (or a device that never ends) would only hold up the start.
    constexpr std::size_t tailleMaximale = 1 << 20;
    std::string texte;
    const int code = LireFichierOrdinaire(chemin, tailleMaximale + 1, texte);
    if (code == ENOENT) {
        InitOptions(Options);
        return creer ? EcrireOptions(chemin, separateur) : ResultatEcriture{};
    }
    // What cannot be a settings file counts as none, but is not overwritten at start.
    if (code != 0 || texte.size() > tailleMaximale) {
        InitOptions(Options);
        return {};
    }
    Options = OptionsDepuisTexte(texte, separateur, OptionsDefaut);
    return {};
}

} // namespace quillora
