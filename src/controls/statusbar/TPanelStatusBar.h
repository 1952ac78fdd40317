#pragma once
// A status bar whose panels the bar draws itself, each with its own font,
// colour, alignment, bevel and hint, and which reports clicks per panel.
//
// The parts: right edges are the running sums of the panels' widths; the
// last part always reaches the bar's right edge. Each part is drawn with its
// bevel, then its content shrunk by one pixel on every side.

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "controls/statusbar/TStatusPanel.h"
#include "controls/statusbar/TStatusPanels.h"
#include "runtime/TColor.h"
#include "runtime/THintInfo.h"

class QMenu;
class QPainter;
class QSizeGrip;

namespace quorvant::controls {

class TPanelStatusBar : public QWidget, public runtime::THintShowTarget {
    Q_OBJECT
    Q_PROPERTY(bool SimplePanel READ SimplePanel WRITE SetSimplePanel)
    Q_PROPERTY(QString SimpleText READ SimpleText WRITE SetSimpleText)
    Q_PROPERTY(bool SizeGrip READ SizeGrip WRITE SetSizeGrip)
    Q_PROPERTY(bool UseSystemFont READ UseSystemFont WRITE SetUseSystemFont)
    Q_PROPERTY(bool AutoHint READ AutoHint WRITE SetAutoHint)
    Q_PROPERTY(quorvant::runtime::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(quorvant::runtime::TColor FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)

public:
    static constexpr int MaxParts = 128;

    explicit TPanelStatusBar(QWidget* parent = nullptr);
    ~TPanelStatusBar() override;

    TStatusPanels* Panels() const { return panels_; }
    // Case-insensitive; EStatusPanelError when no panel has the name.
    TStatusPanel* PanelByName(const QString& name) const;
    // The first panel whose part contains pos, or null.
    TStatusPanel* PanelAtPos(const QPoint& pos) const;
    // A left click in the middle of the panel's part, from code: OnPanelClick, then OnClick.
    void ClickPanel(TStatusPanel* panel);
    // The panel last found under the mouse.
    TStatusPanel* CurrentPanel() const { return current_; }

    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool simple);
    QString SimpleText() const { return simpleText_; }
    void SetSimpleText(const QString& text);
    // Shown only when the parent is a resizable window.
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool grip);
    bool SizeGripShown() const;
    // The desktop's status-bar font; following the parent's font ends it.
    bool UseSystemFont() const { return useSystemFont_; }
    void SetUseSystemFont(bool use);
    bool AutoHint() const { return autoHint_; }
    void SetAutoHint(bool autoHint);
    runtime::TColor Color() const;
    void SetColor(runtime::TColor color);
    runtime::TColor FontColor() const { return fontColor_; }
    void SetFontColor(runtime::TColor color);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parent);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parent);

    // Pictures for text panels (TextStyle.GlyphIndex).
    const std::vector<QPixmap>& Glyphs() const { return glyphs_; }
    void SetGlyphs(std::vector<QPixmap> glyphs);
    QMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    // The menu a right click at pos opens: the panel's, else the bar's.
    QMenu* PopupMenuAt(const QPoint& pos);

    // While the window description loads, size changes fire no OnResize.
    void BeginLoad() { loading_ = true; }
    void Loaded();

    // The application's hint changed: with AutoHint, to OnHint when bound,
    // else to SimpleText (simple mode or no panels) or the app-hint panels.
    void ApplicationHintChanged(const QString& hint);

    void HintShowRequest(runtime::THintInfo& info, bool& canShow) override;

    // Lock-key state for the indicator panels. The platform layer offers no
    // query for it, so the indicators show "off" unless this is replaced.
    std::function<bool(TPanelLockKeyStyle::TLockKeyType)> LockKeyState;

    // The painter while OnDrawPanel runs.
    QPainter* Canvas() const { return canvas_; }
    bool ScrollTimerActive() const { return scrollTimer_.isActive(); }
    // One step of the scrolling panels (the timer's tick).
    void ScrollTick();

    // From the panels.
    void PanelChanged(TStatusPanel* panel);
    void PanelsChanged();
    void PanelRemoved(TStatusPanel* panel);
    void DivideParts();
    void UpdateScrollTimer();

signals:
    void OnPanelClick(QObject* Sender, TStatusPanel* Panel, Qt::MouseButton Button,
                      Qt::KeyboardModifiers Shift, int X, int Y);
    void OnPanelDblClick(QObject* Sender, TStatusPanel* Panel, Qt::MouseButton Button,
                         Qt::KeyboardModifiers Shift, int X, int Y);
    void OnDrawPanel(TPanelStatusBar* StatusBar, TStatusPanel* Panel, const QRect& Rect);
    void OnHint(QObject* Sender);
    void OnResize(QObject* Sender);
    void OnMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnClick(QObject* Sender);
    void OnDblClick(QObject* Sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplySystemFont();
    void PlaceSizeGrip();
    void FollowParentBottom();
    void LockKeyTick();
    void DrawBevel(QPainter& p, const QRect& r, TStatusPanel::TStatusPanelBevel bevel);
    void DrawPart(QPainter& p, TStatusPanel& panel);
    void DrawTextPanel(QPainter& p, TStatusPanel& panel, QPixmap& bitmap);
    void DrawLockKeyPanel(QPainter& p, TStatusPanel& panel, QPixmap& bitmap);
    void DrawProgressPanel(QPainter& p, TStatusPanel& panel, QPixmap& bitmap);
    QColor PanelTextColor(const TStatusPanel& panel, runtime::TColor text) const;
    void FillBrush(QPainter& p, const QRect& r, const TStatusPanel& panel);

    TStatusPanels* panels_;
    TStatusPanel* current_ = nullptr;
    bool simplePanel_ = false;
    QString simpleText_;
    bool sizeGrip_ = true;
    bool useSystemFont_ = true;
    bool autoHint_ = false;
    runtime::TColor color_ = runtime::clBtnFace;
    runtime::TColor fontColor_ = runtime::clWindowText;
    bool parentFont_ = false;
    bool parentColor_ = false;
    bool loading_ = false;
    bool applyingFont_ = false;
    std::vector<QPixmap> glyphs_;
    QMenu* popupMenu_ = nullptr;
    QSizeGrip* grip_ = nullptr;
    QWidget* alignedIn_ = nullptr;
    QPainter* canvas_ = nullptr;
    QTimer scrollTimer_;
    QTimer lockKeyTimer_;
};

} // namespace quorvant::controls
