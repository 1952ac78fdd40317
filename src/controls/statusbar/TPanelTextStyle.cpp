#include "controls/statusbar/TPanelTextStyle.h"

#include "controls/statusbar/TStatusPanel.h"

namespace quorvant::controls {

TPanelTextStyle::TPanelTextStyle(TStatusPanel* owner) : QObject(owner), owner_(owner) {}

void TPanelTextStyle::Changed()
{
    owner_->Changed();
}

void TPanelTextStyle::SetAlignment(TAlignment alignment)
{
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Changed();
}

void TPanelTextStyle::SetSpacing(int spacing)
{
    if (spacing == spacing_)
        return;
    spacing_ = spacing;
    Changed();
}

void TPanelTextStyle::SetGlyphIndex(int index)
{
    if (index == glyphIndex_)
        return;
    glyphIndex_ = index;
    Changed();
}

void TPanelTextStyle::SetLayout(TGlyphLayout layout)
{
    if (layout == layout_)
        return;
    layout_ = layout;
    Changed();
}

void TPanelTextStyle::SetScrollEffect(TScrollEffect effect)
{
    if (effect == scrollEffect_)
        return;
    scrollEffect_ = effect;
    owner_->ScrollEffectChanged();
    Changed();
}

void TPanelTextStyle::SetShowText(bool show)
{
    if (show == showText_)
        return;
    showText_ = show;
    owner_->ScrollEffectChanged();
    Changed();
}

void TPanelTextStyle::SetText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    Changed();
}

} // namespace quorvant::controls
