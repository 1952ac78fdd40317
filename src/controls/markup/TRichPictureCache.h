#pragma once
// Pictures for markup sources that are addresses ("://"), one per address.
// The program has no network code: nothing here fetches; a caller that has a
// picture for an address may put it in, and the layout only looks up.

#include <QPixmap>
#include <QString>
#include <vector>

namespace quorvant::controls {

class TRichPictureCache {
public:
    void Add(const QString& address, const QPixmap& picture);
    // Null when the address has no picture.
    const QPixmap* Find(const QString& address) const;
    int Count() const { return int(items_.size()); }
    void Clear() { items_.clear(); }

private:
    struct Item {
        QString Address;
        QPixmap Picture;
    };
    std::vector<Item> items_;
};

} // namespace quorvant::controls
