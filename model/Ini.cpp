#include "Ini.h"

namespace quillora {

namespace {

bool egauxSansCasse(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
        if (x != y) return false;
    }
    return true;
}

std::string_view rogner(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

} // namespace

FichierIni FichierIni::Analyser(std::string_view texte) {
    FichierIni ini;
    Section* courante = nullptr;
    while (!texte.empty()) {
        const auto fin = texte.find('\n');
        std::string_view ligne = rogner(texte.substr(0, fin));
        texte.remove_prefix(fin == std::string_view::npos ? texte.size() : fin + 1);
        if (ligne.empty() || ligne.front() == ';') continue;
        if (ligne.front() == '[') {
            const auto ferme = ligne.find(']');
            const std::string_view nom = rogner(
                ligne.substr(1, ferme == std::string_view::npos ? ligne.size() - 1 : ferme - 1));
            courante = ini.trouver(nom);
            if (!courante) {
                ini.sections_.push_back({std::string(nom), {}});
                courante = &ini.sections_.back();
            }
            continue;
        }
        const auto egal = ligne.find('=');
        if (!courante || egal == std::string_view::npos) continue;
        const std::string_view cle = rogner(ligne.substr(0, egal));
        std::string_view valeur = rogner(ligne.substr(egal + 1));
        // Windows strips one pair of surrounding quotes from a value.
        if (valeur.size() >= 2 && valeur.front() == '"' && valeur.back() == '"')
            valeur = valeur.substr(1, valeur.size() - 2);
        bool dejaVue = false;
        for (const auto& [k, v] : courante->cles)
            if (egauxSansCasse(k, cle)) dejaVue = true;
        if (!dejaVue) courante->cles.emplace_back(std::string(cle), std::string(valeur));
    }
    return ini;
}

FichierIni::Section* FichierIni::trouver(std::string_view section) {
    for (auto& s : sections_)
        if (egauxSansCasse(s.nom, section)) return &s;
    return nullptr;
}

const FichierIni::Section* FichierIni::trouver(std::string_view section) const {
    for (const auto& s : sections_)
        if (egauxSansCasse(s.nom, section)) return &s;
    return nullptr;
}

const std::string* FichierIni::Valeur(std::string_view section, std::string_view cle) const {
    const Section* s = trouver(section);
    if (!s) return nullptr;
    for (const auto& [k, v] : s->cles)
        if (egauxSansCasse(k, cle)) return &v;
    return nullptr;
}

void FichierIni::Ecrire(std::string_view section, std::string_view cle, std::string_view valeur) {
    Section* s = trouver(section);
    if (!s) {
        sections_.push_back({std::string(section), {}});
        s = &sections_.back();
    }
    for (auto& [k, v] : s->cles)
        if (egauxSansCasse(k, cle)) {
            v = valeur;
            return;
        }
    s->cles.emplace_back(std::string(cle), std::string(valeur));
}

std::string FichierIni::Texte() const {
    std::string t;
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (i) t += '\n';
        t += '[' + sections_[i].nom + "]\n";
        for (const auto& [k, v] : sections_[i].cles) t += k + '=' + v + '\n';
    }
    return t;
}

} // namespace quillora
