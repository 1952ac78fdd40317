#include "controls/notebook/TTabNotebook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaMethod>
#include <QPainter>
#include <QShortcut>
#include <algorithm>
#include <cmath>

#include "controls/TControlsAccessibleFactory.h"
#include "controls/keys/EntryCommands.h"
#include "controls/keys/TEntryController.h"
#include "controls/keys/TKeyCodes.h"
#include "controls/notebook/NotebookErrors.h"
#include "controls/notebook/TTabNotebookAccessible.h"
#include "controls/notebook/TTabPage.h"
#include "controls/notebook/TTabPageAccessible.h"
#include "platform/UiRuntimeHooks.h"
#include "runtime/BevelPainter.h"
#include "runtime/ControlProperties.h"
#include "runtime/Guard.h"

namespace quorvant::controls {

using runtime::ToQColor;

namespace {

QString StripAccelerator(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&')
                out += u'&';
            ++i;
            if (i < caption.size() && caption[i] != u'&')
                out += caption[i];
            continue;
        }
        out += caption[i];
    }
    return out;
}

// The letter after a single "&", or a null character.
QChar AcceleratorOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1];
    }
    return {};
}

// Windowless controls (labels, shapes, pictures) let mouse moves through
// to the page, and so to the notebook; windowed ones keep them.
bool LetsMouseThrough(const QWidget* w)
{
    return qobject_cast<const QLabel*>(w) || platform::UiRuntimeHooks::IsNonWindowed(w) ||
           w->testAttribute(Qt::WA_TransparentForMouseEvents);
}

} // namespace

TTabNotebook::TTabNotebook(QWidget* parent) : QWidget(parent), activeTabFont_(font())
{
    TControlsAccessibleFactory::Install();
    // No click focus: a press on free page area must leave the focus where
    // it is; a press on a tab takes the focus explicitly.
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(220, 185);
}

TTabNotebook::~TTabNotebook()
{
    // Pages leave the collection before QWidget deletes them as children.
    const auto pages = std::move(pages_);
    pages_.clear();
    for (auto* page : pages) {
        page->setParent(nullptr);
        delete page;
    }
}

TTabPage* TTabNotebook::Page(int index) const
{
    return index >= 0 && index < PageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

TTabPage* TTabNotebook::AddPage(const QString& caption)
{
    auto* page = new TTabPage(this);
    page->SetCaption(caption);
    return page;
}

void TTabNotebook::InsertPage(TTabPage* page)
{
    pages_.push_back(page);
    page->hide();
    LayoutTabs();
    update();
}

void TTabNotebook::RemovePage(TTabPage* page)
{
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end())
        return;
    const int index = static_cast<int>(it - pages_.begin());
    pages_.erase(it);
    if (index == current_)
        current_ = -1;
    else if (index < current_)
        --current_;
    LayoutTabs();
    update();
}

void TTabNotebook::SetPageIndex(int index)
{
    if (loading_) {
        current_ = index;
        return;
    }
    if (index == current_)
        return;
    const TTabPage* page = Page(index);
    if (!page || !page->Selectable())
        throw EInvalidPageIndex();
    SwitchTo(index);
}

void TTabNotebook::Loaded()
{
    loading_ = false;
    current_ = -1;
    for (auto* page : pages_)
        page->hide();
    // A default that names no selectable page falls back to the first one
    // that is, rather than showing a page without a tab.
    int index = defaultPageIndex_;
    if (!Page(index) || !Page(index)->Selectable())
        index = NextSelectable(-1, +1);
    if (index >= 0)
        SwitchTo(index);
}

bool TTabNotebook::SwitchTo(int index)
{
    if (loading_ || switching_ || !Page(index))
        return false;
    struct Busy {
        bool& flag;
        explicit Busy(bool& f) : flag(f) { flag = true; }
        ~Busy() { flag = false; }
    } busy(switching_);

    if (current_ >= 0) {
        bool allow = true;
        emit OnPageChange(this, index, allow);
        if (!allow)
            return false;
    }
    if (QWidget* active = window()->focusWidget(); active && active != this && isAncestorOf(active))
        active->clearFocus(); // the field does its exit work here

    TTabPage* oldPage = Page(current_);
    TTabPage* newPage = Page(index);
    LayoutTabs();
    newPage->raise();
    newPage->show();
    if (oldPage && oldPage != newPage)
        oldPage->hide();

    current_ = index;
    TTabPageAccessible::PageChanged(oldPage, newPage);
    runtime::SetHint(this, newPage->Hint());
    update();
    emit OnPageChanged(this, index);
    return true;
}

bool TTabNotebook::TakeFocus()
{
    if (window()->focusWidget() == this && hasFocus())
        return true;
    if (!isVisible() || !isEnabled())
        return false;
    setFocus(Qt::MouseFocusReason);
    // A field that refuses its exit has queued its focus request; let the
    // queued calls run now so that the focus is where it will stay.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    return window()->focusWidget() == this;
}

void TTabNotebook::FocusFirstControl()
{
    TTabPage* page = ActivePage();
    if (!page)
        return;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (w != page && page->isAncestorOf(w) && w->focusPolicy() != Qt::NoFocus && w->isVisible() &&
            w->isEnabled()) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

int TTabNotebook::NextSelectable(int from, int step) const
{
    const int n = PageCount();
    for (int i = 1; i <= n; ++i) {
        const int index = ((from + step * i) % n + n) % n;
        if (pages_[static_cast<std::size_t>(index)]->Selectable())
            return index;
    }
    return -1;
}

int TTabNotebook::TabRowNeighbour(int index, int rowStep) const
{
    const TTabPage* page = Page(index);
    if (!page || rowCount_ < 2)
        return -1;
    const int row = page->TabRow() + rowStep;
    const int centre = page->TabRect().center().x();
    int best = -1;
    int bestDistance = 0;
    for (int i = 0; i < PageCount(); ++i) {
        const TTabPage* p = pages_[static_cast<std::size_t>(i)];
        if (!p->Selectable() || p->TabRow() != row)
            continue;
        const int distance = std::abs(p->TabRect().center().x() - centre);
        if (best < 0 || distance < bestDistance)
            best = i, bestDistance = distance;
    }
    return best;
}

int TTabNotebook::TranslateKey(const QKeyEvent& event) const
{
    const std::uint8_t key = TKeyCodes::FromEvent(event);
    if (key == 0)
        return ccNotCommand;
    return TEntryController::For(this, nullptr).Translate(key, TKeyCodes::ShiftState(event.modifiers()));
}

void TTabNotebook::keyPressEvent(QKeyEvent* event)
{
    runtime::Guarded(this, [&] {
        const int command = TranslateKey(*event);
        int target = -1;
        switch (command) {
        case ccLeft:
            target = NextSelectable(current_ < 0 ? 0 : current_, -1);
            break;
        case ccRight:
            target = NextSelectable(current_ < 0 ? -1 : current_, +1);
            break;
        case ccHome:
            target = NextSelectable(-1, +1);
            break;
        case ccEnd:
            target = NextSelectable(0, -1);
            break;
        case ccUp:
            target = TabRowNeighbour(current_, -1);
            break;
        default:
            if (command >= ccUserFirst) {
                event->accept();
                emit OnUserCommand(this, command);
                return;
            }
            QWidget::keyPressEvent(event);
            return;
        }
        event->accept();
        if (target >= 0 && target != current_)
            SwitchTo(target);
    });
}

bool TTabNotebook::DialogChar(QChar letter)
{
    const int n = PageCount();
    if (n == 0 || letter.isNull())
        return false;
    const QChar wanted = letter.toUpper();
    for (int i = 1; i <= n; ++i) {
        const int index = ((current_ < 0 ? -1 : current_) + i) % n;
        TTabPage* page = pages_[static_cast<std::size_t>(index)];
        if (!page->PageVisible() || AcceleratorOf(page->Caption()).toUpper() != wanted)
            continue;
        if (index == current_) {
            TakeFocus();
            return true;
        }
        if (!page->Selectable() || !isVisible() || !isEnabled())
            return false;
        if (!TakeFocus())
            return true; // a field kept the focus; the key is spent
        if (SwitchTo(index))
            FocusFirstControl();
        emit OnTabClick(this, index);
        return true;
    }
    return false;
}

void TTabNotebook::UpdateAccelerators()
{
    QString letters;
    for (const auto* page : pages_) {
        const QChar letter = AcceleratorOf(page->Caption()).toUpper();
        if (!letter.isNull() && !letters.contains(letter))
            letters += letter;
    }
    if (letters == acceleratorLetters_)
        return;
    acceleratorLetters_ = letters;
    qDeleteAll(accelerators_);
    accelerators_.clear();
    // Shortcuts run before the focused control sees the key, as an
    // Alt+letter reaches the window before any field would type it.
    for (const QChar letter : letters) {
        auto* shortcut =
            new QShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(letter.unicode()))), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this, letter] { runtime::Guarded(this, [&] { DialogChar(letter); }); });
        connect(shortcut, &QShortcut::activatedAmbiguously, this,
                [this, letter] { runtime::Guarded(this, [&] { DialogChar(letter); }); });
        accelerators_.push_back(shortcut);
    }
}

// ---- mouse -------------------------------------------------------------

void TTabNotebook::mousePressEvent(QMouseEvent* event)
{
    runtime::Guarded(this, [&] {
        const QPoint pos = event->position().toPoint();
        emit OnMouseDown(this, event->button(), event->modifiers(), pos.x(), pos.y());
        if (event->button() != Qt::LeftButton)
            return;
        const int index = TabAt(pos);
        if (index < 0)
            return; // the frame: the focus stays where it is
        if (pages_[static_cast<std::size_t>(index)]->Selectable()) {
            if (!TakeFocus())
                return; // a field refused its exit: the page stays
            if (index != current_ && SwitchTo(index))
                FocusFirstControl();
        }
        emit OnTabClick(this, index);
    });
}

void TTabNotebook::mouseReleaseEvent(QMouseEvent* event)
{
    runtime::Guarded(this, [&] {
        const QPoint pos = event->position().toPoint();
        emit OnMouseUp(this, event->button(), event->modifiers(), pos.x(), pos.y());
    });
}

void TTabNotebook::mouseMoveEvent(QMouseEvent* event)
{
    runtime::Guarded(this, [&] { MouseMoveAt(event->position().toPoint(), event->modifiers()); });
}

void TTabNotebook::PageMouseMove(TTabPage* page, QMouseEvent* event)
{
    runtime::Guarded(this, [&] {
        const QPoint pagePos = event->position().toPoint();
        for (QWidget* w = page->childAt(pagePos); w && w != page; w = w->parentWidget()) {
            if (!LetsMouseThrough(w))
                return;
        }
        MouseMoveAt(page->mapTo(this, pagePos), event->modifiers());
    });
}

void TTabNotebook::MouseMoveAt(const QPoint& pos, Qt::KeyboardModifiers modifiers)
{
    const int index = TabAt(pos);
    if (index >= 0)
        emit OnMouseOverTab(this, index);
    emit OnMouseMove(this, modifiers, pos.x(), pos.y());
}

// ---- layout ------------------------------------------------------------

int TTabNotebook::TabAt(const QPoint& pos) const
{
    if (current_ >= 0 && DrawnTabRect(current_).contains(pos))
        return current_;
    for (int i = 0; i < PageCount(); ++i) {
        const TTabPage* page = pages_[static_cast<std::size_t>(i)];
        if (page->PageVisible() && page->TabRect().contains(pos))
            return i;
    }
    return -1;
}

QRect TTabNotebook::DrawnTabRect(int index) const
{
    const TTabPage* page = Page(index);
    if (!page || page->TabRect().isEmpty())
        return {};
    const QRect r = page->TabRect();
    return index == current_ ? r.adjusted(-2, -2, 2, 2) : r;
}

QRect TTabNotebook::PageRect() const
{
    return QRect(2, tabAreaHeight_ + 2, std::max(0, width() - 4), std::max(0, height() - tabAreaHeight_ - 4));
}

QFont TTabNotebook::TabFont(const TTabPage& page, bool active) const
{
    return active && useActiveTabFont_ ? activeTabFont_ : page.font();
}

void TTabNotebook::LayoutTabs()
{
    int tabHeight = tabHeight_;
    if (tabAutoHeight_) {
        tabHeight = QFontMetrics(activeTabFont_).height();
        tabHeight = std::max(tabHeight, QFontMetrics(font()).height());
        for (const auto* page : pages_)
            tabHeight = std::max(tabHeight, QFontMetrics(page->font()).height());
        tabHeight += 4;
    }
    currentTabHeight_ = tabHeight;

    std::vector<TTabPage*> visible;
    std::vector<int> widths;
    for (auto* page : pages_) {
        page->tabRect_ = {};
        page->tabRow_ = 0;
        if (!page->PageVisible())
            continue;
        const QString text = StripAccelerator(page->Caption());
        const int w = std::max(QFontMetrics(activeTabFont_).horizontalAdvance(text),
                               QFontMetrics(page->font()).horizontalAdvance(text)) +
                      12;
        visible.push_back(page);
        widths.push_back(std::max(w, 20));
    }
    if (oldStyle_ && !widths.empty()) {
        const int common = *std::max_element(widths.begin(), widths.end());
        std::fill(widths.begin(), widths.end(), common);
    }

    const int available = width() - 4;
    const int n = static_cast<int>(visible.size());
    std::vector<int> rowOf(visible.size(), 0);
    int rows = n > 0 ? 1 : 0;
    if (tabRowCount_ > 0 && n > 0) {
        rows = std::min(tabRowCount_, n);
        const int perRow = (n + rows - 1) / rows;
        for (int i = 0; i < n; ++i)
            rowOf[static_cast<std::size_t>(i)] = i / perRow;
        rows = (n + perRow - 1) / perRow;
    } else {
        int used = 0;
        int row = 0;
        for (int i = 0; i < n; ++i) {
            const int w = widths[static_cast<std::size_t>(i)];
            if (used > 0 && used + w > available)
                ++row, used = 0;
            rowOf[static_cast<std::size_t>(i)] = row;
            used += w;
        }
        rows = n > 0 ? row + 1 : 0;
    }

    for (int row = 0; row < rows; ++row) {
        std::vector<int> members;
        for (int i = 0; i < n; ++i)
            if (rowOf[static_cast<std::size_t>(i)] == row)
                members.push_back(i);
        if (oldStyle_ && !members.empty()) {
            // One common width, the row stretched to the full length.
            const int each = std::max(20, available / static_cast<int>(members.size()));
            for (int i : members)
                widths[static_cast<std::size_t>(i)] = each;
        }
        int x = 2;
        for (int i : members) {
            TTabPage* page = visible[static_cast<std::size_t>(i)];
            const int w = widths[static_cast<std::size_t>(i)];
            page->tabRect_ = QRect(x, 2 + row * tabHeight, w, tabHeight);
            page->tabRow_ = row;
            x += w;
        }
    }
    UpdateAccelerators();
    rowCount_ = rows;
    tabAreaHeight_ = 2 + rows * tabHeight;

    const QRect pageRect = PageRect();
    for (auto* page : pages_)
        if (page->geometry() != pageRect)
            page->setGeometry(pageRect);
}

// ---- drawing -----------------------------------------------------------

void TTabNotebook::paintEvent(QPaintEvent*)
{
    runtime::Guarded(this, [&] {
        LayoutTabs();
        QPainter p(this);
        canvas_ = &p;
        p.fillRect(rect(), ToQColor(color_));
        DrawFrame(p);
        for (int i = 0; i < PageCount(); ++i)
            if (i != current_ && pages_[static_cast<std::size_t>(i)]->PageVisible())
                DrawTab(p, i);
        if (ActivePage() && ActivePage()->PageVisible())
            DrawTab(p, current_);
        canvas_ = nullptr;
    });
}

void TTabNotebook::DrawFrame(QPainter& p)
{
    const QRect frame(0, tabAreaHeight_, width(), height() - tabAreaHeight_);
    if (frame.height() <= 0)
        return;
    const TTabPage* active = ActivePage();
    const runtime::TColor fill = pageUsesTabColor_ && active ? active->TabColor() : color_;
    p.fillRect(frame.adjusted(1, 1, -1, -1), ToQColor(fill));
    const QColor light = ToQColor(highlightColor_);
    const QColor dark = ToQColor(shadowColor_);
    QRect edge = frame;
    runtime::BevelPainter::Frame(p, edge, light, dark, 1, runtime::BevelPainter::Corners::TopLeftEdges);
    p.setPen(ToQColor(runtime::cl3DDkShadow));
    p.drawLine(frame.right() - 1, frame.top() + 1, frame.right() - 1, frame.bottom() - 1);
    p.drawLine(frame.left() + 1, frame.bottom() - 1, frame.right() - 1, frame.bottom() - 1);
}

void TTabNotebook::DrawTab(QPainter& p, int index)
{
    const TTabPage& page = *pages_[static_cast<std::size_t>(index)];
    const bool active = index == current_;
    const QRect r = DrawnTabRect(index);
    if (r.isEmpty())
        return;
    if (isSignalConnected(QMetaMethod::fromSignal(&TTabNotebook::OnDrawTab))) {
        p.save();
        emit OnDrawTab(this, index, page.Caption(), r, page.Enabled(), active);
        p.restore();
        return;
    }
    const runtime::TColor fill = tabUseDefaultColor_ ? color_ : page.TabColor();
    const runtime::TColor activeFill = pageUsesTabColor_ ? page.TabColor() : fill;
    // The active tab reaches over the page's top edge so that they join.
    p.fillRect(r.adjusted(1, 1, -1, active ? 0 : -1), ToQColor(active ? activeFill : fill));
    p.setPen(ToQColor(highlightColor_));
    p.drawLine(r.left(), r.bottom() - (active ? 0 : 1), r.left(), r.top() + 2);
    p.drawLine(r.left() + 2, r.top(), r.right() - 2, r.top());
    p.drawPoint(r.left() + 1, r.top() + 1);
    p.setPen(ToQColor(shadowColor_));
    p.drawLine(r.right() - 1, r.top() + 2, r.right() - 1, r.bottom() - (active ? 0 : 1));
    p.setPen(ToQColor(runtime::cl3DDkShadow));
    p.drawLine(r.right(), r.top() + 2, r.right(), r.bottom() - (active ? 0 : 1));
    p.drawPoint(r.right() - 1, r.top() + 1);
    DrawCaption(p, r, page, active);
}

void TTabNotebook::DrawCaption(QPainter& p, const QRect& r, const TTabPage& page, bool active)
{
    p.setFont(TabFont(page, active));
    const int flags = Qt::AlignCenter | Qt::TextSingleLine |
                      (runtime::KeyboardCuesVisible(this) ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
    const QRect textRect = r.adjusted(2, 1, -2, active ? -2 : 0);
    if (!page.Enabled()) {
        // Embossed grey for a tab that cannot be selected.
        p.setPen(ToQColor(runtime::clBtnHighlight));
        p.drawText(textRect.translated(1, 1), flags, page.Caption());
        p.setPen(ToQColor(runtime::clBtnShadow));
        p.drawText(textRect, flags, page.Caption());
    } else {
        if (shadowedText_) {
            p.setPen(ToQColor(textShadowColor_));
            p.drawText(textRect.translated(1, 1), flags, page.Caption());
        }
        p.setPen(ToQColor(page.TextColor()));
        p.drawText(textRect, flags, page.Caption());
    }
    if (active && hasFocus()) {
        QRect bounds = p.fontMetrics().boundingRect(textRect, flags, page.Caption());
        bounds = bounds.adjusted(-2, -1, 1, 0).intersected(r.adjusted(2, 2, -3, -2));
        QPen pen(ToQColor(runtime::clBtnText));
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(bounds);
    }
}

// ---- state -------------------------------------------------------------

void TTabNotebook::resizeEvent(QResizeEvent*)
{
    LayoutTabs();
}

void TTabNotebook::showEvent(QShowEvent*)
{
    if (current_ < 0 && !loading_)
        Loaded();
    LayoutTabs();
}

void TTabNotebook::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        LayoutTabs();
        update();
    }
}

void TTabNotebook::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    TTabNotebookAccessible::FocusIn(this);
    update();
}

void TTabNotebook::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

// ---- properties --------------------------------------------------------

void TTabNotebook::SetDefaultPageIndex(int index)
{
    if (index == defaultPageIndex_)
        return;
    defaultPageIndex_ = index;
}

void TTabNotebook::SetActiveTabFont(const QFont& font)
{
    if (font == activeTabFont_)
        return;
    activeTabFont_ = font;
    LayoutTabs();
    update();
}

void TTabNotebook::SetUseActiveTabFont(bool use)
{
    if (use == useActiveTabFont_)
        return;
    useActiveTabFont_ = use;
    update();
}

void TTabNotebook::SetTabOrientation(TTabOrientation orientation)
{
    if (orientation != toTop)
        throw EInvalidTabFont();
}

void TTabNotebook::SetTabTextOrientation(TTabTextOrientation orientation)
{
    if (orientation == textOrientation_)
        return;
    textOrientation_ = orientation;
    update();
}

void TTabNotebook::SetTabAutoHeight(bool autoHeight)
{
    if (autoHeight == tabAutoHeight_)
        return;
    tabAutoHeight_ = autoHeight;
    LayoutTabs();
    update();
}

void TTabNotebook::SetTabHeight(int height)
{
    if (height == tabHeight_)
        return;
    tabHeight_ = height;
    LayoutTabs();
    update();
}

void TTabNotebook::SetTabRowCount(int rows)
{
    rows = std::max(0, rows);
    if (rows == tabRowCount_)
        return;
    tabRowCount_ = rows;
    LayoutTabs();
    update();
}

void TTabNotebook::SetTabUseDefaultColor(bool use)
{
    if (use == tabUseDefaultColor_)
        return;
    tabUseDefaultColor_ = use;
    update();
}

void TTabNotebook::SetPageUsesTabColor(bool use)
{
    if (use == pageUsesTabColor_)
        return;
    pageUsesTabColor_ = use;
    update();
}

void TTabNotebook::SetHighlightColor(runtime::TColor color)
{
    if (color == highlightColor_)
        return;
    highlightColor_ = color;
    update();
}

void TTabNotebook::SetShadowColor(runtime::TColor color)
{
    if (color == shadowColor_)
        return;
    shadowColor_ = color;
    update();
}

void TTabNotebook::SetShadowedText(bool shadowed)
{
    if (shadowed == shadowedText_)
        return;
    shadowedText_ = shadowed;
    update();
}

void TTabNotebook::SetTextShadowColor(runtime::TColor color)
{
    if (color == textShadowColor_)
        return;
    textShadowColor_ = color;
    update();
}

void TTabNotebook::SetOldStyle(bool oldStyle)
{
    if (oldStyle == oldStyle_)
        return;
    oldStyle_ = oldStyle;
    LayoutTabs();
    update();
}

void TTabNotebook::SetConserveResources(bool conserve)
{
    conserveResources_ = conserve;
}

void TTabNotebook::SetColor(runtime::TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

void TTabNotebook::SetTabStop(bool tabStop)
{
    if (tabStop == TabStop())
        return;
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
}

} // namespace quorvant::controls
