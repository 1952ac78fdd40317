#pragma once
// The drop shadow of a pop-up window where no compositor draws one: a window
// of its own below and to the right of the pop-up, showing the screen that
// was beneath it, darkened most where the pop-up's offset copies overlap.
// It never covers the pop-up's own shape, so their stacking does not matter.

#include <QPixmap>
#include <QRegion>
#include <QWidget>

namespace quorvant::runtime {

class TDropShadow : public QWidget {
    Q_OBJECT
public:
    // How far the shadow reaches right and down, in pixels.
    static constexpr int Depth = 4;

    TDropShadow();

    // Shows the shadow of a window at geometry (global) with shape (in the
    // window's coordinates).
    void Cast(const QRect& geometry, const QRegion& shape);
    void Remove();

    // The shadowed area in the shadow window's coordinates.
    QRegion Area() const { return mask(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap background_;
    QRegion shape_;
};

} // namespace quorvant::runtime
