#pragma once
// A numbered list of equally usable pictures; markup names its entries as
// "IDX:n". Listeners repaint on Changed.

#include <QObject>
#include <QPixmap>
#include <vector>

namespace quorvant::controls {

class TImageList : public QObject {
    Q_OBJECT
public:
    explicit TImageList(QObject* owner = nullptr);

    int Count() const { return int(images_.size()); }
    // An empty pixmap for an index outside the list.
    QPixmap Image(int index) const;
    int Add(const QPixmap& image);
    void Replace(int index, const QPixmap& image);
    void Clear();

signals:
    void Changed();

private:
    std::vector<QPixmap> images_;
};

} // namespace quorvant::controls
