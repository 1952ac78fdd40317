#include "controls/statusbar/TPanelLockKeyStyle.h"

#include "controls/statusbar/TStatusPanel.h"

namespace quorvant::controls {

TPanelLockKeyStyle::TPanelLockKeyStyle(TStatusPanel* owner) : QObject(owner), owner_(owner) {}

void TPanelLockKeyStyle::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    owner_->Changed();
}

void TPanelLockKeyStyle::SetColorOn(runtime::TColor color)
{
    if (color == colorOn_)
        return;
    colorOn_ = color;
    owner_->Changed();
}

void TPanelLockKeyStyle::SetColorOff(runtime::TColor color)
{
    if (color == colorOff_)
        return;
    colorOff_ = color;
    owner_->Changed();
}

void TPanelLockKeyStyle::SetLockKeyType(TLockKeyType type)
{
    if (type == type_)
        return;
    type_ = type;
    caption_ = type == lktNumLock    ? QStringLiteral("NUM")
               : type == lktCapsLock ? QStringLiteral("CAPS")
                                     : QStringLiteral("SCROLL");
    owner_->Changed();
}

} // namespace quorvant::controls
