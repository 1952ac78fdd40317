#pragma once
// A notebook of pages with a row (or rows) of tabs along its top edge; one
// page shows at a time. Pages switch by tab click, by keys translated through
// the entry controller's tables, by Alt+accelerator and by PageIndex.
//
// Mouse moves over the tab strip, the frame and the free parts of the
// current page (labels and other windowless controls let them through) come
// out as OnMouseMove; moves over windowed children such as fields and panels
// do not.

#include <QFont>
#include <QWidget>
#include <vector>

#include "runtime/TColor.h"

class QPainter;
class QShortcut;

namespace quorvant::controls {

class TTabPage;

class TTabNotebook : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int PageIndex READ PageIndex WRITE SetPageIndex STORED false)
    Q_PROPERTY(int DefaultPageIndex READ DefaultPageIndex WRITE SetDefaultPageIndex)
    Q_PROPERTY(QFont ActiveTabFont READ ActiveTabFont WRITE SetActiveTabFont)
    Q_PROPERTY(bool UseActiveTabFont READ UseActiveTabFont WRITE SetUseActiveTabFont)
    Q_PROPERTY(TTabOrientation TabOrientation READ TabOrientation WRITE SetTabOrientation)
    Q_PROPERTY(TTabTextOrientation TabTextOrientation READ TabTextOrientation WRITE SetTabTextOrientation)
    Q_PROPERTY(bool TabAutoHeight READ TabAutoHeight WRITE SetTabAutoHeight)
    Q_PROPERTY(int TabHeight READ TabHeight WRITE SetTabHeight)
    Q_PROPERTY(int TabRowCount READ TabRowCount WRITE SetTabRowCount)
    Q_PROPERTY(bool TabUseDefaultColor READ TabUseDefaultColor WRITE SetTabUseDefaultColor)
    Q_PROPERTY(bool PageUsesTabColor READ PageUsesTabColor WRITE SetPageUsesTabColor)
    Q_PROPERTY(quorvant::runtime::TColor HighlightColor READ HighlightColor WRITE SetHighlightColor)
    Q_PROPERTY(quorvant::runtime::TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(bool ShadowedText READ ShadowedText WRITE SetShadowedText)
    Q_PROPERTY(quorvant::runtime::TColor TextShadowColor READ TextShadowColor WRITE SetTextShadowColor)
    Q_PROPERTY(bool OldStyle READ OldStyle WRITE SetOldStyle)
    Q_PROPERTY(bool ConserveResources READ ConserveResources WRITE SetConserveResources)
    Q_PROPERTY(quorvant::runtime::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)

public:
    enum TTabOrientation { toTop, toRight, toBottom, toLeft };
    Q_ENUM(TTabOrientation)
    enum TTabTextOrientation { ttoHorizontal, ttoVertical };
    Q_ENUM(TTabTextOrientation)

    explicit TTabNotebook(QWidget* parent = nullptr);
    ~TTabNotebook() override;

    // The pages in tab order.
    const std::vector<TTabPage*>& PageCollection() const { return pages_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabPage* Page(int index) const;
    TTabPage* AddPage(const QString& caption);

    // -1 while no page shows. Writing the current index does nothing; an
    // index out of range or naming a disabled or invisible page raises
    // EInvalidPageIndex.
    int PageIndex() const { return current_; }
    void SetPageIndex(int index);
    TTabPage* ActivePage() const { return Page(current_); }

    // While the window description loads, PageIndex writes are only stored;
    // Loaded() then shows DefaultPageIndex. A notebook built in code runs
    // Loaded() when it is first shown without a current page.
    void BeginLoad() { loading_ = true; }
    void Loaded();

    int DefaultPageIndex() const { return defaultPageIndex_; }
    void SetDefaultPageIndex(int index);
    QFont ActiveTabFont() const { return activeTabFont_; }
    void SetActiveTabFont(const QFont& font);
    bool UseActiveTabFont() const { return useActiveTabFont_; }
    void SetUseActiveTabFont(bool use);
    TTabOrientation TabOrientation() const { return toTop; }
    // Tabs are drawn on the top edge only; any other edge raises EInvalidTabFont.
    void SetTabOrientation(TTabOrientation orientation);
    TTabTextOrientation TabTextOrientation() const { return textOrientation_; }
    void SetTabTextOrientation(TTabTextOrientation orientation);
    bool TabAutoHeight() const { return tabAutoHeight_; }
    void SetTabAutoHeight(bool autoHeight);
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int height);
    // 0: as many rows as the captions need.
    int TabRowCount() const { return tabRowCount_; }
    void SetTabRowCount(int rows);
    bool TabUseDefaultColor() const { return tabUseDefaultColor_; }
    void SetTabUseDefaultColor(bool use);
    bool PageUsesTabColor() const { return pageUsesTabColor_; }
    void SetPageUsesTabColor(bool use);
    runtime::TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(runtime::TColor color);
    runtime::TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(runtime::TColor color);
    bool ShadowedText() const { return shadowedText_; }
    void SetShadowedText(bool shadowed);
    runtime::TColor TextShadowColor() const { return textShadowColor_; }
    void SetTextShadowColor(runtime::TColor color);
    bool OldStyle() const { return oldStyle_; }
    void SetOldStyle(bool oldStyle);
    // Kept for the window descriptions; hidden pages own no native resources here.
    bool ConserveResources() const { return conserveResources_; }
    void SetConserveResources(bool conserve);
    runtime::TColor Color() const { return color_; }
    void SetColor(runtime::TColor color);
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool tabStop);

    // Results of the tab layout.
    int TabAreaHeight() const { return tabAreaHeight_; }
    int LaidOutRowCount() const { return rowCount_; }
    int CurrentTabHeight() const { return currentTabHeight_; }
    // Index of the page whose tab is at pos (notebook coordinates), or -1.
    int TabAt(const QPoint& pos) const;
    // Where the pages sit.
    QRect PageRect() const;
    // The painter while OnDrawTab runs.
    QPainter* Canvas() const { return canvas_; }

    // Accelerator: Alt+letter that reached the window. True when taken.
    bool DialogChar(QChar letter);

    // Recomputes the tab rectangles and the pages' geometry.
    void LayoutTabs();

signals:
    void OnPageChange(QObject* Sender, int Index, bool& AllowChange);
    void OnPageChanged(QObject* Sender, int Index);
    void OnTabClick(QObject* Sender, int Index);
    void OnMouseOverTab(QObject* Sender, int Index);
    void OnDrawTab(QObject* Sender, int Index, const QString& Title, const QRect& R, bool Enabled,
                   bool Active);
    void OnUserCommand(QObject* Sender, int Command);
    void OnMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class TTabPage;
    void InsertPage(TTabPage* page);
    void RemovePage(TTabPage* page);
    void PageMouseMove(TTabPage* page, QMouseEvent* event);
    void MouseMoveAt(const QPoint& pos, Qt::KeyboardModifiers modifiers);

    // The page switch; false when refused or not possible now.
    bool SwitchTo(int index);
    // Moves the focus to the notebook; false when a field kept it.
    bool TakeFocus();
    void FocusFirstControl();
    int NextSelectable(int from, int step) const;
    int TabRowNeighbour(int index, int rowStep) const;
    // Key to command number through the entry controller.
    int TranslateKey(const QKeyEvent& event) const;
    void UpdateAccelerators();

    QRect DrawnTabRect(int index) const;
    void DrawFrame(QPainter& p);
    void DrawTab(QPainter& p, int index);
    void DrawCaption(QPainter& p, const QRect& r, const TTabPage& page, bool active);
    QFont TabFont(const TTabPage& page, bool active) const;

    std::vector<TTabPage*> pages_;
    int current_ = -1;
    int defaultPageIndex_ = 0;
    bool loading_ = false;
    bool switching_ = false;
    QFont activeTabFont_;
    bool useActiveTabFont_ = true;
    TTabTextOrientation textOrientation_ = ttoHorizontal;
    bool tabAutoHeight_ = true;
    int tabHeight_ = 20;
    int tabRowCount_ = 0;
    bool tabUseDefaultColor_ = true;
    bool pageUsesTabColor_ = true;
    runtime::TColor highlightColor_ = runtime::clBtnHighlight;
    runtime::TColor shadowColor_ = runtime::clBtnShadow;
    bool shadowedText_ = false;
    runtime::TColor textShadowColor_ = runtime::clBtnShadow;
    bool oldStyle_ = false;
    bool conserveResources_ = false;
    runtime::TColor color_ = runtime::clBtnFace;

    int tabAreaHeight_ = 0;
    int rowCount_ = 0;
    int currentTabHeight_ = 0;
    QString acceleratorLetters_;
    std::vector<QShortcut*> accelerators_;
    QPainter* canvas_ = nullptr;
};

} // namespace quorvant::controls
