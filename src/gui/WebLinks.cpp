#include "gui/WebLinks.h"

namespace busquery::gui {
namespace {

QString encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

}  // namespace

QUrl WebLinks::registration() const {
    return QUrl(site_ + "/leadbbs/User/UserJoin.asp");
}

QUrl WebLinks::update(const QString& user, const QString& password, const QString& dataDate) const {
    return QUrl(site_ + "/update.asp?user=" + encoded(user) + "&pass=" + encoded(password) +
                    "&ver=" + encoded(dataDate),
                QUrl::StrictMode);
}

QUrl WebLinks::home() const {
    return QUrl(site_);
}

QUrl WebLinks::forum() const {
    return QUrl(site_ + "/leadbbs");
}

QUrl WebLinks::banner() const {
    return QUrl(site_ + "/gg.asp");
}

}  // namespace busquery::gui
