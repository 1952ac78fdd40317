#pragma once
// The application's tooltip window while a rich-text hint provider is on the
// main form: the hint text is laid out as markup in the provider's font,
// colours and margins, in a rectangular 3-D frame or a rounded window.

#include "runtime/THintWindow.h"

namespace quorvant::controls {

class TRichHint;

class TRichHintWindow : public runtime::THintWindow {
    Q_OBJECT
public:
    explicit TRichHintWindow(QWidget* parent = nullptr);

    QRect CalcHintRect(int maxWidth, const QString& hint) override;
    // Places the window at rect's top-left, kept 2 pixels inside the
    // monitor. Without a provider on the main form only the text is set.
    void ActivateHint(const QRect& rect, const QString& hint) override;

    // The measured text plus the margins (without the frame's room).
    QSize TextExtent() const { return extent_; }

    // The rounded window's shape: a rectangle of this size with its corners
    // cut round by 16 x 16 ellipses. Its edge pixels are the grey outline.
    static QRegion RoundedShape(const QSize& size);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize Measure(const TRichHint& settings, int maxWidth, const QString& hint) const;

    QSize extent_;
};

} // namespace quorvant::controls
