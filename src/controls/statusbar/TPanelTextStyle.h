#pragma once
// How a text panel shows its text: alignment, glyph, scrolling.

#include <QObject>
#include <QString>

namespace quorvant::controls {

class TStatusPanel;

class TPanelTextStyle : public QObject {
    Q_OBJECT
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(int GlyphIndex READ GlyphIndex WRITE SetGlyphIndex)
    Q_PROPERTY(TGlyphLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(TScrollEffect ScrollEffect READ ScrollEffect WRITE SetScrollEffect)
    Q_PROPERTY(bool ShowText READ ShowText WRITE SetShowText)
    Q_PROPERTY(QString Text READ Text WRITE SetText)

public:
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)
    enum TGlyphLayout { tlGlyphLeft, tlGlyphRight };
    Q_ENUM(TGlyphLayout)
    enum TScrollEffect { seNone, seFromLeftToRight, seFromRightToLeft, seChangeableDirection };
    Q_ENUM(TScrollEffect)

    explicit TPanelTextStyle(TStatusPanel* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // Pixels between glyph and text.
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    // -1: no glyph.
    int GlyphIndex() const { return glyphIndex_; }
    void SetGlyphIndex(int index);
    TGlyphLayout Layout() const { return layout_; }
    void SetLayout(TGlyphLayout layout);
    TScrollEffect ScrollEffect() const { return scrollEffect_; }
    void SetScrollEffect(TScrollEffect effect);
    bool ShowText() const { return showText_; }
    void SetShowText(bool show);
    QString Text() const { return text_; }
    void SetText(const QString& text);

private:
    void Changed();

    TStatusPanel* owner_;
    TAlignment alignment_ = taLeftJustify;
    int spacing_ = 2;
    int glyphIndex_ = -1;
    TGlyphLayout layout_ = tlGlyphLeft;
    TScrollEffect scrollEffect_ = seNone;
    bool showText_ = true;
    QString text_;
};

} // namespace quorvant::controls
