#pragma once

#include <QNetworkAccessManager>
#include <QTextBrowser>
#include <QUrl>

class QNetworkReply;

namespace busquery::gui {

// The banner WebBrowser1: a light HTML view of one page of the publisher's site. The page is
// fetched in the background once the window is on screen, so start-up never waits for the
// network; a site that cannot be reached leaves a quiet placeholder. Links in the page open in
// the traveller's browser. The placeholder names the city the data file holds.
class Banner : public QTextBrowser {
    Q_OBJECT

  public:
    enum class State { Blank, Loading, Shown, Unavailable };

    explicit Banner(QWidget* parent);

    // Shows the page at address; the fetch starts once the banner has painted itself.
    void navigate(const QUrl& address);
    // The city the data file names, which the placeholder then names in place of the
    // program's own city; empty for the program's own city.
    void setCity(const QString& city);
    State state() const { return state_; }

  signals:
    // The fetch ended: the page is shown, or the placeholder.
    void finished();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void fetch();
    void received(QNetworkReply* reply);
    void showPlaceholder();

    QUrl address_;
    QString city_;
    bool pending_ = false;
    bool painted_ = false;
    State state_ = State::Blank;
    QNetworkAccessManager* network_ = nullptr;  // made on first fetch: it loads plugins
};

}  // namespace busquery::gui
