#pragma once
// The help viewer window: one per help file, showing the file's topics,
// following links between them and showing their pictures, all read from
// the compiled help file. Links that leave the file go to the desktop.

#include <QList>
#include <QUrl>
#include <QWidget>

#include <memory>
#include <string>

class QListWidget;
class QListWidgetItem;
class QTextBrowser;
class QToolButton;

namespace quorvant::runtime {

class ChmArchive;

class THtmlHelpViewer : public QWidget {
    Q_OBJECT
public:
    // The URL scheme under which topics inside the file are addressed.
    static constexpr const char* TopicScheme = "chm";

    ~THtmlHelpViewer() override;

    // The open window for the file, or a new one owned by caller (which may
    // be null). Null, and nothing shown, when the file cannot be read.
    static THtmlHelpViewer* ForFile(QWidget* caller, const std::string& fileName);
    // Every open viewer window, oldest first.
    static QList<THtmlHelpViewer*> Windows();
    // Closes and destroys every viewer window.
    static void CloseAll();

    // Shows an archive path (with an optional "#anchor"); false, and the
    // page left as it was, when the file has no such topic.
    bool ShowTopic(const std::string& topic);
    // The file's default topic, or its first page when it names none.
    bool ShowDefaultTopic();
    // The topic mapped to a context number; false when none is mapped.
    bool ShowContext(std::uint32_t context);

    const ChmArchive& Archive() const { return *archive_; }
    // The archive path of the page shown, without its anchor.
    std::string CurrentTopic() const;
    QTextBrowser* Browser() const { return browser_; }
    QListWidget* Contents() const { return contents_; }

    static QUrl TopicUrl(const std::string& topic);

private:
    THtmlHelpViewer(QWidget* caller, std::unique_ptr<ChmArchive> archive);
    void BuildContents();
    void FollowLink(const QUrl& url);
    void ContentsItemActivated(QListWidgetItem* item);
    void UpdateButtons();
    // Keeps the contents entry of the page shown selected.
    void MarkCurrentContentsItem(const QUrl& shown);

    std::unique_ptr<ChmArchive> archive_;
    QTextBrowser* browser_ = nullptr;
    QListWidget* contents_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* home_ = nullptr;
};

} // namespace quorvant::runtime
