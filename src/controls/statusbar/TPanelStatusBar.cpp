#include "controls/statusbar/TPanelStatusBar.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QPainter>
#include <QSizeGrip>
#include <algorithm>
#include <cmath>

#include "controls/TControlsAccessibleFactory.h"
#include "controls/statusbar/EStatusPanelError.h"
#include "platform/Platform.h"
#include "runtime/BevelPainter.h"
#include "runtime/ControlProperties.h"
#include "runtime/Guard.h"
#include "runtime/TApplication.h"

namespace quorvant::controls {

using runtime::ToQColor;

namespace {

bool ShowsText(const TStatusPanel& panel)
{
    return panel.PanelStyle() == TStatusPanel::apsText || panel.PanelStyle() == TStatusPanel::apsAppHint;
}

bool Sizeable(const QWidget* window)
{
    return !(window->windowFlags() & Qt::MSWindowsFixedSizeDialogHint) &&
           window->minimumSize() != window->maximumSize();
}

bool ThemesActive()
{
    return platform::HasPlatform() && platform::ThePlatform().ThemesEnabled();
}

} // namespace

TPanelStatusBar::TPanelStatusBar(QWidget* parent) : QWidget(parent), panels_(new TStatusPanels(this))
{
    TControlsAccessibleFactory::Install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(parent ? parent->width() : 200, 19);
    setMinimumHeight(19);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    ApplySystemFont();

    scrollTimer_.setInterval(30);
    connect(&scrollTimer_, &QTimer::timeout, this, &TPanelStatusBar::ScrollTick);
    lockKeyTimer_.setInterval(100);
    connect(&lockKeyTimer_, &QTimer::timeout, this, &TPanelStatusBar::LockKeyTick);
    FollowParentBottom();
}

TPanelStatusBar::~TPanelStatusBar()
{
    scrollTimer_.stop();
    lockKeyTimer_.stop();
    current_ = nullptr;
    delete panels_; // panels go before the widget they report to
    panels_ = nullptr;
}

// ---- panels and parts ----------------------------------------------------

TStatusPanel* TPanelStatusBar::PanelByName(const QString& name) const
{
    for (int i = 0; i < panels_->Count(); ++i)
        if (panels_->Items(i)->Name().compare(name, Qt::CaseInsensitive) == 0)
            return panels_->Items(i);
    throw EStatusPanelError(QStringLiteral("Status panel '%1' not found").arg(name));
}

TStatusPanel* TPanelStatusBar::PanelAtPos(const QPoint& pos) const
{
    for (int i = 0; i < panels_->Count(); ++i) {
        const QRect r = panels_->Items(i)->Rect();
        if (pos.x() >= r.left() && pos.x() < r.left() + r.width() && pos.y() >= r.top() &&
            pos.y() < r.top() + r.height())
            return panels_->Items(i);
    }
    return nullptr;
}

void TPanelStatusBar::DivideParts()
{
    if (!panels_)
        return;
    const int n = std::min(panels_->Count(), MaxParts);
    int left = 0;
    for (int i = 0; i < panels_->Count(); ++i) {
        TStatusPanel* panel = panels_->Items(i);
        if (i >= n) {
            panel->rect_ = {};
            continue;
        }
        // The last part always reaches the right edge, whatever its width.
        const int right = i == n - 1 ? width() : left + panel->Width();
        panel->rect_ = QRect(left, 2, std::max(0, right - left), height() - 2);
        left = right;
    }
    update();
}

void TPanelStatusBar::PanelChanged(TStatusPanel* panel)
{
    update(panel->Rect());
}

void TPanelStatusBar::PanelsChanged()
{
    DivideParts();
    UpdateScrollTimer();
}

void TPanelStatusBar::PanelRemoved(TStatusPanel* panel)
{
    if (current_ == panel)
        current_ = nullptr;
}

void TPanelStatusBar::Loaded()
{
    loading_ = false;
    DivideParts();
}

// ---- properties ----------------------------------------------------------

void TPanelStatusBar::SetSimplePanel(bool simple)
{
    if (simple == simplePanel_)
        return;
    simplePanel_ = simple;
    if (!simple)
        DivideParts();
    update();
}

void TPanelStatusBar::SetSimpleText(const QString& text)
{
    if (text == simpleText_)
        return;
    simpleText_ = text;
    update();
}

void TPanelStatusBar::SetSizeGrip(bool grip)
{
    if (grip == sizeGrip_)
        return;
    sizeGrip_ = grip;
    PlaceSizeGrip();
    update();
}

bool TPanelStatusBar::SizeGripShown() const
{
    const QWidget* parent = parentWidget();
    return sizeGrip_ && parent && parent->isWindow() && Sizeable(parent);
}

void TPanelStatusBar::PlaceSizeGrip()
{
    if (!SizeGripShown()) {
        if (grip_)
            grip_->hide();
        return;
    }
    if (!grip_)
        grip_ = new QSizeGrip(this);
    const QSize size = grip_->sizeHint().boundedTo(QSize(height(), height()));
    grip_->setGeometry(width() - size.width(), height() - size.height(), size.width(), size.height());
    grip_->show();
    grip_->raise();
}

void TPanelStatusBar::SetUseSystemFont(bool use)
{
    if (use == useSystemFont_)
        return;
    useSystemFont_ = use;
    if (use) {
        parentFont_ = false;
        ApplySystemFont();
    }
}

void TPanelStatusBar::ApplySystemFont()
{
    if (!useSystemFont_)
        return;
    applyingFont_ = true;
    setFont(QApplication::font("QStatusBar"));
    applyingFont_ = false;
}

void TPanelStatusBar::SetAutoHint(bool autoHint)
{
    autoHint_ = autoHint;
}

runtime::TColor TPanelStatusBar::Color() const
{
    if (parentColor_ && parentWidget())
        return runtime::FromQColor(parentWidget()->palette().color(QPalette::Window));
    return color_;
}

void TPanelStatusBar::SetColor(runtime::TColor color)
{
    if (!parentColor_ && color == color_)
        return;
    color_ = color;
    parentColor_ = false;
    DivideParts();
}

void TPanelStatusBar::SetFontColor(runtime::TColor color)
{
    if (color == fontColor_)
        return;
    fontColor_ = color;
    DivideParts();
}

void TPanelStatusBar::SetParentFont(bool parent)
{
    if (parent == parentFont_)
        return;
    parentFont_ = parent;
    if (parent) {
        useSystemFont_ = false;
        setFont(QFont()); // resolves to the parent's font again
    }
}

void TPanelStatusBar::SetParentColor(bool parent)
{
    if (parent == parentColor_)
        return;
    if (!parent)
        color_ = Color();
    parentColor_ = parent;
    DivideParts();
}

void TPanelStatusBar::SetGlyphs(std::vector<QPixmap> glyphs)
{
    glyphs_ = std::move(glyphs);
    DivideParts();
}

// ---- hints, menus, automatic hints ---------------------------------------

void TPanelStatusBar::HintShowRequest(runtime::THintInfo& info, bool& canShow)
{
    (void)canShow;
    if (!current_)
        current_ = PanelAtPos(info.CursorPos);
    if (current_ && !current_->Hint().isEmpty()) {
        info.HintStr = current_->Hint();
        info.CursorRect = current_->Rect(); // leaving the panel ends this hint
    }
}

QMenu* TPanelStatusBar::PopupMenuAt(const QPoint& pos)
{
    current_ = PanelAtPos(pos);
    if (current_ && current_->PopupMenu()) {
        current_->PopupMenu()->setLayoutDirection(current_->RightToLeft() ? Qt::RightToLeft
                                                                          : Qt::LeftToRight);
        return current_->PopupMenu();
    }
    return popupMenu_;
}

void TPanelStatusBar::contextMenuEvent(QContextMenuEvent* event)
{
    runtime::Guarded(this, [&] {
        if (QMenu* menu = PopupMenuAt(event->pos())) {
            menu->popup(event->globalPos());
            event->accept();
            return;
        }
        QWidget::contextMenuEvent(event);
    });
}

void TPanelStatusBar::ApplicationHintChanged(const QString& hint)
{
    if (!autoHint_)
        return;
    if (isSignalConnected(QMetaMethod::fromSignal(&TPanelStatusBar::OnHint))) {
        emit OnHint(this);
        return;
    }
    if (simplePanel_ || panels_->Count() == 0) {
        SetSimpleText(hint);
        return;
    }
    for (int i = 0; i < panels_->Count(); ++i)
        if (panels_->Items(i)->PanelStyle() == TStatusPanel::apsAppHint)
            panels_->Items(i)->SetText(hint);
}

// ---- mouse ---------------------------------------------------------------

void TPanelStatusBar::mousePressEvent(QMouseEvent* event)
{
    runtime::Guarded(this, [&] {
        const QPoint pos = event->position().toPoint();
        emit OnMouseDown(this, event->button(), event->modifiers(), pos.x(), pos.y());
        current_ = PanelAtPos(pos);
    });
}

void TPanelStatusBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    runtime::Guarded(this, [&] {
        const QPoint pos = event->position().toPoint();
        emit OnMouseDown(this, event->button(), event->modifiers(), pos.x(), pos.y());
        emit OnDblClick(this);
        current_ = PanelAtPos(pos);
        if (current_)
            emit OnPanelDblClick(this, current_, event->button(), event->modifiers(), pos.x(), pos.y());
    });
}

void TPanelStatusBar::mouseReleaseEvent(QMouseEvent* event)
{
    runtime::Guarded(this, [&] {
        const QPoint pos = event->position().toPoint();
        current_ = PanelAtPos(pos);
        if (current_)
            emit OnPanelClick(this, current_, event->button(), event->modifiers(), pos.x(), pos.y());
        emit OnMouseUp(this, event->button(), event->modifiers(), pos.x(), pos.y());
        if (event->button() == Qt::LeftButton && rect().contains(pos))
            emit OnClick(this);
    });
}

void TPanelStatusBar::ClickPanel(TStatusPanel* panel)
{
    if (!panel || panel->StatusBar() != this)
        return;
    const QPoint pos = panel->Rect().center();
    runtime::Guarded(this, [&] {
        current_ = panel;
        emit OnPanelClick(this, panel, Qt::LeftButton, Qt::NoModifier, pos.x(), pos.y());
        emit OnClick(this);
    });
}

void TPanelStatusBar::mouseMoveEvent(QMouseEvent* event)
{
    runtime::Guarded(this, [&] {
        const QPoint pos = event->position().toPoint();
        if (runtime::ShowHint(this)) {
            TStatusPanel* panel = PanelAtPos(pos);
            if (panel != current_) {
                current_ = panel;
                runtime::Application().CancelHint(); // the next tooltip is built for this panel
            }
        }
        emit OnMouseMove(this, event->modifiers(), pos.x(), pos.y());
    });
}

// ---- timers ----------------------------------------------------------------

void TPanelStatusBar::UpdateScrollTimer()
{
    bool any = false;
    for (int i = 0; i < panels_->Count() && !any; ++i)
        any = panels_->Items(i)->Scrolls() && ShowsText(*panels_->Items(i));
    if (any && !scrollTimer_.isActive())
        scrollTimer_.start();
    else if (!any)
        scrollTimer_.stop();
    // The lock keys are polled only while a panel shows one: an idle bar
    // without such a panel wakes nobody ten times a second.
    bool lockKey = false;
    for (int i = 0; i < panels_->Count() && !lockKey; ++i)
        lockKey = panels_->Items(i)->PanelStyle() == TStatusPanel::apsLockKey;
    if (lockKey && !lockKeyTimer_.isActive())
        lockKeyTimer_.start();
    else if (!lockKey)
        lockKeyTimer_.stop();
}

void TPanelStatusBar::ScrollTick()
{
    runtime::Guarded(this, [&] {
        for (int i = 0; i < panels_->Count(); ++i) {
            TStatusPanel& panel = *panels_->Items(i);
            if (!panel.Scrolls() || !ShowsText(panel))
                continue;
            const int width = std::max(0, panel.Rect().width() - 2);
            const bool changeable =
                panel.TextStyle()->ScrollEffect() == TPanelTextStyle::seChangeableDirection;
            panel.scrollOffset_ += panel.scrollStep_;
            // Text that has left the panel by 4 pixels comes back in from the
            // other side, or turns round.
            if (panel.scrollStep_ > 0 && panel.scrollOffset_ > width + 4) {
                if (changeable)
                    panel.scrollStep_ = -1;
                else
                    panel.scrollOffset_ = -(panel.contentWidth_ + 4);
            } else if (panel.scrollStep_ < 0 && panel.scrollOffset_ < -(panel.contentWidth_ + 4)) {
                if (changeable)
                    panel.scrollStep_ = 1;
                else
                    panel.scrollOffset_ = width + 4;
            }
            PanelChanged(&panel);
        }
    });
}

void TPanelStatusBar::LockKeyTick()
{
    if (loading_ || !panels_)
        return;
    for (int i = 0; i < panels_->Count(); ++i) {
        TStatusPanel& panel = *panels_->Items(i);
        if (panel.PanelStyle() != TStatusPanel::apsLockKey)
            continue;
        const bool on = LockKeyState && LockKeyState(panel.LockKeyStyle()->LockKeyType());
        if (on != panel.lockKeyOn_) {
            panel.lockKeyOn_ = on;
            PanelChanged(&panel);
        }
    }
}

// ---- size, font, parent ----------------------------------------------------

void TPanelStatusBar::resizeEvent(QResizeEvent*)
{
    runtime::Guarded(this, [&] {
        DivideParts();
        PlaceSizeGrip();
        if (!loading_)
            emit OnResize(this);
        update();
    });
}

void TPanelStatusBar::showEvent(QShowEvent*)
{
    FollowParentBottom();
    PlaceSizeGrip();
}

void TPanelStatusBar::FollowParentBottom()
{
    // Bottom alignment for a parent without a layout: full width, at the bottom.
    QWidget* parent = parentWidget();
    if (parent != alignedIn_) {
        if (alignedIn_)
            alignedIn_->removeEventFilter(this);
        alignedIn_ = parent;
        if (alignedIn_)
            alignedIn_->installEventFilter(this);
    }
    if (parent && !parent->layout())
        setGeometry(0, parent->height() - height(), parent->width(), height());
}

bool TPanelStatusBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == alignedIn_ && event->type() == QEvent::Resize)
        FollowParentBottom();
    return QWidget::eventFilter(watched, event);
}

void TPanelStatusBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        DivideParts();
        break;
    case QEvent::ParentChange:
        FollowParentBottom();
        break;
    case QEvent::PaletteChange:
        if (parentColor_)
            DivideParts();
        break;
    default:
        break;
    }
}

bool TPanelStatusBar::event(QEvent* event)
{
    if (event->type() == QEvent::ApplicationFontChange)
        ApplySystemFont();
    return QWidget::event(event);
}

// ---- drawing ---------------------------------------------------------------

void TPanelStatusBar::paintEvent(QPaintEvent*)
{
    runtime::Guarded(this, [&] {
        QPainter p(this);
        p.fillRect(rect(), ToQColor(Color()));
        if (simplePanel_) {
            p.setFont(font());
            p.setPen(runtime::ReadableTextColor(fontColor_, Color()));
            p.drawText(rect().adjusted(4, 2, -4, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                       simpleText_);
            return;
        }
        if (panels_->Count() == 0) {
            DrawBevel(p, QRect(0, 2, width(), height() - 2), TStatusPanel::apbLowered);
            return;
        }
        const int n = std::min(panels_->Count(), MaxParts);
        for (int i = 0; i < n; ++i) {
            TStatusPanel& panel = *panels_->Items(i);
            if (panel.Rect().width() <= 0 || panel.Rect().height() <= 0)
                continue;
            DrawBevel(p, panel.Rect(), panel.Bevel());
            DrawPart(p, panel);
        }
    });
}

void TPanelStatusBar::DrawBevel(QPainter& p, const QRect& r, TStatusPanel::TStatusPanelBevel bevel)
{
    if (bevel == TStatusPanel::apbNone)
        return;
    QRect frame = r;
    runtime::BevelPainter::Bevel(p, frame,
                                 bevel == TStatusPanel::apbLowered ? runtime::bvLowered : runtime::bvRaised,
                                 1, runtime::BevelPainter::Corners::TopLeftEdges);
}

void TPanelStatusBar::FillBrush(QPainter& p, const QRect& r, const TStatusPanel& panel)
{
    const QColor color = ToQColor(panel.BrushColor());
    if (panel.BrushStyle() == Qt::SolidPattern) {
        p.fillRect(r, color);
        return;
    }
    p.fillRect(r, ToQColor(Color()));
    if (panel.BrushStyle() != Qt::NoBrush)
        p.fillRect(r, QBrush(color, panel.BrushStyle()));
}

// A fixed text colour stays readable on a panel of the desktop's colour.
QColor TPanelStatusBar::PanelTextColor(const TStatusPanel& panel, runtime::TColor text) const
{
    const runtime::TColor back = panel.BrushStyle() == Qt::SolidPattern ? panel.BrushColor() : Color();
    return runtime::ReadableTextColor(text, back);
}

void TPanelStatusBar::DrawPart(QPainter& p, TStatusPanel& panel)
{
    if (panel.PanelStyle() == TStatusPanel::apsEmpty)
        return;
    if (panel.PanelStyle() == TStatusPanel::apsOwnerDraw) {
        p.save();
        p.setFont(panel.Font());
        p.setPen(ToQColor(panel.FontColor()));
        p.setBrush(QBrush(ToQColor(panel.BrushColor()), panel.BrushStyle()));
        if (isSignalConnected(QMetaMethod::fromSignal(&TPanelStatusBar::OnDrawPanel))) {
            canvas_ = &p;
            emit OnDrawPanel(this, &panel, panel.Rect());
            canvas_ = nullptr;
        } else if (!ThemesActive()) {
            FillBrush(p, panel.Rect(), panel);
        }
        p.restore();
        return;
    }
    const QRect r = panel.Rect().adjusted(1, 1, -1, -1);
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const qreal dpr = devicePixelRatioF();
    QPixmap bitmap(QSize(std::lround(r.width() * dpr), std::lround(r.height() * dpr)));
    bitmap.setDevicePixelRatio(dpr);
    switch (panel.PanelStyle()) {
    case TStatusPanel::apsText:
    case TStatusPanel::apsAppHint:
        DrawTextPanel(p, panel, bitmap);
        break;
    case TStatusPanel::apsLockKey:
        DrawLockKeyPanel(p, panel, bitmap);
        break;
    case TStatusPanel::apsProgressBar:
        DrawProgressPanel(p, panel, bitmap);
        break;
    default:
        return;
    }
    if (ThemesActive()) // the themed bar background shows through
        bitmap.setMask(bitmap.createMaskFromColor(ToQColor(Color()), Qt::MaskInColor));
    p.drawPixmap(r.topLeft(), bitmap);
}

void TPanelStatusBar::DrawTextPanel(QPainter&, TStatusPanel& panel, QPixmap& bitmap)
{
    const QSize size = bitmap.deviceIndependentSize().toSize();
    QPainter bp(&bitmap);
    FillBrush(bp, QRect(QPoint(0, 0), size), panel);
    const TPanelTextStyle& style = *panel.TextStyle();
    if (!style.ShowText())
        return;
    bp.setFont(panel.Font());
    bp.setPen(PanelTextColor(panel, panel.FontColor()));
    const QFontMetrics fm = bp.fontMetrics();
    const QString text = style.Text();
    const int textWidth = fm.horizontalAdvance(text);
    const int glyphIndex = style.GlyphIndex();
    const QPixmap* glyph = glyphIndex >= 0 && glyphIndex < static_cast<int>(glyphs_.size())
                               ? &glyphs_[static_cast<std::size_t>(glyphIndex)]
                               : nullptr;
    const int glyphWidth = glyph ? glyph->width() : 0;
    const int contentWidth = glyph ? textWidth + glyphWidth + style.Spacing() : textWidth;
    panel.contentWidth_ = contentWidth;

    int x = 2;
    if (style.ScrollEffect() != TPanelTextStyle::seNone)
        x = panel.ScrollOffset();
    else if (style.Alignment() == TPanelTextStyle::taRightJustify)
        x = size.width() - contentWidth - 2;
    else if (style.Alignment() == TPanelTextStyle::taCenter)
        x = (size.width() - contentWidth) / 2;

    int textX = x;
    if (glyph) {
        const int glyphY = (size.height() - glyph->height() + 1) / 2;
        if (style.Layout() == TPanelTextStyle::tlGlyphLeft) {
            bp.drawPixmap(x, glyphY, *glyph);
            textX = x + glyphWidth + style.Spacing();
        } else {
            bp.drawPixmap(x + textWidth + style.Spacing(), glyphY, *glyph);
        }
    }
    const int y = (size.height() - fm.height() + 1) / 2;
    bp.setClipRect(QRect(QPoint(0, 0), size));
    bp.drawText(textX, y + fm.ascent(), text);
}

void TPanelStatusBar::DrawLockKeyPanel(QPainter&, TStatusPanel& panel, QPixmap& bitmap)
{
    const QRect r(QPoint(0, 0), bitmap.deviceIndependentSize().toSize());
    QPainter bp(&bitmap);
    FillBrush(bp, r, panel);
    const TPanelLockKeyStyle& style = *panel.LockKeyStyle();
    bp.setFont(panel.Font());
    bp.setPen(PanelTextColor(panel, panel.lockKeyOn_ ? style.ColorOn() : style.ColorOff()));
    bp.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, style.Caption());
}

void TPanelStatusBar::DrawProgressPanel(QPainter&, TStatusPanel& panel, QPixmap& bitmap)
{
    const QRect r(QPoint(0, 0), bitmap.deviceIndependentSize().toSize());
    QPainter bp(&bitmap);
    const TPanelProgressStyle& style = *panel.ProgressBarStyle();
    const int filled = static_cast<int>(std::lround(style.Percent() * (r.width() - 4) / 100.0));
    bp.fillRect(r, ToQColor(Color()));
    FillBrush(bp, QRect(0, 0, filled, r.height()), panel);
    if (style.ShowCaption()) {
        bp.setFont(panel.Font());
        bp.setPen(ToQColor(panel.FontColor()));
        bp.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, style.FormattedCaption());
    }
}

} // namespace quorvant::controls
