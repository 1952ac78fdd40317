#pragma once
// Push button with a glyph and a caption whose "&" accelerator is
// underlined only while the form's keyboard cues are visible. The glyph is
// a strip of NumGlyphs images (up, disabled, down). A non-zero ModalResult
// ends its form's modal run with that result when clicked.

#include <QIcon>
#include <QPixmap>
#include <QPushButton>

#include "runtime/ControlTypes.h"
#include "runtime/TButtonGlyph.h"

namespace quorvant::runtime {

class TBitBtn : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QIcon Glyph READ Glyph WRITE SetGlyph)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(quorvant::runtime::TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
public:
    explicit TBitBtn(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    // The strip, with its drawings for denser screens where it has them.
    QIcon Glyph() const { return glyph_.Strip(); }
    void SetGlyph(const QIcon& glyph);
    void SetGlyph(const QPixmap& strip) { SetGlyph(QIcon(strip)); }
    int NumGlyphs() const { return glyph_.Count(); }
    void SetNumGlyphs(int count);
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);

    // Clicks the button from code, as a mouse click would.
    void Click();

signals:
    void OnClick(QObject* Sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Clicked();
    QPixmap CurrentGlyph() const;

    TButtonGlyph glyph_;
    int modalResult_ = 0;
    TButtonLayout layout_ = blGlyphLeft;
    int spacing_ = 4;
};

} // namespace quorvant::runtime
