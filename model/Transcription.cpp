#include "Transcription.h"

#include <algorithm>
#include <memory>
#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include "Cp1252.h"

namespace quillora {

namespace {

// Building it reads many rules: once per thread, and only when a text needs it. Without
// ICU's data it is missing, and what it would have spelt becomes "?".
const icu::Transliterator* versLatin() {
    thread_local const std::unique_ptr<icu::Transliterator> t = [] {
        // The signs of the Arabic ain and hamza are kept as the apostrophe Latin-ASCII
        // gives their Hawaiian look-alike.
        const auto regles = icu::UnicodeString::fromUTF8(":: Any-Latin; :: Latin-ASCII; "
                                                         "[\u02BE\u02BF] > \\';");
        UParseError position;
        UErrorCode e = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> r(icu::Transliterator::createFromRules(
            "quillora-latin", regles, UTRANS_FORWARD, position, e));
        return U_SUCCESS(e) ? std::move(r) : nullptr;
    }();
    return t.get();
}

icu::UnicodeString compose(std::string_view utf8) {
    icu::UnicodeString s = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    UErrorCode e = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(e);
    if (U_FAILURE(e)) return s;
    icu::UnicodeString r = nfc->normalize(s, e);
    return U_SUCCESS(e) ? r : s;
}

std::string enUtf8(const icu::UnicodeString& s) {
    std::string r;
    s.toUTF8String(r);
    return r;
}

bool ascii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return (c & 0x80) == 0; });
}

bool marque(UChar32 c) {
    const auto type = u_charType(c);
    return type == U_NON_SPACING_MARK || type == U_ENCLOSING_MARK ||
           type == U_COMBINING_SPACING_MARK;
}

} // namespace

TexteConverti VersCp1252(std::string_view utf8) {
    TexteConverti r;
    if (ascii(utf8)) {
        r.cp1252 = utf8;
        return r;
    }
    const icu::UnicodeString t = compose(utf8);
    for (int32_t i = 0; i < t.length();) {
        const UChar32 c = t.char32At(i);
        if (DansCp1252(c)) {
            r.cp1252 += OctetCp1252(c);
            i += U16_LENGTH(c);
            continue;
        }
        int32_t debut = i, fin = i;
        while (fin < t.length() && !DansCp1252(t.char32At(fin))) fin += U16_LENGTH(t.char32At(fin));
        // An accent no letter of the code page carries goes with its letter: "q̃" is one
        // replacement, by "q".
        if (marque(c) && !r.cp1252.empty()) {
            debut = t.moveIndex32(i, -1);
            r.cp1252.pop_back();
        }
        i = fin;
        icu::UnicodeString visible;
        for (int32_t k = debut; k < fin;) {
            const UChar32 v = t.char32At(k);
            if (!u_hasBinaryProperty(v, UCHAR_DEFAULT_IGNORABLE_CODE_POINT)) visible.append(v);
            k += U16_LENGTH(v);
        }
        if (visible.isEmpty()) continue;
        if (const icu::Transliterator* latin = versLatin()) latin->transliterate(visible);
        std::string remplace;
        for (int32_t k = 0; k < visible.length();) {
            const UChar32 v = visible.char32At(k);
            remplace += DansCp1252(v) ? OctetCp1252(v) : '?';
            k += U16_LENGTH(v);
        }
        r.cp1252 += remplace;
        const std::string remarque = "« " + enUtf8(t.tempSubStringBetween(debut, fin)) +
                                     " » remplacé par « " + Utf8DepuisCp1252(remplace) + " »";
        if (std::find(r.remplacements.begin(), r.remplacements.end(), remarque) ==
            r.remplacements.end())
            r.remplacements.push_back(remarque);
    }
    return r;
}

std::string EnAscii(std::string_view utf8) {
    if (ascii(utf8)) return std::string(utf8);
    icu::UnicodeString t = compose(utf8);
    if (const icu::Transliterator* latin = versLatin()) latin->transliterate(t);
    std::string r;
    for (char c : enUtf8(t))
        if ((c & 0x80) == 0) r += c;
    return r;
}

} // namespace quillora
