#include "runtime/help/THtmlHelpViewer.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <vector>

#include "platform/Platform.h"
#include "runtime/help/ChmArchive.h"
#include "runtime/help/THelpTextIndex.h"

namespace quorvant::runtime {

namespace {

std::vector<THtmlHelpViewer*>& OpenViewers()
{
    static std::vector<THtmlHelpViewer*> viewers;
    return viewers;
}

// Every resource a page asks for comes from the help file; nothing is read
// from disk or fetched from an address.
class ArchiveBrowser : public QTextBrowser {
public:
    ArchiveBrowser(const ChmArchive& archive, QWidget* parent) : QTextBrowser(parent), archive_(archive) {}

    QVariant loadResource(int type, const QUrl& url) override
    {
        if (url.scheme() != QLatin1String(THtmlHelpViewer::TopicScheme))
            return {};
        const auto data = archive_.Read(url.path().toStdString());
        if (!data)
            return {};
        QByteArray bytes(data->data(), static_cast<qsizetype>(data->size()));
        if (type == QTextDocument::StyleSheetResource)
            bytes += DarkThemeRules();
        return bytes;
    }

private:
    // Pages are styled for a light page: under a dark theme their own
    // heading and table-header colours would vanish into the background, so
    // rules in the theme's colours follow theirs.
    QByteArray DarkThemeRules() const
    {
        const QPalette& colors = palette();
        if (colors.color(QPalette::Base).lightness() >= colors.color(QPalette::Text).lightness())
            return {};
        return QStringLiteral("\nh1, h2, h3 { color: %1; }\nth { background-color: %2; color: %3; }\n")
            .arg(colors.color(QPalette::Link).name(), colors.color(QPalette::AlternateBase).name(),
                 colors.color(QPalette::Text).name())
            .toUtf8();
    }

    const ChmArchive& archive_;
};

std::pair<std::string, std::string> SplitAnchor(const std::string& topic)
{
    const auto hash = topic.find('#');
    if (hash == std::string::npos)
        return {topic, {}};
    return {topic.substr(0, hash), topic.substr(hash + 1)};
}

// Where the last window of each help file stood when it was closed; kept
// for the run only.
struct Place {
    QByteArray geometry;
    QByteArray splitter;
    int tab = 0;
};

std::map<std::string, Place>& Places()
{
    static std::map<std::string, Place> places;
    return places;
}

struct SitemapEntry {
    QString name;
    QString local;
};

// The entries of a contents or index file, in the file's order; an entry
// with several topics goes to its first.
std::vector<SitemapEntry> ReadSitemap(const std::string& bytes)
{
    static const QRegularExpression object(
        QStringLiteral(R"re(<object[^>]*text/sitemap[^>]*>(.*?)</object>)re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression param(
        QStringLiteral(R"re(<param\s+name\s*=\s*"([^"]*)"\s+value\s*=\s*"([^"]*)")re"),
        QRegularExpression::CaseInsensitiveOption);
    std::vector<SitemapEntry> entries;
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    for (auto objects = object.globalMatch(text); objects.hasNext();) {
        const QString body = objects.next().captured(1);
        SitemapEntry entry;
        for (auto params = param.globalMatch(body); params.hasNext();) {
            const auto match = params.next();
            if (match.captured(1).compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0 &&
                entry.name.isEmpty())
                entry.name = match.captured(2);
            else if (match.captured(1).compare(QLatin1String("Local"), Qt::CaseInsensitive) == 0 &&
                     entry.local.isEmpty())
                entry.local = match.captured(2);
        }
        if (!entry.name.isEmpty() && !entry.local.isEmpty())
            entries.push_back(entry);
    }
    return entries;
}

} // namespace

THtmlHelpViewer::THtmlHelpViewer(QWidget* caller, std::unique_ptr<ChmArchive> archive)
    // Owned by the caller's window like any dialog of the program (one
    // taskbar button, kept above it, placed over it by the compositor), yet
    // a reading window that can be minimised, maximised and resized.
    : QWidget(caller ? caller->window() : nullptr,
              Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      archive_(std::move(archive))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("HtmlHelpViewer"));
    const QString title = QString::fromStdString(archive_->Title());
    setWindowTitle(title.isEmpty() ? tr("Help") : title);
    resize(780, 540);

    back_ = new QToolButton(this);
    back_->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    back_->setToolTip(tr("Back"));
    forward_ = new QToolButton(this);
    forward_->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    forward_->setToolTip(tr("Forward"));
    home_ = new QToolButton(this);
    home_->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    home_->setToolTip(tr("Home"));

    browser_ = new ArchiveBrowser(*archive_, this);
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    // Names for assistive technology; the buttons show only icons.
    back_->setAccessibleName(tr("Back"));
    forward_->setAccessibleName(tr("Forward"));
    home_->setAccessibleName(tr("Home"));
    browser_->setAccessibleName(tr("Topic"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(home_);
    buttons->addStretch();
    splitter_ = new QSplitter(this);
    splitter_->addWidget(BuildNavigation());
    splitter_->addWidget(browser_);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({220, 560});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(splitter_);

    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home_, &QToolButton::clicked, this, [this] { ShowDefaultTopic(); });
    connect(browser_, &QTextBrowser::anchorClicked, this, &THtmlHelpViewer::FollowLink);
    connect(browser_, &QTextBrowser::historyChanged, this, &THtmlHelpViewer::UpdateButtons);
    connect(browser_, &QTextBrowser::sourceChanged, this, &THtmlHelpViewer::MarkCurrentContentsItem);

    // A help window is put away with the keys that close a document window.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }

    BuildContents();
    BuildIndex();
    UpdateButtons();
    RestorePlace();
    OpenViewers().push_back(this);
}

THtmlHelpViewer::~THtmlHelpViewer()
{
    std::erase(OpenViewers(), this);
}

THtmlHelpViewer* THtmlHelpViewer::ForFile(QWidget* caller, const std::string& fileName)
{
    for (THtmlHelpViewer* viewer : OpenViewers())
        if (viewer->archive_->FileName() == fileName)
            return viewer;
    auto archive = ChmArchive::Open(fileName);
    if (!archive)
        return nullptr;
    return new THtmlHelpViewer(caller, std::move(archive));
}

QList<THtmlHelpViewer*> THtmlHelpViewer::Windows()
{
    return QList<THtmlHelpViewer*>(OpenViewers().begin(), OpenViewers().end());
}

void THtmlHelpViewer::CloseAll()
{
    // Taken out of the list first, so a window destroyed here is never
    // visited twice.
    std::vector<THtmlHelpViewer*> viewers;
    viewers.swap(OpenViewers());
    for (THtmlHelpViewer* viewer : viewers) {
        viewer->hide();
        delete viewer;
    }
}

QUrl THtmlHelpViewer::TopicUrl(const std::string& topic)
{
    const auto [path, anchor] = SplitAnchor(topic);
    QUrl url;
    url.setScheme(QLatin1String(TopicScheme));
    url.setPath(QString::fromStdString(ChmArchive::NormalisePath(path)));
    if (!anchor.empty())
        url.setFragment(QString::fromStdString(anchor));
    return url;
}

bool THtmlHelpViewer::ShowTopic(const std::string& topic)
{
    const auto [path, anchor] = SplitAnchor(topic);
    if (!archive_->Contains(path))
        return false;
    browser_->setSource(TopicUrl(topic), QTextDocument::HtmlResource);
    return true;
}

bool THtmlHelpViewer::ShowDefaultTopic()
{
    if (!archive_->DefaultTopic().empty())
        return ShowTopic(archive_->DefaultTopic());
    for (const auto& entry : archive_->Entries())
        if (THelpTextIndex::IsPage(entry))
            return ShowTopic(entry);
    return false;
}

bool THtmlHelpViewer::ShowContext(std::uint32_t context)
{
    const auto topic = archive_->TopicForContext(context);
    return topic && ShowTopic(*topic);
}

std::string THtmlHelpViewer::CurrentTopic() const
{
    const QUrl source = browser_->source();
    if (source.isEmpty())
        return {};
    return ChmArchive::NormalisePath(source.path().toStdString());
}

QWidget* THtmlHelpViewer::BuildNavigation()
{
    navigation_ = new QTabWidget(this);
    navigation_->setAccessibleName(tr("Navigation"));

    contents_ = new QListWidget(navigation_);
    contents_->setAccessibleName(tr("Contents"));
    navigation_->addTab(contents_, tr("&Contents"));
    connect(contents_, &QListWidget::itemActivated, this, &THtmlHelpViewer::ContentsItemActivated);
    connect(contents_, &QListWidget::itemClicked, this, &THtmlHelpViewer::ContentsItemActivated);

    auto* indexPage = new QWidget(navigation_);
    indexFilter_ = new QLineEdit(indexPage);
    indexFilter_->setAccessibleName(tr("Keyword"));
    auto* indexLabel = new QLabel(tr("&Type in the keyword to find:"), indexPage);
    indexLabel->setBuddy(indexFilter_);
    index_ = new QListWidget(indexPage);
    index_->setAccessibleName(tr("Index"));
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(4, 4, 4, 4);
    indexLayout->addWidget(indexLabel);
    indexLayout->addWidget(indexFilter_);
    indexLayout->addWidget(index_);
    navigation_->addTab(indexPage, tr("In&dex"));
    connect(indexFilter_, &QLineEdit::textEdited, this, &THtmlHelpViewer::IndexFilterEdited);
    connect(indexFilter_, &QLineEdit::returnPressed, this, &THtmlHelpViewer::ShowSelectedKeyword);
    connect(index_, &QListWidget::itemActivated, this, &THtmlHelpViewer::ContentsItemActivated);
    connect(index_, &QListWidget::itemClicked, this, &THtmlHelpViewer::ContentsItemActivated);

    auto* searchPage = new QWidget(navigation_);
    searchText_ = new QLineEdit(searchPage);
    searchText_->setAccessibleName(tr("Words to search for"));
    auto* searchLabel = new QLabel(tr("Type in the &word(s) to search for:"), searchPage);
    searchLabel->setBuddy(searchText_);
    searchButton_ = new QPushButton(tr("&List Topics"), searchPage);
    searchResults_ = new QListWidget(searchPage);
    searchResults_->setAccessibleName(tr("Topics found"));
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->setContentsMargins(4, 4, 4, 4);
    searchLayout->addWidget(searchLabel);
    searchLayout->addWidget(searchText_);
    searchLayout->addWidget(searchButton_);
    searchLayout->addWidget(searchResults_);
    navigation_->addTab(searchPage, tr("&Search"));
    connect(searchText_, &QLineEdit::returnPressed, this, &THtmlHelpViewer::Search);
    connect(searchButton_, &QPushButton::clicked, this, &THtmlHelpViewer::Search);
    connect(searchResults_, &QListWidget::itemActivated, this, &THtmlHelpViewer::ContentsItemActivated);
    connect(searchResults_, &QListWidget::itemClicked, this, &THtmlHelpViewer::ContentsItemActivated);

    textIndex_ = std::make_unique<THelpTextIndex>(*archive_);
    return navigation_;
}

void THtmlHelpViewer::BuildContents()
{
    const auto sitemap =
        archive_->ContentsFile().empty() ? std::nullopt : archive_->Read(archive_->ContentsFile());
    if (!sitemap) {
        navigation_->setTabVisible(navigation_->indexOf(contents_), false);
        return;
    }
    // Entries point at topics relative to the contents file's folder.
    const QUrl base = TopicUrl(archive_->ContentsFile());
    for (const auto& entry : ReadSitemap(*sitemap)) {
        auto* item = new QListWidgetItem(entry.name, contents_);
        item->setData(Qt::UserRole, base.resolved(QUrl(entry.local)));
    }
}

void THtmlHelpViewer::BuildIndex()
{
    const auto sitemap = archive_->IndexFile().empty() ? std::nullopt : archive_->Read(archive_->IndexFile());
    if (!sitemap) {
        navigation_->setTabVisible(navigation_->indexOf(index_->parentWidget()), false);
        return;
    }
    const QUrl base = TopicUrl(archive_->IndexFile());
    for (const auto& entry : ReadSitemap(*sitemap)) {
        auto* item = new QListWidgetItem(entry.name, index_);
        item->setData(Qt::UserRole, base.resolved(QUrl(entry.local)));
    }
    if (index_->count() > 0)
        index_->setCurrentRow(0);
}

void THtmlHelpViewer::IndexFilterEdited(const QString& text)
{
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return;
    QListWidgetItem* found = nullptr;
    for (int row = 0; row < index_->count() && !found; ++row)
        if (index_->item(row)->text().startsWith(wanted, Qt::CaseInsensitive))
            found = index_->item(row);
    for (int row = 0; row < index_->count() && !found; ++row)
        if (index_->item(row)->text().contains(wanted, Qt::CaseInsensitive))
            found = index_->item(row);
    if (found) {
        index_->setCurrentItem(found);
        index_->scrollToItem(found, QAbstractItemView::PositionAtTop);
    }
}

void THtmlHelpViewer::ShowSelectedKeyword()
{
    if (QListWidgetItem* item = index_->currentItem())
        ContentsItemActivated(item);
}

void THtmlHelpViewer::Search()
{
    searchResults_->clear();
    for (const auto& hit : textIndex_->Find(searchText_->text())) {
        auto* item = new QListWidgetItem(hit.title, searchResults_);
        item->setData(Qt::UserRole, TopicUrl(hit.topic));
    }
    if (searchResults_->count() == 0) {
        // Said in the list, where the eye is, rather than in a box to dismiss.
        auto* none = new QListWidgetItem(tr("No topics found."), searchResults_);
        none->setFlags(Qt::NoItemFlags);
        return;
    }
    searchResults_->setCurrentRow(0);
}

void THtmlHelpViewer::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        RememberPlace();
    QWidget::hideEvent(event);
}

void THtmlHelpViewer::RememberPlace() const
{
    Places()[archive_->FileName()] = {saveGeometry(), splitter_->saveState(), navigation_->currentIndex()};
}

void THtmlHelpViewer::RestorePlace()
{
    const auto place = Places().find(archive_->FileName());
    if (place == Places().end())
        return;
    placed_ = true;
    restoreGeometry(place->second.geometry);
    splitter_->restoreState(place->second.splitter);
    if (navigation_->isTabVisible(place->second.tab))
        navigation_->setCurrentIndex(place->second.tab);
}

void THtmlHelpViewer::PlaceBesideOwner()
{
    if (placed_)
        return;
    placed_ = true;
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible() || QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    const QRect screen = owner->screen()->availableGeometry();
    const QRect beside = owner->frameGeometry();
    // Our frame is not known before the first showing: the owner's is alike.
    const QSize decoration = beside.size() - owner->size();
    // The wider side; the window narrows to it down to a still useful width.
    const int right = screen.right() - beside.right(), left = beside.left() - screen.left();
    const int room = std::max(right, left) - decoration.width();
    constexpr int UsefulWidth = 480;
    // Short of that, a useful width against the screen's edge still leaves
    // half the owner in sight, where the desktop would centre it on top.
    // There the right side comes first: the owner's fields start at its left.
    const auto coversLittle = [&](int side) {
        return UsefulWidth - (side - decoration.width()) <= owner->width() / 2;
    };
    if (room < UsefulWidth && !coversLittle(room + decoration.width()))
        return;
    const bool toRight = room >= UsefulWidth ? right >= left : coversLittle(right);
    resize(std::clamp(room, UsefulWidth, std::max(UsefulWidth, width())), height());
    const int wide = width() + decoration.width(), high = height() + decoration.height();
    const int x = toRight ? std::min(beside.right() + 1, screen.right() + 1 - wide)
                          : std::max(beside.left() - wide, screen.left());
    const int y = std::clamp(beside.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - high));
    move(x, y);
}

void THtmlHelpViewer::FollowLink(const QUrl& link)
{
    const QUrl url = browser_->source().resolved(link);
    if (url.scheme() == QLatin1String(TopicScheme)) {
        std::string topic = url.path().toStdString();
        if (url.hasFragment())
            topic += "#" + url.fragment().toStdString();
        ShowTopic(topic);
        return;
    }
    // Web and mail links belong to the desktop; the result is the shell's.
    platform::ThePlatform().ShellExecute(this, "open", url.toString().toStdString(), "", "",
                                         platform::SwShowNormal);
}

void THtmlHelpViewer::ContentsItemActivated(QListWidgetItem* item)
{
    const QUrl url = item->data(Qt::UserRole).toUrl();
    if (url.isValid())
        FollowLink(url);
}

void THtmlHelpViewer::MarkCurrentContentsItem(const QUrl& shown)
{
    for (int row = 0; row < contents_->count(); ++row) {
        if (contents_->item(row)->data(Qt::UserRole).toUrl().path() == shown.path()) {
            contents_->setCurrentRow(row);
            return;
        }
    }
    contents_->clearSelection();
}

void THtmlHelpViewer::UpdateButtons()
{
    back_->setEnabled(browser_->isBackwardAvailable());
    forward_->setEnabled(browser_->isForwardAvailable());
    home_->setEnabled(true);
}

} // namespace quorvant::runtime
