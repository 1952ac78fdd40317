// The help file's pages checked against the program they describe: what a
// page says the program does is read from the page and compared with what
// the program does when it is driven.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>

#include "app/MainWindowFixture.h"
#include "platform/ProfileFile.h"
#include "runtime/TSpeedButton.h"
#include "runtime/help/ChmArchive.h"
#include "runtime/help/ChmFixture.h"
#include "runtime/help/THelpTextIndex.h"

using namespace quorvant;
using namespace quorvant::app;
using quorvant::runtime::ChmArchive;
using quorvant::runtime::THelpTextIndex;
using quorvant::testing::CurrentPlatform;

namespace {

QString Plain(const QString& html)
{
    return THelpTextIndex::PlainText(html).simplified();
}

// A menu caption as the page writes it: no accelerator mark, no dots.
QString Caption(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    text = text.simplified();
    if (text.endsWith(QLatin1String("...")))
        text.chop(3);
    return text.trimmed();
}

QString Number(int n)
{
    static const char* const words[] = {"zero", "one", "two",   "three", "four",
                                        "five", "six", "seven", "eight", "nine"};
    return QString::fromLatin1(words[n]);
}

// Places of a picture mask before and after its decimal point.
std::pair<int, int> Places(const QString& mask)
{
    const auto point = mask.indexOf(u'.');
    const QString whole = point < 0 ? mask : mask.left(point);
    const QString fraction = point < 0 ? QString() : mask.mid(point + 1);
    return {static_cast<int>(whole.count(u'#')), static_cast<int>(fraction.count(u'#'))};
}

class HelpPages : public quorvant::testing::MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        help = ChmArchive::Open(quorvant::testing::ChmFixture::ProgramHelpFile());
        ASSERT_NE(help, nullptr) << quorvant::testing::ChmFixture::ProgramHelpFile();
    }

    QString Html(const std::string& page) const
    {
        const auto bytes = help->Read(page);
        EXPECT_TRUE(bytes) << page;
        return bytes ? QString::fromUtf8(bytes->data(), static_cast<qsizetype>(bytes->size())) : QString();
    }

    // Heading -> the text below it, up to the next heading.
    std::map<QString, QString> Sections(const std::string& page) const
    {
        static const QRegularExpression heading(QStringLiteral("<h2[^>]*>(.*?)</h2>(.*?)(?=<h2|</body)"),
                                                QRegularExpression::CaseInsensitiveOption |
                                                    QRegularExpression::DotMatchesEverythingOption);
        std::map<QString, QString> sections;
        for (auto it = heading.globalMatch(Html(page)); it.hasNext();) {
            const auto match = it.next();
            sections[Plain(match.captured(1))] = Plain(match.captured(2));
        }
        return sections;
    }

    // First cell -> second cell of every table row with two cells.
    std::map<QString, QString> TableRows(const std::string& page) const
    {
        static const QRegularExpression row(
            QStringLiteral("<tr[^>]*>\\s*<td[^>]*>(.*?)</td>\\s*<td[^>]*>(.*?)</td>"),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
        std::map<QString, QString> rows;
        for (auto it = row.globalMatch(Html(page)); it.hasNext();) {
            const auto match = it.next();
            rows[Plain(match.captured(1))] = Plain(match.captured(2));
        }
        return rows;
    }

    std::unique_ptr<ChmArchive> help;
};

std::string Drawn(const controls::TNumericField* field)
{
    return field->DrawnText().trimmed().toStdString();
}

} // namespace

TEST_F(HelpPages, TroubleshootingSaysWhatATermOf0Shows)
{
    TfrmMain& w = Open();
    w.edtTerm->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClicks(w.edtTerm, "0");
    QTest::keyClick(w.edtTerm, Qt::Key_Tab);
    QApplication::processEvents();
    ASSERT_EQ(Drawn(w.edtTerm), "0");
    EXPECT_TRUE(CurrentPlatform().messageBoxes.empty());
    const QString payment = QString::fromStdString(Drawn(w.edtPayment));
    const QString apr = QString::fromStdString(Drawn(w.edtAPR));

    const auto sections = Sections("/html/troubleshooting.htm");
    // The calculation message is not what a term of 0 brings...
    const auto message = sections.find("\"Results of this calculation cannot be determined\"");
    ASSERT_TRUE(message != sections.end());
    EXPECT_FALSE(message->second.contains("term", Qt::CaseInsensitive)) << message->second.toStdString();
    // ...the page says what it does bring, as the fields show it.
    bool told = false;
    for (const auto& [heading, text] : sections)
        if (text.contains("term of 0", Qt::CaseInsensitive)) {
            told = true;
            EXPECT_TRUE(text.contains("payment of " + payment)) << text.toStdString();
            EXPECT_TRUE(text.contains("APR of " + apr)) << text.toStdString();
        }
    EXPECT_TRUE(told);
}

TEST_F(HelpPages, TroubleshootingGivesThePlacesOfTheFieldsMasks)
{
    TfrmMain& w = Open();
    const auto amount = Places(w.edtPurchasePrice->PictureMask());
    const auto percent = Places(w.edtInterest->PictureMask());
    const auto term = Places(w.edtTerm->PictureMask());
    const QString text = Sections("/html/troubleshooting.htm")["A key only beeps"];
    EXPECT_TRUE(text.contains(Number(amount.first) + " before the decimal point and " +
                              Number(amount.second) + " after it for amounts"))
        << text.toStdString();
    EXPECT_TRUE(text.contains(Number(percent.first) + " and " + Number(percent.second) + " for percentages"))
        << text.toStdString();
    EXPECT_TRUE(text.contains(Number(term.first) + " for the term")) << text.toStdString();
}

TEST_F(HelpPages, TheSettingsFileSizeLimitIsTheOneTheProgramKeeps)
{
    const QString limit = QString::number(platform::MaxProfileFileSize >> 20) + " MB";
    for (const std::string page : {"/html/settings.htm", "/html/troubleshooting.htm"}) {
        const QString text = Plain(Html(page));
        EXPECT_TRUE(text.contains("larger than " + limit) || text.contains("up to " + limit)) << page;
    }
}

TEST_F(HelpPages, TheMenusPageNamesTheSiteEveryOnlineCommandOpens)
{
    TfrmMain& w = Open();
    auto& shell = CurrentPlatform().shellRequests;
    const auto rows = TableRows("/html/menus.htm");
    std::set<QString> commands;
    const auto check = [&](QAction* item, const QString& caption) {
        commands.insert(caption);
        shell.clear();
        item->trigger();
        QApplication::processEvents();
        ASSERT_EQ(shell.size(), 1u) << caption.toStdString();
        const QString host = QUrl(QString::fromStdString(shell[0].file)).host();
        const auto row = rows.find(caption);
        ASSERT_TRUE(row != rows.end()) << "no row for " << caption.toStdString();
        EXPECT_TRUE(row->second.contains(host)) << caption.toStdString() << " opens " << host.toStdString()
                                                << ", the page says " << row->second.toStdString();
    };
    // Every command a person can reach in the menu, submenus included.
    for (QAction* item : w.mnuInternet->actions()) {
        if (item->isSeparator() || !item->isVisible())
            continue;
        if (QMenu* sub = item->menu()) {
            for (QAction* inner : sub->actions())
                if (!inner->isSeparator() && inner->isVisible())
                    check(inner, Caption(item->text()) + ", " + Caption(inner->text()));
        } else {
            check(item, Caption(item->text()));
        }
    }
    EXPECT_EQ(commands.size(), 14u);
    // And no row for a command that is not there.
    for (const auto& [command, site] : rows)
        EXPECT_TRUE(commands.count(command)) << "stale row " << command.toStdString();
}

TEST_F(HelpPages, TheToolbarPictureShowsFlatButtonsAsTheProgramDoes)
{
    // A framed button has edges as tall as the button; a flat one only its
    // 16-pixel glyph. No column of the picture may hold a taller line.
    const auto bytes = help->Read("/images/toolbar.png");
    ASSERT_TRUE(bytes);
    const QImage picture = QImage::fromData(QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size())));
    ASSERT_FALSE(picture.isNull());
    const QRgb bar = picture.pixel(1, 1);
    for (int x = 0; x < picture.width(); ++x) {
        int run = 0, longest = 0;
        for (int y = 0; y < picture.height(); ++y) {
            const QRgb c = picture.pixel(x, y);
            run = c != bar && y > 0 && c == picture.pixel(x, y - 1) ? run + 1 : (c != bar ? 1 : 0);
            longest = std::max(longest, run);
        }
        EXPECT_LE(longest, 16) << "a line " << longest << " pixels tall in column " << x;
    }
    TfrmMain& w = Open();
    for (const runtime::TSpeedButton* button : {w.btnReset, w.btnUpdate, w.btnHelp, w.btnAbout, w.btnExit})
        EXPECT_TRUE(button->Flat()) << button->objectName().toStdString();
}
