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

void WindowTest::start(const TestCity& city, const QString& site, Language language) {
    startOn(city.write(file_), site, language);
}

void WindowTest::startOn(const std::filesystem::path& file, const QString& site,
                         Language language) {
    program_ = std::make_unique<gui::Program>(
        file,
        [this](QWidget&, const QString& text, gui::Notice kind) {
            told_.push_back({text, kind, busyPointer()});
        },
        site, language);
    program_->start();
    const auto find = [this]<class T>(T*& control, const char* name) {
        control = window().findChild<T*>(name);
        ASSERT_NE(control, nullptr) << name;
    };
    Controls& c = controls_;
    find(c.txtQueryFrom, "txtQueryFrom");
    find(c.txtStnaFrom, "txtStnaFrom");
    find(c.txtStnaTo, "txtStnaTo");
    find(c.txtQueryLnna, "txtQueryLnna");
    find(c.Command1, "Command1");
    find(c.Picture7, "Picture7");
    find(c.ctlWhen, "ctlWhen");
    find(c.stl1, "stl1");
    find(c.stl2, "stl2");
    find(c.stl3, "stl3");
    find(c.protime, "protime");
    find(c.d1, "d1");
    find(c.List1, "List1");
    find(c.List2, "List2");
    find(c.List3, "List3");
    find(c.Text1, "Text1");
    find(c.Text2, "Text2");
    find(c.Picture2, "Picture2");
    find(c.Picture3, "Picture3");
    find(c.Picture4, "Picture4");
    find(c.Picture5, "Picture5");
    find(c.Label13, "Label13");
    find(c.WebBrowser1, "WebBrowser1");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
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
