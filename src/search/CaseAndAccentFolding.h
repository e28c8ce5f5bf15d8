#pragma once

#include <string>
#include <string_view>

namespace busquery {

// Text as the loose comparison sees it: Unicode case folding, then without nonspacing marks
// (the accents of Latin letters and their like in every script), composed again (NFC). So
// "École" folds to "ecole" and "Žirmūnai" to "zirmunai". ASCII text folds to its ASCII lower
// case; bytes that are not well-formed UTF-8 fold to U+FFFD.
std::string foldCaseAndAccents(std::string_view text);

// Whether text folds to its ASCII lower case, that is, whether the comparison that ignores the
// case of ASCII letters only already sees it loosely: it holds no character beyond ASCII that
// folding changes, removes or joins to its neighbour. Chinese text never has one.
bool foldsAsAsciiLower(std::string_view text);

}  // namespace busquery
