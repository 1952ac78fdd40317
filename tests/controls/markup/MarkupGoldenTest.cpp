// A fingerprint of everything the engine produces (pixels, sizes, hit-test
// results, plain text) for markup using every tag, written in every spelling
// the recogniser treats differently, plus a fixed pseudo-random mix of tag
// fragments. It guards a rewrite of the tag handling against any change of
// output; the digest holds for this machine's fonts only.
#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <gtest/gtest.h>

#include "controls/markup/MarkupEngine.h"
#include "controls/markup/TImageList.h"
#include "controls/markup/TPictureContainer.h"

using namespace quorvant::controls;
using namespace quorvant::runtime;

namespace {

const char* const Fixed[] = {
    "<A href=\"one\">link</A> after <a href=\"two\">second</a> tail",
    "<b>bold</b> plain <BX>bx</BX> <BL>blink</BL> after </BODY> end",
    "<BR>x<BRX>y<br/>z",
    "<BODY bgcolor=\"clYellow\">body</BODY>",
    "<BODY bgcolor=\"#FF0000\" bgcolorto=\"#0000FF\" dir=\"v\">grad</BODY>",
    "<BODY background=\"logo\" bgtopleft=\"idx:0\" bgtopright=\"logo\">tiles",
    "<E>error text</E> clean",
    "<FONT face=\"DejaVu Serif\" size=\"4\" color=\"clRed\" bgcolor=\"clYellow\">f</FONT>g</FX>h",
    "<font size=2>small</font><font size=\"7\">big</font><font size=-12>neg</font>",
    "<HI>high</HI>low<HIGHLIGHT>h2</HX>x<H1>h1</H1>",
    "a<HR>b<HRULE>c",
    "<I>it</I>no<IX>ix</I>y",
    "<IND x=\"40\">indented<IND x=\"10\">back",
    "<IMG src=\"idx:0\">p<IMG src=\"logo\" width=\"10\" height=\"12\" align=\"top\">q",
    "<IMG src=\"idx:0\" align=\"middle\" wrap> r <IMG src=\"idx:9\">",
    "<A href=\"p\"><IMG src=\"idx:0\" alt=\"logo\"></A> s",
    "<UL><LI>one<LI>two<UL><LI>deep</UL><LI>back</UL>after",
    "<LI>x</LI>y</LX>z",
    "<OFS x=\"30\">off</OFS>back<OX x=\"50\">ox</OX>y<O x=\"5\">o",
    "<P align=\"right\">right</P><P align=\"center\" indent=\"8\">centre</P>left",
    "<P bgcolor=\"clAqua\">band</P><P bgcolor=\"#00FF00\" bgcolorto=\"#0000FF\">grad</P>end",
    "<P align=\"left right\">lr<P align=\"centerleft\">cl",
    "<R a=\"90\">rot</R>flat<R a=\"400\">big",
    "<S>strike</S>x<SH>shadow</SH>y<SUB>sub</SUB>z<SUP>sup</SUP>w",
    "<SUBX>a</SX>b<SUPX>c</SUX>d<ST>e</STRIKE>f",
    "<SH>sh</S>still<S>st</SH>still",
    "<U>under</U>x<UL>list</U>y</UL>z</UX>w",
    "<U>u<UL>l</UL>still</U>",
    "<Z>hidden</Z>shown<z>h2</z>s2",
    "<Q>q</Q><>x</>y< B>z</ B>w<b >v</b >",
    "<bOdY bgcolor=\"clLime\">mixed</bOdY><hI>hi</Hi>",
    "</A>stray</FONT>close</P>first</HR>x</IMG>y</R>z</E>w</Z>v",
    "<A>no target</A><A href=x>unquoted</A>",
    "text with &amp; &lt;b&gt; &nbsp;&quot; &euro;<B>&copy;</B>",
    "tab\there<b>\tbold</b>",
    "line one\r\nline two\rline three",
    "<#hash> rest",
    "<FONT size=\"3\"><A href=\"u\">mix</A></FONT><HI><A href=\"v\">hl</A></HI>",
    "long words to make it wrap around the narrow rectangle again and again and again",
    "<P align=\"center\">a centred paragraph that wraps over several lines of the box</P>",
    "<BL>blink</BR>after<BL>again</BX>more<BL>third</B>fourth",
    "<HI>high</HR>low<HI>again</H1>more",
    "<I>it</IND>x<I>it</IMG>y<I>z</IX>w",
    "<OFS x=\"30\">offset words that wrap over lines</OFS>and more words that wrap again below",
    "<OFS x=\"30\">offset words that wrap over lines</O>and more words that wrap again below",
    "<SUP>up</SU>x<SUB>down</SUPER>y<SUP>z</SUB>",
    "<U>u</U><UL><UL>two</UL>one</UL>zero</UL>x",
    "<LI>item one with words</LI>after the item<LI>two</LIST>three",
};

const char* const Fragments[] = {
    "<A href=\"t\">",
    "</A>",
    "<B>",
    "</B>",
    "<BR>",
    "<BL>",
    "</BL>",
    "<BODY>",
    "</BODY>",
    "<BX>",
    "</BX>",
    "<E>",
    "</E>",
    "<FONT size=3>",
    "<FONT color=\"clRed\" bgcolor=\"clBlue\">",
    "</FONT>",
    "<HI>",
    "</HI>",
    "<HR>",
    "<I>",
    "</I>",
    "<IND x=\"20\">",
    "<IMG src=\"idx:0\">",
    "<LI>",
    "</LI>",
    "<OFS x=\"6\">",
    "</OFS>",
    "</O>",
    "<P align=\"center\">",
    "<P bgcolor=\"clSilver\">",
    "</P>",
    "<R a=\"45\">",
    "</R>",
    "<S>",
    "</S>",
    "<SH>",
    "</SH>",
    "<SUB>",
    "</SUB>",
    "<SUP>",
    "</SUP>",
    "<SX>",
    "<U>",
    "</U>",
    "<UL>",
    "</UL>",
    "<Z>",
    "</Z>",
    "<Q>",
    "<>",
    "</>",
    "word ",
    "two words ",
    "x",
    " ",
    "&amp;",
    "&nbsp;",
    "\r",
};

struct Variant {
    const char* Name;
    void (*Set)(TMarkupParams&);
};

const Variant Variants[] = {
    {"plain", [](TMarkupParams&) {}},
    {"hover",
     [](TMarkupParams& p) {
         p.HoverStyle = true;
         p.HoverAnchor = 1;
         p.HoverColor = clYellow;
         p.HoverFontColor = clRed;
         p.FocusAnchor = 0;
         p.Mouse = QPoint(20, 8);
     }},
    {"hover2",
     [](TMarkupParams& p) {
         p.HoverStyle = true;
         p.HoverAnchor = 2;
         p.HoverColor = clAqua;
         p.FocusAnchor = 1;
         p.Mouse = QPoint(70, 8);
     }},
    {"keep",
     [](TMarkupParams& p) {
         p.KeepColors = true;
         p.FocusAnchor = 0;
     }},
    {"blink",
     [](TMarkupParams& p) {
         p.BlinkVisible = false;
         p.BrushColor = clLime;
         p.Background = clNavy;
     }},
    {"nowrap", [](TMarkupParams& p) { p.WordWrap = false; }},
    {"measure", [](TMarkupParams& p) { p.MeasureOnly = true; }},
    {"check", [](TMarkupParams& p) { p.CheckOnly = true; }},
    {"check2",
     [](TMarkupParams& p) {
         p.CheckOnly = true;
         p.Mouse = QPoint(60, 22);
         p.HoverStyle = true;
         p.HoverAnchor = 1;
     }},
};

QByteArray Fingerprint(const QString& text, const Variant& variant, TImageList& images,
                       TPictureContainer& pictures)
{
    TMarkupParams p;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    p.Font = font;
    p.FontColor = clBlack;
    p.Rect = QRect(2, 3, 150, 120);
    p.Images = &images;
    p.PictureContainer = &pictures;
    p.Mouse = QPoint(10, 8);
    variant.Set(p);
    QImage image(160, 130, QImage::Format_RGB32);
    image.fill(Qt::white);
    TMarkupResult r;
    {
        QPainter painter(&image);
        r = DrawMarkup(&painter, text, p);
    }
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArrayView(image.constBits(), image.sizeInBytes()));
    const QString fields = QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
                               .arg(r.OnAnchor)
                               .arg(r.AnchorTarget, r.StrippedText, r.FocusTarget)
                               .arg(r.Width)
                               .arg(r.Height)
                               .arg(r.AnchorCount)
                               .arg(r.MouseAnchor)
                               .arg(QStringLiteral("%1,%2,%3,%4")
                                        .arg(r.AnchorRect.x())
                                        .arg(r.AnchorRect.y())
                                        .arg(r.AnchorRect.width())
                                        .arg(r.AnchorRect.height()));
    hash.addData(fields.toUtf8());
    return hash.result().toHex();
}

std::vector<QString> Inputs()
{
    std::vector<QString> inputs;
    for (const char* s : Fixed)
        inputs.push_back(QString::fromUtf8(s));
    // A fixed linear congruential sequence, the same on every platform.
    unsigned state = 12345;
    auto next = [&] {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7fff;
    };
    const unsigned count = sizeof(Fragments) / sizeof(Fragments[0]);
    for (int i = 0; i < 300; ++i) {
        QString s;
        const unsigned length = 3 + next() % 14;
        for (unsigned k = 0; k < length; ++k)
            s += QString::fromUtf8(Fragments[next() % count]);
        inputs.push_back(s);
    }
    return inputs;
}

} // namespace

TEST(MarkupGolden, OutputOfEveryTagIsUnchanged)
{
    QPixmap picture(14, 18);
    picture.fill(Qt::darkGreen);
    QPixmap other(9, 7);
    other.fill(Qt::magenta);
    TImageList images;
    images.Add(picture);
    TPictureContainer pictures;
    pictures.Add(QStringLiteral("logo"), other);

    QCryptographicHash all(QCryptographicHash::Sha1);
    FILE* dump =
        std::getenv("MARKUP_GOLDEN_DUMP") ? std::fopen(std::getenv("MARKUP_GOLDEN_DUMP"), "w") : nullptr;
    const std::vector<QString> inputs = Inputs();
    for (size_t i = 0; i < inputs.size(); ++i)
        for (const Variant& v : Variants) {
            const QByteArray f = Fingerprint(inputs[i], v, images, pictures);
            all.addData(f);
            if (dump)
                std::fprintf(dump, "%zu %s %s\n", i, v.Name, f.constData());
        }
    if (dump)
        std::fclose(dump);
    EXPECT_EQ(all.result().toHex().toStdString(), "e3934c2dabf27a9407d3e021505ceb129ccb26b7");
}
