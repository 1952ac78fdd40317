#include "runtime/TSpeedButton.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

#include "runtime/ControlProperties.h"
#include "runtime/TColor.h"

namespace quorvant::runtime {

TSpeedButton::TSpeedButton(QWidget* parent) : TGraphicControl(parent)
{
    resize(23, 22);
}

void TSpeedButton::SetGlyph(const QIcon& glyph)
{
    if (glyph_.SetStrip(glyph))
        update();
}

void TSpeedButton::SetNumGlyphs(int count)
{
    if (glyph_.SetCount(count))
        update();
}

void TSpeedButton::SetFlat(bool flat)
{
    if (flat_ == flat)
        return;
    flat_ = flat;
    update();
}

void TSpeedButton::SetCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    delete accelerator_;
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (!key.isEmpty()) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] {
            if (isEnabled() && isVisible())
                Click();
        });
        accelerator_ = shortcut;
    }
    update();
}

TSpeedButton::GlyphState TSpeedButton::CurrentState() const
{
    if (!isEnabled())
        return Disabled;
    return down_ && hover_ ? Down : Up;
}

QPixmap TSpeedButton::GlyphFor(GlyphState state) const
{
    return glyph_.Image(static_cast<int>(state), devicePixelRatioF());
}

void TSpeedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const GlyphState state = CurrentState();
    QRect r = rect();
    const bool raised = !flat_ || (hover_ && isEnabled());
    if (state == Down || raised) {
        const bool sunken = state == Down;
        painter.setPen(ToQColor(sunken ? clBtnShadow : clBtnHighlight));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(ToQColor(sunken ? clBtnHighlight : clBtnShadow));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
    const QPixmap image = GlyphFor(state);
    const int shift = state == Down ? 1 : 0;
    int textLeft = 0;
    if (!image.isNull()) {
        const QSize s = image.deviceIndependentSize().toSize();
        const int x = caption_.isEmpty() ? (width() - s.width()) / 2 : 4;
        painter.drawPixmap(x + shift, (height() - s.height()) / 2 + shift, image);
        textLeft = x + s.width() + 4;
    }
    if (!caption_.isEmpty()) {
        painter.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        const int mnemonic = KeyboardCuesVisible(this) ? Qt::TextShowMnemonic : Qt::TextHideMnemonic;
        const QRect area = textLeft ? r.adjusted(textLeft, 0, 0, 0) : r;
        painter.drawText(area.translated(shift, shift),
                         Qt::AlignVCenter | (textLeft ? Qt::AlignLeft : Qt::AlignHCenter) | mnemonic,
                         caption_);
    }
}

void TSpeedButton::enterEvent(QEnterEvent* event)
{
    hover_ = true;
    update();
    TGraphicControl::enterEvent(event);
}

void TSpeedButton::leaveEvent(QEvent* event)
{
    hover_ = false;
    update();
    TGraphicControl::leaveEvent(event);
}

void TSpeedButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        down_ = true;
        hover_ = true;
        update();
    }
    TGraphicControl::mousePressEvent(event);
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        down_ = false;
        hover_ = rect().contains(event->position().toPoint());
        update();
    }
    TGraphicControl::mouseReleaseEvent(event);
}

void TSpeedButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    TGraphicControl::changeEvent(event);
}

} // namespace quorvant::runtime
