#include "controls/richtext/TLinkLabel.h"

#include <QCursor>
#include <QMouseEvent>
#include <QTimer>

#include "controls/TControlsAccessibleFactory.h"
#include "platform/Platform.h"
#include "platform/UiRuntimeHooks.h"
#include "runtime/Guard.h"

namespace quorvant::controls {

using runtime::TColor;

TLinkLabel::TLinkLabel(QWidget* parent) : QLabel(parent)
{
    TControlsAccessibleFactory::Install();
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    platform::UiRuntimeHooks::SetNonWindowed(this); // a windowless label
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    ApplyColor(fontColor_);
}

TLinkLabel::~TLinkLabel() = default; // the timer is a child and goes with the label

void TLinkLabel::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    UpdateText();
}

void TLinkLabel::SetURL(const QString& url)
{
    if (url == url_)
        return;
    url_ = url;
    UpdateText();
}

void TLinkLabel::UpdateText()
{
    setText(caption_.isEmpty() ? url_ : caption_);
}

void TLinkLabel::SetHighlightColor(TColor color)
{
    if (color == runtime::clDefault)
        color = fontColor_;
    normalColor_.reset();
    if (color == highlightColor_)
        return;
    highlightColor_ = color;
    update();
}

void TLinkLabel::SetFontColor(TColor color)
{
    if (color == fontColor_)
        return;
    fontColor_ = color;
    ApplyColor(color);
}

void TLinkLabel::SetUnderlineURL(bool underline)
{
    if (underline == font().underline())
        return;
    QFont f = font();
    f.setUnderline(underline);
    setFont(f);
    update();
}

void TLinkLabel::ApplyColor(TColor color)
{
    QPalette p = palette();
    // Readable on what the label stands on, also on a dark desktop.
    p.setColor(QPalette::WindowText,
               runtime::ReadableTextColor(runtime::ToQColor(color), p.color(backgroundRole())));
    setPalette(p);
    update();
}

// A new desktop palette: system colours and the readable shade of a fixed
// colour are taken anew. Applying them changes the palette once more, but
// then nothing differs.
void TLinkLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    const QColor wanted =
        runtime::ReadableTextColor(runtime::ToQColor(fontColor_), palette().color(backgroundRole()));
    if (palette().color(QPalette::WindowText) != wanted)
        ApplyColor(fontColor_);
}

void TLinkLabel::Loaded()
{
    normalColor_.reset();
}

void TLinkLabel::Click()
{
    if (!url_.isEmpty()) {
        auto& shell = platform::ThePlatform();
        QString cut = url_.left(MaxUrlLength);
        if (cut.size() == MaxUrlLength && cut.back().isHighSurrogate())
            cut.chop(1); // never half a character: the shell gets valid text
        const std::string file = cut.toStdString();
        if (shell.ShellExecute(nullptr, "open", file, "", "", platform::SwShowNormal) <= 32)
            shell.MessageBeep();
    }
    emit OnClick(this);
}

void TLinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
    if (hoverTimer_ || !rect().contains(event->position().toPoint()))
        return;
    if (!normalColor_)
        normalColor_ = fontColor_;
    fontColor_ = highlightColor_;
    ApplyColor(fontColor_);
    hoverTimer_ = new QTimer(this);
    hoverTimer_->setInterval(100);
    connect(hoverTimer_, &QTimer::timeout, this, &TLinkLabel::HoverTick);
    hoverTimer_->start();
}

void TLinkLabel::HoverTick()
{
    if (rect().contains(mapFromGlobal(QCursor::pos())))
        return;
    hoverTimer_->stop();
    hoverTimer_->deleteLater();
    hoverTimer_ = nullptr;
    if (normalColor_)
        fontColor_ = *normalColor_;
    ApplyColor(fontColor_);
}

void TLinkLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    runtime::Guarded(this, [&] {
        const bool click =
            pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
        pressed_ = false;
        event->accept();
        if (click)
            Click();
    });
}

void TLinkLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    runtime::Guarded(this, [&] {
        event->accept();
        emit OnDblClick(this);
    });
}

} // namespace quorvant::controls
