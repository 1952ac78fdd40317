// The designed windows under the user's desktop settings: a dark palette
// leaves every text readable, and a very different desktop font changes
// nothing but the menus.
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QPalette>
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "controls/statusbar/TStatusPanel.h"
#include "controls/statusbar/TStatusPanels.h"
#include "dialogs/TfrmAbout.h"
#include "dialogs/TfrmDisclaim.h"
#include "runtime/TColor.h"

namespace quorvant::testing {
namespace {

using runtime::ContrastRatio;

// Colours of a dark GTK theme (Adwaita dark).
QPalette DarkPalette()
{
    QPalette p;
    const QColor window(0x35, 0x35, 0x35), base(0x2d, 0x2d, 0x2d), text(0xee, 0xee, 0xec);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Light, QColor(0x4a, 0x4a, 0x4a));
    p.setColor(QPalette::Midlight, QColor(0x40, 0x40, 0x40));
    p.setColor(QPalette::Mid, QColor(0x2a, 0x2a, 0x2a));
    p.setColor(QPalette::Dark, QColor(0x1f, 0x1f, 0x1f));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0x1e, 0x1e, 0x1e));
    p.setColor(QPalette::ToolTipText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x91, 0x91, 0x91));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x91, 0x91, 0x91));
    return p;
}

// The contrast of the most distinct pixel in `area` against `background`:
// the core of the glyphs drawn there (their anti-aliased edges are softer).
double TextContrast(const QImage& image, const QRect& area, const QColor& background)
{
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, ContrastRatio(image.pixelColor(x, y), background));
    return best;
}

// Pixels of `area` that differ from `background`: something is drawn there.
int DrawnPixels(const QImage& image, const QRect& area, const QColor& background)
{
    int drawn = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            drawn += image.pixelColor(x, y) != background;
    return drawn;
}

QRect InnerRect(const QWidget* widget, const QWidget* in, int margin)
{
    return QRect(widget->mapTo(in, QPoint(0, 0)), widget->size()).adjusted(margin, margin, -margin, -margin);
}

QImage Grab(QWidget* widget)
{
    QApplication::processEvents();
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

class DesktopLookTest : public MainWindowFixture {
protected:
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        QApplication::setPalette(savedPalette);
        QApplication::setFont(savedFont);
    }

    static dialogs::TfrmAbout* OpenAbout()
    {
        auto* about = new dialogs::TfrmAbout("/opt/quorvant/", "?ref=x", "https://www.ostrel.example/");
        about->show();
        QApplication::processEvents();
        return about;
    }
    static dialogs::TfrmDisclaim* OpenDisclaimer()
    {
        auto* disclaimer = new dialogs::TfrmDisclaim;
        disclaimer->show();
        QApplication::processEvents();
        return disclaimer;
    }

    const QPalette savedPalette = QApplication::palette();
    const QFont savedFont = QApplication::font();
};

TEST_F(DesktopLookTest, DarkPaletteKeepsFixedColoursReadable)
{
    QApplication::setPalette(DarkPalette());
    app::TfrmMain& window = Open();
    controls::TNumericField* results[] = {window.edtDownPayment, window.edtLoan, window.edtPayment,
                                          window.edtFixedFees, window.edtAPR};
    for (auto* field : results)
        field->SetNumberValue(8888888.88);
    window.edtAPR->SetNumberValue(6.8125);
    const QImage image = Grab(&window);

    // The system colours follow the desktop: the window is dark.
    EXPECT_LT(
        image.pixelColor(InnerRect(window.nbkMain, &window, 0).bottomLeft() + QPoint(8, -8)).lightness(), 80);
    const QColor yellow(255, 255, 0);
    for (auto* field : results) {
        const QRect text = InnerRect(field, &window, 3);
        EXPECT_GT(DrawnPixels(image, text, yellow), 20) << field->objectName().toStdString();
        EXPECT_GE(TextContrast(image, text, yellow), runtime::MinimumTextContrast)
            << field->objectName().toStdString() << " digits on the yellow field";
    }

    // The web panel's blue link on the bar of the desktop's button colour.
    const QRect web = window.statusBar->Panels()->Items(0)->Rect().translated(
        window.statusBar->mapTo(&window, QPoint(0, 0)));
    const QColor bar = DarkPalette().color(QPalette::Button);
    EXPECT_GT(DrawnPixels(image, web.adjusted(2, 2, -2, -2), bar), 20);
    EXPECT_GE(TextContrast(image, web.adjusted(2, 2, -2, -2), bar), runtime::MinimumTextContrast)
        << "web panel link";

    // The About box's red edition line and blue link on the dark face.
    dialogs::TfrmAbout* about = OpenAbout();
    const QImage aboutImage = Grab(about);
    for (QWidget* label : {static_cast<QWidget*>(about->lblEdition), static_cast<QWidget*>(about->urlHome)}) {
        const QRect area = InnerRect(label, about, 0);
        EXPECT_GT(DrawnPixels(aboutImage, area, bar), 20) << label->objectName().toStdString();
        EXPECT_GE(TextContrast(aboutImage, area, bar), runtime::MinimumTextContrast)
            << label->objectName().toStdString();
    }
    delete about;
}

TEST_F(DesktopLookTest, DesktopFontChangesNothingButTheMenus)
{
    const auto render = [this] {
        app::TfrmMain& window = Open();
        std::vector<QImage> images{Grab(window.ClientArea)};
        dialogs::TfrmAbout* about = OpenAbout();
        images.push_back(Grab(about));
        delete about;
        dialogs::TfrmDisclaim* disclaimer = OpenDisclaimer();
        images.push_back(Grab(disclaimer));
        delete disclaimer;
        return images;
    };
    const std::vector<QImage> usual = render();
    form->Free();
    form = nullptr;

    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setPointSize(16);
    serif.setItalic(true);
    QApplication::setFont(serif);
    const std::vector<QImage> large = render();

    const char* names[] = {"calculator window", "About", "Disclaimer"};
    for (std::size_t i = 0; i < usual.size(); ++i) {
        ASSERT_EQ(usual[i].size(), large[i].size()) << names[i];
        EXPECT_TRUE(usual[i] == large[i])
            << names[i] << " drawn differently under a large serif desktop font";
    }

    // The menu bar and its drop-down menus share the desktop's menu face.
    const QFontInfo bar(form->mnuMain->font()), menu(form->mnuFile->font());
    EXPECT_EQ(bar.family(), menu.family());
    EXPECT_EQ(bar.pixelSize(), menu.pixelSize());
    EXPECT_EQ(bar.italic(), menu.italic());
}

TEST_F(DesktopLookTest, AboutLinkIsTahoma13BlueUnderlined)
{
    dialogs::TfrmAbout* about = OpenAbout();
    const QFont font = about->urlHome->font();
    EXPECT_EQ(font.family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(font.pixelSize(), 13);
    EXPECT_TRUE(font.underline());
    EXPECT_EQ(about->urlHome->palette().color(QPalette::WindowText), QColor(Qt::blue));
    delete about;
}

TEST_F(DesktopLookTest, LinkTakesADarkPaletteChosenWhileTheDialogIsOpen)
{
    dialogs::TfrmAbout* about = OpenAbout();
    QApplication::setPalette(DarkPalette());
    QApplication::processEvents();
    const QPalette shown = about->urlHome->palette();
    EXPECT_GE(ContrastRatio(shown.color(QPalette::WindowText), DarkPalette().color(QPalette::Window)),
              runtime::MinimumTextContrast);
    delete about;
}

} // namespace
} // namespace quorvant::testing
