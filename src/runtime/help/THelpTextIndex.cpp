#include "runtime/help/THelpTextIndex.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <algorithm>

#include "runtime/help/ChmArchive.h"

namespace quorvant::runtime {

bool THelpTextIndex::IsPage(const std::string& path)
{
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.ends_with(".htm") || lower.ends_with(".html");
}

QStringList THelpTextIndex::Words(const QString& query)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return query.toCaseFolded().split(blanks, Qt::SkipEmptyParts);
}

QString THelpTextIndex::PageTitle(const std::string& topic, const QString& html)
{
    static const QRegularExpression title(QStringLiteral("<title[^>]*>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    const auto match = title.match(html);
    const QString text = match.hasMatch() ? PlainText(match.captured(1)).simplified() : QString();
    return text.isEmpty() ? QString::fromStdString(topic) : text;
}

QString THelpTextIndex::PlainText(const QString& html)
{
    // The head (title, style sheet links) and scripts are no part of what is read.
    static const QRegularExpression hidden(QStringLiteral("<(head|script|style)\\b.*?</\\1\\s*>"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    QString body = html;
    body.remove(hidden);
    return QTextDocumentFragment::fromHtml(body).toPlainText();
}

void THelpTextIndex::Load()
{
    loaded_ = true;
    for (const auto& entry : archive_.Entries()) {
        if (!IsPage(entry))
            continue;
        const auto bytes = archive_.Read(entry);
        if (!bytes)
            continue;
        const QString html = QString::fromUtf8(bytes->data(), static_cast<qsizetype>(bytes->size()));
        const QString title = PageTitle(entry, html);
        // The title counts as part of the page, as a reader sees it above the text.
        pages_.push_back({{entry, title}, (title + u' ' + PlainText(html)).simplified().toCaseFolded()});
    }
}

std::vector<THelpTextIndex::Hit> THelpTextIndex::Find(const QString& query)
{
    const QStringList words = Words(query);
    if (words.isEmpty())
        return {};
    if (!loaded_)
        Load();
    std::vector<Hit> hits;
    for (const auto& page : pages_)
        if (std::all_of(words.begin(), words.end(), [&](const QString& w) { return page.text.contains(w); }))
            hits.push_back(page.hit);
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
        return QString::localeAwareCompare(a.title, b.title) < 0;
    });
    return hits;
}

} // namespace quorvant::runtime
