#include "controls/markup/TImageList.h"

namespace quorvant::controls {

TImageList::TImageList(QObject* owner) : QObject(owner) {}

QPixmap TImageList::Image(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    return images_[size_t(index)];
}

int TImageList::Add(const QPixmap& image)
{
    images_.push_back(image);
    emit Changed();
    return Count() - 1;
}

void TImageList::Replace(int index, const QPixmap& image)
{
    if (index < 0 || index >= Count())
        return;
    images_[size_t(index)] = image;
    emit Changed();
}

void TImageList::Clear()
{
    if (images_.empty())
        return;
    images_.clear();
    emit Changed();
}

} // namespace quorvant::controls
