#include "runtime/TLabel.h"

#include <QEvent>
#include <QPainter>
#include <QShortcut>

#include "runtime/ControlProperties.h"
#include "runtime/Guard.h"
#include "runtime/TLabelAccessible.h"

namespace quorvant::runtime {

TLabel::TLabel(QWidget* parent) : TGraphicControl(parent) {}

void TLabel::SetCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    UpdateShortcut();
    AdjustBounds();
    update();
    TLabelAccessible::CaptionChanged(this);
}

void TLabel::SetAlignment(TAlignment alignment)
{
    if (alignment_ == alignment)
        return;
    alignment_ = alignment;
    update();
}

void TLabel::SetLayout(TTextLayout layout)
{
    if (layout_ == layout)
        return;
    layout_ = layout;
    update();
}

void TLabel::SetAutoSize(bool autoSize)
{
    if (autoSize_ == autoSize)
        return;
    autoSize_ = autoSize;
    AdjustBounds();
    update();
}

void TLabel::SetWordWrap(bool wordWrap)
{
    if (wordWrap_ == wordWrap)
        return;
    wordWrap_ = wordWrap;
    AdjustBounds();
    update();
}

void TLabel::SetTransparent(bool transparent)
{
    if (transparent_ == transparent)
        return;
    transparent_ = transparent;
    update();
}

void TLabel::SetShowAccelChar(bool show)
{
    if (showAccelChar_ == show)
        return;
    showAccelChar_ = show;
    UpdateShortcut();
    AdjustBounds();
    update();
}

void TLabel::SetColor(TColor color)
{
    parentColor_ = false;
    if (color_ == color)
        return;
    color_ = color;
    update();
}

void TLabel::SetParentColor(bool parentColor)
{
    if (parentColor_ == parentColor)
        return;
    parentColor_ = parentColor;
    update();
}

int TLabel::TextFlags() const
{
    int flags = wordWrap_ ? Qt::TextWordWrap : Qt::TextSingleLine;
    switch (alignment_) {
    case taLeftJustify:
        flags |= Qt::AlignLeft;
        break;
    case taRightJustify:
        flags |= Qt::AlignRight;
        break;
    case taCenter:
        flags |= Qt::AlignHCenter;
        break;
    }
    switch (layout_) {
    case tlTop:
        flags |= Qt::AlignTop;
        break;
    case tlCenter:
        flags |= Qt::AlignVCenter;
        break;
    case tlBottom:
        flags |= Qt::AlignBottom;
        break;
    }
    if (showAccelChar_)
        flags |= KeyboardCuesVisible(this) ? Qt::TextShowMnemonic : Qt::TextHideMnemonic;
    return flags;
}

QSize TLabel::sizeHint() const
{
    const int wrapWidth = wordWrap_ ? qMax(1, width()) : 0;
    // Measured with the underline shown: the same width either way.
    int flags = TextFlags() & ~Qt::TextHideMnemonic;
    if (showAccelChar_)
        flags |= Qt::TextShowMnemonic;
    const QString text = caption_.isEmpty() ? QStringLiteral(" ") : caption_;
    const QRect r = fontMetrics().boundingRect(QRect(0, 0, wrapWidth, 0), flags, text);
    return {wordWrap_ ? width() : r.width(), r.height()};
}

void TLabel::AdjustBounds()
{
    if (!autoSize_)
        return;
    const QSize hint = sizeHint();
    if (hint == size())
        return;
    QRect g = geometry();
    // A right-aligned label keeps its right edge, a centred one its centre.
    const int dx = g.width() - hint.width();
    if (alignment_ == taRightJustify && !wordWrap_)
        g.moveLeft(g.left() + dx);
    else if (alignment_ == taCenter && !wordWrap_)
        g.moveLeft(g.left() + dx / 2);
    g.setSize(hint);
    setGeometry(g);
}

void TLabel::changeEvent(QEvent* event)
{
    TGraphicControl::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        AdjustBounds();
}

void TLabel::DrawBackground(QPainter& painter)
{
    if (transparent_)
        return;
    if (parentColor_) {
        if (QWidget* p = parentWidget())
            painter.fillRect(rect(), p->palette().color(p->backgroundRole()));
        return;
    }
    if (color_ != clNone)
        painter.fillRect(rect(), ToQColor(color_));
}

// What the caption is drawn on: the label's own colour, or what its parent
// paints (a panel's Color property, else the parent's palette).
QColor TLabel::BackgroundBehind() const
{
    if (!transparent_ && !parentColor_ && color_ != clNone)
        return ToQColor(color_);
    const QWidget* p = parentWidget();
    if (!p)
        return palette().color(backgroundRole());
    const QVariant color = p->property("Color");
    if (color.isValid() && color.canConvert<uint>() && color.value<uint>() != clNone)
        return ToQColor(color.value<uint>());
    return p->palette().color(p->backgroundRole());
}

void TLabel::DrawCaption(QPainter& painter, const QRect& area)
{
    // Without ShowAccelChar no mnemonic flag is set and "&" is drawn as is.
    painter.setPen(ReadableTextColor(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText),
        BackgroundBehind()));
    painter.drawText(area, TextFlags(), caption_);
}

void TLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    DrawBackground(painter);
    DrawCaption(painter, rect());
}

void TLabel::SetFocusControl(QWidget* control)
{
    if (focusControl_ == control)
        return;
    focusControl_ = control;
    UpdateShortcut();
}

void TLabel::UpdateShortcut()
{
    delete shortcut_;
    shortcut_ = nullptr;
    // Without a control to focus the accelerator must not take the key
    // from a menu or button with the same letter.
    if (!showAccelChar_ || !focusControl_)
        return;
    const QKeySequence key = QKeySequence::mnemonic(caption_);
    if (key.isEmpty())
        return;
    shortcut_ = new QShortcut(key, this);
    Bind(shortcut_, &QShortcut::activated, this, [this] {
        if (focusControl_ && focusControl_->isEnabled())
            focusControl_->setFocus(Qt::ShortcutFocusReason);
    });
}

} // namespace quorvant::runtime
