#include <gtest/gtest.h>

#include "Cp1252.h"
#include "NomsDuMonde.h"
#include "Transcription.h"

using namespace quillora;

namespace {

TEST(Transcription, NomsDeToutesLesEcrituresEnLettresLatines) {
    for (const auto& [nom, attendu] : test::NomsDuMonde) {
        const TexteConverti t = VersCp1252(nom);
        EXPECT_EQ(Utf8DepuisCp1252(t.cp1252), attendu) << nom;
    }
}

TEST(Transcription, CeQuiEstRemplaceEstDitUneFois) {
    TexteConverti t = VersCp1252("Ștefan Ștefan Дмитрий q\u0303 a\u200Bb");
    EXPECT_EQ(t.cp1252, "Stefan Stefan Dmitrij q ab");
    EXPECT_EQ(t.remplacements, (std::vector<std::string>{"« Ș » remplacé par « S »",
                                                         "« Дмитрий » remplacé par « Dmitrij »",
                                                         "« q\u0303 » remplacé par « q »"}));
    // Malformed bytes are no letter.
    t = VersCp1252("A\xFF");
    EXPECT_EQ(t.cp1252, "A?");
    EXPECT_EQ(t.remplacements.size(), 1u);
    EXPECT_EQ(EnAscii("Né(e) le Дмитрий"), "Ne(e) le Dmitrij");
}

} // namespace
