#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTextEdit>
#include <QTranslator>
#include <memory>

#include "gui/QtTranslations.h"
#include "support/TempDir.h"

namespace busquery::test {
namespace {

QString okButtonText() {
    QMessageBox box(QMessageBox::Information, "", "", QMessageBox::Ok);
    return box.button(QMessageBox::Ok)->text();
}

QStringList menuTexts(QWidget& owner) {
    std::unique_ptr<QMenu> menu;
    if (auto* edit = qobject_cast<QLineEdit*>(&owner))
        menu.reset(edit->createStandardContextMenu());
    if (auto* text = qobject_cast<QTextEdit*>(&owner))
        menu.reset(text->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) texts.append(action->text());
    return texts;
}

bool anyStartsWith(const QStringList& texts, const QString& start) {
    return std::any_of(texts.begin(), texts.end(),
                       [&](const QString& text) { return text.startsWith(start); });
}

TEST(QtTranslationsTest, QtsOwnTextsReadInChinese) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(folder + "/qtbase_zh_CN.qm")) {
        GTEST_SKIP() << "Qt's Chinese translations are not installed (qt6-translations-l10n)";
    }
    QTranslator translator;
    ASSERT_TRUE(gui::installQtTranslations(translator));
    EXPECT_EQ(okButtonText(), "确定");
    QLineEdit edit;
    edit.setText("东桥");
    edit.selectAll();
    EXPECT_TRUE(anyStartsWith(menuTexts(edit), "复制")) << menuTexts(edit).join('|').toStdString();
    QTextEdit pane;
    pane.setReadOnly(true);
    pane.setPlainText("12路");
    EXPECT_TRUE(anyStartsWith(menuTexts(pane), "全选")) << menuTexts(pane).join('|').toStdString();
}

TEST(QtTranslationsTest, MissingTranslationsLeaveQtsEnglish) {
    TempDir empty;
    QTranslator translator;
    EXPECT_FALSE(gui::installQtTranslations(translator, QString::fromStdString(empty.path())));
    EXPECT_EQ(okButtonText(), "OK");
}

}  // namespace
}  // namespace busquery::test
