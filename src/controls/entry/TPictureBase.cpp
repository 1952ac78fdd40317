#include "controls/entry/TPictureBase.h"

namespace quorvant::controls {

TPictureBase::TPictureBase(QWidget* parent) : TBaseEntryField(parent) {}

void TPictureBase::SetPadChar(QChar pad)
{
    if (pad == padChar_)
        return;
    padChar_ = pad;
    update();
}

} // namespace quorvant::controls
