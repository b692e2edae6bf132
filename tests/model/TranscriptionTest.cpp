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

TEST(Cp1252, AllerRetourDesCaracteresDuCodePage) {
    std::string tous;
    for (int c = 1; c < 256; ++c) tous += static_cast<char>(c);
    EXPECT_EQ(Cp1252DepuisUtf8(Utf8DepuisCp1252(tous)), tous);
    EXPECT_EQ(Utf8DepuisCp1252("\x80\x9C\xE9"), "€œé");
    EXPECT_EQ(Cp1252DepuisUtf8("Ŀ日本"), "???");           // outside the code page
    EXPECT_EQ(Cp1252DepuisUtf8("\xE9t\xE9"), "\xE9t\xE9"); // already Windows-1252: kept
    EXPECT_EQ(Cp1252DepuisUtf8("\xC3"), "\xC3");           // cut sequence: kept as a byte
}
