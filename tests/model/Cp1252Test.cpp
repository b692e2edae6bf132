#include <gtest/gtest.h>

#include "Cp1252.h"

using namespace quillora;

TEST(Cp1252, AllerRetourDesCaracteresDuCodePage) {
    std::string tous;
    for (int c = 1; c < 256; ++c) tous += static_cast<char>(c);
    EXPECT_EQ(Cp1252DepuisUtf8(Utf8DepuisCp1252(tous)), tous);
    EXPECT_EQ(Utf8DepuisCp1252("\x80\x9C\xE9"), "€œé");
    EXPECT_EQ(Cp1252DepuisUtf8("Ŀ日本"), "???");           // outside the code page
    EXPECT_EQ(Cp1252DepuisUtf8("\xE9t\xE9"), "\xE9t\xE9"); // already Windows-1252: kept
    EXPECT_EQ(Cp1252DepuisUtf8("\xC3"), "\xC3");           // cut sequence: kept as a byte
}
