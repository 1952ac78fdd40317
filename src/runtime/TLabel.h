#pragma once
// Caption label: "&" marks the accelerator (underlined only while the
// form's keyboard cues are visible; "&&" shows one "&"), alignment, layout,
// word wrap, transparency, auto-size and its own font. Alt+accelerator
// focuses FocusControl. A cue change does not repaint the label by itself.

#include <QPointer>

#include "runtime/ControlTypes.h"
#include "runtime/TColor.h"
#include "runtime/TGraphicControl.h"

class QShortcut;

namespace quorvant::runtime {

class TLabel : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(quorvant::runtime::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(quorvant::runtime::TTextLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)
    Q_PROPERTY(uint Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
public:
    explicit TLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);
    // clBtnFace by default; setting it ends ParentColor.
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);
    QWidget* FocusControl() const { return focusControl_; }
    void SetFocusControl(QWidget* control);

    QSize sizeHint() const override;
    // The text flags used for drawing and measuring.
    int TextFlags() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    virtual void DrawBackground(QPainter& painter);
    QColor BackgroundBehind() const;
    virtual void DrawCaption(QPainter& painter, const QRect& area);
    void AdjustBounds();

private:
    void UpdateShortcut();

    QString caption_;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = true;
    QPointer<QWidget> focusControl_;
    QShortcut* shortcut_ = nullptr;
};

} // namespace quorvant::runtime
