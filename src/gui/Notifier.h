#pragma once

#include <QString>
#include <exception>
#include <functional>

#include "query/Language.h"

class QWidget;

namespace busquery::gui {

enum class Notice {
    Outcome,  // what a query came to: empty input, nothing found
    Problem,  // the data file cannot be used, or a query failed
};

// Tells the traveller something and returns when it has been read: a modal box with only an
// OK button in the program; tests put a recorder in its place.
using Notifier = std::function<void(QWidget& owner, const QString& text, Notice kind)>;

void showMessageBox(QWidget& owner, const QString& text, Notice kind);

// What the traveller is told about a caught failure: the words the CLI uses for it too (the data
// layer's own message, which names the file and the problem, or a fixed sentence for anything
// else), in the interface language. Never a raw exception.
QString failureText(std::exception_ptr failure, Language language);

}  // namespace busquery::gui
