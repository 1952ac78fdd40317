#pragma once
// One panel of a TPanelStatusBar: its width, bevel, kind, font, colour,
// hint and pop-up menu, and the rectangle the bar gave it.

#include <QFont>
#include <QObject>
#include <QRect>
#include <QString>

#include "controls/statusbar/TPanelLockKeyStyle.h"
#include "controls/statusbar/TPanelProgressStyle.h"
#include "controls/statusbar/TPanelTextStyle.h"
#include "runtime/TColor.h"

class QMenu;

namespace quorvant::controls {

class TStatusPanels;
class TPanelStatusBar;

class TStatusPanel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(TStatusPanelBevel Bevel READ Bevel WRITE SetBevel)
    Q_PROPERTY(TStatusPanelStyle PanelStyle READ PanelStyle WRITE SetPanelStyle)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(quorvant::runtime::TColor FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(quorvant::runtime::TColor BrushColor READ BrushColor WRITE SetBrushColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(Qt::BrushStyle BrushStyle READ BrushStyle WRITE SetBrushStyle)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(QString Text READ Text WRITE SetText STORED false)
    Q_PROPERTY(int Progress READ Progress WRITE SetProgress STORED false)
    Q_PROPERTY(TBiDiMode BiDiMode READ BiDiMode WRITE SetBiDiMode)
    Q_PROPERTY(bool ParentBiDiMode READ ParentBiDiMode WRITE SetParentBiDiMode)

public:
    enum TStatusPanelBevel { apbNone, apbLowered, apbRaised };
    Q_ENUM(TStatusPanelBevel)
    enum TStatusPanelStyle { apsEmpty, apsOwnerDraw, apsText, apsProgressBar, apsLockKey, apsAppHint };
    Q_ENUM(TStatusPanelStyle)
    enum TBiDiMode { bdLeftToRight, bdRightToLeft };
    Q_ENUM(TBiDiMode)

    explicit TStatusPanel(TStatusPanels* collection);

    TStatusPanels* Collection() const { return collection_; }
    TPanelStatusBar* StatusBar() const;
    int Index() const;

    // Trimmed; must be an identifier and differ, letter case counted, from
    // the other panels' names (EStatusPanelError).
    QString Name() const { return name_; }
    void SetName(const QString& name);
    // Reads 0 while the panel is invisible.
    int Width() const { return visible_ ? width_ : 0; }
    void SetWidth(int width);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel bevel);
    TStatusPanelStyle PanelStyle() const { return style_; }
    void SetPanelStyle(TStatusPanelStyle style);

    // The bar's font (and font colour) while ParentFont holds; writing
    // either ends ParentFont.
    QFont Font() const;
    void SetFont(const QFont& font);
    runtime::TColor FontColor() const;
    void SetFontColor(runtime::TColor color);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parent);
    // The bar's colour while ParentColor holds; writing it ends ParentColor.
    runtime::TColor BrushColor() const;
    void SetBrushColor(runtime::TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parent);
    Qt::BrushStyle BrushStyle() const { return brushStyle_; }
    void SetBrushStyle(Qt::BrushStyle style);

    // The whole string is this panel's tooltip.
    QString Hint() const { return hint_; }
    void SetHint(const QString& hint);
    QMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }

    QString Text() const { return textStyle_->Text(); }
    // A changed text is announced to assistive technology.
    void SetText(const QString& text);
    int Progress() const { return progressStyle_->Progress(); }
    void SetProgress(int value) { progressStyle_->SetProgress(value); }
    // The bar's reading order while ParentBiDiMode holds.
    TBiDiMode BiDiMode() const;
    void SetBiDiMode(TBiDiMode mode);
    bool RightToLeft() const { return BiDiMode() == bdRightToLeft; }
    bool ParentBiDiMode() const { return parentBiDiMode_; }
    void SetParentBiDiMode(bool parent);

    TPanelTextStyle* TextStyle() const { return textStyle_; }
    TPanelLockKeyStyle* LockKeyStyle() const { return lockKeyStyle_; }
    TPanelProgressStyle* ProgressBarStyle() const { return progressStyle_; }

    // The part's rectangle in bar coordinates, as last divided.
    QRect Rect() const { return rect_; }
    int ScrollOffset() const { return scrollOffset_; }
    int ContentWidth() const { return contentWidth_; }
    bool Scrolls() const;

    // A property of the panel or its styles changed: repaint this part.
    void Changed();
    void ScrollEffectChanged();

private:
    friend class TPanelStatusBar;
    friend class TStatusPanels;
    void SetNameUnchecked(const QString& name) { name_ = name; }

    TStatusPanels* collection_;
    QString name_;
    int width_ = 50;
    bool visible_ = true;
    TStatusPanelBevel bevel_ = apbLowered;
    TStatusPanelStyle style_ = apsText;
    QFont font_;
    runtime::TColor fontColor_ = runtime::clWindowText;
    bool parentFont_ = true;
    runtime::TColor brushColor_ = runtime::clBtnFace;
    bool parentColor_ = true;
    Qt::BrushStyle brushStyle_ = Qt::SolidPattern;
    QString hint_;
    QMenu* popupMenu_ = nullptr;
    TBiDiMode biDiMode_ = bdLeftToRight;
    bool parentBiDiMode_ = true;
    TPanelTextStyle* textStyle_;
    TPanelLockKeyStyle* lockKeyStyle_;
    TPanelProgressStyle* progressStyle_;

    QRect rect_;
    int scrollOffset_ = 0;
    int scrollStep_ = 1;
    int contentWidth_ = 0;
    bool lockKeyOn_ = false;
};

} // namespace quorvant::controls
