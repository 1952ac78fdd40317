#pragma once
// A picture as a graphic named by its hint's long part; a picture that does
// something when clicked can be pressed.

#include <QAccessibleWidget>

namespace quorvant::runtime {

class TImage;

class TImageAccessible : public QAccessibleWidget {
public:
    explicit TImageAccessible(TImage* image);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    TImage* image() const;
};

} // namespace quorvant::runtime
