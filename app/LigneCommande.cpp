#include "LigneCommande.h"

#include <iostream>

#include "Classe.h"
#include "Cp1252.h"
#include "Options.h"

namespace quillora {

const char* const TexteVersion = "Quillora 4.0";

const char* const TexteUsage =
    "Usage :\n"
    "  quillora [FICHIER.cl3] [--config FICHIER.ini]\n"
    "  quillora --exporter FICHIER.cl3 [--vue S,P] [--config FICHIER.ini]\n"
    "  quillora --pdf FICHIER.cl3 SORTIE.pdf [--vue S,P] [--config FICHIER.ini]\n"
    "  quillora --classement FICHIER.cl3 [--vue S,P] [--sans-absents] [--config FICHIER.ini]\n"
    "  quillora --version\n"
    "S : matière 1 à 3, ou 4 pour la synthèse ; P : période 1 à 3, ou 4 pour l'année.\n";

namespace {

std::optional<Vue> lireVue(const std::string& t) {
    if (t.size() != 3 || t[1] != ',') return std::nullopt;
    const int s = t[0] - '0', p = t[2] - '0';
    if (s < 1 || s > 4 || p < 1 || p > 4) return std::nullopt;
    return Vue{s, p};
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
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto valeur = [&](const char* option) -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            (void)option;
            return args[++i];
        };
        if (a == "--version") {
            l.mode = ModeLancement::Version;
        } else if (a == "--exporter" || a == "--pdf" || a == "--classement") {
            if (l.mode != ModeLancement::Fenetre && l.mode != ModeLancement::Version)
                return erreur("une seule des options --exporter, --pdf et --classement à la fois");
            l.mode = a == "--exporter" ? ModeLancement::Exporter
                     : a == "--pdf"    ? ModeLancement::Pdf
                                       : ModeLancement::Classement;
        } else if (a == "--sans-absents") {
            l.sansAbsents = true;
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
    switch (l.mode) {
    case ModeLancement::Version:
        break;
    case ModeLancement::Exporter:
    case ModeLancement::Classement:
        if (positionnels.size() != 1)
            return erreur(
                std::string(l.mode == ModeLancement::Exporter ? "--exporter" : "--classement") +
                " attend un seul fichier de classe");
        l.fichier = positionnels[0];
        break;
    case ModeLancement::Pdf:
        if (positionnels.size() != 2)
            return erreur("--pdf attend un fichier de classe et un fichier PDF");
        l.fichier = positionnels[0];
        l.sortie = positionnels[1];
        break;
    default:
        if (l.vue) return erreur("--vue ne s'emploie qu'avec --exporter, --pdf ou --classement");
        l.autres = positionnels;
        break;
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

int ExecuterExport(const Lancement& l, char separateur, std::ostream& sortie,
                   std::ostream& erreurs) {
    TClasse classe;
    if (const int code = PreparerClasse(l, separateur, classe, erreurs)) return code;
    std::string texte =
        Utf8DepuisCp1252(TexteExport(classe, classe.MatiereCourante, classe.PeriodeCourante));
    for (char& c : texte)
        if (c == '\r') c = '\n';
    texte += '\n';
    sortie << texte;
    sortie.flush();
    return sortie ? 0 : 1;
}

std::optional<int> ExecuterSansFenetre(const Lancement& l, char separateur) {
    switch (l.mode) {
    case ModeLancement::Version:
        std::cout << TexteVersion << '\n';
        return 0;
    case ModeLancement::Exporter:
        return ExecuterExport(l, separateur, std::cout, std::cerr);
    case ModeLancement::Classement:
        return ExecuterClassement(l, separateur, std::cout, std::cerr);
    case ModeLancement::Erreur:
        std::cerr << "quillora : " << l.erreur << "\n\n" << TexteUsage;
        return 2;
    default:
        return std::nullopt;
    }
}

} // namespace quillora
