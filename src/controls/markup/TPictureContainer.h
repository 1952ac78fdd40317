#pragma once
// Named pictures for markup sources without a ":" ("<img src=\"logo\">").

#include <QObject>
#include <QPixmap>
#include <QString>
#include <vector>

namespace quorvant::controls {

class TPictureContainer : public QObject {
    Q_OBJECT
public:
    explicit TPictureContainer(QObject* owner = nullptr);

    // Replaces a picture of the same name (names compare case-insensitively).
    void Add(const QString& name, const QPixmap& picture);
    // An empty pixmap when there is no picture of that name.
    QPixmap Find(const QString& name) const;
    int Count() const { return int(items_.size()); }

private:
    struct Item {
        QString Name;
        QPixmap Picture;
    };
    std::vector<Item> items_;
};

} // namespace quorvant::controls
