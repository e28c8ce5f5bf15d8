#include "search/CaseAndAccentFolding.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>

#include "text/AsciiCase.h"
#include "text/Utf8.h"

namespace busquery {
namespace {

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Chinese characters, the bulk of the city's texts: no case, no marks, no decomposition.
bool isUnifiedIdeograph(UChar32 c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF);
}

bool foldingKeeps(UChar32 c) {
    if (c < 0x80 || isUnifiedIdeograph(c)) return true;
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) return false;
    if (!nfd->isInert(c) || !nfc->isInert(c) || u_charType(c) == U_NON_SPACING_MARK) return false;
    icu::UnicodeString folded(c);
    return folded.foldCase(U_FOLD_CASE_DEFAULT) == icu::UnicodeString(c);
}

}  // namespace

std::string foldCaseAndAccents(std::string_view text) {
    // Bytes that are no UTF-8 have no case and no accents: such a text compares as it is, and
    // never meets another broken text through the replacement character both would become.
    if (isAscii(text) || !isValidUtf8(text)) return asciiLower(text);
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    // Without normalization data ICU cannot fold at all; the text then compares as it is.
    if (U_FAILURE(status)) return asciiLower(text);
    icu::UnicodeString folded = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    folded.foldCase(U_FOLD_CASE_DEFAULT);
    const icu::UnicodeString decomposed = nfd->normalize(folded, status);
    icu::UnicodeString bare;
    for (int32_t i = 0; i < decomposed.length();) {
        const UChar32 c = decomposed.char32At(i);
        i += U16_LENGTH(c);
        if (u_charType(c) != U_NON_SPACING_MARK) bare.append(c);
    }
    std::string out;
    nfc->normalize(bare, status).toUTF8String(out);
    return U_SUCCESS(status) ? out : asciiLower(text);
}

bool foldsAsAsciiLower(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character c = utf8At(text, at);
        if (c.valid && !foldingKeeps(static_cast<UChar32>(c.point)))
            return false;  // broken bytes fold to themselves
        at += c.length;
    }
    return true;
}

}  // namespace busquery
