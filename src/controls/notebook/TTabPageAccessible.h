#pragma once
// One notebook page as its page tab: named by the tab's caption, placed
// where the tab is drawn, selected while the page shows, pressed to select
// it. The page's controls are the tab's children.

#include <QAccessibleWidget>

namespace quorvant::controls {

class TTabPage;

class TTabPageAccessible : public QAccessibleWidget {
public:
    explicit TTabPageAccessible(TTabPage* page);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QRect rect() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // The notebook switched from one page to another (either may be null).
    static void PageChanged(TTabPage* oldPage, TTabPage* newPage);

private:
    TTabPage* page() const;
};

} // namespace quorvant::controls
