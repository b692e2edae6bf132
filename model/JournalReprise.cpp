#include "JournalReprise.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include "FichierAtomique.h"
#include "Journal.h"
#include "JournalTexte.h"

namespace quillora {

namespace {

std::string dossierDe(const std::string& chemin) {
    const auto i = chemin.rfind('/');
    if (i == std::string::npos) return ".";
    return i == 0 ? "/" : chemin.substr(0, i);
}

std::string nomDe(const std::string& chemin) {
    const auto i = chemin.rfind('/');
    return i == std::string::npos ? chemin : chemin.substr(i + 1);
}

bool existe(const std::string& chemin) {
    struct stat st {};
    return ::lstat(chemin.c_str(), &st) == 0;
}

} // namespace

std::string JournalDansEtat(const std::string& cheminClasse, const std::string& dossierEtat) {
    // The full path tells apart two classes of the same name in different folders.
    std::string complet = cheminClasse;
    if (char* r = ::realpath(cheminClasse.c_str(), nullptr)) {
        complet = r;
        std::free(r);
    }
    char somme[16];
    std::snprintf(somme, sizeof somme, "%08lx",
                  crc32(0, reinterpret_cast<const Bytef*>(complet.data()), complet.size()));
    return dossierEtat + "/journaux/" + nomDe(cheminClasse) + "-" + somme + ".journal";
}

namespace {

// Another program holds the journal's lock: it is that program's, in use.
bool verrouille(const std::string& chemin) {
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    struct stat st {};
    const bool pris = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                      ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return pris;
}

std::string modifications(std::size_t n) {
    return n == 1 ? "la modification" : "les " + std::to_string(n) + " modifications";
}

// "faites le 5 décembre 2026 entre 14 h 03 et 14 h 27", or what fits one step or several days.
std::string periode(std::size_t n, const DateHeure& a, const DateHeure& b) {
    const bool memeJour = a.annee == b.annee && a.mois == b.mois && a.jour == b.jour;
    if (n == 1 || (memeJour && a.heure == b.heure && a.minute == b.minute))
        return std::string(n == 1 ? "faite" : "faites") + " le " + DateLongue(a) + " à " +
               HeureTexte(a);
    if (memeJour)
        return "faites le " + DateLongue(a) + " entre " + HeureTexte(a) + " et " + HeureTexte(b);
    return "faites entre le " + DateLongue(a) + " à " + HeureTexte(a) + " et le " + DateLongue(b) +
           " à " + HeureTexte(b);
}

struct Bornes {
    std::size_t n = 0;
    DateHeure premiere, derniere;
};

Bornes bornes(const LectureJournal& l, const EtatReprise& r) {
    Bornes b;
    const auto& e = l.enregistrements;
    b.n = r.etapes.size() + (r.nouvelle ? 1 : 0);
    if (r.nouvelle) b.premiere = b.derniere = e[r.marque].quand;
    if (!r.etapes.empty()) {
        if (!r.nouvelle) b.premiere = e[r.etapes.front()].quand;
        b.derniere = e[r.etapes.back()].quand;
    }
    return b;
}

std::string octets(std::size_t n) {
    return std::to_string(n) + (n > 1 ? " octets" : " octet");
}

} // namespace

std::string DossierEtatParDefaut() {
    if (const char* x = std::getenv("XDG_STATE_HOME"); x && x[0] == '/')
        return std::string(x) + "/quillora";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/.local/state/quillora";
}

std::string DossierNouvelles(const std::string& dossierEtat) {
    return dossierEtat + "/nouvelles";
}

bool CreerDossiers(const std::string& dossier) {
    for (std::size_t i = 1; i <= dossier.size(); ++i)
        if (i == dossier.size() || dossier[i] == '/') {
            const std::string partie = dossier.substr(0, i);
            if (::mkdir(partie.c_str(), 0700) != 0 && errno != EEXIST) return false;
        }
    struct stat st {};
    return ::stat(dossier.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string TrouverJournal(const std::string& cheminClasse, const std::string& dossierEtat) {
    if (const std::string a = cheminClasse + ".journal"; existe(a)) return a;
    if (const std::string e = JournalDansEtat(cheminClasse, dossierEtat); existe(e)) return e;
    return {};
}

std::string JournalPour(const std::string& cheminClasse, const std::string& dossierEtat) {
    const std::string acote = cheminClasse + ".journal";
    const bool ecrivable = existe(acote) ? ::access(acote.c_str(), W_OK) == 0
                                         : ::access(dossierDe(cheminClasse).c_str(), W_OK) == 0;
    return ecrivable ? acote : JournalDansEtat(cheminClasse, dossierEtat);
}

std::string JournalNouvelleClasse(const std::string& dossierEtat) {
    static int compteur = 0;
    const DateHeure d = Maintenant();
    char nom[96];
    std::snprintf(nom, sizeof nom, "/classe-%04d%02d%02d-%02d%02d%02d-%d-%d.journal", d.annee,
                  d.mois, d.jour, d.heure, d.minute, d.seconde, static_cast<int>(::getpid()),
                  ++compteur);
    return DossierNouvelles(dossierEtat) + nom;
}

EtatReprise AnalyserReprise(const LectureJournal& l) {
    EtatReprise r;
    const auto& e = l.enregistrements;
    for (std::size_t i = 0; i < e.size(); ++i) {
        switch (e[i].genre) {
        case GenreEnregistrement::Etape:
            if (r.marque != EtatReprise::Aucune) r.etapes.push_back(i);
            break;
        case GenreEnregistrement::Reprise:
            break;
        default:
            r.marque = i;
            r.somme = e[i].somme;
            r.nouvelle = e[i].genre == GenreEnregistrement::Creation && !e[i].image.empty();
            r.etapes.clear();
        }
    }
    return r;
}

bool AppliquerEtape(ImageClasse& image, const EnregistrementJournal& e) {
    if (e.genre != GenreEnregistrement::Etape || e.compacte) return false;
    auto* b = reinterpret_cast<unsigned char*>(&image);
    for (const Historique::Morceau& m : e.morceaux)
        if (std::memcmp(b + m.debut, m.avant.data(), m.avant.size()) != 0) return false;
    auto essai = std::make_unique<TClasse>();
    auto* c = reinterpret_cast<unsigned char*>(&essai->Image());
    std::memcpy(c, b, TailleFichierClasse);
    for (const Historique::Morceau& m : e.morceaux)
        std::memcpy(c + m.debut, m.apres.data(), m.apres.size());
    // The checks of a class file read from disk: a step that passed its checksum may still
    // come from a damaged or foreign journal.
    if (!essai->ChargerOctets(c, TailleFichierClasse, {})) return false;
    std::memcpy(b, c, TailleFichierClasse);
    return true;
}

JournalPrepare PreparerJournal(const std::string& chemin, const std::string& nomClasse) {
    JournalPrepare r;
    r.chemin = chemin;
    if (!existe(chemin)) return r;
    if (verrouille(chemin)) {
        r.occupe = true;
        return r;
    }
    const std::string nom = nomDe(chemin);
    r.lecture = LireJournal(chemin);
    if (r.lecture.erreur) {
        const std::string deCote = MettreJournalDeCote(chemin, "illisible");
        r.lecture = {};
        if (deCote.empty()) {
            r.chemin.clear();
            r.messages.push_back("Le journal des modifications «\u00a0" + nom +
                                 "\u00a0» ne peut pas être lu ni déplacé : les modifications de " +
                                 nomClasse + " ne seront pas journalisées ici.");
        } else {
            r.messages.push_back("«\u00a0" + nom +
                                 "\u00a0» n'est pas un fichier de journal lisible (un dossier, un "
                                 "tube ou un fichier protégé). Il a été mis de côté sous le nom "
                                 "«\u00a0" +
                                 nomDe(deCote) + "\u00a0» et un nouveau journal commence.");
        }
        return r;
    }
    if (r.lecture.Complet()) return r;

    const std::size_t perdus = r.lecture.taille - r.lecture.valides;
    const std::string deCote = MettreJournalDeCote(chemin, "endommage");
    if (deCote.empty()) {
        // Appending after bytes the reader stops at would hide every new step: this
        // journal is left as it is and another one is used.
        r.chemin.clear();
        r.messages.push_back("Le journal des modifications de " + nomClasse +
                             " est abîmé et ne peut pas être mis de côté : les modifications "
                             "ne seront pas journalisées ici.");
        return r;
    }
    const std::size_t gardes = r.lecture.enregistrements.size();
    if (gardes > 0) {
        std::string prefixe = EnTeteJournal();
        for (const EnregistrementJournal& e : r.lecture.enregistrements)
            prefixe += EncoderEnregistrement(e);
        std::string raison;
        if (!EcrireFichierAtomique(chemin, prefixe.data(), prefixe.size(), raison)) r.lecture = {};
    }
    std::string texte;
    if (r.lecture.valides == 0)
        texte =
            "«\u00a0" + nom +
            "\u00a0» n'est pas un journal de Quillora (un fichier abîmé, ou d'un autre programme).";
    else if (r.lecture.taille > LimiteJournal)
        texte = "Le journal des modifications de " + nomClasse +
                " dépasse sa taille maximale de 64 Mo : sa fin (" + octets(perdus) +
                ") n'a pas été lue.";
    else
        texte = "Le journal des modifications de " + nomClasse + " était abîmé : sa fin (" +
                octets(perdus) + ") n'a pas pu être lue, sans doute une modification " +
                "interrompue.";
    texte +=
        " Le journal tel qu'il était a été gardé sous le nom «\u00a0" + nomDe(deCote) + "\u00a0»";
    texte += gardes > 0 && r.lecture.existe ? " ; tout ce qui précède l'endroit abîmé est conservé."
                                            : " et un nouveau journal commence.";
    r.messages.push_back(texte);
    return r;
}

std::string QuestionReprise(const std::string& nom, const LectureJournal& l, const EtatReprise& r) {
    const Bornes b = bornes(l, r);
    const std::string suite =
        "Récupérer " + modifications(b.n) + " " + periode(b.n, b.premiere, b.derniere) + " ?";
    if (r.nouvelle)
        return "Nouvelle classe non enregistrée («\u00a0" + nom +
               "\u00a0») : Quillora a été interrompu avant de l'enregistrer. " + suite;
    return "Quillora a été interrompu avant d'enregistrer " + nom + ". " + suite;
}

std::string MessageFichierDifferent(const std::string& nom, const LectureJournal& l,
                                    const EtatReprise& r) {
    const Bornes b = bornes(l, r);
    return "Le fichier " + nom +
           " ne correspond plus à son dernier enregistrement par Quillora : il a été modifié par "
           "un autre programme, ou remplacé par une copie. Il est ouvert tel qu'il est ; " +
           modifications(b.n) + " " + periode(b.n, b.premiere, b.derniere) +
           " après cet enregistrement " + (b.n > 1 ? "ont été mises" : "a été mise") +
           " de côté dans le journal des modifications.";
}

std::vector<std::string> JournauxEnAttente(const std::string& dossierEtat) {
    std::vector<std::string> r;
    const std::string dossier = DossierNouvelles(dossierEtat);
    DIR* d = ::opendir(dossier.c_str());
    if (!d) return r;
    while (const dirent* f = ::readdir(d)) {
        const std::string nom = f->d_name;
        if (nom.size() < 9 || nom.compare(nom.size() - 8, 8, ".journal") != 0) continue;
        const std::string chemin = dossier + "/" + nom;
        struct stat st {};
        if (::lstat(chemin.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || verrouille(chemin))
            continue;
        if (AnalyserReprise(LireJournal(chemin)).nouvelle) r.push_back(chemin);
    }
    ::closedir(d);
    std::sort(r.begin(), r.end());
    return r;
}

} // namespace quillora
