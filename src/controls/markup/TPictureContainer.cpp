#include "controls/markup/TPictureContainer.h"

namespace quorvant::controls {

TPictureContainer::TPictureContainer(QObject* owner) : QObject(owner) {}

void TPictureContainer::Add(const QString& name, const QPixmap& picture)
{
    for (auto& item : items_) {
        if (item.Name.compare(name, Qt::CaseInsensitive) == 0) {
            item.Picture = picture;
            return;
        }
    }
    items_.push_back({name, picture});
}

QPixmap TPictureContainer::Find(const QString& name) const
{
    for (const auto& item : items_)
        if (item.Name.compare(name, Qt::CaseInsensitive) == 0)
            return item.Picture;
    return {};
}

} // namespace quorvant::controls
