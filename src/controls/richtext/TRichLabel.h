#pragma once
// A non-windowed label showing rich-text markup: paragraphs, fonts, colours, lists and
// anchors that open their target when clicked with any button. Layout and
// drawing are the markup engine's; this class adds the frame and background,
// vertical placement, auto-sizing, anchor hover and tooltips. Every paint,
// mouse move and hint request lays the text out again: nothing is cached.

#include <QPointer>
#include <QStringList>
#include <functional>

#include "controls/markup/TImageList.h"
#include "controls/markup/TPictureContainer.h"
#include "runtime/ControlTypes.h"
#include "runtime/TColor.h"
#include "runtime/TGraphicControl.h"
#include "runtime/THintInfo.h"

namespace quorvant::controls {

struct TMarkupParams;
struct TMarkupResult;

class TRichLabel : public runtime::TGraphicControl, public runtime::THintShowTarget {
    Q_OBJECT
    Q_PROPERTY(QStringList MarkupText READ MarkupText WRITE SetMarkupText)
    Q_PROPERTY(quorvant::runtime::TColor URLColor READ URLColor WRITE SetURLColor)
    Q_PROPERTY(bool Ellipsis READ Ellipsis WRITE SetEllipsis)
    Q_PROPERTY(int LineSpacing READ LineSpacing WRITE SetLineSpacing)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(quorvant::runtime::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(quorvant::runtime::TColor FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(quorvant::runtime::TColor ColorTo READ ColorTo WRITE SetColorTo)
    Q_PROPERTY(TGradientType GradientType READ GradientType WRITE SetGradientType)
    Q_PROPERTY(int LineWidth READ LineWidth WRITE SetLineWidth)
    Q_PROPERTY(TVAlignment VAlignment READ VAlignment WRITE SetVAlignment)
    Q_PROPERTY(bool AutoSizing READ AutoSizing WRITE SetAutoSizing)
    Q_PROPERTY(TAutoSizeType AutoSizeType READ AutoSizeType WRITE SetAutoSizeType)
    Q_PROPERTY(TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(quorvant::runtime::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(quorvant::runtime::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(quorvant::runtime::TColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(bool Hover READ Hover WRITE SetHover)
    Q_PROPERTY(quorvant::runtime::TColor HoverColor READ HoverColor WRITE SetHoverColor)
    Q_PROPERTY(quorvant::runtime::TColor HoverFontColor READ HoverFontColor WRITE SetHoverFontColor)
    Q_PROPERTY(quorvant::runtime::TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(int ShadowOffset READ ShadowOffset WRITE SetShadowOffset)
    Q_PROPERTY(bool AnchorHint READ AnchorHint WRITE SetAnchorHint)
    Q_PROPERTY(bool HintShowFull READ HintShowFull WRITE SetHintShowFull)
    Q_PROPERTY(bool MarkupHint READ MarkupHint WRITE SetMarkupHint)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)

public:
    enum TGradientType { gtFullHorizontal, gtFullVertical, gtBottomLine, gtCenterLine, gtTopLine };
    Q_ENUM(TGradientType)
    enum TVAlignment { tvaTop, tvaCenter, tvaBottom };
    Q_ENUM(TVAlignment)
    enum TAutoSizeType { asVertical, asHorizontal, asBoth };
    Q_ENUM(TAutoSizeType)
    enum TBorderStyle { bsNone, bsSingle };
    Q_ENUM(TBorderStyle)
    enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
    Q_ENUM(TAlign)

    explicit TRichLabel(QWidget* parent = nullptr);
    ~TRichLabel() override;

    // The markup lines; drawn joined with one space between them.
    QStringList MarkupText() const { return markup_; }
    // A whole list is copied as one line, every CR and LF removed.
    void SetMarkupText(const QStringList& lines);
    void SetMarkupText(const QString& text);
    // Adds one line to the list as it stands.
    void AddMarkupLine(const QString& line);
    // The text the layout runs over.
    virtual QString DisplayText() const;

    runtime::TColor URLColor() const { return urlColor_; }
    void SetURLColor(runtime::TColor color);
    bool Ellipsis() const { return ellipsis_; }
    void SetEllipsis(bool on);
    int LineSpacing() const { return lineSpacing_; }
    void SetLineSpacing(int pixels);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    // The parent's background colour while ParentColor holds.
    runtime::TColor Color() const;
    void SetColor(runtime::TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);
    runtime::TColor FontColor() const { return fontColor_; }
    void SetFontColor(runtime::TColor color);
    runtime::TColor ColorTo() const { return colorTo_; }
    void SetColorTo(runtime::TColor color);
    TGradientType GradientType() const { return gradientType_; }
    void SetGradientType(TGradientType type);
    int LineWidth() const { return lineWidth_; }
    void SetLineWidth(int width);
    TVAlignment VAlignment() const { return vAlignment_; }
    void SetVAlignment(TVAlignment alignment);
    bool AutoSizing() const { return autoSizing_; }
    void SetAutoSizing(bool on);
    TAutoSizeType AutoSizeType() const { return autoSizeType_; }
    void SetAutoSizeType(TAutoSizeType type);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    runtime::TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(runtime::TBevelCut cut);
    runtime::TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(runtime::TBevelCut cut);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    runtime::TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(runtime::TColor color);
    bool Hover() const { return hover_; }
    void SetHover(bool on);
    runtime::TColor HoverColor() const { return hoverColor_; }
    void SetHoverColor(runtime::TColor color);
    runtime::TColor HoverFontColor() const { return hoverFontColor_; }
    void SetHoverFontColor(runtime::TColor color);
    runtime::TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(runtime::TColor color);
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int offset);
    bool AnchorHint() const { return anchorHint_; }
    void SetAnchorHint(bool on) { anchorHint_ = on; }
    bool HintShowFull() const { return hintShowFull_; }
    void SetHintShowFull(bool on) { hintShowFull_ = on; }
    bool MarkupHint() const { return markupHint_; }
    void SetMarkupHint(bool on) { markupHint_ = on; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    TPictureContainer* PictureContainer() const { return container_; }
    void SetPictureContainer(TPictureContainer* container);
    // The framework label's plain caption; never drawn, cleared by Loaded().
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    virtual QString Version() const { return QStringLiteral("1.8.0.2"); }
    void SetVersion(const QString&) {} // read-only; stored descriptions may carry it

    // After the window description is loaded: only the markup is shown.
    void Loaded();

    // The target of the anchor under X, Y (client coordinates), or "".
    QString AnchorAt(int X, int Y);
    // What a click on an anchor with this target does.
    void ClickAnchor(const QString& target);
    int HoveredAnchor() const { return hoverAnchor_; }
    QSize TextSize() const { return textSize_; }

    void HintShowRequest(runtime::THintInfo& info, bool& canShow) override;

    // May rewrite the target shown as an anchor's tooltip.
    std::function<void(QObject* Sender, QString& Anchor)> OnAnchorHint;

signals:
    void OnAnchorClick(QObject* Sender, const QString& Anchor);
    void OnAnchorEnter(QObject* Sender, const QString& Anchor);
    void OnAnchorExit(QObject* Sender, const QString& Anchor);
    void OnMouseEnter(QObject* Sender);
    void OnMouseLeave(QObject* Sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

    virtual void MarkupChanged();
    // Runs the layout with the label's own settings.
    virtual TMarkupResult RunMarkup(QPainter* painter, const QRect& rect, TMarkupParams& params);

private:
    // What a transparent label stands on.
    runtime::TColor ParentColorValue() const;
    void PaintLabel(QPainter& painter);
    void FillBackground(QPainter& painter, const QRect& area);
    QRect FramedRect(QPainter* painter);
    bool ExtendsRight() const;
    bool ExtendsDown() const;
    TMarkupParams BaseParams(const QRect& rect) const;
    QRect HitRect();
    void Invalidate(const QRect& rect);

    QStringList markup_;
    runtime::TColor urlColor_ = runtime::clBlue;
    bool ellipsis_ = false;
    int lineSpacing_ = 0;
    bool transparent_ = false;
    runtime::TColor color_ = runtime::clBtnFace;
    bool parentColor_ = true;
    runtime::TColor fontColor_ = runtime::clWindowText;
    runtime::TColor colorTo_ = runtime::clNone;
    TGradientType gradientType_ = gtFullHorizontal;
    int lineWidth_ = 2;
    TVAlignment vAlignment_ = tvaTop;
    bool autoSizing_ = false;
    TAutoSizeType autoSizeType_ = asVertical;
    TAlign align_ = alNone;
    runtime::TBevelCut bevelInner_ = runtime::bvNone, bevelOuter_ = runtime::bvNone;
    int bevelWidth_ = 1;
    TBorderStyle borderStyle_ = bsNone;
    int borderWidth_ = 0;
    runtime::TColor borderColor_ = runtime::clBlack;
    bool hover_ = false;
    runtime::TColor hoverColor_ = runtime::clNone, hoverFontColor_ = runtime::clNone;
    runtime::TColor shadowColor_ = runtime::clGray;
    int shadowOffset_ = 2;
    bool anchorHint_ = false, hintShowFull_ = false, markupHint_ = false;
    QPointer<TImageList> images_;
    QPointer<TPictureContainer> container_;
    QString caption_;

    QString lastAnchor_;
    int hoverAnchor_ = -1;
    QRect hoverRect_;
    QSize textSize_;
};

} // namespace quorvant::controls
