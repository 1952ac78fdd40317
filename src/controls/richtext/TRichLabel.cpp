#include "controls/richtext/TRichLabel.h"

#include <QAccessible>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QVariant>

#include "controls/TControlsAccessibleFactory.h"
#include "controls/markup/MarkupEngine.h"
#include "controls/markup/TImageList.h"
#include "controls/markup/TPictureContainer.h"
#include "platform/Platform.h"
#include "runtime/BevelPainter.h"
#include "runtime/Guard.h"
#include "runtime/TAccessibleEvents.h"
#include "runtime/TApplication.h"

namespace quorvant::controls {

using runtime::clNone;
using runtime::TColor;
using runtime::ToQColor;

namespace {

// Room to grow into while measuring for auto-sizing.
constexpr int AutoSizeRoom = 65535;

template <class T> bool Assign(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

TRichLabel::TRichLabel(QWidget* parent) : TGraphicControl(parent)
{
    TControlsAccessibleFactory::Install();
}

TRichLabel::~TRichLabel() = default;

void TRichLabel::SetMarkupText(const QStringList& lines)
{
    QString text = lines.join(QString());
    text.remove(u'\r');
    text.remove(u'\n');
    const QStringList one{text};
    if (markup_ == one)
        return;
    markup_ = one;
    MarkupChanged();
}

void TRichLabel::SetMarkupText(const QString& text)
{
    SetMarkupText(QStringList{text});
}

void TRichLabel::AddMarkupLine(const QString& line)
{
    markup_.append(line);
    MarkupChanged();
}

QString TRichLabel::DisplayText() const
{
    return markup_.join(u' ');
}

void TRichLabel::MarkupChanged()
{
    update();
    if (runtime::TAccessibleEvents::Wanted()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        runtime::TAccessibleEvents::Send(event);
    }
}

#define QV_SETTER(Name, Type, field)                                                                         \
    void TRichLabel::Set##Name(Type value)                                                                   \
    {                                                                                                        \
        if (Assign(field, value))                                                                            \
            update();                                                                                        \
    }

QV_SETTER(URLColor, TColor, urlColor_)
QV_SETTER(Ellipsis, bool, ellipsis_)
QV_SETTER(LineSpacing, int, lineSpacing_)
QV_SETTER(FontColor, TColor, fontColor_)
QV_SETTER(ColorTo, TColor, colorTo_)
QV_SETTER(GradientType, TGradientType, gradientType_)
QV_SETTER(LineWidth, int, lineWidth_)
QV_SETTER(VAlignment, TVAlignment, vAlignment_)
QV_SETTER(AutoSizing, bool, autoSizing_)
QV_SETTER(AutoSizeType, TAutoSizeType, autoSizeType_)
QV_SETTER(Align, TAlign, align_)
QV_SETTER(BevelInner, runtime::TBevelCut, bevelInner_)
QV_SETTER(BevelOuter, runtime::TBevelCut, bevelOuter_)
QV_SETTER(BevelWidth, int, bevelWidth_)
QV_SETTER(BorderStyle, TBorderStyle, borderStyle_)
QV_SETTER(BorderWidth, int, borderWidth_)
QV_SETTER(BorderColor, TColor, borderColor_)
QV_SETTER(Hover, bool, hover_)
QV_SETTER(HoverColor, TColor, hoverColor_)
QV_SETTER(HoverFontColor, TColor, hoverFontColor_)
QV_SETTER(ShadowColor, TColor, shadowColor_)
QV_SETTER(ShadowOffset, int, shadowOffset_)
#undef QV_SETTER

void TRichLabel::SetTransparent(bool on)
{
    if (!Assign(transparent_, on))
        return;
    setAttribute(Qt::WA_OpaquePaintEvent, !on);
    update();
}

TColor TRichLabel::Color() const
{
    if (!parentColor_ || !parentWidget())
        return color_;
    return ParentColorValue();
}

TColor TRichLabel::ParentColorValue() const
{
    if (!parentWidget())
        return color_;
    // A panel keeps its colour as a property; other parents paint their palette.
    if (const QVariant own = parentWidget()->property("Color"); own.isValid() && own.canConvert<uint>())
        return TColor(own.toUInt());
    return runtime::FromQColor(parentWidget()->palette().color(parentWidget()->backgroundRole()));
}

void TRichLabel::SetColor(TColor color)
{
    const bool changed = parentColor_ || color_ != color;
    color_ = color;
    parentColor_ = false;
    if (changed)
        update();
}

void TRichLabel::SetParentColor(bool on)
{
    if (Assign(parentColor_, on))
        update();
}

void TRichLabel::SetImages(TImageList* images)
{
    if (images_ == images)
        return;
    if (images_)
        disconnect(images_, nullptr, this, nullptr);
    images_ = images;
    if (images_)
        connect(images_, &TImageList::Changed, this, qOverload<>(&QWidget::update));
    update();
}

void TRichLabel::SetPictureContainer(TPictureContainer* container)
{
    if (container_ == container)
        return;
    container_ = container;
    update();
}

void TRichLabel::Loaded()
{
    caption_.clear();
}

TMarkupParams TRichLabel::BaseParams(const QRect& rect) const
{
    TMarkupParams p;
    p.Font = font();
    p.FontColor = fontColor_;
    p.BrushColor = Color();
    p.Background = transparent_ ? ParentColorValue() : Color();
    p.Rect = rect;
    p.LineSpacing = lineSpacing_;
    p.Images = images_;
    p.PictureContainer = container_;
    p.URLColor = urlColor_;
    p.HoverColor = hoverColor_;
    p.HoverFontColor = hoverFontColor_;
    p.ShadowColor = shadowColor_;
    p.ShadowOffset = shadowOffset_;
    p.WordWrap = !ellipsis_;
    p.HoverStyle = hover_;
    p.BlinkVisible = false;
    return p;
}

TMarkupResult TRichLabel::RunMarkup(QPainter* painter, const QRect& rect, TMarkupParams& params)
{
    params.Rect = rect;
    const TMarkupResult r = DrawMarkup(painter, DisplayText(), params);
    textSize_ = QSize(r.Width, r.Height);
    return r;
}

bool TRichLabel::ExtendsRight() const
{
    return (autoSizeType_ == asHorizontal || autoSizeType_ == asBoth) &&
           (align_ == alNone || align_ == alLeft || align_ == alRight);
}

bool TRichLabel::ExtendsDown() const
{
    return (autoSizeType_ == asVertical || autoSizeType_ == asBoth) &&
           (align_ == alNone || align_ == alTop || align_ == alBottom);
}

QRect TRichLabel::FramedRect(QPainter* painter)
{
    // The frames are drawn (when a painter is given) from the outside in,
    // each shrinking the text rectangle.
    QRect r = rect();
    // Measuring without a painter takes the same room.
    const auto bevel = [&](runtime::TBevelCut cut) {
        if (painter)
            runtime::BevelPainter::Bevel(*painter, r, cut, bevelWidth_);
        else if (cut != runtime::bvNone)
            r.adjust(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_);
    };
    bevel(bevelOuter_);
    if (borderWidth_ > 0) {
        const QColor fill = ToQColor(Color());
        for (int i = 0; i < borderWidth_; ++i) {
            if (painter && fill.isValid()) {
                painter->setPen(fill);
                painter->setBrush(Qt::NoBrush);
                painter->drawRect(r.adjusted(0, 0, -1, -1));
            }
            r.adjust(1, 1, -1, -1);
        }
    }
    bevel(bevelInner_);
    if (painter && borderStyle_ == bsSingle && borderWidth_ > 0 && borderColor_ != clNone) {
        QPen pen(ToQColor(borderColor_), borderWidth_);
        pen.setJoinStyle(Qt::MiterJoin);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        const qreal half = borderWidth_ / 2.0;
        painter->drawRect(QRectF(r).adjusted(-half, -half, half, half));
    }
    if (bevelInner_ != runtime::bvNone || bevelOuter_ != runtime::bvNone)
        r.adjust(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_);
    if (borderStyle_ == bsSingle)
        r.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
    return r;
}

void TRichLabel::FillBackground(QPainter& p, const QRect& area)
{
    const QColor from = ToQColor(Color());
    if (!from.isValid())
        return;
    const bool lineType =
        gradientType_ == gtBottomLine || gradientType_ == gtCenterLine || gradientType_ == gtTopLine;
    const QColor to = ToQColor(colorTo_);
    p.fillRect(area, from);
    if (colorTo_ == clNone || !to.isValid())
        return;
    const int bands = std::max(1, area.width() / 4);
    if (gradientType_ == gtFullHorizontal) {
        runtime::BevelPainter::BandedGradient(p, area, from, to, bands, Qt::Horizontal);
    } else if (gradientType_ == gtFullVertical) {
        runtime::BevelPainter::BandedGradient(p, area, from, to, bands, Qt::Vertical);
    } else if (lineType) {
        int top = area.top();
        if (gradientType_ == gtBottomLine)
            top = area.bottom() + 1 - lineWidth_;
        else if (gradientType_ == gtCenterLine)
            top = area.top() + (area.height() - lineWidth_) / 2;
        runtime::BevelPainter::BandedGradient(p, QRect(area.left(), top, area.width(), lineWidth_), from, to,
                                              bands, Qt::Horizontal);
    }
}

void TRichLabel::paintEvent(QPaintEvent*)
{
    const QRect client = rect();
    if (client.width() <= 0 || client.height() <= 0)
        return;
    if (transparent_) {
        QPainter painter(this);
        PaintLabel(painter);
        return;
    }
    // Drawn off screen and copied, so the text never flickers over the fill.
    QPixmap buffer(client.size() * devicePixelRatioF());
    buffer.setDevicePixelRatio(devicePixelRatioF());
    {
        QPainter painter(&buffer);
        FillBackground(painter, client);
        PaintLabel(painter);
    }
    QPainter(this).drawPixmap(0, 0, buffer);
}

void TRichLabel::PaintLabel(QPainter& painter)
{
    painter.setFont(font());
    QRect r = FramedRect(&painter);
    if (autoSizing_) {
        if (ExtendsRight())
            r.setRight(r.right() + AutoSizeRoom);
        if (ExtendsDown())
            r.setBottom(r.bottom() + AutoSizeRoom);
    }
    if (autoSizing_ || vAlignment_ != tvaTop) {
        TMarkupParams measure = BaseParams(r);
        measure.CheckOnly = true;
        measure.HoverAnchor = hoverAnchor_;
        RunMarkup(nullptr, r, measure);
        if (autoSizing_) {
            if (vAlignment_ == tvaCenter)
                r.translate(0, 3);
            else if (vAlignment_ == tvaBottom)
                r.translate(0, 6);
            if (ExtendsDown() && height() != textSize_.height() + 6)
                resize(width(), textSize_.height() + 6);
            if (ExtendsRight() && width() != textSize_.width() + 6)
                resize(textSize_.width() + 6, height());
        }
        // Only a text less high than the label moves down, as in AnchorAt.
        if (textSize_.height() < height()) {
            if (vAlignment_ == tvaCenter)
                r.setTop(r.top() + (height() - textSize_.height()) / 2);
            else if (vAlignment_ == tvaBottom)
                r.setTop(height() - textSize_.height());
        }
    }
    TMarkupParams p = BaseParams(r);
    p.HoverAnchor = hoverAnchor_;
    p.Mouse = mapFromGlobal(QCursor::pos());
    RunMarkup(&painter, r, p);
}

QRect TRichLabel::HitRect()
{
    QRect r = FramedRect(nullptr);
    if (autoSizing_) {
        if (ExtendsRight())
            r.setRight(r.right() + AutoSizeRoom);
        if (ExtendsDown())
            r.setBottom(r.bottom() + AutoSizeRoom);
    }
    if (vAlignment_ != tvaTop) {
        // Measured as Paint measures, so hits land where the text is drawn.
        TMarkupParams measure = BaseParams(r);
        measure.CheckOnly = true;
        measure.HoverAnchor = hoverAnchor_;
        RunMarkup(nullptr, r, measure);
        if (autoSizing_)
            r.translate(0, vAlignment_ == tvaCenter ? 3 : 6);
        if (textSize_.height() < height()) {
            if (vAlignment_ == tvaCenter)
                r.setTop(r.top() + (height() - textSize_.height()) / 2);
            else
                r.setTop(height() - textSize_.height());
        }
    }
    return r;
}

QString TRichLabel::AnchorAt(int X, int Y)
{
    const QRect r = HitRect();
    TMarkupParams p = BaseParams(r);
    p.CheckOnly = true;
    p.Mouse = QPoint(X, Y);
    p.HoverAnchor = hoverAnchor_;
    const TMarkupResult hit = RunMarkup(nullptr, r, p);
    if (!hit.OnAnchor) {
        hoverAnchor_ = -1;
        return {};
    }
    hoverAnchor_ = hit.MouseAnchor;
    hoverRect_ = hit.AnchorRect;
    return hit.AnchorTarget;
}

void TRichLabel::Invalidate(const QRect& r)
{
    if (r.isValid() && !r.isEmpty())
        update(r.adjusted(-1, -1, 1, 1));
    else
        update();
}

void TRichLabel::mouseMoveEvent(QMouseEvent* event)
{
    TGraphicControl::mouseMoveEvent(event);
    const QPoint pos = event->position().toPoint();
    const int oldHover = hoverAnchor_;
    const QRect oldRect = hoverRect_;
    const QString target = AnchorAt(pos.x(), pos.y());
    if (!target.isEmpty() || hoverAnchor_ > 0) {
        const bool handCursor = testAttribute(Qt::WA_SetCursor) && cursor().shape() == Qt::PointingHandCursor;
        if (!handCursor || target != lastAnchor_ || hoverAnchor_ != oldHover) {
            // A tooltip of the previous anchor must not stay up over this one.
            if (anchorHint_)
                runtime::Application().CancelHint();
            setCursor(Qt::PointingHandCursor);
            runtime::Guarded(this, [&] { emit OnAnchorEnter(this, target); });
            if (hover_) {
                Invalidate(oldHover > 0 ? oldRect : QRect());
                Invalidate(hoverRect_);
            }
        }
        lastAnchor_ = target;
        return;
    }
    if (testAttribute(Qt::WA_SetCursor) && cursor().shape() == Qt::PointingHandCursor) {
        unsetCursor();
        lastAnchor_.clear();
        runtime::Guarded(this, [&] { emit OnAnchorExit(this, QString()); });
        if (hover_)
            Invalidate(oldHover > 0 ? oldRect : QRect());
    }
}

void TRichLabel::mousePressEvent(QMouseEvent* event)
{
    TGraphicControl::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    const QString target = AnchorAt(pos.x(), pos.y());
    if (!target.isEmpty())
        ClickAnchor(target);
}

void TRichLabel::ClickAnchor(const QString& target)
{
    runtime::Guarded(this, [&] { emit OnAnchorClick(this, target); });
    // Only addresses and mail links go to the shell; a failure is not reported.
    if (target.contains(QLatin1String("://")) || target.contains(QLatin1String("mailto:")))
        platform::ThePlatform().ShellExecute(window(), "open", target.toStdString(), "", "",
                                             platform::SwShowNormal);
}

void TRichLabel::enterEvent(QEnterEvent* event)
{
    TGraphicControl::enterEvent(event);
    runtime::Guarded(this, [this] { emit OnMouseEnter(this); });
}

void TRichLabel::leaveEvent(QEvent* event)
{
    TGraphicControl::leaveEvent(event);
    if (hover_ && hoverAnchor_ > 0)
        Invalidate(hoverRect_);
    hoverAnchor_ = -1;
    runtime::Guarded(this, [this] { emit OnMouseLeave(this); });
}

void TRichLabel::HintShowRequest(runtime::THintInfo& info, bool& canShow)
{
    (void)canShow;
    if (anchorHint_) {
        QString target = AnchorAt(info.CursorPos.x(), info.CursorPos.y());
        if (!target.isEmpty()) {
            if (OnAnchorHint)
                OnAnchorHint(this, target);
            info.HintStr = target;
            info.HintPos = mapToGlobal(info.CursorPos) + QPoint(10, -10);
            return;
        }
    }
    if (hintShowFull_)
        info.HintStr = markupHint_ ? DisplayText() : StripMarkup(DisplayText());
}

} // namespace quorvant::controls
