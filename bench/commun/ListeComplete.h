#pragma once

#include <string>

// A full class's list as school software exports it: a header, a number column, quoted
// compound names, accented first names and dates with slashes.
inline std::string ListeComplete() {
    std::string s = "\xEF\xBB\xBFN°;Nom;Prénom;Né(e) le\r\n";
    for (int e = 1; e <= 45; ++e)
        s += std::to_string(e) + ";\"DE LA FONTAINE-" + std::to_string(e) + "\";Jean-Éloïse;" +
             std::to_string(1 + e % 28) + "/0" + std::to_string(1 + e % 9) + "/2012\r\n";
    return s;
}
