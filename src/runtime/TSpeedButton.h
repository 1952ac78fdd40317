#pragma once
// Non-focusable tool button, flat by default, usually captionless. Its
// glyph is a strip of NumGlyphs equal images side by side, one per state:
// up, disabled, down, (exclusive). A state without its own image uses the
// up image (greyed when disabled). An accelerator in the caption ("&OK")
// clicks it by Alt and the letter while its window is active, since the
// button itself never has the keyboard.

#include <QIcon>
#include <QPixmap>
#include <QPointer>

#include "runtime/TButtonGlyph.h"
#include "runtime/TGraphicControl.h"

namespace quorvant::runtime {

class TSpeedButton : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QIcon Glyph READ Glyph WRITE SetGlyph)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
public:
    enum GlyphState { Up = 0, Disabled = 1, Down = 2, Exclusive = 3 };

    explicit TSpeedButton(QWidget* parent = nullptr);

    // The strip, with its drawings for denser screens where it has them.
    QIcon Glyph() const { return glyph_.Strip(); }
    void SetGlyph(const QIcon& glyph);
    void SetGlyph(const QPixmap& strip) { SetGlyph(QIcon(strip)); }
    int NumGlyphs() const { return glyph_.Count(); }
    void SetNumGlyphs(int count);
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    // The image drawn for a state.
    QPixmap GlyphFor(GlyphState state) const;
    GlyphState CurrentState() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TButtonGlyph glyph_;
    bool flat_ = true;
    QString caption_;
    bool hover_ = false;
    bool down_ = false;
    QPointer<QObject> accelerator_;
};

} // namespace quorvant::runtime
