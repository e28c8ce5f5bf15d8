#pragma once

#include <QString>
#include <QUrl>

namespace busquery::gui {

// The addresses the picture buttons open and the banner shows, on a site address given as
// scheme and host without a closing "/".
class WebLinks {
  public:
    explicit WebLinks(QString site) : site_(std::move(site)) {}

    const QString& site() const { return site_; }

    QUrl registration() const;
    // The user name, password and data date are percent-encoded, so "&", "=", "#", blanks and
    // Chinese reach the site as typed instead of breaking the address.
    QUrl update(const QString& user, const QString& password, const QString& dataDate) const;
    QUrl home() const;
    QUrl forum() const;
    QUrl banner() const;

  private:
    QString site_;
};

}  // namespace busquery::gui
