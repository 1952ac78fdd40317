#include "controls/markup/TRichPictureCache.h"

namespace quorvant::controls {

void TRichPictureCache::Add(const QString& address, const QPixmap& picture)
{
    for (auto& item : items_) {
        if (item.Address == address) {
            item.Picture = picture;
            return;
        }
    }
    items_.push_back({address, picture});
}

const QPixmap* TRichPictureCache::Find(const QString& address) const
{
    for (const auto& item : items_)
        if (item.Address == address)
            return &item.Picture;
    return nullptr;
}

} // namespace quorvant::controls
