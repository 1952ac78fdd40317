#pragma once
// Non-windowed picture: shows its image at the top-left (or centred, or
// stretched), optionally sized to the image; click and mouse-move events
// and a cursor like every control.

#include <QPixmap>

#include "runtime/TGraphicControl.h"

namespace quorvant::runtime {

class TImage : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QPixmap Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Center READ Center WRITE SetCenter)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
public:
    explicit TImage(QWidget* parent = nullptr);

    QPixmap Picture() const { return picture_; }
    void SetPicture(const QPixmap& picture);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Center() const { return center_; }
    void SetCenter(bool center);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    // The image's mask (or alpha) lets the parent show through; without one,
    // the colour of the bottom-left pixel is treated as transparent.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void AdjustSize();
    QPixmap Shown() const;

    QPixmap picture_;
    bool autoSize_ = false;
    bool center_ = false;
    bool stretch_ = false;
    bool transparent_ = false;
};

} // namespace quorvant::runtime
