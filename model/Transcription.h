#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillora {

// Any text typed, pasted or read from a list, turned into what a class file can hold. The
// record is Windows-1252 by design; a name from another script still has to come in readable.

struct TexteConverti {
    std::string cp1252;
    std::vector<std::string> remplacements; // UTF-8: "« Ș » remplacé par « S »"
};
// The text is first composed (a letter and its combining accent become the one letter), then
// each run of characters Windows-1252 lacks is spelt in plain Latin letters ("Дмитрий" ->
// "Dmitrij", "ễ" -> "e"); what has no Latin spelling becomes "?" and invisible format
// characters are left out. Everything Windows-1252 holds (é, ç, œ, ß, ñ, Š, ’...) stays as it
// is. Each replacement is told once. Malformed UTF-8 counts as replacement characters.
TexteConverti VersCp1252(std::string_view utf8);

// The whole text in plain ASCII letters, accents and scripts alike ("Né(e) le" -> "Ne(e) le"),
// for matching words whatever their spelling.
std::string EnAscii(std::string_view utf8);

} // namespace quillora
