#include "LigneCommande.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <iostream>
#include <string_view>
#include <unistd.h>

#include "Classe.h"
#include "Cp1252.h"
#include "FichierAtomique.h"
#include "Options.h"

namespace quillora {

const char* const TexteVersion = "Quillora 4.0";

const char* const TexteUsage =
    "Usage :\n"
    "  quillora [FICHIER.cl3] [--config FICHIER.ini]\n"
    "  quillora --exporter FICHIER.cl3 [--vue S,P] [--config FICHIER.ini]\n"
    "  quillora --pdf FICHIER.cl3 SORTIE.pdf [--vue S,P] [--config FICHIER.ini]\n"
    "  quillora --classement FICHIER.cl3 [--vue S,P] [--sans-absents] [--config FICHIER.ini]\n"
    "  quillora --tableur FICHIER.cl3 SORTIE.xlsx [--config FICHIER.ini]\n"
    "  quillora --journal FICHIER.cl3\n"
    "  quillora --comparer AVANT.cl3 APRES.cl3 [--config FICHIER.ini]\n"
    "  quillora --releves FICHIER.cl3 SORTIE.pdf [--periode P] [--eleves 1,3,7] [--rangs]\n"
    "           [--config FICHIER.ini]\n"
    "  quillora --version\n"
    "S : matière 1 à 3, ou 4 pour la synthèse ; P : période 1 à 3, ou 4 pour l'année.\n"
    "Après --, chaque argument est un nom de fichier, même s'il commence par un tiret.\n";

namespace {

std::optional<Vue> lireVue(const std::string& t) {
    if (t.size() != 3 || t[1] != ',') return std::nullopt;
    const int s = t[0] - '0', p = t[2] - '0';
    if (s < 1 || s > 4 || p < 1 || p > 4) return std::nullopt;
    return Vue{s, p};
}

// The modes that work on a class file without a window, with the files each one takes.
struct ModeFichier {
    const char* option;
    ModeLancement mode;
    std::size_t fichiers;
    const char* attendu;
};

constexpr ModeFichier ModesFichier[] = {
    {"--exporter", ModeLancement::Exporter, 1, "--exporter attend un seul fichier de classe"},
    {"--pdf", ModeLancement::Pdf, 2, "--pdf attend un fichier de classe et un fichier PDF"},
    {"--classement", ModeLancement::Classement, 1, "--classement attend un seul fichier de classe"},
    {"--tableur", ModeLancement::Tableur, 2,
     "--tableur attend un fichier de classe et un fichier de classeur"},
    {"--journal", ModeLancement::Journal, 1, "--journal attend un seul fichier de classe"},
    {"--comparer", ModeLancement::Comparer, 2, "--comparer attend deux fichiers de classe"},
    {"--releves", ModeLancement::Releves, 2,
     "--releves attend un fichier de classe et un fichier PDF"},
};

// "1,3,7": student numbers 1 to 45, each once; empty when the list is not one.
std::vector<int> lireEleves(const std::string& t) {
    std::vector<int> eleves;
    std::size_t i = 0;
    while (i <= t.size()) {
        const std::size_t fin = std::min(t.find(',', i), t.size());
        const std::string n = t.substr(i, fin - i);
        if (n.empty() || n.size() > 2 || n.find_first_not_of("0123456789") != std::string::npos)
            return {};
        const int e = std::stoi(n);
        if (e < 1 || e > MaxEleves || std::find(eleves.begin(), eleves.end(), e) != eleves.end())
            return {};
        eleves.push_back(e);
        i = fin + 1;
    }
    return eleves;
}

const ModeFichier* modeFichier(std::string_view option) {
    for (const ModeFichier& m : ModesFichier)
        if (option == m.option) return &m;
    return nullptr;
}

const ModeFichier* modeFichier(ModeLancement mode) {
    for (const ModeFichier& m : ModesFichier)
        if (mode == m.mode) return &m;
    return nullptr;
}

Lancement erreur(std::string message) {
    Lancement l;
    l.mode = ModeLancement::Erreur;
    l.erreur = std::move(message);
    return l;
}

} // namespace

Lancement AnalyserLigneCommande(const std::vector<std::string>& args) {
    Lancement l;
    std::vector<std::string> positionnels;
    bool options = true; // until "--": what follows it are file names, dashes or not
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!options || a == "--") {
            if (!options) positionnels.push_back(a);
            options = false;
            continue;
        }
        auto valeur = [&](const char* option) -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            (void)option;
            return args[++i];
        };
        if (a == "--version") {
            l.mode = ModeLancement::Version;
        } else if (const ModeFichier* m = modeFichier(a)) {
            if (modeFichier(l.mode)) {
                std::string options;
                for (const ModeFichier& autre : ModesFichier)
                    options += std::string(options.empty() ? "" : ", ") + autre.option;
                return erreur("une seule de ces options à la fois : " + options);
            }
            l.mode = m->mode;
        } else if (a == "--sans-absents") {
            l.sansAbsents = true;
        } else if (a == "--rangs") {
            l.rangs = true;
        } else if (a == "--periode") {
            const auto v = valeur("--periode");
            if (!v) return erreur("--periode attend P");
            if (v->size() != 1 || (*v)[0] < '1' || (*v)[0] > '4')
                return erreur("période « " + *v + " » invalide : 1 à 3, ou 4 pour l'année");
            l.periode = (*v)[0] - '0';
        } else if (a == "--eleves") {
            const auto v = valeur("--eleves");
            if (!v) return erreur("--eleves attend des numéros d'élèves");
            l.eleves = lireEleves(*v);
            if (l.eleves.empty())
                return erreur(
                    "élèves « " + *v +
                    " » invalides : des numéros de 1 à 45, chacun une fois, séparés par des "
                    "virgules");
        } else if (a == "--vue") {
            const auto v = valeur("--vue");
            if (!v) return erreur("--vue attend S,P");
            l.vue = lireVue(*v);
            if (!l.vue) return erreur("vue « " + *v + " » invalide : S,P avec S et P de 1 à 4");
        } else if (a == "--config") {
            const auto v = valeur("--config");
            if (!v || v->empty()) return erreur("--config attend un nom de fichier");
            l.config = *v;
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return erreur("option inconnue « " + a + " »");
        } else {
            positionnels.push_back(a);
        }
    }
    if (l.sansAbsents && l.mode != ModeLancement::Classement)
        return erreur("--sans-absents ne s'emploie qu'avec --classement");
    if ((l.periode || !l.eleves.empty() || l.rangs) && l.mode != ModeLancement::Releves)
        return erreur("--periode, --eleves et --rangs ne s'emploient qu'avec --releves");
    if (const ModeFichier* m = modeFichier(l.mode)) {
        if (positionnels.size() != m->fichiers) return erreur(m->attendu);
        l.fichier = positionnels[0];
        if (m->fichiers > 1) l.sortie = positionnels[1];
        // The workbook holds every view: a view to choose would mean nothing.
        if ((l.mode == ModeLancement::Tableur || l.mode == ModeLancement::Journal ||
             l.mode == ModeLancement::Comparer || l.mode == ModeLancement::Releves) &&
            l.vue)
            return erreur("--vue ne s'emploie qu'avec --exporter, --pdf ou --classement");
    } else if (l.mode != ModeLancement::Version) {
        if (l.vue) return erreur("--vue ne s'emploie qu'avec --exporter, --pdf ou --classement");
        l.autres = positionnels;
    }
    return l;
}

std::string FichierOptionsDe(const Lancement& l) {
    return l.config ? *l.config : NomFichierOptions();
}

int PreparerClasse(const Lancement& l, char separateur, TClasse& classe, std::ostream& erreurs) {
    LireOptions(FichierOptionsDe(l), separateur, false);
    classe.Initialiser();
    classe.NomFichier = l.fichier;
    if (const Resultat r = classe.Charger(); !r) {
        erreurs << r.erreur << '\n';
        return 1;
    }
    classe.NormaliserNoms();

    const Vue vue = l.vue.value_or(Vue{classe.MatiereCourante, classe.PeriodeCourante});
    if ((vue.matiere != 4 && vue.matiere > classe.NbMatiere) ||
        (vue.periode != 4 && vue.periode > classe.NbPeriode)) {
        erreurs << "La vue " << vue.matiere << ',' << vue.periode
                << " n'existe pas dans cette classe (" << int(classe.NbMatiere)
                << (classe.NbMatiere > 1 ? " matières, " : " matière, ") << int(classe.NbPeriode)
                << (classe.NbPeriode == 2 ? " semestres).\n" : " trimestres).\n");
        return 2;
    }
    classe.MatiereCourante = static_cast<std::uint8_t>(vue.matiere);
    classe.PeriodeCourante = static_cast<std::uint8_t>(vue.periode);
    return 0;
}

int ExecuterExport(const Lancement& l, char separateur, int sortie, std::ostream& erreurs) {
    TClasse classe;
    if (const int code = PreparerClasse(l, separateur, classe, erreurs)) return code;
    std::string texte =
        Utf8DepuisCp1252(TexteExport(classe, classe.MatiereCourante, classe.PeriodeCourante));
    for (char& c : texte)
        if (c == '\r') c = '\n';
    texte += '\n';
    // Written by hand rather than through a stream, which loses the system's reason.
    for (std::size_t ecrits = 0; ecrits < texte.size();) {
        const ssize_t n = ::write(sortie, texte.data() + ecrits, texte.size() - ecrits);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            erreurs << "Impossible d'écrire la table : " << RaisonSysteme(n < 0 ? errno : ENOSPC)
                    << '\n';
            return 1;
        }
        ecrits += static_cast<std::size_t>(n);
    }
    return 0;
}

int VerifierSortie(const std::string& classe, const std::string& sortie, std::ostream& erreurs) {
    const std::string raison = RaisonSortieInterdite(classe, sortie);
    if (raison.empty()) return 0;
    erreurs << "Impossible de créer le fichier \"" << sortie << "\". " << raison << '\n';
    return 2;
}

int VerifierSortie(const Lancement& l, std::ostream& erreurs) {
    return VerifierSortie(l.fichier, l.sortie, erreurs);
}

void ProtegerDescripteursStandard() {
    // A descriptor left free among 0, 1, 2 would be handed to the next file opened, and a
    // message meant for the terminal would land in it. Read-only /dev/null takes its
    // place, so that writing to a closed output still fails, as it should.
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF) {
            const int nul = ::open("/dev/null", O_RDONLY);
            if (nul >= 0 && nul != fd) {
                ::dup2(nul, fd);
                ::close(nul);
            }
        }
}

std::optional<int> ExecuterSansFenetre(const Lancement& l, char separateur) {
    switch (l.mode) {
    case ModeLancement::Version:
        std::cout << TexteVersion << '\n';
        return 0;
    case ModeLancement::Exporter:
        return ExecuterExport(l, separateur, STDOUT_FILENO, std::cerr);
    case ModeLancement::Classement:
        return ExecuterClassement(l, separateur, std::cout, std::cerr);
    case ModeLancement::Journal:
        return ExecuterJournal(l, std::cout, std::cerr);
    case ModeLancement::Comparer:
        return ExecuterComparaison(l, separateur, std::cout, std::cerr);
    case ModeLancement::Erreur:
        std::cerr << "quillora : " << l.erreur << "\n\n" << TexteUsage;
        return 2;
    default:
        return std::nullopt;
    }
}

} // namespace quillora
