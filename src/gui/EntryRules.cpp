#include "gui/EntryRules.h"

#include <array>

namespace busquery::gui {
namespace {

using enum EntryBox;

constexpr std::array kClickQueryFrom{txtQueryLnna, txtStnaFrom, txtStnaTo};
constexpr std::array kClickRoute{txtQueryLnna, txtQueryFrom};
constexpr std::array kKeyQueryLnna{txtQueryFrom, txtStnaFrom, txtStnaTo};
constexpr std::array kKeyRoute{txtQueryLnna, txtQueryFrom};

}  // namespace

Emptying emptyingOnClick(EntryBox box) {
    switch (box) {
        case txtQueryFrom:
            return {kClickQueryFrom, true};
        case txtStnaFrom:
        case txtStnaTo:
            return {kClickRoute, true};
        case txtQueryLnna:
            break;
    }
    return {};
}

Emptying emptyingOnKeyPress(EntryBox box) {
    switch (box) {
        case txtQueryLnna:
            return {kKeyQueryLnna, false};
        case txtStnaFrom:
        case txtStnaTo:
            return {kKeyRoute, false};
        case txtQueryFrom:
            break;
    }
    return {};
}

bool keyPressRunsQuery(EntryBox box, std::string_view boxText, int characterCode) {
    if (characterCode != kEnterKey) return false;
    switch (box) {
        case txtQueryLnna:
        case txtStnaTo:
            return true;
        case txtStnaFrom:
            return !boxText.empty();
        case txtQueryFrom:
            break;
    }
    return false;
}

}  // namespace busquery::gui
