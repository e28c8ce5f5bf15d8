#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <vector>

#include "gui/Program.h"
#include "support/TempDir.h"
#include "support/TestCity.h"

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace busquery::test {

// A running program over a small city, its window shown offscreen, with every message box
// recorded instead of shown.
class WindowTest : public ::testing::Test {
  protected:
    struct Told {
        QString text;
        ui::Notice kind;
        bool busy;  // the busy pointer was up while the box was
    };

    // A site where nothing listens: the banner gives up at once.
    static inline const QString kNoSite = QStringLiteral("http://127.0.0.1:9");

    // The city most window tests use: two directions of 12路 and a 2路, stations with and
    // without road and landmark parts, one name on two roads.
    static TestCity smallCity();

    void start(const TestCity& city, const QString& site = kNoSite);
    void startOn(const std::filesystem::path& file, const QString& site = kNoSite);

    ui::FrmMain& w() { return program_->window(); }
    const QueryState& state() const { return program_->command().state(); }

    // Types text as key presses, one character each, as a keyboard delivers it.
    static void type(QWidget* box, const QString& text);
    static void click(QWidget* widget);
    // Whether the program shows its busy pointer, wherever the pointer is.
    static bool busyPointer();
    // A double-click as the window system delivers it: press, release, double-click, release.
    static void doubleClick(QWidget* widget, QPoint at);
    static void pressEnter(QWidget* box);

    TempDir dir_;
    std::filesystem::path file_ = dir_ / "busdata";
    std::vector<Told> told_;
    std::unique_ptr<app::Program> program_;
};

}  // namespace busquery::test
