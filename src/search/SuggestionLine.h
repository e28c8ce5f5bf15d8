#pragma once

#include <string>
#include <string_view>

namespace busquery {

// One line of a suggestion list: stna, then "[" rdna "]" and "{" near "}" where not empty. The
// parts are views into the station or the line they were taken from.
struct SuggestionLine {
    std::string_view stna;
    std::string_view rdna;
    std::string_view near;

    // The line as the list shows it.
    std::string text() const;
    void appendTo(std::string& out) const;

    // The parts of a line as a box holds it, picked or typed. The name ends at the first "["
    // or "{"; a road part follows only a "[" that a "]" closes; the landmarks are what a "{"
    // opens after them, up to its last "}". Typed text without either is all name.
    static SuggestionLine parse(std::string_view line);

    bool operator==(const SuggestionLine&) const = default;
};

}  // namespace busquery
