#pragma once

#include <span>
#include <string_view>

namespace busquery::gui {

// The four entry fields of the window. Each kind of query has its own: line lookup the line
// box, station lookup the station box, route search the origin and the destination together.
enum class EntryBox { txtQueryLnna, txtQueryFrom, txtStnaFrom, txtStnaTo };

// Character codes of Enter and Backspace as a key press delivers them.
inline constexpr int kEnterKey = 13;
inline constexpr int kBackspaceKey = 8;

// What working in one kind's field does to the others, so that only one kind of query is filled
// at a time. The route boxes never empty each other: origin and destination go side by side.
struct Emptying {
    std::span<const EntryBox> boxes;  // emptied in this order
    bool resultPane = false;          // then the whole result pane
};

// A mouse click into a station box. The line box has no click rule: picking from its drop-down
// empties nothing.
Emptying emptyingOnClick(EntryBox box);

// A character typed into a box (Enter included), before the box takes it. The station-lookup
// box has no key rule.
Emptying emptyingOnKeyPress(EntryBox box);

// Whether a key press starts the query: Enter in the line box and the destination box, and in
// the origin box only when it holds text.
bool keyPressRunsQuery(EntryBox box, std::string_view boxText, int characterCode);

}  // namespace busquery::gui
