#include "WindowTest.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace busquery::test {

TestCity WindowTest::smallCity() {
    TestCity city;
    city.lineIds = {"12", "2"};
    city.date = "2010.3.15";
    city.line("12路上行", "东桥;西山;南门;", "(6:00-22:00)")
        .line("12路下行", "南门;西山;东桥;", "(6:30-21:30)")
        .line("2路上行", "北站;南门;", "(7:00-19:00)")
        .station("东桥", "12路上行;12路下行;", "东桥路", "东桥公园")
        .station("东桥", "12路上行;", "滨河路")
        .station("西山", "12路上行;12路下行;", "", "西山寺")
        .station("南门", "12路上行;12路下行;2路上行;", "南门大街")
        .station("北站", "2路上行;");
    return city;
}

void WindowTest::start(const TestCity& city, const QString& site) {
    startOn(city.write(file_), site);
}

void WindowTest::startOn(const std::filesystem::path& file, const QString& site) {
    program_ = std::make_unique<app::Program>(
        file,
        [this](QWidget&, const QString& text, ui::Notice kind) {
            told_.push_back({text, kind, busyPointer()});
        },
        site);
    program_->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w()));
    QApplication::processEvents();  // start-up's deferred steps: a problem to tell, the index
}

bool WindowTest::busyPointer() {
    return QGuiApplication::overrideCursor() != nullptr;
}

void WindowTest::type(QWidget* box, const QString& text) {
    for (QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(box, &release);
    }
}

void WindowTest::click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

void WindowTest::doubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

void WindowTest::pressEnter(QWidget* box) {
    QTest::keyClick(box, Qt::Key_Return);
}

}  // namespace busquery::test
