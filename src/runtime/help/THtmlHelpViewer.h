#pragma once
// The help viewer window: one per help file, showing the file's topics,
// following links between them and showing their pictures, all read from
// the compiled help file. Links that leave the file go to the desktop.
// Beside the page: the file's contents, its keyword index and a full-text
// search over its pages. Escape and Ctrl+W close the window; a window opened
// again for the same file comes back where the last one was closed.

#include <QList>
#include <QUrl>
#include <QWidget>

#include <memory>
#include <string>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTextBrowser;
class QToolButton;

namespace quorvant::runtime {

class ChmArchive;
class THelpTextIndex;

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

    // Before a window's first showing: beside its owner where the screen has
    // room for it, so that the window it explains stays in sight; else (and
    // on Wayland, where clients do not place windows) the desktop places it.
    // A window put back at a remembered place stays there.
    void PlaceBesideOwner();

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
    // The tabs beside the page: contents, index, search.
    QTabWidget* Navigation() const { return navigation_; }
    QLineEdit* IndexFilter() const { return indexFilter_; }
    QListWidget* Index() const { return index_; }
    QLineEdit* SearchText() const { return searchText_; }
    QPushButton* SearchButton() const { return searchButton_; }
    QListWidget* SearchResults() const { return searchResults_; }

    static QUrl TopicUrl(const std::string& topic);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    THtmlHelpViewer(QWidget* caller, std::unique_ptr<ChmArchive> archive);
    QWidget* BuildNavigation();
    void BuildContents();
    void BuildIndex();
    // Selects the first keyword that starts with the filter's text (else
    // the first that holds it).
    void IndexFilterEdited(const QString& text);
    void ShowSelectedKeyword();
    void Search();
    // Where the window, its divider and its tabs stand, kept for the next
    // window of the same file, and put back.
    void RememberPlace() const;
    void RestorePlace();
    void FollowLink(const QUrl& url);
    void ContentsItemActivated(QListWidgetItem* item);
    void UpdateButtons();
    // Keeps the contents entry of the page shown selected.
    void MarkCurrentContentsItem(const QUrl& shown);

    std::unique_ptr<ChmArchive> archive_;
    bool placed_ = false;
    QTextBrowser* browser_ = nullptr;
    QListWidget* contents_ = nullptr;
    QTabWidget* navigation_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QLineEdit* indexFilter_ = nullptr;
    QListWidget* index_ = nullptr;
    QLineEdit* searchText_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QListWidget* searchResults_ = nullptr;
    std::unique_ptr<THelpTextIndex> textIndex_;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* home_ = nullptr;
};

} // namespace quorvant::runtime
