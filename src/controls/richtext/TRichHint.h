#pragma once
// Placed on a form, turns every tooltip of the application into a rich-text
// hint window: it installs TRichHintWindow as the application's hint window
// class and takes the application's show-hint event. The hint windows read
// their settings from the provider of the main form, whichever form the
// hinted control is on. One provider per form; its owner must be a form.

#include <QFont>
#include <QObject>
#include <QPointer>
#include <functional>

#include "controls/markup/TImageList.h"
#include "controls/markup/TPictureContainer.h"
#include "runtime/TColor.h"
#include "runtime/THintInfo.h"

namespace quorvant::controls {

class TRichHint : public QObject {
    Q_OBJECT
    Q_PROPERTY(quorvant::runtime::TColor HintColor READ HintColor WRITE SetHintColor)
    Q_PROPERTY(quorvant::runtime::TColor HintColorTo READ HintColorTo WRITE SetHintColorTo)
    Q_PROPERTY(QFont HintFont READ HintFont WRITE SetHintFont)
    Q_PROPERTY(quorvant::runtime::TColor HintFontColor READ HintFontColor WRITE SetHintFontColor)
    Q_PROPERTY(THintStyle HintStyle READ HintStyle WRITE SetHintStyle)
    Q_PROPERTY(int MaxWidth READ MaxWidth WRITE SetMaxWidth)
    Q_PROPERTY(int XMargin READ XMargin WRITE SetXMargin)
    Q_PROPERTY(int YMargin READ YMargin WRITE SetYMargin)
    Q_PROPERTY(quorvant::runtime::TColor URLColor READ URLColor WRITE SetURLColor)
    Q_PROPERTY(bool Ellipsis READ Ellipsis WRITE SetEllipsis)
    Q_PROPERTY(quorvant::runtime::TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(int ShadowOffset READ ShadowOffset WRITE SetShadowOffset)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)

public:
    enum THintStyle { hsRectangle, hsRounded };
    Q_ENUM(THintStyle)

    // owner must be a runtime::TForm without another provider; otherwise
    // ERichHintError is thrown. designing: only build the component, leave
    // the application's hints alone.
    explicit TRichHint(QObject* owner, bool designing = false);
    ~TRichHint() override;

    // The first provider owned by the application's main form, or null.
    static TRichHint* ForMainForm();

    runtime::TColor HintColor() const { return hintColor_; }
    void SetHintColor(runtime::TColor color) { hintColor_ = color; }
    runtime::TColor HintColorTo() const { return hintColorTo_; }
    void SetHintColorTo(runtime::TColor color) { hintColorTo_ = color; }
    QFont HintFont() const { return hintFont_; }
    void SetHintFont(const QFont& font) { hintFont_ = font; }
    runtime::TColor HintFontColor() const { return hintFontColor_; }
    void SetHintFontColor(runtime::TColor color) { hintFontColor_ = color; }
    THintStyle HintStyle() const { return hintStyle_; }
    void SetHintStyle(THintStyle style) { hintStyle_ = style; }
    // 0 keeps the maximum width the application proposes (the screen's).
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int width) { maxWidth_ = width; }
    int XMargin() const { return xMargin_; }
    void SetXMargin(int margin) { xMargin_ = margin; }
    int YMargin() const { return yMargin_; }
    void SetYMargin(int margin) { yMargin_ = margin; }
    runtime::TColor URLColor() const { return urlColor_; }
    void SetURLColor(runtime::TColor color) { urlColor_ = color; }
    bool Ellipsis() const { return ellipsis_; }
    void SetEllipsis(bool on) { ellipsis_ = on; }
    runtime::TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(runtime::TColor color) { shadowColor_ = color; }
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int offset) { shadowOffset_ = offset; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images) { images_ = images; }
    TPictureContainer* PictureContainer() const { return container_; }
    void SetPictureContainer(TPictureContainer* container) { container_ = container; }
    QString Version() const { return QStringLiteral("1.3.5.0"); }
    void SetVersion(const QString&) {} // read-only; stored descriptions may carry it

    // The last request as the show-hint hook left it.
    const runtime::THintInfo& LastHintInfo() const { return lastInfo_; }

    // Runs for every tooltip of the application.
    void ShowHintHook(QString& HintStr, bool& CanShow, runtime::THintInfo& HintInfo);
    std::function<void(QString& HintStr, bool& CanShow, runtime::THintInfo& HintInfo)> OnShowHint;

private:
    runtime::TColor hintColor_ = runtime::clInfoBk;
    runtime::TColor hintColorTo_ = runtime::clNone;
    QFont hintFont_;
    runtime::TColor hintFontColor_ = runtime::clInfoText;
    THintStyle hintStyle_ = hsRectangle;
    int maxWidth_ = 0, xMargin_ = 0, yMargin_ = 0;
    runtime::TColor urlColor_ = runtime::clBlue;
    bool ellipsis_ = false;
    runtime::TColor shadowColor_ = runtime::clGray;
    int shadowOffset_ = 1;
    QPointer<TImageList> images_;
    QPointer<TPictureContainer> container_;
    runtime::THintInfo lastInfo_;
};

} // namespace quorvant::controls
