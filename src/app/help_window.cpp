#include "help_window.h"

#include "app/help.h"
#include "session/product.h"
#include "session/qt_translations.h"
#include "session/session.h"
#include "ui/message_box.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace q731 {

namespace {

struct HelpTextEntry
{
    HelpText id;
    const char *text; // in context "HelpWindow"
};

constexpr HelpTextEntry kTexts[] = {
    {HelpText::Title, QT_TRANSLATE_NOOP("HelpWindow", "帮助主题")},
    {HelpText::Contents, QT_TRANSLATE_NOOP("HelpWindow", "目录")},
    {HelpText::Back, QT_TRANSLATE_NOOP("HelpWindow", "后退")},
    {HelpText::Forward, QT_TRANSLATE_NOOP("HelpWindow", "前进")},
    {HelpText::Find, QT_TRANSLATE_NOOP("HelpWindow", "查找")},
    {HelpText::FindNext, QT_TRANSLATE_NOOP("HelpWindow", "查找下一个")},
    {HelpText::NotFound, QT_TRANSLATE_NOOP("HelpWindow", "未找到“%1”")},
    {HelpText::ManualMissing,
     QT_TRANSLATE_NOOP("HelpWindow", "找不到帮助手册。已在以下位置查找：\r\n%1")},
    {HelpText::BrowserFailed,
     QT_TRANSLATE_NOOP("HelpWindow", "无法用系统的浏览器打开以下链接：\r\n%1")},
};

// Links the window follows itself: pages and pictures of the manual.
bool IsManualLink(const QUrl &url)
{
    return url.isRelative() || url.isLocalFile();
}

QUrl WithoutSection(QUrl url)
{
    url.setFragment({});
    return url;
}

// The manual as rich text can show it.
class ManualView : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl &name) override
    {
        const QVariant data = QTextBrowser::loadResource(type, name);
        if (type == QTextDocument::HtmlResource &&
            data.metaType() == QMetaType::fromType<QByteArray>()) {
            // Rich text does not know figures: taken as inline text, a picture
            // and its caption would join the heading above them.
            QString html = QString::fromUtf8(data.toByteArray());
            html.replace(QStringLiteral("<figure>"), QStringLiteral("<div>"))
                .replace(QStringLiteral("</figure>"), QStringLiteral("</div>"))
                .replace(QStringLiteral("<figcaption>"), QStringLiteral("<p><i>"))
                .replace(QStringLiteral("</figcaption>"), QStringLiteral("</i></p>"));
            return html;
        }
        if (type == QTextDocument::ImageResource &&
            data.metaType() == QMetaType::fromType<QByteArray>()) {
            // A screenshot wider than the page is made to fit, as a browser
            // does with the style sheet's max-width.
            QImage image;
            const int room = viewport()->width() - 2 * int(document()->documentMargin()) - 8;
            if (image.loadFromData(data.toByteArray()) && room > 100 && image.width() > room)
                return image.scaledToWidth(room, Qt::SmoothTransformation);
        }
        return data;
    }
};

} // namespace

QString HelpWindowText(HelpText text, Language language)
{
    for (const HelpTextEntry &entry : kTexts) {
        if (entry.id == text)
            return TextIn(language, "HelpWindow", entry.text);
    }
    return {};
}

HelpWindow::HelpWindow(Session &session, MessageBoxes &boxes, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_session(session)
    , m_boxes(boxes)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowIcon(parent ? parent->windowIcon() : QIcon());

    m_back = new QToolButton(this);
    m_back->setObjectName(QStringLiteral("helpBack"));
    m_back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_forward = new QToolButton(this);
    m_forward->setObjectName(QStringLiteral("helpForward"));
    m_forward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    for (QToolButton *button : {m_back, m_forward}) {
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setEnabled(false);
    }
    m_findBox = new QLineEdit(this);
    m_findBox->setObjectName(QStringLiteral("helpFind"));
    m_findBox->setClearButtonEnabled(true);
    m_findNext = new QToolButton(this);
    m_findNext->setObjectName(QStringLiteral("helpFindNext"));
    m_findStatus = new QLabel(this);
    m_findStatus->setObjectName(QStringLiteral("helpFindStatus"));
    QPalette warning = m_findStatus->palette();
    warning.setColor(QPalette::WindowText, QColor(0xc0, 0x00, 0x00));
    m_findStatus->setPalette(warning);

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addSpacing(12);
    bar->addWidget(m_findBox, 1);
    bar->addWidget(m_findNext);
    bar->addWidget(m_findStatus, 1);

    auto *contentsPane = new QWidget(this);
    m_contentsLabel = new QLabel(contentsPane);
    m_contents = new QListWidget(contentsPane);
    m_contents->setObjectName(QStringLiteral("helpContents"));
    auto *contentsLayout = new QVBoxLayout(contentsPane);
    contentsLayout->setContentsMargins(0, 0, 0, 0);
    contentsLayout->addWidget(m_contentsLabel);
    contentsLayout->addWidget(m_contents);

    m_view = new ManualView(this);
    m_view->setObjectName(QStringLiteral("helpView"));
    // Every link is decided here: the manual's own stay, the rest leave.
    m_view->setOpenLinks(false);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(contentsPane);
    splitter->addWidget(m_view);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 760});

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);

    connect(m_back, &QToolButton::clicked, m_view, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_view, &QTextBrowser::forward);
    connect(m_view, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_view, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_view, &QTextBrowser::anchorClicked, this, &HelpWindow::linkClicked);
    connect(m_view, &QTextBrowser::sourceChanged, this, &HelpWindow::sourceChanged);
    connect(m_contents, &QListWidget::itemClicked, this, &HelpWindow::contentsItemChosen);
    connect(m_contents, &QListWidget::itemActivated, this, &HelpWindow::contentsItemChosen);
    connect(m_findBox, &QLineEdit::returnPressed, this, &HelpWindow::findNext);
    connect(m_findNext, &QToolButton::clicked, this, &HelpWindow::findNext);
    connect(m_findBox, &QLineEdit::textChanged, m_findStatus, &QLabel::clear);

    auto *back = new QShortcut(QKeySequence::Back, this);
    connect(back, &QShortcut::activated, m_view, &QTextBrowser::backward);
    auto *forward = new QShortcut(QKeySequence::Forward, this);
    connect(forward, &QShortcut::activated, m_view, &QTextBrowser::forward);
    auto *find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        m_findBox->setFocus(Qt::ShortcutFocusReason);
        m_findBox->selectAll();
    });

    connect(&m_session, &Session::languageChanged, this, &HelpWindow::retranslate);
    retranslate();

    const QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1366, 768);
    resize(qMin(1100, available.width() * 85 / 100), qMin(800, available.height() * 85 / 100));
}

void HelpWindow::retranslate()
{
    const Language language = m_session.language();
    setWindowTitle(HelpWindowText(HelpText::Title, language));
    m_contentsLabel->setText(HelpWindowText(HelpText::Contents, language));
    m_back->setText(HelpWindowText(HelpText::Back, language));
    m_forward->setText(HelpWindowText(HelpText::Forward, language));
    m_findBox->setPlaceholderText(HelpWindowText(HelpText::Find, language));
    m_findNext->setText(HelpWindowText(HelpText::FindNext, language));
    m_findStatus->clear();
}

void HelpWindow::showManual(const QString &page)
{
    const QString path = QDir::cleanPath(QFileInfo(page).absoluteFilePath());
    // Help asked for again keeps the section being read.
    if (path == m_page)
        return;
    // The pictures and the style sheet lie beside the page and above it.
    m_view->setSearchPaths({QFileInfo(path).absolutePath()});
    m_view->setSource(QUrl::fromLocalFile(path));
}

void HelpWindow::linkClicked(const QUrl &url)
{
    const QUrl target = m_view->source().resolved(url);
    if (IsManualLink(url)) {
        m_view->setSource(target);
        return;
    }
    const bool opened = m_openSystem ? m_openSystem(url) : QDesktopServices::openUrl(url);
    if (!opened) {
        m_boxes.show(HelpWindowText(HelpText::BrowserFailed, m_session.language())
                         .arg(url.toDisplayString()),
                     StyleOkExclamation, HelpWindowText(HelpText::Title, m_session.language()));
    }
}

void HelpWindow::sourceChanged(const QUrl &url)
{
    const QString page = WithoutSection(url).toLocalFile();
    if (page != m_page) {
        m_page = page;
        fillContents();
    }
    // The contents list marks the section shown.
    QListWidgetItem *current = nullptr;
    for (int row = 0; row < m_contents->count(); ++row) {
        if (m_contents->item(row)->data(Qt::UserRole).toString() == url.fragment())
            current = m_contents->item(row);
    }
    const QSignalBlocker blocker(m_contents);
    m_contents->setCurrentItem(current);
}

void HelpWindow::fillContents()
{
    // One entry for each numbered section of the page: its heading and the
    // anchor that heading carries.
    m_contents->clear();
    for (QTextBlock block = m_view->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 2)
            continue;
        QString anchor;
        for (auto fragment = block.begin(); !fragment.atEnd() && anchor.isEmpty(); ++fragment) {
            const QStringList names = fragment.fragment().charFormat().anchorNames();
            if (!names.isEmpty())
                anchor = names.front();
        }
        auto *item = new QListWidgetItem(block.text().simplified(), m_contents);
        item->setData(Qt::UserRole, anchor);
    }
}

void HelpWindow::contentsItemChosen(QListWidgetItem *item)
{
    QUrl url = QUrl::fromLocalFile(m_page);
    url.setFragment(item->data(Qt::UserRole).toString());
    m_view->setSource(url);
}

void HelpWindow::findNext()
{
    const QString text = m_findBox->text();
    m_findStatus->clear();
    if (text.isEmpty())
        return;
    if (m_view->find(text))
        return;
    // Past the last match the search starts again at the top.
    const QTextCursor where = m_view->textCursor();
    QTextCursor start = where;
    start.movePosition(QTextCursor::Start);
    m_view->setTextCursor(start);
    if (m_view->find(text))
        return;
    // Text that is nowhere leaves the reader where they were.
    m_view->setTextCursor(where);
    m_findStatus->setText(HelpWindowText(HelpText::NotFound, m_session.language()).arg(text));
}

HelpCommand::HelpCommand(QWidget &owner, Session &session, MessageBoxes &boxes)
    : QObject(&owner)
    , m_owner(owner)
    , m_session(session)
    , m_boxes(boxes)
    , m_programFolder(ProgramFolder())
{
    setObjectName(QStringLiteral("HelpCommand"));
    connect(&m_session, &Session::languageChanged, this, &HelpCommand::languageChanged);
}

HelpCommand &HelpCommand::of(QWidget &owner, Session &session, MessageBoxes &boxes)
{
    if (auto *command = owner.findChild<HelpCommand *>(QString(), Qt::FindDirectChildrenOnly))
        return *command;
    return *new HelpCommand(owner, session, boxes);
}

void HelpCommand::setSystemOpener(std::function<bool(const QUrl &)> open)
{
    m_openSystem = std::move(open);
    if (m_window)
        m_window->setSystemOpener(m_openSystem);
}

HelpWindow *HelpCommand::ensureWindow()
{
    if (!m_window) {
        m_window = new HelpWindow(m_session, m_boxes, &m_owner);
        m_window->setSystemOpener(m_openSystem);
    }
    return m_window;
}

void HelpCommand::run()
{
    const Language language = m_session.language();
    const auto showManual = [this](const QString &page) {
        HelpWindow *window = ensureWindow();
        window->showManual(page);
        if (window->isMinimized())
            window->showNormal();
        else
            window->show();
        window->raise();
        window->activateWindow();
    };
    if (OpenHelp(language, m_programFolder, showManual, m_openSystem))
        return;
    QStringList places;
    for (const QString &candidate : HelpCandidates(language, m_programFolder))
        places << QDir::toNativeSeparators(candidate);
    m_boxes.show(
        HelpWindowText(HelpText::ManualMissing, language).arg(places.join(QStringLiteral("\r\n"))),
        StyleOkExclamation, HelpWindowText(HelpText::Title, language));
}

void HelpCommand::languageChanged()
{
    // An open help window turns to the manual of the new language; without
    // one it keeps the page it shows.
    if (!m_window || !m_window->isVisible())
        return;
    const QString page = HelpFilePath(m_session.language(), m_programFolder, HelpPlatform::Other);
    if (!page.isEmpty())
        m_window->showManual(page);
}

} // namespace q731
