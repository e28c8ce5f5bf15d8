#include "gui/Banner.h"

#include <QDesktopServices>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTimer>

namespace busquery::gui {
namespace {

constexpr int kTransferTimeoutMs = 15000;

// The page's text: the charset the server names, else the one the page declares, else UTF-8.
QString decodePage(const QByteArray& body, const QString& contentType) {
    const qsizetype at = contentType.indexOf(QLatin1String("charset="), 0, Qt::CaseInsensitive);
    if (at >= 0) {
        const QString charset = contentType.mid(at + 8).section(';', 0, 0).trimmed().remove('"');
        QStringDecoder named(charset.toLatin1().constData());
        if (named.isValid()) return named.decode(body);
    }
    QStringDecoder declared = QStringDecoder::decoderForHtml(body);
    if (declared.isValid()) return declared.decode(body);
    return QString::fromUtf8(body);
}

}  // namespace

Banner::Banner(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        QDesktopServices::openUrl(document()->baseUrl().resolved(link));
    });
}

void Banner::navigate(const QUrl& address) {
    address_ = address;
    pending_ = true;
    if (painted_) QTimer::singleShot(0, this, &Banner::fetch);
}

void Banner::setCity(const QString& city) {
    city_ = city;
    if (state_ == State::Unavailable) showPlaceholder();
}

void Banner::paintEvent(QPaintEvent* event) {
    QTextBrowser::paintEvent(event);
    // The first paint means the window is on screen: only now may the network start up.
    if (!painted_) {
        painted_ = true;
        if (pending_) QTimer::singleShot(0, this, &Banner::fetch);
    }
}

void Banner::fetch() {
    if (!pending_) return;
    pending_ = false;
    if (!network_) network_ = new QNetworkAccessManager(this);
    QNetworkRequest request(address_);
    request.setTransferTimeout(kTransferTimeoutMs);
    state_ = State::Loading;
    QNetworkReply* reply = network_->get(request);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { received(reply); });
}

void Banner::received(QNetworkReply* reply) {
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        showPlaceholder();
    } else {
        const QByteArray body = reply->readAll();
        document()->setBaseUrl(reply->url());
        setHtml(decodePage(body, reply->header(QNetworkRequest::ContentTypeHeader).toString()));
        state_ = State::Shown;
    }
    emit finished();
}

void Banner::showPlaceholder() {
    const QString text = city_.isEmpty() ? tr("Velmorina 公交查询 · 出行愉快")
                                         : tr("%1 公交查询 · 出行愉快").arg(city_);
    setHtml(QStringLiteral("<p align='center' style='margin-top:26px; color:#8a96a8'>%1</p>")
                .arg(text.toHtmlEscaped()));
    state_ = State::Unavailable;
}

}  // namespace busquery::gui
