// Layout results are compared with the metrics of the font in use, never with
// pixel counts that hold for one font only.
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <limits>

#include "controls/markup/MarkupColors.h"
#include "controls/markup/MarkupEngine.h"
#include "controls/markup/TImageList.h"
#include "controls/markup/TPictureContainer.h"
#include "controls/markup/TRichPictureCache.h"

using namespace quorvant::controls;
using namespace quorvant::runtime;

namespace {

QFont Points(int points)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(points);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

TMarkupParams Params(const QRect& rect, const QFont& font = Points(8))
{
    TMarkupParams p;
    p.Font = font;
    p.FontColor = clBlack;
    p.Rect = rect;
    return p;
}

TMarkupResult Measure(const QString& text, int width, const QFont& font = Points(8))
{
    TMarkupParams p = Params(QRect(0, 0, width, 10000), font);
    p.MeasureOnly = true;
    return DrawMarkup(nullptr, text, p);
}

TMarkupResult HitAt(const QString& text, const QRect& rect, QPoint mouse, const QFont& font = Points(8))
{
    TMarkupParams p = Params(rect, font);
    p.CheckOnly = true;
    p.Mouse = mouse;
    return DrawMarkup(nullptr, text, p);
}

QImage Render(const QString& text, const QSize& size, const QFont& font)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawMarkup(&painter, text, Params(QRect(QPoint(0, 0), size), font));
    return image;
}

int CountPixels(const QImage& image, const QRect& area, bool (*match)(QColor))
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.rect().contains(x, y) && match(image.pixelColor(x, y)))
                ++n;
    return n;
}

bool IsBlue(QColor c)
{
    return c.blue() > 200 && c.red() < 60 && c.green() < 60;
}
bool IsBlack(QColor c)
{
    return c.blue() < 60 && c.red() < 60 && c.green() < 60;
}
bool IsGreen(QColor c)
{
    return c.green() > 120 && c.red() < 60 && c.blue() < 60;
}
bool IsRed(QColor c)
{
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

} // namespace

TEST(MarkupLines, CentredParagraphCentresEachWrappedLineWithoutItsTrailingSpace)
{
    const QFontMetrics fm(Points(8));
    // Sums of chunk widths, as the layout measures them.
    const int line1 = fm.horizontalAdvance(QStringLiteral("alpha ")) +
                      fm.horizontalAdvance(QStringLiteral("beta ")) +
                      fm.horizontalAdvance(QStringLiteral("gamma "));
    const int width = line1 - fm.horizontalAdvance(u' ') + 4;
    const QString text = QStringLiteral("<P align=\"center\"><a href=\"t\">alpha beta gamma delta</a></P>"
                                        "<P><a href=\"u\">epsilon</a></P>");
    const QRect rect(10, 0, width, 1000);
    const int y1 = fm.height() / 2, y2 = fm.height() + fm.height() / 2,
              y3 = 2 * fm.height() + fm.height() / 2;
    const int left1 = 10 + (width - (line1 - fm.horizontalAdvance(u' '))) / 2;
    const int left2 = 10 + (width - fm.horizontalAdvance(QStringLiteral("delta"))) / 2;
    const int left3 = 10 + (width - fm.horizontalAdvance(QStringLiteral("epsilon"))) / 2;

    EXPECT_TRUE(HitAt(text, rect, {left1, y1}).OnAnchor);
    EXPECT_FALSE(HitAt(text, rect, {left1 - 1, y1}).OnAnchor);
    EXPECT_TRUE(HitAt(text, rect, {left2, y2}).OnAnchor);
    EXPECT_FALSE(HitAt(text, rect, {left2 - 1, y2}).OnAnchor);
    // The alignment stays for a paragraph that does not set one.
    EXPECT_EQ(HitAt(text, rect, {left3, y3}).AnchorTarget, QStringLiteral("u"));
    EXPECT_FALSE(HitAt(text, rect, {left3 - 1, y3}).OnAnchor);
}

TEST(MarkupLines, LineBreakBeforeClosingTagsLeavesAnEmptyLineOfTheFontsHeight)
{
    const int h10 = QFontMetrics(Points(10)).height();
    ASSERT_NE(h10, QFontMetrics(Points(8)).height());
    const QString paragraph = QStringLiteral("<p><font size=2>Text<br></font></p>");
    EXPECT_EQ(Measure(paragraph + paragraph, 500).Height, 4 * h10);
}

TEST(MarkupLines, SpacesAreNotCollapsed)
{
    const QFontMetrics fm(Points(8));
    const int one = Measure(QStringLiteral("a b"), 500).Width;
    const int two = Measure(QStringLiteral("a  b"), 500).Width;
    EXPECT_EQ(one, fm.horizontalAdvance(QStringLiteral("a ")) + fm.horizontalAdvance(u'b') + 2);
    EXPECT_EQ(two, one + fm.horizontalAdvance(u' '));
}

TEST(MarkupLines, OverlongWordIsPlacedOnItsOwnLine)
{
    const QFontMetrics fm(Points(8));
    const QString word = QStringLiteral("Incomprehensibilities");
    const int width = fm.horizontalAdvance(word) / 2;
    const auto r = Measure(QStringLiteral("ab ") + word + QStringLiteral(" cd"), width);
    EXPECT_EQ(r.Height, 3 * fm.height());
    EXPECT_EQ(r.Width, fm.horizontalAdvance(word + u' ') - fm.horizontalAdvance(u' ') + 2);
}

TEST(MarkupLines, NbspJoinsWordsForBreakingAndShowsASpace)
{
    const QFontMetrics fm(Points(8));
    const int width = fm.horizontalAdvance(QStringLiteral("wordy ")) + 2;
    EXPECT_EQ(Measure(QStringLiteral("wordy wordy"), width).Height, 2 * fm.height());
    const auto joined = Measure(QStringLiteral("wordy&nbsp;wordy"), width);
    EXPECT_EQ(joined.Height, fm.height());
    EXPECT_EQ(joined.StrippedText, QStringLiteral("wordy wordy"));
}

TEST(MarkupLines, WithoutWordWrapOnlyLineBreakTagsEndLines)
{
    const int h = QFontMetrics(Points(8)).height();
    TMarkupParams p = Params(QRect(0, 0, 30, 1000));
    p.WordWrap = false;
    p.MeasureOnly = true;
    EXPECT_EQ(DrawMarkup(nullptr, QStringLiteral("many words that never fit in thirty pixels"), p).Height, h);
    EXPECT_EQ(DrawMarkup(nullptr, QStringLiteral("one<br>two<p>three</p>four"), p).Height, 3 * h);
}

TEST(MarkupLines, LineThatDoesNotFitBelowIsNotLaidOut)
{
    const int h = QFontMetrics(Points(8)).height();
    const QString text = QStringLiteral("one<br>two");
    TMarkupParams p = Params(QRect(0, 0, 200, 2 * h - 1));
    p.CheckOnly = true;
    auto r = DrawMarkup(nullptr, text, p);
    EXPECT_EQ(r.Height, h);
    EXPECT_EQ(r.StrippedText, QStringLiteral("one\r"));
    p.Rect.setHeight(2 * h);
    r = DrawMarkup(nullptr, text, p);
    EXPECT_EQ(r.Height, 2 * h);
    EXPECT_EQ(r.StrippedText, QStringLiteral("one\rtwo"));
    // Measuring ignores the bottom.
    p.Rect.setHeight(1);
    p.MeasureOnly = true;
    EXPECT_EQ(DrawMarkup(nullptr, text, p).Height, 2 * h);
}

TEST(MarkupLines, SubscriptAndSuperscriptEndWithTheirLine)
{
    const QFontMetrics fm(Points(8));
    const int h = fm.height();
    const int width = fm.horizontalAdvance(QStringLiteral("wwww ")) + 2; // one word a line
    // Three lines of a wrapped run: only the first is lowered or raised.
    EXPECT_EQ(Measure(QStringLiteral("<sub>wwww wwww wwww</sub>"), width).Height, 3 * h + h / 4);
    EXPECT_EQ(Measure(QStringLiteral("<sup>wwww wwww wwww</sup>"), width).Height, 3 * h + h / 4);
    // The wrapped line is drawn exactly as plain text on a line of its own.
    const QSize size(width, 4 * h);
    EXPECT_EQ(Render(QStringLiteral("<sub>wwww wwww</sub>"), size, Points(8)),
              Render(QStringLiteral("<sub>wwww</sub><br>wwww"), size, Points(8)));
}

TEST(MarkupNumbers, HugeValuesNeitherWrapRoundNorMoveTextBack)
{
    const int h = QFontMetrics(Points(8)).height();
    // An indent stop far past the line: the extent stays far right, and the
    // word that no longer fits goes to the next line.
    const auto stop = Measure(QStringLiteral("<ind x=\"2147483647\">ab"), 500);
    EXPECT_GT(stop.Width, 500);
    EXPECT_EQ(stop.Height, 2 * h);
    // A hugely negative offset widens the line as far as it moves it left.
    EXPECT_EQ(Measure(QStringLiteral("<of x=\"-2147483648\">aa bb cc</of>"), 500).Height, h);
    // An indent that would pass the end of the integers does not come round
    // to the far left.
    const auto hit = HitAt(QStringLiteral("<p indent=\"2147483647\"><a href=\"t\">xx</a></p>"),
                           QRect(10, 0, 200, 100), {std::numeric_limits<int>::min() + 12, h / 2});
    EXPECT_FALSE(hit.OnAnchor);
    // Huge pictures: line heights add up.
    QPixmap picture(4, 4);
    picture.fill(Qt::red);
    TPictureContainer container;
    container.Add(QStringLiteral("pic"), picture);
    const QString img = QStringLiteral("<img src=\"pic\" width=\"2147483647\" height=\"2147483647\">");
    TMarkupParams p = Params(QRect(0, 0, 500, 1));
    p.MeasureOnly = true;
    p.PictureContainer = &container;
    const int one = DrawMarkup(nullptr, img, p).Height;
    EXPECT_GT(one, 0);
    EXPECT_EQ(DrawMarkup(nullptr, img + QStringLiteral("<br>") + img, p).Height, 2 * one);
}

TEST(MarkupText, SizeZeroOrUnreadableGivesTheBaseFontsSize)
{
    const QFontMetrics base(Points(8)), big(Points(16));
    for (const char* tag : {"<font size=0>", "<font size=abc>", "<font size>", "<font size=\"\">"}) {
        SCOPED_TRACE(tag);
        const auto r = Measure(
            QStringLiteral("<font size=5>A") + QString::fromLatin1(tag) + QStringLiteral("B</font>"), 500);
        EXPECT_EQ(r.Width, big.horizontalAdvance(u'A') + base.horizontalAdvance(u'B') + 2);
    }
}

TEST(MarkupText, UnterminatedTagHidesTheRest)
{
    const QFontMetrics fm(Points(8));
    const auto r = Measure(QStringLiteral("abc <b def"), 500);
    EXPECT_EQ(r.StrippedText, QStringLiteral("abc "));
    EXPECT_EQ(r.Width, fm.horizontalAdvance(QStringLiteral("abc")) + 2);
}

TEST(MarkupText, AmpersandEntityDependsOnPrefixProcessing)
{
    const QFontMetrics fm(Points(8));
    EXPECT_EQ(Measure(QStringLiteral("a&amp;b"), 500).Width, fm.horizontalAdvance(QStringLiteral("a&b")) + 2);
    const int withBlankAmpersand = Measure(QStringLiteral("x & a&amp;b"), 500).Width;
    EXPECT_EQ(withBlankAmpersand, fm.horizontalAdvance(QStringLiteral("x ")) +
                                      fm.horizontalAdvance(QStringLiteral("& ")) +
                                      fm.horizontalAdvance(QStringLiteral("a&&b")) + 2);
}

TEST(MarkupText, EntitiesAreReplaced)
{
    EXPECT_EQ(Measure(QStringLiteral("&COPY; &euro;&lt;b&gt;"), 500).StrippedText,
              QStringLiteral("\u00A9 \u20AC<b>"));
    // Only lower case for the chunk entities.
    EXPECT_EQ(Measure(QStringLiteral("&LT;"), 500).StrippedText, QStringLiteral("&LT;"));
}

struct SizeCase {
    const char* Markup;
    int Points;
};

class MarkupFontSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(MarkupFontSize, SizeAttributeGivesPoints)
{
    QFont tiny = Points(8);
    tiny.setPixelSize(4);
    const auto r =
        Measure(QString::fromLatin1(GetParam().Markup) + QStringLiteral("WWWW</font>"), 2000, tiny);
    const QFontMetrics fm(Points(GetParam().Points));
    EXPECT_EQ(r.Width, fm.horizontalAdvance(QStringLiteral("WWWW")) + 2);
    EXPECT_EQ(r.Height, fm.height());
}

INSTANTIATE_TEST_SUITE_P(Sizes, MarkupFontSize,
                         ::testing::Values(SizeCase{"<font size=7>", 7}, SizeCase{"<font size=\"3\">", 12},
                                           SizeCase{"<font size=2>", 10}, SizeCase{"<FONT SIZE = 5>", 16},
                                           SizeCase{"<font size=\"20\">", 20},
                                           SizeCase{"<font size=-12>", 12}));

TEST(MarkupText, ClosingFontTagRestoresTheBaseFontNotTheEnclosingOne)
{
    const auto r = Measure(QStringLiteral("<font size=5>A<font size=1>B</font>C</font>"), 500);
    EXPECT_EQ(r.Width, QFontMetrics(Points(16)).horizontalAdvance(u'A') +
                           QFontMetrics(Points(8)).horizontalAdvance(u'B') +
                           QFontMetrics(Points(8)).horizontalAdvance(u'C') + 2);
    // Bold ends only with the exact closing tag.
    QFont bold = Points(8);
    bold.setBold(true);
    EXPECT_EQ(Measure(QStringLiteral("<b>W</bx>W"), 500).Width,
              2 * QFontMetrics(bold).horizontalAdvance(u'W') + 2);
}

TEST(MarkupPictures, SourcesSizeTheLineAndAreHitInsideAnAnchor)
{
    QPixmap picture(30, 40);
    picture.fill(Qt::red);
    TImageList images;
    images.Add(picture);
    TPictureContainer container;
    container.Add(QStringLiteral("Logo"), picture);
    TRichPictureCache cache;
    TMarkupParams p = Params(QRect(0, 0, 300, 200));
    p.Images = &images;
    p.PictureContainer = &container;
    p.PictureCache = &cache;
    p.MeasureOnly = true;
    const int gh = QFontMetrics(Points(8)).height();
    auto measure = [&](const char* markup) { return DrawMarkup(nullptr, QString::fromLatin1(markup), p); };

    EXPECT_EQ(measure("<img src=\"idx:0\">").Height, 40);
    EXPECT_EQ(measure("<img src=\"idx:0\">").Width, 32);
    EXPECT_EQ(measure("<img src=\"logo\">").Width, 32);
    EXPECT_EQ(measure("<img src=\"idx:0\" width=\"10\" height=\"12\">").Width, 12);
    EXPECT_EQ(measure("<img src=\"idx:1\">").Height, gh);
    // Addresses are never fetched: only what the cache holds shows.
    EXPECT_EQ(measure("<img src=\"https://x.example/p.bmp\">").Width, 2);
    cache.Add(QStringLiteral("https://x.example/p.bmp"), picture);
    EXPECT_EQ(measure("<img src=\"https://x.example/p.bmp\">").Width, 32);

    p.MeasureOnly = false;
    p.CheckOnly = true;
    p.Mouse = QPoint(15, 20);
    const auto hit = measure("<a href=\"pic\"><img src=\"idx:0\"></a>");
    EXPECT_TRUE(hit.OnAnchor);
    EXPECT_EQ(hit.AnchorTarget, QStringLiteral("pic"));
    p.Mouse = QPoint(35, 20);
    EXPECT_FALSE(measure("<a href=\"pic\"><img src=\"idx:0\"></a>").OnAnchor);
}

TEST(MarkupHitTest, AnchorUnderPointInsideItsBoxOnly)
{
    const QFontMetrics fm(Points(8));
    const QString text =
        QStringLiteral("plain <a href=\"https://x.example/\">link</a> more <a href=\"b\">two</a>");
    const QRect rect(5, 3, 500, 200);
    const int x = 5 + fm.horizontalAdvance(QStringLiteral("plain "));
    const int y = 3 + fm.height() / 2;
    const auto hit = HitAt(text, rect, {x + 2, y});
    EXPECT_TRUE(hit.OnAnchor);
    EXPECT_EQ(hit.AnchorTarget, QStringLiteral("https://x.example/"));
    EXPECT_EQ(hit.MouseAnchor, 1);
    EXPECT_EQ(hit.AnchorCount, 2);
    EXPECT_TRUE(hit.AnchorRect.contains(x + 2, y));

    EXPECT_FALSE(HitAt(text, rect, {x - 2, y}).OnAnchor);
    EXPECT_FALSE(HitAt(text, rect, {x + 2, 3 + fm.height() + 2}).OnAnchor);
    EXPECT_FALSE(HitAt(text, rect, {x + fm.horizontalAdvance(QStringLiteral("link")) + 2, y}).OnAnchor);
    EXPECT_EQ(HitAt(text, rect, {x + fm.horizontalAdvance(QStringLiteral("link more ")) + 2, y}).MouseAnchor,
              2);
}

TEST(MarkupHitTest, FocusedAnchorTargetIsReported)
{
    TMarkupParams p = Params(QRect(0, 0, 500, 100));
    p.CheckOnly = true;
    p.FocusAnchor = 1;
    EXPECT_EQ(DrawMarkup(nullptr, QStringLiteral("<a href=\"a\">x</a> <a href=\"b\">y</a>"), p).FocusTarget,
              QStringLiteral("b"));
}

TEST(MarkupDrawing, AnchorIsBlueUnderlinedAndColourReturnsToBase)
{
    QFont font = Points(8);
    font.setPixelSize(24);
    const QFontMetrics fm(font);
    QFont under = font;
    under.setUnderline(true);
    const QString text = QStringLiteral("<font color=\"#00ff00\">gg <a href=\"t\">ANCHOR</a> after</font>");
    const QImage image = Render(text, {600, 60}, font);
    const int a0 = fm.horizontalAdvance(QStringLiteral("gg "));
    const int a1 = a0 + fm.horizontalAdvance(QStringLiteral("ANCHOR"));
    const int after = a1 + fm.horizontalAdvance(u' ');
    const QRect green(0, 0, a0, fm.height());
    const QRect anchor(a0, 0, a1 - a0, fm.height());
    const QRect rest(after, 0, 600 - after, fm.height());

    EXPECT_GT(CountPixels(image, green, IsGreen), 10);
    EXPECT_GT(CountPixels(image, anchor, IsBlue), 10);
    EXPECT_EQ(CountPixels(image, anchor, IsGreen), 0);
    EXPECT_GT(CountPixels(image, rest, IsBlack), 10);
    EXPECT_EQ(CountPixels(image, rest, IsGreen), 0);
    // The underline: one row below the baseline is blue across the anchor.
    const int row = fm.ascent() + QFontMetrics(under).underlinePos();
    EXPECT_GT(CountPixels(image, QRect(a0, row - 1, a1 - a0, 3), IsBlue), (a1 - a0) * 3 / 4);
}

TEST(MarkupDrawing, LowerCaseHexadecimalColourReadsCorrectly)
{
    QFont font = Points(8);
    font.setPixelSize(24);
    const QImage image = Render(QStringLiteral("<font color=\"#ff0000\">RED</font>"), {200, 40}, font);
    EXPECT_GT(CountPixels(image, image.rect(), IsRed), 20);
    EXPECT_EQ(CountPixels(image, image.rect(), IsBlue), 0);
}

// Each tag's opening half changes the drawing, and its closing half right
// after it leaves nothing behind; closing tags spelled like another tag's
// name do what their first letter's closing tag does.
TEST(MarkupDrawing, EachTagOpensAnEffectThatItsClosingTagUndoes)
{
    QPixmap picture(6, 6);
    picture.fill(Qt::red);
    TImageList images;
    images.Add(picture);
    auto render = [&](const char* markup) {
        QImage image(120, 50, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        TMarkupParams p = Params(QRect(0, 0, 120, 50));
        p.Images = &images;
        p.BlinkVisible = false;
        p.BrushColor = clRed;
        DrawMarkup(&painter, QString::fromLatin1(markup), p);
        return image;
    };
    const struct {
        const char* Markup;
        const char* Reference;
        bool Same;
    } rows[] = {
        {"<a href=\"t\">ww", "ww", false},
        {"<a href=\"t\"></a>ww", "ww", true},
        {"<b>ww", "ww", false},
        {"<b></b>ww", "ww", true},
        {"<br>ww", "ww", false},
        {"<bl>ww", "ww", false},
        {"<bl></bl>ww", "ww", true},
        {"<bl></br>ww", "ww", true},
        {"<bl></body>ww", "ww", true},
        {"<body bgcolor=\"clYellow\">ww", "ww", false},
        {"<e>ww", "ww", false},
        {"<e></e>ww", "ww", true},
        {"<font size=5 color=\"clRed\">ww", "ww", false},
        {"<font size=5 color=\"clRed\"></font>ww", "ww", true},
        {"<hi>ww", "ww", false},
        {"<hi></hi>ww", "ww", true},
        {"<hi></hr>ww", "ww", true},
        {"<hr>ww", "<br>ww", false},
        {"<i>ww", "ww", false},
        {"<i></i>ww", "ww", true},
        {"<i></ind>ww", "ww", true},
        {"<i></img>ww", "ww", true},
        {"<ind x=\"20\">ww", "ww", false},
        {"<img src=\"idx:0\">ww", "ww", false},
        {"<ul><li>ww", "<ul>ww", false},
        {"a</li>b", "a<br>b", true},
        {"<ofs x=\"20\">ww", "ww", false},
        {"<ofs x=\"20\"></ofs><br>ww", "<br>ww", true},
        {"<r a=\"90\">ww", "ww", false},
        {"<r a=\"90\"></r>ww", "ww", true},
        {"<sub></sub>ww<br>ww", "ww<br>ww", true},
        {"<sup></sup>ww<br>ww", "ww<br>ww", true},
        {"<sup></sub>ww<br>ww", "ww<br>ww", true},
        {"<s>ww", "ww", false},
        {"<s></s>ww", "ww", true},
        {"<s></strike>ww", "ww", true},
        {"<sh>ww", "ww", false},
        {"<sh></sh>ww", "ww", true},
        {"<u>ww", "ww", false},
        {"<u></u>ww", "ww", true},
        {"<u></ul>ww", "ww", true},
        {"<ul>ww", "ww", false},
        {"<ul></ul><li>ww", "<br><li>ww", true},
        {"<z>ww", "ww", false},
        {"<z></z>ww", "ww", true},
        {"<q>ww<strike><bx>", "ww", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Markup);
        EXPECT_EQ(render(row.Markup) == render(row.Reference), row.Same);
    }
    // The rule is drawn below a line it ends, like a line break that adds no
    // line break to the plain text.
    EXPECT_EQ(Measure(QStringLiteral("a<hr>b"), 500).Height, Measure(QStringLiteral("a<br>b"), 500).Height);
    EXPECT_EQ(Measure(QStringLiteral("a<hr>b"), 500).StrippedText, QStringLiteral("ab"));
}

TEST(MarkupColors, NamesAndHexadecimalValues)
{
    EXPECT_EQ(MarkupColor(u"#FF8000"), 0x0080FFu);
    EXPECT_EQ(MarkupColor(u"#ff8000"), 0x0080FFu);
    EXPECT_EQ(MarkupColor(u"#12"), 0x000012u); // short pairs read as 0
    EXPECT_EQ(MarkupColor(u"#GG0000"), 0u);
    EXPECT_EQ(MarkupColor(u"clRed"), clRed);
    EXPECT_EQ(MarkupColor(u"CLNAVY"), clNavy);
    EXPECT_EQ(MarkupColor(u"clbackground"), 0xFF000001u);
    EXPECT_EQ(MarkupColor(u"clinfobk"), clInfoBk);
    EXPECT_EQ(MarkupColor(u"cl3ddkshadow"), cl3DDkShadow);
    EXPECT_EQ(MarkupColor(u"nocolour"), clBlack);
}

TEST(StripMarkup, TagsGoLineBreaksBecomeCrLfHiddenTextGoes)
{
    EXPECT_EQ(StripMarkup(QStringLiteral("<b>a</b><Br>b<hr>c")), QStringLiteral("a\r\nb\r\nc"));
    EXPECT_EQ(StripMarkup(QStringLiteral("x<z>secret</z>y<Z>also</Z>z")), QStringLiteral("xyz"));
    EXPECT_EQ(StripMarkup(QStringLiteral("&amp; <a href=\"u\">link</a>")), QStringLiteral("&amp; link"));
    EXPECT_EQ(StripMarkup(QStringLiteral("a<b")), QStringLiteral("a<b"));
    EXPECT_EQ(StripMarkup(QStringLiteral("a<z>b")), QStringLiteral("a<z>b"));
}
