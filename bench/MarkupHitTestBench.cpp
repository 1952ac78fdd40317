// One anchor hit test, as every mouse move over a rich-text label runs it: a
// check-only layout of the longest promotional text at its label's size,
// against a floor of measuring the same characters once as plain text.
#include <QApplication>
#include <QFontMetrics>
#include <cstdlib>

#include "BenchRatio.h"
#include "controls/markup/MarkupEngine.h"

using namespace quorvant::controls;

namespace {

const QString& PromotionText()
{
    // The size of the third page's description: three paragraphs, links, one
    // bold word, the program's size-2 font.
    static const QString text = QStringLiteral(
        "<P><font size=2><b>Equity Lens</b> shows what your home is really worth to you: the equity you hold "
        "today, how fast it grows with every payment and what a second mortgage or a line of credit would "
        "cost. <a href=\"https://equitylens.example/?ref=Quorvant451\">Read more</a><br></font></P>"
        "<P><font size=2>Compare refinancing offers side by side, with closing costs, points and the "
        "break-even "
        "month worked out for you. Print clean reports for your lender or your advisor, or save them for "
        "later.<br></font></P>"
        "<P><font size=2>Download the <a href=\"https://equitylens.example/?ref=Quorvant451\">free trial "
        "version</a> and see your numbers in minutes; it runs for thirty days with every feature "
        "<b>unlocked</b>.<br></font></P>");
    return text;
}

QFont LabelFont()
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    return f;
}

void HitTest(benchmark::State& state)
{
    TMarkupParams p;
    p.Font = LabelFont();
    p.Rect = QRect(0, 0, 310, 239);
    p.CheckOnly = true;
    p.Mouse = QPoint(150, 120);
    for (auto _ : state) {
        const TMarkupResult r = DrawMarkup(nullptr, PromotionText(), p);
        benchmark::DoNotOptimize(r.OnAnchor);
    }
}
BENCHMARK(HitTest);

void PlainMeasure(benchmark::State& state)
{
    const QString plain = StripMarkup(PromotionText());
    const QFont font = LabelFont();
    for (auto _ : state) {
        const QFontMetrics fm(font);
        benchmark::DoNotOptimize(fm.horizontalAdvance(plain));
    }
}
BENCHMARK(PlainMeasure);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    return quorvant::bench::RunWithRatios(argc, argv, {{"HitTest", "PlainMeasure", 8.0}});
}
