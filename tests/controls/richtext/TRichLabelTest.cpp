#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "controls/markup/MarkupEngine.h"
#include "controls/richtext/TRichLabel.h"
#include "support/TestPlatform.h"

namespace platform = quorvant::platform;
namespace runtime = quorvant::runtime;
namespace support = quorvant::testing;
using namespace quorvant::controls;

namespace {

QFont LabelFont()
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(8);
    return f;
}

// "go <a>link</a> ..." with the anchor's middle and a point on plain text.
struct LabelFixture : ::testing::Test {
    void SetUp() override
    {
        support::FreshPlatform();
        form.resize(400, 200);
        label = new TRichLabel(&form);
        label->setFont(LabelFont());
        label->setGeometry(10, 10, 300, 60);
        label->SetMarkupText(QStringLiteral(
            "go <a href=\"https://www.example/p?ref=Q\">link</a> or <a href=\"local\">here</a>"));
        const QFontMetrics fm(LabelFont());
        y = fm.height() / 2;
        onLink = QPoint(fm.horizontalAdvance(QStringLiteral("go ")) + 3, y);
        onLocal = QPoint(fm.horizontalAdvance(QStringLiteral("go ")) +
                             fm.horizontalAdvance(QStringLiteral("link or ")) + 3,
                         y);
        onPlain = QPoint(1, y);
    }

    void Press(QPoint at, Qt::MouseButton button)
    {
        QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), button, button, {});
        QApplication::sendEvent(label, &press);
    }
    void Move(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, label->mapToGlobal(at), Qt::NoButton, {}, {});
        QApplication::sendEvent(label, &move);
    }

    QWidget form;
    TRichLabel* label = nullptr;
    int y = 0;
    QPoint onLink, onLocal, onPlain;
};

} // namespace

TEST(TRichLabelProperties, shouldHaveDefaultValues)
{
    TRichLabel label;
    EXPECT_TRUE(label.MarkupText().isEmpty());
    EXPECT_EQ(label.URLColor(), runtime::clBlue);
    EXPECT_FALSE(label.Ellipsis());
    EXPECT_EQ(label.LineSpacing(), 0);
    EXPECT_FALSE(label.Transparent());
    EXPECT_EQ(label.ColorTo(), runtime::clNone);
    EXPECT_EQ(label.GradientType(), TRichLabel::gtFullHorizontal);
    EXPECT_EQ(label.LineWidth(), 2);
    EXPECT_EQ(label.VAlignment(), TRichLabel::tvaTop);
    EXPECT_FALSE(label.AutoSizing());
    EXPECT_EQ(label.AutoSizeType(), TRichLabel::asVertical);
    EXPECT_EQ(label.BevelWidth(), 1);
    EXPECT_EQ(label.BorderWidth(), 0);
    EXPECT_EQ(label.BorderColor(), runtime::clBlack);
    EXPECT_EQ(label.HoverColor(), runtime::clNone);
    EXPECT_EQ(label.ShadowColor(), runtime::clGray);
    EXPECT_EQ(label.ShadowOffset(), 2);
    EXPECT_TRUE(label.ParentColor());
    EXPECT_EQ(label.property("Version").toString(), QStringLiteral("1.8.0.2"));
    label.setProperty("Version", QStringLiteral("9"));
    EXPECT_EQ(label.Version(), QStringLiteral("1.8.0.2"));
}

TEST(TRichLabelProperties, ListAssignmentBecomesOneLineAndLinesJoinWithSpaces)
{
    TRichLabel label;
    label.SetMarkupText(QStringList{QStringLiteral("a\r\nb"), QStringLiteral("c")});
    EXPECT_EQ(label.MarkupText(), QStringList{QStringLiteral("abc")});
    label.AddMarkupLine(QStringLiteral("<b>d</b>"));
    EXPECT_EQ(label.DisplayText(), QStringLiteral("abc <b>d</b>"));
    // As a window description sets it: one string.
    label.setProperty("MarkupText", QStringLiteral("<i>e</i>"));
    EXPECT_EQ(label.MarkupText(), QStringList{QStringLiteral("<i>e</i>")});
    label.SetCaption(QStringLiteral("RichLabel1"));
    label.Loaded();
    EXPECT_TRUE(label.Caption().isEmpty());
}

TEST_F(LabelFixture, AnyButtonOnAnAddressOpensItOnce)
{
    QSignalSpy clicks(label, &TRichLabel::OnAnchorClick);
    for (auto button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        Press(onLink, button);
    const auto& requests = support::CurrentPlatform().shellRequests;
    ASSERT_EQ(requests.size(), 3u);
    for (const auto& r : requests) {
        EXPECT_EQ(r.verb, "open");
        EXPECT_EQ(r.file, "https://www.example/p?ref=Q");
        EXPECT_EQ(r.parameters, "");
        EXPECT_EQ(r.showCommand, platform::SwShowNormal);
    }
    ASSERT_EQ(clicks.count(), 3);
    EXPECT_EQ(clicks.at(0).at(1).toString(), QStringLiteral("https://www.example/p?ref=Q"));
}

TEST_F(LabelFixture, TargetThatIsNoAddressOnlyFiresTheClickEvent)
{
    QSignalSpy clicks(label, &TRichLabel::OnAnchorClick);
    Press(onLocal, Qt::LeftButton);
    Press(onPlain, Qt::LeftButton);
    EXPECT_TRUE(support::CurrentPlatform().shellRequests.empty());
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(1).toString(), QStringLiteral("local"));
}

TEST_F(LabelFixture, CursorAndEnterExitChangeOncePerCrossing)
{
    QSignalSpy enter(label, &TRichLabel::OnAnchorEnter);
    QSignalSpy exit(label, &TRichLabel::OnAnchorExit);
    Move(onPlain);
    EXPECT_NE(label->cursor().shape(), Qt::PointingHandCursor);
    Move(onLink);
    Move(onLink + QPoint(1, 0));
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(enter.count(), 1);
    EXPECT_EQ(label->HoveredAnchor(), 1);
    Move(onPlain);
    Move(onPlain + QPoint(0, 1));
    EXPECT_NE(label->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(exit.count(), 1);
    EXPECT_EQ(label->HoveredAnchor(), -1);
    // From one anchor straight to another: a new enter, no exit.
    Move(onLink);
    Move(onLocal);
    EXPECT_EQ(enter.count(), 3);
    EXPECT_EQ(enter.at(2).at(1).toString(), QStringLiteral("local"));
    EXPECT_EQ(exit.count(), 1);
}

TEST_F(LabelFixture, HintShowsTheTargetOrTheWholeText)
{
    runtime::THintInfo info;
    info.CursorPos = onLink;
    info.HintStr = QStringLiteral("plain hint");
    bool canShow = true;
    label->HintShowRequest(info, canShow);
    EXPECT_EQ(info.HintStr, QStringLiteral("plain hint"));

    label->SetAnchorHint(true);
    label->OnAnchorHint = [](QObject*, QString& anchor) { anchor += QStringLiteral("!"); };
    label->HintShowRequest(info, canShow);
    EXPECT_EQ(info.HintStr, QStringLiteral("https://www.example/p?ref=Q!"));
    EXPECT_EQ(info.HintPos, label->mapToGlobal(onLink) + QPoint(10, -10));

    label->SetHintShowFull(true);
    info.CursorPos = onPlain;
    label->HintShowRequest(info, canShow);
    EXPECT_EQ(info.HintStr, QStringLiteral("go link or here"));
    label->SetMarkupHint(true);
    label->HintShowRequest(info, canShow);
    EXPECT_EQ(info.HintStr, label->DisplayText());
}

TEST_F(LabelFixture, VerticalCentringMovesTheHitAreaDown)
{
    const int textHeight = QFontMetrics(LabelFont()).height();
    label->SetVAlignment(TRichLabel::tvaCenter);
    const int top = (label->height() - textHeight) / 2;
    EXPECT_TRUE(label->AnchorAt(onLink.x(), y).isEmpty());
    EXPECT_EQ(label->AnchorAt(onLink.x(), top + y), QStringLiteral("https://www.example/p?ref=Q"));
    label->SetVAlignment(TRichLabel::tvaBottom);
    EXPECT_EQ(label->AnchorAt(onLink.x(), label->height() - textHeight + y),
              QStringLiteral("https://www.example/p?ref=Q"));
}

TEST_F(LabelFixture, OpaqueLabelShowsItsColourTransparentOneTheParents)
{
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, QColor(255, 0, 0));
    form.setPalette(palette);
    form.setAutoFillBackground(true);
    label->SetMarkupText(QStringLiteral("x"));
    label->SetColor(runtime::clLime);
    const QPoint inside = label->geometry().bottomRight() - QPoint(3, 3);
    EXPECT_EQ(form.grab().toImage().pixelColor(inside), QColor(0, 255, 0));
    label->SetTransparent(true);
    EXPECT_EQ(form.grab().toImage().pixelColor(inside), QColor(255, 0, 0));
}

TEST_F(LabelFixture, ParentColorFollowsAPanelsColourProperty)
{
    EXPECT_EQ(label->Color(), runtime::FromQColor(form.palette().color(form.backgroundRole())));
    form.setProperty("Color", uint(runtime::clYellow));
    EXPECT_EQ(label->Color(), runtime::clYellow);
    label->SetColor(runtime::clAqua);
    EXPECT_FALSE(label->ParentColor());
    EXPECT_EQ(label->Color(), runtime::clAqua);
}

TEST_F(LabelFixture, AutoSizingFitsTheHeightToTheText)
{
    label->SetAutoSizing(true);
    label->SetMarkupText(QStringLiteral("one<br>two<br>three"));
    form.grab();
    EXPECT_EQ(label->height(), 3 * QFontMetrics(LabelFont()).height() + 6);
    EXPECT_EQ(label->width(), 300);
}

TEST_F(LabelFixture, HoverStylesOnlyTheAnchorUnderTheMouse)
{
    QFont big = LabelFont();
    big.setPixelSize(20);
    big.setStyleStrategy(QFont::NoAntialias);
    label->setFont(big);
    label->SetMarkupText(QStringLiteral("<a href=\"a\">first</a> <a href=\"b\">second</a>"));
    label->SetColor(runtime::clWhite);
    label->SetHover(true);
    label->SetHoverFontColor(runtime::clRed);
    label->SetVAlignment(TRichLabel::tvaCenter);
    const QFontMetrics fm(big);
    const int top = (label->height() - fm.height()) / 2;
    const int split = fm.horizontalAdvance(QStringLiteral("first "));
    auto redIn = [&](int from, int to) {
        const QImage image = label->grab().toImage();
        int n = 0;
        for (int yy = 0; yy < image.height(); ++yy)
            for (int xx = from; xx < to; ++xx) {
                const QColor c = image.pixelColor(xx, yy);
                n += c.red() > 200 && c.green() < 60 && c.blue() < 60;
            }
        return n;
    };
    Move(QPoint(split + 5, top + fm.height() / 2));
    ASSERT_EQ(label->HoveredAnchor(), 2);
    EXPECT_EQ(redIn(0, split - 2), 0);
    EXPECT_GT(redIn(split, label->width()), 10);
}
