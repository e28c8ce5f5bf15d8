#include <QDesktopServices>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTextDocument>

#include "WindowTest.h"

namespace busquery::test {
namespace {

// Takes the addresses the window would hand to the traveller's browser.
class OpenedLinks : public QObject {
    Q_OBJECT

  public:
    OpenedLinks() {
        QDesktopServices::setUrlHandler("https", this, "open");
        QDesktopServices::setUrlHandler("http", this, "open");
    }
    ~OpenedLinks() override {
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("http");
    }

    QStringList urls;

  public slots:
    void open(const QUrl& url) { urls.append(url.toString(QUrl::FullyEncoded)); }
};

// A one-page web site on 127.0.0.1: answers every request with the same page and keeps the
// request lines it saw.
class BannerSite : public QObject {
    Q_OBJECT

  public:
    BannerSite(QByteArray contentType, QByteArray page)
        : contentType_(std::move(contentType)), page_(std::move(page)) {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, &BannerSite::answer);
    }

    QString address() const {
        return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
    }
    QStringList requests;

  private slots:
    void answer() {
        QTcpSocket* socket = server_.nextPendingConnection();
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            request_ += socket->readAll();
            if (!request_.contains("\r\n\r\n")) return;
            requests.append(QString::fromLatin1(request_.left(request_.indexOf("\r\n"))));
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: " + contentType_ +
                          "\r\nConnection: close\r\nContent-Length: " +
                          QByteArray::number(page_.size()) + "\r\n\r\n" + page_);
            socket->disconnectFromHost();
        });
    }

  private:
    QTcpServer server_;
    QByteArray contentType_;
    QByteArray page_;
    QByteArray request_;
};

class WebLinksTest : public WindowTest {};

TEST_F(WebLinksTest, PicturesOpenThePublishersPages) {
    start(smallCity(), QString::fromLatin1(kSiteAddress));
    OpenedLinks opened;
    struct Case {
        QString user, password;
        QWidget* picture;
        QString address;
    };
    const QString site = "https://bus.velmorina.example";
    const Case cases[] = {
        {"", "", w().Picture2, site + "/leadbbs/User/UserJoin.asp"},
        {"", "", w().Picture3, site + "/update.asp?user=&pass=&ver=2010.3.15"},
        {"a&b=c#d", "p w", w().Picture3,
         site + "/update.asp?user=a%26b%3Dc%23d&pass=p%20w&ver=2010.3.15"},
        {"张三", "%41", w().Picture3,
         site + "/update.asp?user=%E5%BC%A0%E4%B8%89&pass=%2541&ver=2010.3.15"},
        {"", "", w().Picture4, site},
        {"", "", w().Picture5, site + "/leadbbs"},
    };
    for (const auto& c : cases) {
        w().Text1->setText(c.user);
        w().Text2->setText(c.password);
        opened.urls.clear();
        click(c.picture);
        EXPECT_EQ(opened.urls, QStringList{c.address});
    }
    EXPECT_TRUE(told_.empty());
}

// Without a browser the click is not lost: a message names the page's address to copy.
TEST_F(WebLinksTest, PageThatCannotBeOpenedIsNamedInAMessage) {
    start(smallCity(), QString::fromLatin1(kSiteAddress));
    // No program on the path can show a page.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "");
    w().Text1->setText("张三");
    click(w().Picture3);
    qputenv("PATH", path);
    ASSERT_EQ(told_.size(), 1u);
    EXPECT_EQ(
        told_[0].text,
        "无法打开网页。请把下面的地址复制到浏览器中打开：\n"
        "https://bus.velmorina.example/update.asp?user=%E5%BC%A0%E4%B8%89&pass=&ver=2010.3.15");
    EXPECT_EQ(told_[0].kind, gui::Notice::Problem);
}

// The pictures take the focus in their place of the tab order, but only a mouse click opens a
// page: a Space meant for a box never sends the traveller to the forum.
TEST_F(WebLinksTest, PicturesIgnoreSpaceAndEnter) {
    start(smallCity(), QString::fromLatin1(kSiteAddress));
    OpenedLinks opened;
    QSignalSpy queries(&window(), &gui::FrmMain::queryCommand);
    for (QWidget* picture :
         {static_cast<QWidget*>(w().Picture2), static_cast<QWidget*>(w().Picture5),
          static_cast<QWidget*>(w().Picture7)}) {
        SCOPED_TRACE(picture->objectName().toStdString());
        picture->setFocus();
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Select}) {
            QTest::keyClick(picture, key);
        }
        EXPECT_TRUE(opened.urls.isEmpty());
        EXPECT_EQ(queries.size(), 0);
    }
}

// The banner asks the site for /gg.asp once the window is on screen, reads the page in the
// charset the site names (header, else the page itself, else UTF-8), and opens its links in the
// traveller's browser.
TEST_F(WebLinksTest, BannerShowsThePageOfTheSite) {
    const QByteArray gbk("\xbd\xf1\xc8\xd5\xb9\xab\xb8\xe6");  // 今日公告
    struct Case {
        QByteArray contentType;
        QByteArray page;
    };
    const Case cases[] = {
        {"text/html; charset=utf-8", "<p>今日公告 <a href='/news.asp?id=1'>详情</a></p>"},
        {"text/html; charset=gb2312", "<p>" + gbk + "</p>"},
        {"text/html", "<html><head><meta charset=\"gbk\"></head><body>" + gbk + "</body></html>"},
        {"text/html", "<p>今日公告</p>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.contentType.toStdString());
        BannerSite site(c.contentType, c.page);
        TempDir dir;
        program_ = std::make_unique<gui::Program>(
            smallCity().write(dir / "busdata"), [](QWidget&, const QString&, gui::Notice) {},
            site.address());
        gui::Banner* banner = program_->window().findChild<gui::Banner*>("WebBrowser1");
        QSignalSpy finished(banner, &gui::Banner::finished);
        program_->start();
        EXPECT_EQ(banner->state(), gui::Banner::State::Blank) << "start-up does not wait for it";

        ASSERT_TRUE(finished.wait(10000));
        EXPECT_EQ(banner->state(), gui::Banner::State::Shown);
        EXPECT_EQ(site.requests, QStringList{"GET /gg.asp HTTP/1.1"});
        EXPECT_TRUE(banner->toPlainText().startsWith("今日公告"));

        QTextCursor link = banner->document()->find("详情");
        if (link.isNull()) continue;
        OpenedLinks opened;
        link.setPosition(link.selectionStart() + 1);
        QTest::mouseClick(banner->viewport(), Qt::LeftButton, {},
                          banner->cursorRect(link).center());
        EXPECT_EQ(opened.urls, QStringList{site.address() + "/news.asp?id=1"});
    }
}

TEST_F(WebLinksTest, UnreachableSiteLeavesAQuietPlaceholder) {
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const QString address = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
    closed.close();

    program_ = std::make_unique<gui::Program>(
        smallCity().write(file_),
        [this](QWidget&, const QString& text, gui::Notice kind) {
            told_.push_back({text, kind, busyPointer()});
        },
        address);
    const gui::Banner* banner = program_->window().findChild<gui::Banner*>("WebBrowser1");
    QSignalSpy finished(banner, &gui::Banner::finished);
    program_->start();
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(banner->state(), gui::Banner::State::Unavailable);
    EXPECT_TRUE(banner->toPlainText().contains("Velmorina"));
    EXPECT_TRUE(told_.empty()) << "nothing to tell the traveller";
}

}  // namespace
}  // namespace busquery::test

#include "WebLinksTest.moc"
