#include "gui/Notifier.h"

#include <QMessageBox>
#include <QWidget>

#include "query/ErrorReport.h"

namespace busquery::gui {

void showMessageBox(QWidget& owner, const QString& text, Notice kind) {
    QMessageBox box(kind == Notice::Problem ? QMessageBox::Warning : QMessageBox::Information,
                    owner.window()->windowTitle(), text, QMessageBox::Ok, &owner);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);  // an address in it can be copied
    box.exec();
}

QString failureText(std::exception_ptr failure, Language language) {
    return QString::fromStdString(reportError(std::move(failure), language).message);
}

}  // namespace busquery::gui
