#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillora {

// A profile (ini) file held in memory. Section and key names compare without regard to
// case, as Windows profile files do; the first of two equal keys wins.
class FichierIni {
public:
    static FichierIni Analyser(std::string_view texte);

    // Null when the key is absent.
    const std::string* Valeur(std::string_view section, std::string_view cle) const;

    // Writing keeps the order of first appearance of sections and keys.
    void Ecrire(std::string_view section, std::string_view cle, std::string_view valeur);
    std::string Texte() const;

private:
    struct Section {
        std::string nom;
        std::vector<std::pair<std::string, std::string>> cles;
    };
    Section* trouver(std::string_view section);
    const Section* trouver(std::string_view section) const;
    std::vector<Section> sections_;
};

} // namespace quillora
