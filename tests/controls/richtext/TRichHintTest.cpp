#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <gtest/gtest.h>
#include <memory>

#include "controls/richtext/ERichHintError.h"
#include "controls/richtext/TRichHint.h"
#include "controls/richtext/TRichHintWindow.h"
#include "runtime/TApplication.h"
#include "runtime/TDropShadow.h"
#include "runtime/TForm.h"

using namespace quorvant::controls;
namespace runtime = quorvant::runtime;

namespace {

QFont HintFont()
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    return f;
}

struct HintFixture : ::testing::Test {
    void SetUp() override
    {
        main = new runtime::TForm;
        runtime::Application().SetMainForm(main);
        provider = new TRichHint(main);
        provider->SetHintFont(HintFont());
        screen = QGuiApplication::primaryScreen()->geometry();
    }
    void TearDown() override
    {
        delete window;
        main->Free();
    }

    // The application's request, through the provider's hook, then shown.
    void Show(const QString& text, QPoint at)
    {
        runtime::THintInfo info;
        info.HintMaxWidth = screen.width();
        info.HintPos = at;
        QString hint = text;
        bool canShow = true;
        runtime::Application().OnShowHint(hint, canShow, info);
        if (!window)
            window = new TRichHintWindow;
        QRect rect = window->CalcHintRect(info.HintMaxWidth, hint);
        rect.moveTopLeft(info.HintPos);
        window->ActivateHint(rect, hint);
    }

    runtime::TForm* main = nullptr;
    TRichHint* provider = nullptr;
    TRichHintWindow* window = nullptr;
    QRect screen;
};

} // namespace

TEST_F(HintFixture, shouldHaveDefaultValues)
{
    TRichHint* fresh = nullptr;
    runtime::TForm other;
    fresh = new TRichHint(&other, true);
    EXPECT_EQ(fresh->HintColor(), runtime::clInfoBk);
    EXPECT_EQ(fresh->HintColorTo(), runtime::clNone);
    EXPECT_EQ(fresh->HintFont().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(fresh->HintFontColor(), runtime::clInfoText);
    EXPECT_EQ(fresh->HintStyle(), TRichHint::hsRectangle);
    EXPECT_EQ(fresh->MaxWidth(), 0);
    EXPECT_EQ(fresh->XMargin(), 0);
    EXPECT_EQ(fresh->URLColor(), runtime::clBlue);
    EXPECT_EQ(fresh->ShadowColor(), runtime::clGray);
    EXPECT_EQ(fresh->ShadowOffset(), 1);
    fresh->setProperty("Version", QStringLiteral("2"));
    EXPECT_EQ(fresh->property("Version").toString(), QStringLiteral("1.3.5.0"));
}

TEST_F(HintFixture, OwnerMustBeAFormWithOneProvider)
{
    QObject notAForm;
    try {
        TRichHint bad(&notAForm);
        FAIL() << "no error";
    } catch (const ERichHintError& e) {
        EXPECT_STREQ(e.what(), "Control parent must be a form!");
    }
    try {
        new TRichHint(main);
        FAIL() << "no error";
    } catch (const ERichHintError& e) {
        EXPECT_STREQ(e.what(), "Only one instance of TRichHint allowed on form");
    }
    EXPECT_EQ(main->findChildren<TRichHint*>().size(), 1);
}

TEST_F(HintFixture, ProviderInstallsTheWindowClassAndTheHook)
{
    EXPECT_NE(dynamic_cast<TRichHintWindow*>(runtime::Application().HintWindow()), nullptr);
    provider->SetHintColor(runtime::clYellow);
    provider->SetMaxWidth(200);
    int calls = 0;
    provider->OnShowHint = [&](QString& text, bool&, runtime::THintInfo& info) {
        ++calls;
        EXPECT_EQ(info.HintMaxWidth, 200);
        text = QStringLiteral("changed");
    };
    runtime::THintInfo info;
    info.HintMaxWidth = 1000;
    QString text = QStringLiteral("hint");
    bool canShow = true;
    runtime::Application().OnShowHint(text, canShow, info);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(text, QStringLiteral("changed"));
    EXPECT_EQ(info.HintColor, runtime::clYellow);
    EXPECT_EQ(provider->LastHintInfo().HintMaxWidth, 200);
    EXPECT_EQ(provider->LastHintInfo().HintColor, runtime::clYellow);
}

TEST_F(HintFixture, OneWordHintIsEighteenWiderAndFourTallerThanItsText)
{
    const QFontMetrics fm(HintFont());
    const QPoint at(screen.left() + 20, screen.top() + 20);
    Show(QStringLiteral("Calculate"), at);
    EXPECT_EQ(window->geometry(),
              QRect(at, QSize(fm.horizontalAdvance(QStringLiteral("Calculate")) + 18, fm.height() + 4)));
    provider->SetXMargin(5);
    provider->SetYMargin(3);
    Show(QStringLiteral("Calculate"), at);
    EXPECT_EQ(window->size(),
              QSize(fm.horizontalAdvance(QStringLiteral("Calculate")) + 18 + 10, fm.height() + 4 + 6));
}

TEST_F(HintFixture, HintWiderThanTheScreenWraps)
{
    QString text;
    while (QFontMetrics(HintFont()).horizontalAdvance(text) < 2 * screen.width())
        text += QStringLiteral("word ");
    Show(text, screen.topLeft());
    EXPECT_LE(window->width(), screen.width() - 16 + 2 + 16);
    EXPECT_GE(window->height(), 3 * QFontMetrics(HintFont()).height() + 4);
}

TEST_F(HintFixture, NearTheRightEdgeItEndsTwoPixelsInside)
{
    Show(QStringLiteral("Right edge"), QPoint(screen.right() - 5, screen.top() + 10));
    EXPECT_EQ(window->geometry().right(), screen.right() - 2);
    Show(QStringLiteral("Bottom"), QPoint(screen.left() + 10, screen.bottom() - 3));
    EXPECT_EQ(window->geometry().bottom(), screen.bottom() - 2);
}

TEST_F(HintFixture, RoundedStyleCutsTheCornersAway)
{
    Show(QStringLiteral("Square"), screen.topLeft() + QPoint(10, 10));
    EXPECT_TRUE(window->mask().isEmpty());
    provider->SetHintStyle(TRichHint::hsRounded);
    Show(QStringLiteral("Rounded hint"), screen.topLeft() + QPoint(10, 10));
    const QRegion mask = window->mask();
    const int w = window->width(), h = window->height();
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        EXPECT_FALSE(mask.contains(corner)) << corner.x() << "," << corner.y();
    EXPECT_TRUE(mask.contains(QPoint(w / 2, h / 2)));
    EXPECT_TRUE(mask.contains(QPoint(w / 2, 0)));
}

TEST_F(HintFixture, SettingsComeFromTheMainFormsProvider)
{
    runtime::TForm dialog;
    EXPECT_EQ(TRichHint::ForMainForm(), provider);
    provider->SetXMargin(7);
    Show(QStringLiteral("Dialog"), screen.topLeft() + QPoint(10, 10));
    EXPECT_EQ(window->width(),
              QFontMetrics(HintFont()).horizontalAdvance(QStringLiteral("Dialog")) + 18 + 14);

    // Without a provider on the main form only the text is set.
    window->hide();
    runtime::Application().SetMainForm(&dialog);
    window->ActivateHint(QRect(10, 10, 50, 20), QStringLiteral("nothing"));
    EXPECT_EQ(window->Caption(), QStringLiteral("nothing"));
    EXPECT_FALSE(window->isVisible());
    runtime::Application().SetMainForm(main);
}

TEST_F(HintFixture, PaintsTheRequestColourInsideTheFrameOfItsStyle)
{
    provider->SetHintColor(runtime::clAqua);
    Show(QStringLiteral("Framed"), screen.topLeft() + QPoint(10, 10));
    QImage image = window->grab().toImage();
    const int w = image.width(), h = image.height();
    EXPECT_EQ(image.pixelColor(w / 2, 1).rgb(), QColor(0, 255, 255).rgb());
    EXPECT_EQ(image.pixelColor(w / 2, 0).rgb(), runtime::ToQColor(runtime::cl3DLight).rgb());
    EXPECT_EQ(image.pixelColor(0, h / 2).rgb(), runtime::ToQColor(runtime::cl3DLight).rgb());
    EXPECT_EQ(image.pixelColor(w - 1, h / 2).rgb(), runtime::ToQColor(runtime::cl3DDkShadow).rgb());
    EXPECT_EQ(image.pixelColor(w / 2, h - 1).rgb(), runtime::ToQColor(runtime::cl3DDkShadow).rgb());

    provider->SetHintStyle(TRichHint::hsRounded);
    provider->SetHintColorTo(runtime::clWhite);
    Show(QStringLiteral("Rounded"), screen.topLeft() + QPoint(10, 10));
    image = window->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() / 2, 0).rgb(), QColor(128, 128, 128).rgb());
    // A vertical gradient from the request colour towards white.
    EXPECT_LT(image.pixelColor(image.width() / 2, 2).red(),
              image.pixelColor(image.width() / 2, image.height() - 3).red());
}

TEST_F(HintFixture, RoundedOutlineIsTheEdgeOfTheWindowsShape)
{
    provider->SetHintStyle(TRichHint::hsRounded);
    // Aqua: no text pixel blended from black over it is grey.
    provider->SetHintColor(runtime::clAqua);
    Show(QStringLiteral("Rounded outline"), screen.topLeft() + QPoint(10, 10));
    const QRegion shape = window->mask();
    const QImage image = window->grab().toImage();
    const QRgb grey = qRgb(128, 128, 128);
    int edge = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!shape.contains(QPoint(x, y)))
                continue;
            const bool onEdge = !shape.contains(QPoint(x - 1, y)) || !shape.contains(QPoint(x + 1, y)) ||
                                !shape.contains(QPoint(x, y - 1)) || !shape.contains(QPoint(x, y + 1));
            const QRgb c = image.pixel(x, y);
            if (onEdge) {
                ++edge;
                EXPECT_EQ(c, grey) << "edge pixel " << x << "," << y << " shows the background";
            } else if (y < 8 || y >= image.height() - 8) {
                // Inside the corners' rows the outline is one pixel thin.
                if (x < 8 || x >= image.width() - 8) {
                    EXPECT_NE(c, grey) << "outline inside the shape at " << x << "," << y;
                }
            }
        }
    EXPECT_GT(edge, 2 * (image.width() + image.height()) - 40);
}

TEST_F(HintFixture, ShadowFallsRightAndBelowTheShapeWhereNoCompositorDrawsOne)
{
    // A plain white window beneath, so the shadow is the only dark thing.
    QWidget below(nullptr, Qt::FramelessWindowHint);
    below.setAutoFillBackground(true);
    QPalette palette = below.palette();
    palette.setColor(QPalette::Window, Qt::white);
    below.setPalette(palette);
    below.setGeometry(QRect(screen.topLeft() + QPoint(5, 5), QSize(400, 200)));
    below.show();
    QApplication::processEvents();

    provider->SetHintStyle(TRichHint::hsRounded);
    const QPoint at = screen.topLeft() + QPoint(40, 40);
    Show(QStringLiteral("Shadowed"), at);
    QApplication::processEvents();
    runtime::TDropShadow* shadow = window->Shadow();
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(shadow->geometry(), QRect(at, window->size() + QSize(4, 4)));
    const QImage image = shadow->grab().toImage();
    const QRegion area = shadow->Area();
    const QRegion shape = window->mask();
    const int w = window->width(), h = window->height();
    // Darker than the white beneath along the bottom and the right side,
    // never inside the hint's own shape, and lightest at the outer edge.
    for (const QPoint p : {QPoint(w / 2, h + 1), QPoint(w + 1, h / 2), QPoint(w / 2, h)}) {
        ASSERT_TRUE(area.contains(p)) << p.x() << "," << p.y();
        const QColor c = image.pixelColor(p);
        EXPECT_LT(c.red(), 235) << p.x() << "," << p.y();
        EXPECT_EQ(c.red(), c.blue());
    }
    EXPECT_LT(image.pixelColor(w / 2, h).red(), image.pixelColor(w / 2, h + 3).red());
    EXPECT_TRUE((area & shape).isEmpty());
    EXPECT_FALSE(area.contains(QPoint(w / 2, 2)));
    EXPECT_FALSE(area.contains(QPoint(2, h / 2)));

    window->ReleaseHint();
    EXPECT_EQ(window->Shadow(), nullptr);
}
