#pragma once

#include <utility>

// Names as lists and keyboards bring them, and the readable Latin name a class file keeps.
// Shared by the model's tests and the dialogs' ones: a student must get the same name
// whether typed or imported.
namespace quillora::test {

inline constexpr std::pair<const char*, const char*> NomsDuMonde[] = {
    {"Nguyễn Văn", "Nguyen Van"},
    {"Nguye\u0302\u0303n", "Nguyen"}, // the same letter decomposed, as some systems write it
    {"Tra\u0302\u0300n", "Tran"},
    {"Łucja Żółkiewska", "Lucja Zólkiewska"},
    {"Ștefan Țurcanu", "Stefan Turcanu"},
    {"Şerban", "Serban"}, // the cedilla look-alike older keyboards type
    {"Işık Doğan", "Isik Dogan"},
    {"İlker", "Ilker"},
    {"Дмитрий", "Dmitrij"},
    {"Σοφία", "Sophia"},
    {"محمد علي", "mhmd 'ly"},
    {"Zoé 😀", "Zoé ?"},
    {"Zoe\u0301 Œdipe-Müller", "Zoé Œdipe-Müller"}, // all in the code page once composed
    {"O’Brien Šimon", "O’Brien Šimon"},
};

} // namespace quillora::test
