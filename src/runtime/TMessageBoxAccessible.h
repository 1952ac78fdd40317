#pragma once
// A message box as assistive technology meets it: an alert named by its
// title whose description is its message, so a screen reader reads the
// message with the box.

#include <QAccessibleWidget>

class QMessageBox;

namespace quorvant::runtime {

class TMessageBoxAccessible : public QAccessibleWidget {
public:
    explicit TMessageBoxAccessible(QMessageBox* box);

    QString text(QAccessible::Text t) const override;

private:
    QMessageBox* box() const;
};

} // namespace quorvant::runtime
