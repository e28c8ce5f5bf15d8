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
        gui::Notice kind;
        bool busy;  // the busy pointer was up while the box was
    };

    // A site where nothing listens: the banner gives up at once.
    static inline const QString kNoSite = QStringLiteral("http://127.0.0.1:9");

    // The city most window tests use: two directions of 12路 and a 2路, stations with and
    // without road and landmark parts, one name on two roads.
    static TestCity smallCity();

    void start(const TestCity& city, const QString& site = kNoSite,
               Language language = Language::Chinese);
    void startOn(const std::filesystem::path& file, const QString& site = kNoSite,
                 Language language = Language::Chinese);

    // The window's controls, found by their names as a traveller's tools would find them.
    struct Controls {
        QLineEdit* txtQueryFrom;
        QLineEdit* txtStnaFrom;
        QLineEdit* txtStnaTo;
        QComboBox* txtQueryLnna;
        QPushButton* Command1;
        gui::PictureButton* Picture7;
        gui::DepartureTimeControl* ctlWhen;
        gui::SkinLabel* stl1;
        gui::SkinLabel* stl2;
        gui::SkinLabel* stl3;
        gui::SkinLabel* protime;
        gui::ResultPaneEdit* d1;
        gui::SuggestionList* List1;
        gui::SuggestionList* List2;
        gui::SuggestionList* List3;
        QLineEdit* Text1;
        QLineEdit* Text2;
        gui::PictureButton* Picture2;
        gui::PictureButton* Picture3;
        gui::PictureButton* Picture4;
        gui::PictureButton* Picture5;
        gui::SkinLabel* Label13;
        gui::Banner* WebBrowser1;
    };

    gui::FrmMain& window() { return program_->window(); }
    const Controls& w() const { return controls_; }
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
    std::unique_ptr<gui::Program> program_;
    Controls controls_{};
};

}  // namespace busquery::test
