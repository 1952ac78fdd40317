#include "runtime/TBitBtn.h"

#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "runtime/ControlProperties.h"
#include "runtime/Guard.h"
#include "runtime/TForm.h"

namespace quorvant::runtime {

TBitBtn::TBitBtn(QWidget* parent) : QPushButton(parent)
{
    resize(75, 25);
    connect(this, &QPushButton::clicked, this, &TBitBtn::Clicked);
}

void TBitBtn::SetCaption(const QString& caption)
{
    if (text() == caption)
        return;
    setText(caption); // keeps Qt's Alt+accelerator shortcut
    update();
}

void TBitBtn::SetGlyph(const QIcon& glyph)
{
    if (glyph_.SetStrip(glyph))
        update();
}

void TBitBtn::SetNumGlyphs(int count)
{
    if (glyph_.SetCount(count))
        update();
}

void TBitBtn::SetLayout(TButtonLayout layout)
{
    if (layout_ == layout)
        return;
    layout_ = layout;
    update();
}

void TBitBtn::SetSpacing(int spacing)
{
    if (spacing_ == spacing)
        return;
    spacing_ = spacing;
    update();
}

void TBitBtn::Click()
{
    click();
}

void TBitBtn::Clicked()
{
    QPointer<TBitBtn> self(this);
    Guarded(this, [this] { emit OnClick(this); });
    if (!self || modalResult_ == 0)
        return;
    if (auto* form = qobject_cast<TForm*>(window()))
        form->SetModalResult(modalResult_);
}

QPixmap TBitBtn::CurrentGlyph() const
{
    const int index = !isEnabled() ? 1 : isDown() ? 2 : 0;
    return glyph_.Image(index, devicePixelRatioF());
}

// Enter presses a focused button, as Space does, also outside dialogs.
void TBitBtn::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void TBitBtn::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const QPixmap image = CurrentGlyph();
    const QSize glyphSize = image.isNull() ? QSize() : image.deviceIndependentSize().toSize();
    const int mnemonic = KeyboardCuesVisible(this) ? Qt::TextShowMnemonic : Qt::TextHideMnemonic;
    const QSize textSize = text().isEmpty() ? QSize() : fontMetrics().size(Qt::TextShowMnemonic, text());
    const bool horizontal = layout_ == blGlyphLeft || layout_ == blGlyphRight;
    const int gap = !image.isNull() && !text().isEmpty() ? spacing_ : 0;
    const int contentW =
        horizontal ? glyphSize.width() + gap + textSize.width() : qMax(glyphSize.width(), textSize.width());
    const int contentH = horizontal ? qMax(glyphSize.height(), textSize.height())
                                    : glyphSize.height() + gap + textSize.height();
    const int shift = isDown() ? 1 : 0;
    const QPoint origin(area.left() + (area.width() - contentW) / 2 + shift,
                        area.top() + (area.height() - contentH) / 2 + shift);
    QPoint glyphAt = origin;
    QRect textRect(origin, textSize);
    switch (layout_) {
    case blGlyphLeft:
        glyphAt.ry() += (contentH - glyphSize.height()) / 2;
        textRect.moveTopLeft(
            {origin.x() + glyphSize.width() + gap, origin.y() + (contentH - textSize.height()) / 2});
        break;
    case blGlyphRight:
        glyphAt = {origin.x() + textSize.width() + gap, origin.y() + (contentH - glyphSize.height()) / 2};
        textRect.moveTopLeft({origin.x(), origin.y() + (contentH - textSize.height()) / 2});
        break;
    case blGlyphTop:
        glyphAt.rx() += (contentW - glyphSize.width()) / 2;
        textRect.moveTopLeft(
            {origin.x() + (contentW - textSize.width()) / 2, origin.y() + glyphSize.height() + gap});
        break;
    case blGlyphBottom:
        glyphAt = {origin.x() + (contentW - glyphSize.width()) / 2, origin.y() + textSize.height() + gap};
        textRect.moveTopLeft({origin.x() + (contentW - textSize.width()) / 2, origin.y()});
        break;
    }
    if (!image.isNull())
        painter.drawPixmap(glyphAt, image);
    if (!text().isEmpty()) {
        painter.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(textRect, Qt::AlignCenter | mnemonic, text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace quorvant::runtime
