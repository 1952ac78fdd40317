#include "controls/statusbar/TStatusPanel.h"

#include "controls/TControlsAccessibleFactory.h"
#include "controls/statusbar/EStatusPanelError.h"
#include "controls/statusbar/TPanelStatusBar.h"
#include "controls/statusbar/TStatusPanelAccessible.h"
#include "controls/statusbar/TStatusPanels.h"

namespace quorvant::controls {

namespace {

bool IsIdentifier(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
        const bool digit = c >= u'0' && c <= u'9';
        if (!(letter || (i > 0 && digit)))
            return false;
    }
    return true;
}

} // namespace

TStatusPanel::TStatusPanel(TStatusPanels* collection)
    : QObject(collection), collection_(collection), textStyle_(new TPanelTextStyle(this)),
      lockKeyStyle_(new TPanelLockKeyStyle(this)), progressStyle_(new TPanelProgressStyle(this))
{
    TControlsAccessibleFactory::Install();
}

TPanelStatusBar* TStatusPanel::StatusBar() const
{
    return collection_ ? collection_->StatusBar() : nullptr;
}

int TStatusPanel::Index() const
{
    return collection_ ? collection_->IndexOf(this) : -1;
}

void TStatusPanel::Changed()
{
    if (auto* bar = StatusBar())
        bar->PanelChanged(this);
}

void TStatusPanel::ScrollEffectChanged()
{
    scrollOffset_ = 0;
    scrollStep_ = textStyle_->ScrollEffect() == TPanelTextStyle::seFromRightToLeft ? -1 : 1;
    if (auto* bar = StatusBar())
        bar->UpdateScrollTimer();
}

bool TStatusPanel::Scrolls() const
{
    return textStyle_->ScrollEffect() != TPanelTextStyle::seNone && textStyle_->ShowText();
}

void TStatusPanel::SetName(const QString& value)
{
    const QString name = value.trimmed();
    if (name == name_)
        return;
    if (!IsIdentifier(name))
        throw EStatusPanelError(QStringLiteral("''%1'' is not a valid status panel name").arg(name));
    if (collection_) {
        for (int i = 0; i < collection_->Count(); ++i) {
            const TStatusPanel* other = collection_->Items(i);
            if (other != this && other->Name() == name)
                throw EStatusPanelError(
                    QStringLiteral("A status panel named ''%1'' already exists").arg(name));
        }
    }
    name_ = name;
    Changed();
}

void TStatusPanel::SetWidth(int width)
{
    if (width == width_)
        return;
    width_ = width;
    if (auto* bar = StatusBar())
        bar->DivideParts();
}

void TStatusPanel::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    if (auto* bar = StatusBar())
        bar->DivideParts();
}

void TStatusPanel::SetBevel(TStatusPanelBevel bevel)
{
    if (bevel == bevel_)
        return;
    bevel_ = bevel;
    Changed();
}

void TStatusPanel::SetPanelStyle(TStatusPanelStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    if (auto* bar = StatusBar())
        bar->UpdateScrollTimer();
    Changed();
}

QFont TStatusPanel::Font() const
{
    const auto* bar = StatusBar();
    return parentFont_ && bar ? bar->font() : font_;
}

void TStatusPanel::SetFont(const QFont& font)
{
    if (!parentFont_ && font == font_)
        return;
    fontColor_ = FontColor();
    font_ = font;
    parentFont_ = false;
    Changed();
}

runtime::TColor TStatusPanel::FontColor() const
{
    const auto* bar = StatusBar();
    return parentFont_ && bar ? bar->FontColor() : fontColor_;
}

void TStatusPanel::SetFontColor(runtime::TColor color)
{
    if (!parentFont_ && color == fontColor_)
        return;
    font_ = Font();
    fontColor_ = color;
    parentFont_ = false;
    Changed();
}

void TStatusPanel::SetParentFont(bool parent)
{
    if (parent == parentFont_)
        return;
    if (!parent) {
        font_ = Font();
        fontColor_ = FontColor();
    }
    parentFont_ = parent;
    Changed();
}

runtime::TColor TStatusPanel::BrushColor() const
{
    const auto* bar = StatusBar();
    return parentColor_ && bar ? bar->Color() : brushColor_;
}

void TStatusPanel::SetBrushColor(runtime::TColor color)
{
    if (!parentColor_ && color == brushColor_)
        return;
    brushColor_ = color;
    parentColor_ = false;
    Changed();
}

void TStatusPanel::SetParentColor(bool parent)
{
    if (parent == parentColor_)
        return;
    if (!parent)
        brushColor_ = BrushColor();
    parentColor_ = parent;
    Changed();
}

void TStatusPanel::SetBrushStyle(Qt::BrushStyle style)
{
    if (style == brushStyle_)
        return;
    brushStyle_ = style;
    Changed();
}

void TStatusPanel::SetHint(const QString& hint)
{
    hint_ = hint;
}

TStatusPanel::TBiDiMode TStatusPanel::BiDiMode() const
{
    const auto* bar = StatusBar();
    if (parentBiDiMode_ && bar)
        return bar->layoutDirection() == Qt::RightToLeft ? bdRightToLeft : bdLeftToRight;
    return biDiMode_;
}

void TStatusPanel::SetBiDiMode(TBiDiMode mode)
{
    if (!parentBiDiMode_ && mode == biDiMode_)
        return;
    biDiMode_ = mode;
    parentBiDiMode_ = false;
    Changed();
}

void TStatusPanel::SetParentBiDiMode(bool parent)
{
    if (parent == parentBiDiMode_)
        return;
    if (!parent)
        biDiMode_ = BiDiMode();
    parentBiDiMode_ = parent;
    Changed();
}

void TStatusPanel::SetText(const QString& text)
{
    if (text == Text())
        return;
    textStyle_->SetText(text);
    TStatusPanelAccessible::TextChanged(this);
}

} // namespace quorvant::controls
