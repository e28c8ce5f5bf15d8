#include <QApplication>
#include <QTranslator>

#include "WindowTest.h"

namespace busquery::test {
namespace {

// A translation of every text it is asked for: the text in brackets.
class BracketingTranslator : public QTranslator {
  public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("[%1]").arg(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

// Every caption, prompt, button text and accessible name of the window goes through tr(), so a
// translation replaces them all.
class InterfaceTextsTest : public WindowTest {
  protected:
    void SetUp() override {
        QApplication::installTranslator(&translator_);
        start(TestCity{});
    }
    void TearDown() override { QApplication::removeTranslator(&translator_); }

    BracketingTranslator translator_;
};

bool bracketed(const QString& text) {
    return text.startsWith('[') && text.endsWith(']');
}

TEST_F(InterfaceTextsTest, EveryTextOfTheWindowCanBeTranslated) {
    EXPECT_EQ(window().windowTitle(), "[Velmorina公交查询系统2009]");
    for (const gui::SkinLabel* label : window().findChildren<gui::SkinLabel*>()) {
        // The data date and the time a query took are the data's and the clock's.
        if (label == w().Label13 || label == w().protime) continue;
        EXPECT_TRUE(bracketed(label->text())) << label->text().toStdString();
    }
    for (const QLineEdit* box : {w().txtQueryFrom, w().txtStnaFrom, w().txtStnaTo}) {
        EXPECT_TRUE(bracketed(box->placeholderText())) << box->objectName().toStdString();
    }
    for (const QAbstractButton* button : {static_cast<QAbstractButton*>(w().Command1),
                                          static_cast<QAbstractButton*>(w().ctlWhen->now)}) {
        EXPECT_TRUE(bracketed(button->text())) << button->objectName().toStdString();
    }
    for (const gui::PictureButton* picture :
         {w().Picture2, w().Picture3, w().Picture4, w().Picture5}) {
        EXPECT_TRUE(bracketed(picture->text())) << picture->objectName().toStdString();
    }
    EXPECT_EQ(w().ctlWhen->kind->itemText(1), "[到达]");
    for (const QWidget* control : window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(bracketed(control->accessibleName())) << control->objectName().toStdString();
    }
}

}  // namespace
}  // namespace busquery::test
