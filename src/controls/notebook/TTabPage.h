#pragma once
// One page of a TTabNotebook: a child window holding the page's controls,
// with the caption and colours of its tab. A page created with a notebook as
// its parent joins that notebook's pages at the end.

#include <QRect>
#include <QWidget>

#include "runtime/TColor.h"

namespace quorvant::controls {

class TTabNotebook;

class TTabPage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool PageVisible READ PageVisible WRITE SetPageVisible)
    Q_PROPERTY(quorvant::runtime::TColor TabColor READ TabColor WRITE SetTabColor)
    Q_PROPERTY(quorvant::runtime::TColor TextColor READ TextColor WRITE SetTextColor)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)

public:
    explicit TTabPage(QWidget* parent = nullptr);
    ~TTabPage() override;

    TTabNotebook* Notebook() const;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // A disabled page keeps its tab (drawn embossed) but cannot be selected.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // An invisible page has no tab.
    bool PageVisible() const { return pageVisible_; }
    void SetPageVisible(bool visible);
    runtime::TColor TabColor() const { return tabColor_; }
    void SetTabColor(runtime::TColor color);
    runtime::TColor TextColor() const { return textColor_; }
    void SetTextColor(runtime::TColor color);
    // The page's font follows the notebook's until a font of its own is set.
    bool ParentFont() const { return !testAttribute(Qt::WA_SetFont); }
    void SetParentFont(bool parent);
    // Kept as the control's framework hint (the dynamic "Hint" property).
    QString Hint() const;
    void SetHint(const QString& hint);

    // Selectable: enabled and visible.
    bool Selectable() const { return enabled_ && pageVisible_; }
    // The tab's layout rectangle in notebook coordinates (empty without a tab).
    QRect TabRect() const { return tabRect_; }
    int TabRow() const { return tabRow_; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class TTabNotebook;
    void Changed();

    QString caption_;
    bool enabled_ = true;
    bool pageVisible_ = true;
    runtime::TColor tabColor_ = runtime::clBtnFace;
    runtime::TColor textColor_ = runtime::clBtnText;
    QRect tabRect_;
    int tabRow_ = 0;
};

} // namespace quorvant::controls
