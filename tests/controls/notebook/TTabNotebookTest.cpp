#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/entry/TNumericField.h"
#include "controls/keys/TEntryController.h"
#include "controls/keys/TKeyCodes.h"
#include "controls/notebook/NotebookErrors.h"
#include "controls/notebook/TTabNotebook.h"
#include "controls/notebook/TTabPage.h"
#include "runtime/ControlProperties.h"
#include "runtime/TApplication.h"
#include "runtime/TLabel.h"
#include "runtime/TPanel.h"
#include "runtime/TShape.h"
#include "support/TestPlatform.h"

using namespace quorvant;
using controls::TTabNotebook;
using controls::TTabPage;

namespace {

// Refuses its exit the way the numeric field does: the focus request is
// queued from focusOutEvent and runs after the focus change.
class RefusingEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    bool refuse = true;
    int exits = 0;

protected:
    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        ++exits;
        if (refuse)
            QMetaObject::invokeMethod(
                this, [this] { setFocus(); }, Qt::QueuedConnection);
    }
};

struct Events {
    std::vector<std::pair<std::string, int>> log;
    bool allow = true;
    void Watch(TTabNotebook& nb)
    {
        QObject::connect(&nb, &TTabNotebook::OnPageChange, &nb, [this](QObject*, int i, bool& allowChange) {
            log.emplace_back("change", i);
            allowChange = allow;
        });
        QObject::connect(&nb, &TTabNotebook::OnPageChanged, &nb,
                         [this](QObject*, int i) { log.emplace_back("changed", i); });
        QObject::connect(&nb, &TTabNotebook::OnTabClick, &nb,
                         [this](QObject*, int i) { log.emplace_back("tab", i); });
    }
};

// A form with a three-page notebook; the first page holds a field, a label
// and a panel, the second a field.
struct NotebookForm {
    QWidget form;
    TTabNotebook* nb = new TTabNotebook(&form);
    TTabPage* calc = nb->AddPage("&Calculator");
    TTabPage* promo = nb->AddPage("&Promotions");
    TTabPage* more = nb->AddPage("&More");
    QLineEdit* before = new QLineEdit(&form); // outside the notebook
    RefusingEdit* field = new RefusingEdit(calc);
    QLabel* label = new QLabel("Price", calc);
    QFrame* panel = new QFrame(calc);
    QLineEdit* promoField = new QLineEdit(promo);

    NotebookForm()
    {
        form.resize(400, 300);
        before->setGeometry(0, 270, 100, 20);
        nb->setGeometry(0, 0, 400, 260);
        field->setGeometry(10, 10, 100, 22);
        field->refuse = false;
        label->setGeometry(10, 50, 100, 20);
        panel->setGeometry(10, 90, 100, 40);
        promoField->setGeometry(10, 10, 100, 22);
        form.show();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    QPoint TabCentre(int index) const { return nb->Page(index)->TabRect().center(); }
    void Click(const QPoint& nbPos)
    {
        QWidget* target = nb->childAt(nbPos);
        if (!target)
            target = nb;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(nb, nbPos));
    }
};

} // namespace

TEST(TabNotebook, DefaultsOfANewNotebook)
{
    TTabNotebook nb;
    EXPECT_EQ(nb.size(), QSize(220, 185));
    EXPECT_EQ(nb.PageIndex(), -1);
    EXPECT_EQ(nb.DefaultPageIndex(), 0);
    EXPECT_TRUE(nb.UseActiveTabFont());
    EXPECT_TRUE(nb.TabAutoHeight());
    EXPECT_EQ(nb.TabHeight(), 20);
    EXPECT_EQ(nb.TabRowCount(), 0);
    EXPECT_EQ(nb.HighlightColor(), runtime::clBtnHighlight);
    EXPECT_EQ(nb.ShadowColor(), runtime::clBtnShadow);
    EXPECT_EQ(nb.Color(), runtime::clBtnFace);
    EXPECT_TRUE(nb.TabStop());
    EXPECT_EQ(nb.TabOrientation(), TTabNotebook::toTop);
    EXPECT_THROW(nb.SetTabOrientation(TTabNotebook::toLeft), controls::EInvalidTabFont);
    TTabPage page;
    EXPECT_EQ(page.TabColor(), runtime::clBtnFace);
    EXPECT_EQ(page.TextColor(), runtime::clBtnText);
    EXPECT_TRUE(page.Enabled() && page.PageVisible() && page.ParentFont());
}

TEST(TabNotebook, PageIndexRefusesUnselectablePages)
{
    NotebookForm f;
    Events e;
    e.Watch(*f.nb);
    f.more->SetEnabled(false);
    for (int bad : {3, -1, 2}) {
        try {
            f.nb->SetPageIndex(bad);
            ADD_FAILURE() << "no error for " << bad;
        } catch (const controls::EInvalidPageIndex& error) {
            EXPECT_STREQ(error.what(), "Invalid page index value");
        }
    }
    f.more->SetEnabled(true);
    f.promo->SetPageVisible(false);
    EXPECT_THROW(f.nb->SetPageIndex(1), controls::EInvalidPageIndex);
    EXPECT_EQ(f.nb->PageIndex(), 0);
    EXPECT_TRUE(e.log.empty());
}

TEST(TabNotebook, PageIndexWriteSwitchesWithEventsAndVeto)
{
    NotebookForm f;
    Events e;
    e.Watch(*f.nb);
    f.nb->SetPageIndex(0); // current: nothing at all
    EXPECT_TRUE(e.log.empty());

    f.nb->SetPageIndex(2);
    EXPECT_EQ(e.log, (decltype(e.log){{"change", 2}, {"changed", 2}}));
    EXPECT_TRUE(f.more->isVisible());
    EXPECT_FALSE(f.calc->isVisible());

    e.log.clear();
    e.allow = false;
    f.nb->SetPageIndex(1);
    EXPECT_EQ(e.log, (decltype(e.log){{"change", 1}}));
    EXPECT_EQ(f.nb->PageIndex(), 2);
    EXPECT_TRUE(f.more->isVisible());
}

TEST(TabNotebook, SwitchTakesHintAndClearsFocusedFieldInside)
{
    NotebookForm f;
    f.promo->SetHint("Other products|Products of the maker");
    f.field->setFocus();
    ASSERT_TRUE(f.field->hasFocus());
    f.nb->SetPageIndex(1);
    EXPECT_EQ(f.field->exits, 1);
    EXPECT_EQ(runtime::Hint(f.nb), "Other products|Products of the maker");
    f.before->setFocus();
    f.nb->SetPageIndex(0); // a focused control outside keeps the focus
    EXPECT_TRUE(f.before->hasFocus());
}

TEST(TabNotebook, LoadingStoresIndexThenShowsDefaultPage)
{
    QWidget form;
    auto* nb = new TTabNotebook(&form);
    nb->BeginLoad();
    nb->AddPage("A");
    nb->AddPage("B");
    nb->AddPage("C");
    Events e;
    e.Watch(*nb);
    nb->SetPageIndex(2);
    nb->SetDefaultPageIndex(1);
    EXPECT_TRUE(e.log.empty());
    nb->Loaded();
    EXPECT_EQ(nb->PageIndex(), 1);
    EXPECT_EQ(e.log, (decltype(e.log){{"changed", 1}})); // no page was showing: no OnPageChange
    EXPECT_FALSE(nb->Page(0)->isVisibleTo(nb));
    EXPECT_TRUE(nb->Page(1)->isVisibleTo(nb));
}

TEST(TabNotebook, ArrowsHomeAndEndWrapOverSelectablePages)
{
    NotebookForm f;
    f.nb->setFocus();
    ASSERT_TRUE(f.nb->hasFocus());
    QTest::keyClick(f.nb, Qt::Key_Right);
    EXPECT_EQ(f.nb->PageIndex(), 1);
    QTest::keyClick(f.nb, Qt::Key_Home);
    EXPECT_EQ(f.nb->PageIndex(), 0);
    QTest::keyClick(f.nb, Qt::Key_Left);
    EXPECT_EQ(f.nb->PageIndex(), 2);
    QTest::keyClick(f.nb, Qt::Key_Right);
    EXPECT_EQ(f.nb->PageIndex(), 0);
    f.more->SetEnabled(false);
    QTest::keyClick(f.nb, Qt::Key_End);
    EXPECT_EQ(f.nb->PageIndex(), 1);
    QTest::keyClick(f.nb, Qt::Key_Right); // skips the disabled page
    EXPECT_EQ(f.nb->PageIndex(), 0);
    EXPECT_TRUE(f.nb->hasFocus());
}

TEST(TabNotebook, KeysGoThroughTheFormsControllerTables)
{
    NotebookForm f;
    auto* controller = new controls::TEntryController(&f.form);
    controller->EntryCommands.GetCommandTable("WordStar").SetActive(true);
    controller->EntryCommands.Add(
        controls::TCommandTable("Mine", true, {{controls::TKeyCodes::vkF1, 0, 0, 0, 300}}));
    std::vector<int> commands;
    QObject::connect(f.nb, &TTabNotebook::OnUserCommand, f.nb,
                     [&](QObject*, int c) { commands.push_back(c); });
    f.nb->setFocus();
    QTest::keyClick(f.nb, Qt::Key_S, Qt::ControlModifier); // WordStar's left
    EXPECT_EQ(f.nb->PageIndex(), 2);
    QTest::keyClick(f.nb, Qt::Key_F1);
    EXPECT_EQ(commands, std::vector<int>{300});
    QTest::keyClick(f.nb, Qt::Key_Down); // a command the notebook does not use
    EXPECT_EQ(f.nb->PageIndex(), 2);
}

TEST(TabNotebook, TabClickSwitchesAndFocusesFirstControl)
{
    NotebookForm f;
    Events e;
    e.Watch(*f.nb);
    f.field->setFocus();
    f.Click(f.TabCentre(1));
    EXPECT_EQ(f.nb->PageIndex(), 1);
    EXPECT_TRUE(f.promoField->hasFocus());
    EXPECT_EQ(e.log, (decltype(e.log){{"change", 1}, {"changed", 1}, {"tab", 1}}));

    e.log.clear();
    f.Click(f.TabCentre(1)); // the current tab only focuses the notebook
    EXPECT_TRUE(f.nb->hasFocus());
    EXPECT_EQ(e.log, (decltype(e.log){{"tab", 1}}));
}

TEST(TabNotebook, TabClickWhileFieldRefusesExitKeepsThePage)
{
    NotebookForm f;
    Events e;
    e.Watch(*f.nb);
    f.field->refuse = true;
    f.field->setFocus();
    f.Click(f.TabCentre(2));
    QApplication::processEvents();
    EXPECT_EQ(f.nb->PageIndex(), 0);
    EXPECT_TRUE(f.calc->isVisible());
    EXPECT_TRUE(f.field->hasFocus());
    EXPECT_TRUE(e.log.empty());
}

TEST(TabNotebook, NumericFieldOutOfRangeKeepsItsPage)
{
    auto& shell = quorvant::testing::FreshPlatform();
    NotebookForm f;
    auto* price = new controls::TNumericField(f.calc);
    price->setGeometry(10, 150, 100, 22);
    price->SetRangeLo("0");
    price->SetRangeHi("100");
    price->show();
    price->setFocus();
    QTest::keyClicks(price, "500");
    f.Click(f.TabCentre(1));
    QApplication::processEvents();
    EXPECT_EQ(f.nb->PageIndex(), 0);
    EXPECT_TRUE(price->hasFocus());
    EXPECT_EQ(shell.messageBoxes.size(), 1u); // the field's range report, once
}

TEST(TabNotebook, HandlerErrorsFromMouseGoToTheApplication)
{
    NotebookForm f;
    QObject* reported = nullptr;
    auto& app = runtime::Application();
    const auto previous = app.OnException;
    app.OnException = [&](QObject* sender, std::exception_ptr) { reported = sender; };
    QObject::connect(f.nb, &TTabNotebook::OnTabClick, f.nb,
                     [](QObject*, int) { throw std::runtime_error("handler failed"); });
    f.Click(f.TabCentre(1)); // must not unwind through the event delivery
    app.OnException = previous;
    EXPECT_EQ(reported, f.nb);
    EXPECT_EQ(f.nb->PageIndex(), 1);
}

TEST(TabNotebook, ClickOnFreePageAreaLeavesFocus)
{
    NotebookForm f;
    f.field->setFocus();
    f.Click(QPoint(300, 200));
    EXPECT_TRUE(f.field->hasFocus());
    f.Click(QPoint(395, f.nb->TabAreaHeight() - 5)); // empty part of the tab strip
    EXPECT_TRUE(f.field->hasFocus());
}

TEST(TabNotebook, AcceleratorSearchesAfterCurrentPage)
{
    NotebookForm f;
    Events e;
    e.Watch(*f.nb);
    f.more->SetCaption("&Pricing"); // two pages share P
    f.before->setFocus();
    QTest::keyClick(f.before, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(f.nb->PageIndex(), 1);
    EXPECT_TRUE(f.promoField->hasFocus());
    QTest::keyClick(f.promoField, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(f.nb->PageIndex(), 2);
    EXPECT_TRUE(f.nb->hasFocus()); // no control on that page
    QTest::keyClick(f.nb, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(f.nb->PageIndex(), 0);
    ASSERT_FALSE(e.log.empty());
    EXPECT_EQ(e.log.back(), std::make_pair(std::string("tab"), 0));
    QTest::keyClick(f.field, Qt::Key_X, Qt::AltModifier); // no page: untouched
    EXPECT_EQ(f.nb->PageIndex(), 0);
}

TEST(TabNotebook, MouseMovePassesOnlyWhereNoWindowedChildIs)
{
    NotebookForm f;
    int moves = 0;
    std::vector<int> overTab;
    QObject::connect(f.nb, &TTabNotebook::OnMouseMove, f.nb,
                     [&](QObject*, Qt::KeyboardModifiers, int, int) { ++moves; });
    QObject::connect(f.nb, &TTabNotebook::OnMouseOverTab, f.nb,
                     [&](QObject*, int i) { overTab.push_back(i); });
    auto moveTo = [&](QPoint p) {
        moves = 0;
        QWidget* target = f.nb->childAt(p);
        if (!target)
            target = f.nb;
        QTest::mouseMove(target, target->mapFrom(f.nb, p));
        return moves;
    };
    const QPoint page = f.nb->PageRect().topLeft();
    EXPECT_EQ(moveTo(f.TabCentre(1)), 1);
    EXPECT_EQ(overTab, std::vector<int>{1});
    EXPECT_EQ(moveTo(QPoint(300, 200)), 1);              // free page area
    EXPECT_EQ(moveTo(page + QPoint(20, 60)), 1);         // label
    EXPECT_EQ(moveTo(page + QPoint(20, 20)), 0);         // field
    EXPECT_EQ(moveTo(page + QPoint(20, 100)), 0);        // panel
    EXPECT_EQ(moveTo(QPoint(1, f.nb->height() - 1)), 1); // frame
    EXPECT_EQ(overTab.size(), 1u);
}

TEST(TabNotebook, RuntimeLabelsAndShapesLetMovesThroughPanelsAndFieldsDoNot)
{
    NotebookForm f;
    auto* label = new runtime::TLabel(f.calc);
    label->SetCaption("Home Purchase Price:");
    label->setGeometry(150, 10, 100, 20);
    auto* shape = new runtime::TShape(f.calc);
    shape->setGeometry(150, 40, 60, 30);
    auto* panel = new runtime::TPanel(f.calc);
    panel->setMouseTracking(true); // even a tracking panel keeps its moves
    panel->setGeometry(150, 80, 100, 40);
    auto* inner = new runtime::TLabel(panel);
    inner->setGeometry(5, 5, 50, 20);
    auto* price = new controls::TNumericField(f.calc);
    price->setGeometry(150, 130, 100, 22);
    for (QWidget* w : std::initializer_list<QWidget*>{label, shape, panel, inner, price})
        w->show();
    int moves = 0;
    QObject::connect(f.nb, &TTabNotebook::OnMouseMove, f.nb,
                     [&](QObject*, Qt::KeyboardModifiers, int, int) { ++moves; });
    auto movesOver = [&](QWidget* w) {
        moves = 0;
        QTest::mouseMove(w, QPoint(3, 3));
        return moves;
    };
    EXPECT_EQ(movesOver(label), 1);
    EXPECT_EQ(movesOver(shape), 1);
    EXPECT_EQ(movesOver(panel), 0);
    EXPECT_EQ(movesOver(inner), 0);
    EXPECT_EQ(movesOver(price), 0);
}

TEST(TabNotebook, TabLayoutFollowsFontsAndWidth)
{
    TTabNotebook nb;
    nb.resize(200, 150);
    QFont big = nb.font();
    big.setPixelSize(30);
    auto* a = nb.AddPage("&Alpha");
    auto* b = nb.AddPage("B");
    auto* c = nb.AddPage("Gamma delta epsilon");
    nb.LayoutTabs();
    const int plain = QFontMetrics(nb.font()).height() + 4;
    EXPECT_EQ(nb.CurrentTabHeight(), plain);
    EXPECT_EQ(a->TabRect().width(), QFontMetrics(nb.font()).horizontalAdvance("Alpha") + 12);
    EXPECT_EQ(b->TabRect().width(), std::max(20, QFontMetrics(nb.font()).horizontalAdvance("B") + 12));

    b->setFont(big);
    nb.LayoutTabs();
    EXPECT_EQ(nb.CurrentTabHeight(), QFontMetrics(big).height() + 4);
    EXPECT_EQ(b->TabRect().width(), QFontMetrics(big).horizontalAdvance("B") + 12);

    // Rows fill up to the width less 4.
    const int total = a->TabRect().width() + b->TabRect().width() + c->TabRect().width();
    nb.resize(total + 4, 150);
    nb.LayoutTabs();
    EXPECT_EQ(nb.LaidOutRowCount(), 1);
    nb.resize(total + 3, 150);
    nb.LayoutTabs();
    EXPECT_EQ(nb.LaidOutRowCount(), 2);
    EXPECT_EQ(c->TabRow(), 1);
    EXPECT_EQ(nb.PageRect().top(), nb.TabAreaHeight() + 2);

    nb.resize(1000, 150);
    nb.SetTabRowCount(3);
    EXPECT_EQ(nb.LaidOutRowCount(), 3);
    b->SetPageVisible(false);
    EXPECT_TRUE(b->TabRect().isEmpty());
    EXPECT_EQ(nb.LaidOutRowCount(), 2);
}

TEST(TabNotebook, UpMovesToTheRowAbove)
{
    NotebookForm f;
    f.nb->SetTabRowCount(3);
    f.nb->SetPageIndex(2);
    f.nb->setFocus();
    QTest::keyClick(f.nb, Qt::Key_Up);
    EXPECT_EQ(f.nb->PageIndex(), 1);
    QTest::keyClick(f.nb, Qt::Key_Up);
    EXPECT_EQ(f.nb->PageIndex(), 0);
    QTest::keyClick(f.nb, Qt::Key_Up); // top row: stays
    EXPECT_EQ(f.nb->PageIndex(), 0);
}

TEST(TabNotebook, DrawsActiveTabJoinedToPageInFrameColours)
{
    TTabNotebook nb;
    nb.resize(300, 200);
    nb.SetHighlightColor(runtime::clRed);
    nb.SetShadowColor(runtime::clBlue);
    auto* a = nb.AddPage("One");
    auto* b = nb.AddPage("Two");
    a->SetTabColor(runtime::clYellow);
    b->SetTabColor(runtime::clLime);
    nb.SetTabUseDefaultColor(false);
    nb.SetPageIndex(0);
    QImage image(nb.size(), QImage::Format_RGB32);
    nb.render(&image);
    const QRect ra = a->TabRect().adjusted(-2, -2, 2, 2);
    const QRect rb = b->TabRect();
    EXPECT_EQ(image.pixelColor(ra.left() + 5, ra.top()), QColor(Qt::red));          // light top edge
    EXPECT_EQ(image.pixelColor(rb.right() - 1, rb.center().y()), QColor(Qt::blue)); // dark right edge
    // The active tab covers the page's top edge and shares its colour.
    const int joinY = nb.TabAreaHeight();
    EXPECT_EQ(image.pixelColor(ra.left() + 4, joinY), QColor(Qt::yellow));
    EXPECT_EQ(image.pixelColor(rb.center().x(), joinY), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(150, 150), QColor(Qt::yellow)); // page takes its tab colour
    EXPECT_EQ(image.pixelColor(rb.center().x(), rb.bottom() - 3), QColor(Qt::green));
}

TEST(TabNotebook, AcceleratorUnderlineOnlyWithKeyboardCues)
{
    QWidget form;
    auto* nb = new TTabNotebook(&form);
    nb->resize(300, 200);
    nb->AddPage("&Wide");
    nb->SetPageIndex(0);
    auto rowHasInk = [&](bool cues) {
        runtime::SetKeyboardCuesVisible(&form, cues);
        QImage image(nb->size(), QImage::Format_RGB32);
        nb->render(&image);
        const QRect r = nb->Page(0)->TabRect();
        int dark = 0;
        for (int y = r.top() + 2; y < r.bottom(); ++y)
            for (int x = r.left() + 3; x < r.right() - 3; ++x)
                dark += qGray(image.pixel(x, y)) < 100;
        return dark;
    };
    EXPECT_GT(rowHasInk(true), rowHasInk(false));
}

TEST(TabNotebook, DrawTabHandlerPaintsEachVisibleTab)
{
    TTabNotebook nb;
    nb.resize(300, 200);
    nb.AddPage("One");
    nb.AddPage("Two")->SetEnabled(false);
    nb.AddPage("Three")->SetPageVisible(false);
    nb.SetPageIndex(0);
    std::vector<std::tuple<int, QString, bool, bool>> drawn;
    QObject::connect(&nb, &TTabNotebook::OnDrawTab, &nb,
                     [&](QObject*, int i, const QString& title, const QRect& r, bool enabled, bool active) {
                         ASSERT_NE(nb.Canvas(), nullptr);
                         nb.Canvas()->fillRect(r, Qt::magenta);
                         drawn.emplace_back(i, title, enabled, active);
                     });
    QImage image(nb.size(), QImage::Format_RGB32);
    nb.render(&image);
    // Inactive tabs first, the active one last so that it lies on top.
    EXPECT_EQ(drawn, (decltype(drawn){{1, "Two", false, false}, {0, "One", true, true}}));
    EXPECT_EQ(image.pixelColor(nb.Page(0)->TabRect().center()), QColor(Qt::magenta));
}

TEST(TabNotebook, UnselectableDefaultPageFallsBackToFirstSelectable)
{
    QWidget form;
    auto* nb = new TTabNotebook(&form);
    nb->BeginLoad();
    nb->AddPage("A")->SetPageVisible(false);
    nb->AddPage("B");
    nb->AddPage("C");
    nb->SetDefaultPageIndex(7);
    nb->Loaded();
    EXPECT_EQ(nb->PageIndex(), 1);
    EXPECT_TRUE(nb->Page(1)->isVisibleTo(nb));
}
