#include "runtime/THtmlHelpViewer.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

#include "platform/Platform.h"
#include "runtime/ChmArchive.h"

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

    QVariant loadResource(int, const QUrl& url) override
    {
        if (url.scheme() != QLatin1String(THtmlHelpViewer::TopicScheme))
            return {};
        const auto data = archive_.Read(url.path().toStdString());
        if (!data)
            return {};
        return QByteArray(data->data(), static_cast<qsizetype>(data->size()));
    }

private:
    const ChmArchive& archive_;
};

std::pair<std::string, std::string> SplitAnchor(const std::string& topic)
{
    const auto hash = topic.find('#');
    if (hash == std::string::npos)
        return {topic, {}};
    return {topic.substr(0, hash), topic.substr(hash + 1)};
}

bool IsPage(const std::string& path)
{
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.ends_with(".htm") || lower.ends_with(".html");
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

    contents_ = new QListWidget(this);
    browser_ = new ArchiveBrowser(*archive_, this);
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    // Names for assistive technology; the buttons show only icons.
    back_->setAccessibleName(tr("Back"));
    forward_->setAccessibleName(tr("Forward"));
    home_->setAccessibleName(tr("Home"));
    contents_->setAccessibleName(tr("Contents"));
    browser_->setAccessibleName(tr("Topic"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(home_);
    buttons->addStretch();
    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 580});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(splitter);

    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home_, &QToolButton::clicked, this, [this] { ShowDefaultTopic(); });
    connect(browser_, &QTextBrowser::anchorClicked, this, &THtmlHelpViewer::FollowLink);
    connect(browser_, &QTextBrowser::historyChanged, this, &THtmlHelpViewer::UpdateButtons);
    connect(browser_, &QTextBrowser::sourceChanged, this, &THtmlHelpViewer::MarkCurrentContentsItem);
    connect(contents_, &QListWidget::itemActivated, this, &THtmlHelpViewer::ContentsItemActivated);
    connect(contents_, &QListWidget::itemClicked, this, &THtmlHelpViewer::ContentsItemActivated);

    BuildContents();
    UpdateButtons();
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
        if (IsPage(entry))
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

void THtmlHelpViewer::BuildContents()
{
    const auto sitemap =
        archive_->ContentsFile().empty() ? std::nullopt : archive_->Read(archive_->ContentsFile());
    if (!sitemap) {
        contents_->hide();
        return;
    }
    static const QRegularExpression object(
        QStringLiteral(R"re(<object[^>]*text/sitemap[^>]*>(.*?)</object>)re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression param(
        QStringLiteral(R"re(<param\s+name\s*=\s*"([^"]*)"\s+value\s*=\s*"([^"]*)")re"),
        QRegularExpression::CaseInsensitiveOption);
    const QString text = QString::fromUtf8(sitemap->data(), static_cast<qsizetype>(sitemap->size()));
    // Entries point at topics relative to the contents file's folder.
    const QUrl base = TopicUrl(archive_->ContentsFile());
    for (auto objects = object.globalMatch(text); objects.hasNext();) {
        const QString body = objects.next().captured(1);
        QString name, local;
        for (auto params = param.globalMatch(body); params.hasNext();) {
            const auto match = params.next();
            if (match.captured(1).compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0)
                name = match.captured(2);
            else if (match.captured(1).compare(QLatin1String("Local"), Qt::CaseInsensitive) == 0)
                local = match.captured(2);
        }
        if (name.isEmpty() || local.isEmpty())
            continue;
        auto* item = new QListWidgetItem(name, contents_);
        item->setData(Qt::UserRole, base.resolved(QUrl(local)));
    }
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
    FollowLink(item->data(Qt::UserRole).toUrl());
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
