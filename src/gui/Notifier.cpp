#include "gui/Notifier.h"

#include <QMessageBox>
#include <QWidget>

#include "store/Error.h"

namespace busquery::gui {

void showMessageBox(QWidget& owner, const QString& text, Notice kind) {
    QMessageBox box(kind == Notice::Problem ? QMessageBox::Warning : QMessageBox::Information,
                    owner.window()->windowTitle(), text, QMessageBox::Ok, &owner);
    box.exec();
}

QString failureText(const std::exception& failure) {
    if (dynamic_cast<const Error*>(&failure)) return QString::fromUtf8(failure.what());
    return QStringLiteral("查询没有完成：程序内部出错，请再试一次。");
}

}  // namespace busquery::gui
