#include "gui/FrmMain.h"

#include <QDesktopServices>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <algorithm>
#include <stdexcept>

#include "gui/Twips.h"
#include "query/Query.h"

namespace busquery::gui {
namespace {

const char kCredit[] =
    QT_TRANSLATE_NOOP("busquery::gui::FrmMain", "作者：busquery 电话：8209 0114  ");
const char kDisclaimer[] =
    QT_TRANSLATE_NOOP("busquery::gui::FrmMain", "数据仅供参考，如有变动，请以车站公布数据为准。");

// Latin families come first, so Latin names keep their own quotes and spacing; the Chinese
// families after them draw every CJK glyph, as they always did.
const QStringList kWindowFamilies{"Noto Sans",        "DejaVu Sans",     "Segoe UI",
                                  "Noto Sans CJK SC", "Microsoft YaHei", "sans-serif"};
const QStringList kPaneFamilies{"Noto Serif", "DejaVu Serif", "Times New Roman",
                                "宋体",       "SimSun",       "Noto Serif CJK SC",
                                "serif"};

QFont familiesFont(const QStringList& families, int points) {
    QFont font;
    font.setFamilies(families);
    font.setPointSize(points);
    return font;
}

// The window's icon: the desktop's, a bus on a blue tile, in the sizes it ships in.
QIcon busIcon() {
    QIcon icon;
    for (int size : {48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/busquery-%1.png").arg(size));
    return icon;
}

// The character code of a key press as the entry rules count it: a key that types a character,
// Backspace (8) and Enter (13). Every other key gives 0 and is no key press for the rules: Tab,
// arrows, Delete (which X11 delivers as the character 127) and control combinations.
int characterCode(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kEnterKey;
        case Qt::Key_Backspace:
            return kBackspaceKey;
        default:
            break;
    }
    if (key.text().isEmpty() || !key.text().front().isPrint()) return 0;
    return key.text().front().unicode();
}

// The first character an input method commits; 0 when it commits nothing (still composing).
int committedCode(const QInputMethodEvent& input) {
    return input.commitString().isEmpty() ? 0 : input.commitString().front().unicode();
}

}  // namespace

FrmMain::FrmMain(Query& query, Notifier notifier, const QString& site, QWidget* parent)
    : QWidget(parent),
      links(site),
      query_(query),
      notifier_(std::move(notifier)),
      triples_{{{EntryBox::txtQueryFrom, txtQueryFrom, List1, stl1},
                {EntryBox::txtStnaFrom, txtStnaFrom, List2, stl2},
                {EntryBox::txtStnaTo, txtStnaTo, List3, stl3}}} {
    setObjectName("frmMain");
    setWindowTitle(tr("Velmorina公交查询系统2009"));
    setWindowIcon(busIcon());
    setFont(familiesFont(kWindowFamilies, 9));
    d1->setFont(familiesFont(kPaneFamilies, 9));

    placeControls();
    setInitialContent();
    describeControls();
    setTabOrder();
    connectHandlers();
}

QComboBox* FrmMain::lineBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    return box;
}

void FrmMain::placeControls() {
    const double dpi = logicalDpiX();
    // The window's own size is its least; the window manager may enlarge and maximise it.
    setMinimumSize(twipsToPixels(kClientWidth, dpi), twipsToPixels(kClientHeight, dpi));
    resize(minimumSize());

    struct Place {
        QWidget* control;
        const char* name;
        int left, top, width, height;
    };
    const Place places[] = {
        {SkinLabel5, "SkinLabel5", 120, 120, 735, 255},
        {txtQueryFrom, "txtQueryFrom", 960, 120, 4500, 315},
        {SkinLabel6, "SkinLabel6", 120, 480, 735, 255},
        {txtStnaFrom, "txtStnaFrom", 960, 480, 4500, 315},
        {SkinLabel7, "SkinLabel7", 120, 840, 735, 255},
        {txtStnaTo, "txtStnaTo", 960, 840, 4500, 315},
        {SkinLabel8, "SkinLabel8", 5760, 120, 615, 255},
        {txtQueryLnna, "txtQueryLnna", 5760, 360, 1995, 300},
        {Command1, "Command1", 5760, 840, 1335, 255},
        {Picture7, "Picture7", 4560, 1080, 810, 600},
        // Below the route boxes, right of the prompts of the suggestion lists.
        {ctlWhen, "ctlWhen", 1800, 1200, 2700, 330},
        {stl1, "stl1", 120, 1320, 1575, 255},
        {stl2, "stl2", 120, 1320, 1575, 375},
        {stl3, "stl3", 120, 1320, 1455, 375},
        {protime, "protime", 5880, 1320, 615, 255},
        {d1, "d1", 120, 1680, 7695, 3255},
        {List1, "List1", 120, 1680, 7695, 3270},
        {List2, "List2", 120, 1680, 7695, 3270},
        {List3, "List3", 120, 1680, 7695, 3270},
        {Label6, "Label6", 480, 5040, 735, 255},
        {Text1, "Text1", 1320, 5040, 1215, 270},
        {SkinLabel1, "SkinLabel1", 2520, 5040, 615, 255},
        {Text2, "Text2", 3240, 5040, 1335, 270},
        {Picture2, "Picture2", 4680, 5040, 1005, 330},
        {Picture3, "Picture3", 5760, 5040, 1020, 330},
        {Picture4, "Picture4", 480, 5400, 1260, 420},
        {Picture5, "Picture5", 1920, 5400, 2340, 420},
        {SkinLabel2, "SkinLabel2", 480, 5880, 6615, 255},
        {SkinLabel3, "SkinLabel3", 480, 6240, 1695, 255},
        {SkinLabel4, "SkinLabel4", 2160, 6240, 975, 255},
        {Label13, "Label13", 3120, 6240, 975, 255},
        {WebBrowser1, "WebBrowser1", 240, 6480, 7455, 1215},
    };
    for (const Place& place : places) {
        place.control->setObjectName(place.name);
        places_.emplace_back(place.control,
                             twipsRect(place.left, place.top, place.width, place.height, dpi));
    }
    placeForSize(size());
}

void FrmMain::placeForSize(QSize size) {
    const QSize room = size.expandedTo(minimumSize()) - minimumSize();
    const auto growing = [this](const QWidget* control) {
        return control == d1 || control == List1 || control == List2 || control == List3;
    };
    int paneBottom = 0;
    for (const auto& [control, place] : places_) {
        if (growing(control)) paneBottom = std::max(paneBottom, place.bottom());
    }
    for (const auto& [control, place] : places_) {
        if (growing(control)) {
            control->setGeometry(place.adjusted(0, 0, room.width(), room.height()));
        } else if (place.top() > paneBottom) {
            control->setGeometry(place.translated(0, room.height()));
        } else {
            control->setGeometry(place);
        }
    }
}

void FrmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeForSize(event->size());
}

void FrmMain::setInitialContent() {
    SkinLabel5->setText(tr("单站点："));
    SkinLabel6->setText(tr("起始站："));
    SkinLabel7->setText(tr("到达站："));
    SkinLabel8->setText(tr("线路："));
    stl1->setText(tr("请选择确认站点："));
    stl2->setText(tr("请选择起始站点："));
    stl3->setText(tr("请选择到达站点："));
    Label6->setText(tr("用户名："));
    SkinLabel1->setText(tr("密码："));
    SkinLabel2->setText(tr(kCredit) + tr(kDisclaimer));
    SkinLabel3->setText(tr("程序版本：2009.1.14"));
    SkinLabel4->setText(tr("数据版本："));  // the date itself only when the data could be read

    // The prompts show while a box is empty, so every rule that reads a box sees it empty.
    txtQueryFrom->setPlaceholderText(tr("请输入要查询的公交站名"));
    txtStnaFrom->setPlaceholderText(tr("请输入起始站"));
    txtStnaTo->setPlaceholderText(tr("请输入终点站"));
    txtQueryLnna->setInsertPolicy(QComboBox::NoInsert);  // Enter runs the query, adds nothing
    txtQueryLnna->setCompleter(nullptr);  // the box holds what was typed, never a completion
    txtQueryLnna->setMaxVisibleItems(20);
    Text2->setEchoMode(QLineEdit::Password);
    Command1->setText(tr("查 询"));
    Command1->setCursor(Qt::PointingHandCursor);
    Picture2->setText(tr("免费注册"));
    Picture3->setText(tr("马上升级"));
    Picture4->setText(tr("访问官方网站"));
    Picture5->setText(tr("去论坛指正数据中的错误"));

    for (QWidget* hidden :
         std::initializer_list<QWidget*>{stl1, stl2, stl3, protime, List1, List2, List3, ctlWhen}) {
        hidden->setVisible(false);
    }
    // A caption in front of its box ends next to it.
    for (QLabel* caption : {SkinLabel5, SkinLabel6, SkinLabel7, Label6, SkinLabel1}) {
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    d1->setTabChangesFocus(true);
    WebBrowser1->setTabChangesFocus(true);
}

void FrmMain::describeControls() {
    // What a screen reader says of each control: its name and what it is for.
    struct Description {
        QWidget* control;
        QString name, description;
    };
    const Description descriptions[] = {
        {SkinLabel5, tr("单站点"), tr("单站点框的说明")},
        {txtQueryFrom, tr("单站点"), tr("输入站名，查询经过这个站的线路")},
        {SkinLabel6, tr("起始站"), tr("起始站框的说明")},
        {txtStnaFrom, tr("起始站"), tr("输入起始站，与到达站一起查询换乘方案")},
        {SkinLabel7, tr("到达站"), tr("到达站框的说明")},
        {txtStnaTo, tr("到达站"), tr("输入到达站，与起始站一起查询换乘方案")},
        {SkinLabel8, tr("线路"), tr("线路框的说明")},
        {txtQueryLnna, tr("线路"), tr("输入或选择线路，查询它经过的站点")},
        {Command1, tr("查询"), tr("按输入的内容查询")},
        {Picture7, tr("查询"), tr("按输入的内容查询")},
        {ctlWhen, tr("出行时间"), tr("换乘查询的出发或到达时间")},
        {ctlWhen->when, tr("日期和时间"), tr("换乘查询在这个时间出发或到达")},
        {ctlWhen->now, tr("现在"), tr("把时间设为现在")},
        {ctlWhen->kind, tr("出发或到达"), tr("在这个时间出发，或在这个时间以前到达")},
        {stl1, tr("请选择确认站点"), tr("单站点提示列表的说明")},
        {stl2, tr("请选择起始站点"), tr("起始站提示列表的说明")},
        {stl3, tr("请选择到达站点"), tr("到达站提示列表的说明")},
        {protime, tr("查询用时"), tr("上一次查询所用的时间")},
        {d1, tr("查询结果"), tr("查询的结果")},
        {List1, tr("单站点提示"), tr("与输入相符的站点，双击查询")},
        {List2, tr("起始站提示"), tr("与输入相符的起始站，双击选定")},
        {List3, tr("到达站提示"), tr("与输入相符的到达站，双击查询")},
        {Label6, tr("用户名"), tr("用户名框的说明")},
        {Text1, tr("用户名"), tr("升级时用的用户名")},
        {SkinLabel1, tr("密码"), tr("密码框的说明")},
        {Text2, tr("密码"), tr("升级时用的密码")},
        {Picture2, tr("免费注册"), tr("在浏览器中打开注册页")},
        {Picture3, tr("马上升级"), tr("在浏览器中打开升级页")},
        {Picture4, tr("访问官方网站"), tr("在浏览器中打开官方网站")},
        {Picture5, tr("去论坛指正数据中的错误"), tr("在浏览器中打开论坛")},
        {SkinLabel2, tr("作者和说明"), tr("作者、电话和数据的说明")},
        {SkinLabel3, tr("程序版本"), tr("程序的版本")},
        {SkinLabel4, tr("数据版本"), tr("数据日期的说明")},
        {Label13, tr("数据日期"), tr("公交数据的日期")},
        {WebBrowser1, tr("公告"), tr("发布者网站的公告")},
    };
    for (const Description& d : descriptions) {
        d.control->setAccessibleName(d.name);
        d.control->setAccessibleDescription(d.description);
    }
}

void FrmMain::setTabOrder() {
    // Labels take no focus; the rest follow one another in this order.
    QWidget* const chain[] = {
        Picture5,    Picture4,     Picture3,      Picture2,     Text2,         Text1,
        WebBrowser1, Picture7,     ctlWhen->kind, ctlWhen->now, ctlWhen->when, txtStnaTo,
        txtStnaFrom, txtQueryFrom, txtQueryLnna,  List3,        List2,         List1,
        d1,          Command1};
    for (std::size_t i = 1; i < std::size(chain); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
    // The window opens ready for a route; the first in the chain is a web link.
    txtStnaFrom->setFocus();
}

void FrmMain::connectHandlers() {
    connect(txtQueryFrom, &QLineEdit::textChanged, this, &FrmMain::txtQueryFrom_Change);
    connect(txtStnaFrom, &QLineEdit::textChanged, this, &FrmMain::txtStnaFrom_Change);
    connect(txtStnaTo, &QLineEdit::textChanged, this, &FrmMain::txtStnaTo_Change);
    for (const Triple& triple : triples_) {
        triple.text->installEventFilter(this);
        connect(triple.list, &SuggestionList::lineSelected, this,
                [this, &triple] { triple.text->setText(triple.list->selectedLine()); });
        connect(triple.list, &SuggestionList::lineDoubleClicked, this,
                [this, &triple](const QString& line) { listDoubleClick(triple, line); });
    }
    // The combo box takes the keys of its edit field itself.
    txtQueryLnna->installEventFilter(this);

    connect(Command1, &QPushButton::clicked, this, &FrmMain::Command1_Click);
    connect(Picture7, &PictureButton::clicked, this, &FrmMain::Picture7_Click);
    connect(Picture2, &PictureButton::clicked, this, &FrmMain::Picture2_Click);
    connect(Picture3, &PictureButton::clicked, this, &FrmMain::Picture3_Click);
    connect(Picture4, &PictureButton::clicked, this, &FrmMain::Picture4_Click);
    connect(Picture5, &PictureButton::clicked, this, &FrmMain::Picture5_Click);
}

void FrmMain::notify(const QString& text, Notice kind) {
    notifier_(*this, text, kind);
}

void FrmMain::reportProblem(const QString& text) {
    lastProblem_ = text;
    notify(text, Notice::Problem);
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const Triple* triple = tripleOf(watched);
            if (triple && mouse->button() == Qt::LeftButton &&
                triple->text->rect().contains(mouse->position().toPoint())) {
                stationBoxClick(*triple);
            }
            break;
        }
        case QEvent::KeyPress:
        case QEvent::InputMethod: {
            // Text composed with an input method (Chinese) arrives as its commit, not as keys.
            const int code = event->type() == QEvent::KeyPress
                                 ? characterCode(*static_cast<QKeyEvent*>(event))
                                 : committedCode(*static_cast<QInputMethodEvent*>(event));
            const std::optional<EntryBox> box = entryBoxOf(watched);
            if (code != 0 && box) entryKeyPress(*box, code);
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

const FrmMain::Triple* FrmMain::tripleOf(const QObject* object) const {
    for (const Triple& triple : triples_) {
        if (triple.text == object) return &triple;
    }
    return nullptr;
}

const FrmMain::Triple& FrmMain::tripleOf(EntryBox box) const {
    for (const Triple& triple : triples_) {
        if (triple.box == box) return triple;
    }
    throw std::logic_error("the line box has no suggestion list");
}

std::optional<EntryBox> FrmMain::entryBoxOf(const QObject* object) const {
    if (object == txtQueryLnna) return EntryBox::txtQueryLnna;
    if (const Triple* triple = tripleOf(object)) return triple->box;
    return std::nullopt;
}

void FrmMain::stationBoxChange(const Triple& triple) {
    const QString boxText = triple.text->text();
    const std::string cleaned = Query::suggestionText(boxText.toStdString());
    const QString cleanedText = QString::fromStdString(cleaned);
    if (cleanedText != boxText) {
        // Writing the cleaned text back is itself a change of the box and runs this handler
        // on it; that run does the rest. The caret stays where it was among the kept text.
        const int caret = triple.text->cursorPosition();
        const int removedBefore = static_cast<int>(boxText.left(caret).count(u'%'));
        triple.text->setText(cleanedText);
        triple.text->setCursorPosition(caret - removedBefore);
        return;
    }
    const std::string name = entryText(triple.box).toStdString();
    if (name.empty()) return;
    showSuggestions(&triple);
    try {
        const Suggestions found = query_.suggest(name);
        if (!found.searched) return;
        triple.list->setLines(found.lines);
        lastProblem_.clear();
    } catch (...) {
        const QString text = failureText(std::current_exception(), query_.language());
        if (text != lastProblem_) reportProblem(text);
    }
}

void FrmMain::showSuggestions(const Triple* shown) {
    for (const Triple& triple : triples_) triple.label->setVisible(&triple == shown);
    for (const Triple& triple : triples_) triple.list->setVisible(&triple == shown);
}

void FrmMain::stationBoxClick(const Triple& triple) {
    const Emptying emptying = emptyingOnClick(triple.box);
    for (EntryBox box : emptying.boxes) empty(box);
    if (emptying.resultPane) d1->clear();
    if (!entryText(triple.box).isEmpty()) showSuggestions(&triple);
}

void FrmMain::entryKeyPress(EntryBox box, int characterCode) {
    for (EntryBox other : emptyingOnKeyPress(box).boxes) empty(other);
    if (keyPressRunsQuery(box, entryText(box).toStdString(), characterCode)) emit queryCommand();
}

void FrmMain::listDoubleClick(const Triple& triple, const QString& line) {
    if (!line.isEmpty() && triple.text->text() != line) triple.text->setText(line);
    switch (triple.box) {
        case EntryBox::txtQueryFrom:
            List1_DblClick();
            break;
        case EntryBox::txtStnaFrom:
            List2_DblClick();
            break;
        case EntryBox::txtStnaTo:
            List3_DblClick();
            break;
        case EntryBox::txtQueryLnna:
            break;
    }
}

void FrmMain::empty(EntryBox box) {
    if (box == EntryBox::txtQueryLnna) {
        txtQueryLnna->setEditText(QString());
    } else {
        tripleOf(box).text->setText(QString());
    }
}

QueryInput FrmMain::queryInput() const {
    const auto text = [this](EntryBox box) { return entryText(box).toStdString(); };
    return {text(EntryBox::txtQueryLnna), text(EntryBox::txtQueryFrom), text(EntryBox::txtStnaFrom),
            text(EntryBox::txtStnaTo), List1->selectedLine().toStdString()};
}

std::optional<RouteTime> FrmMain::routeTime() const {
    if (ctlWhen->isHidden()) return std::nullopt;
    return ctlWhen->routeTime();
}

void FrmMain::hideSuggestions() {
    showSuggestions(nullptr);
}

void FrmMain::loadBanner() {
    WebBrowser1->navigate(links.banner());
}

void FrmMain::nameCity(const QString& city) {
    setWindowTitle(city + QStringLiteral(" — busquery"));
    WebBrowser1->setCity(city);
}

void FrmMain::setLineList(const QStringList& lines) {
    txtQueryLnna->clear();
    txtQueryLnna->addItems(lines);
    txtQueryLnna->setCurrentIndex(-1);  // the list is filled, the box itself stays empty
}

void FrmMain::removeFromLineList(const QString& line) {
    const auto exactly = Qt::MatchFixedString | Qt::MatchCaseSensitive;
    for (int at = txtQueryLnna->findText(line, exactly); at >= 0;
         at = txtQueryLnna->findText(line, exactly)) {
        txtQueryLnna->removeItem(at);
    }
}

void FrmMain::showDataDate(const QString& date) {
    Label13->setText(date);
}

void FrmMain::offerDepartureTime(bool timetable) {
    ctlWhen->setVisible(timetable);
}

QString FrmMain::entryText(EntryBox box) const {
    return box == EntryBox::txtQueryLnna ? txtQueryLnna->currentText()
                                         : tripleOf(box).text->text().trimmed();
}

void FrmMain::openPage(const QUrl& page) {
    if (QDesktopServices::openUrl(page)) return;
    notify(tr("无法打开网页。请把下面的地址复制到浏览器中打开：\n%1")
               .arg(page.toString(QUrl::FullyEncoded)),
           Notice::Problem);
}

void FrmMain::Picture2_Click() {
    openPage(links.registration());
}

void FrmMain::Picture3_Click() {
    openPage(links.update(Text1->text(), Text2->text(), Label13->text()));
}

void FrmMain::Picture4_Click() {
    openPage(links.home());
}

void FrmMain::Picture5_Click() {
    openPage(links.forum());
}

}  // namespace busquery::gui
