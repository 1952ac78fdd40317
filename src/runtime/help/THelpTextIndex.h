#pragma once
// The words of every page of a compiled help file, for the viewer's search.
// The pages are read and reduced to plain text once, at the first search;
// a help file holds a few dozen pages, so a plain scan answers at once.

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace quorvant::runtime {

class ChmArchive;

class THelpTextIndex {
public:
    struct Hit {
        std::string topic; // archive path of the page
        QString title;     // the page's <title>, else its path
    };

    explicit THelpTextIndex(const ChmArchive& archive) : archive_(archive) {}

    // The pages that hold every word of the query (any case, anywhere in
    // the page's title or text, markup and entities resolved), sorted by title.
    // Nothing for a query without words.
    std::vector<Hit> Find(const QString& query);

    // The query split into its words, as Find matches them.
    static QStringList Words(const QString& query);
    // An HTML page of the archive (.htm or .html, any case).
    static bool IsPage(const std::string& path);
    // The page's title, else its path.
    static QString PageTitle(const std::string& topic, const QString& html);
    // The text a reader sees: no markup, no script or style, entities resolved.
    static QString PlainText(const QString& html);

private:
    struct Page {
        Hit hit;
        QString text; // folded to lower case
    };
    void Load();

    const ChmArchive& archive_;
    bool loaded_ = false;
    std::vector<Page> pages_;
};

} // namespace quorvant::runtime
