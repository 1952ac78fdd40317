#pragma once
// The status bar's panels, in part order. A panel added without a name is
// named "StatusPanel" with the first free number from 1.

#include <QObject>
#include <vector>

namespace quorvant::controls {

class TPanelStatusBar;
class TStatusPanel;

class TStatusPanels : public QObject {
    Q_OBJECT
public:
    explicit TStatusPanels(TPanelStatusBar* bar);
    ~TStatusPanels() override;

    TPanelStatusBar* StatusBar() const { return bar_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TStatusPanel* Items(int index) const;
    TStatusPanel* operator[](int index) const { return Items(index); }
    int IndexOf(const TStatusPanel* panel) const;

    TStatusPanel* Add();
    void Delete(int index);
    void Clear();

private:
    QString FreeName() const;

    TPanelStatusBar* bar_;
    std::vector<TStatusPanel*> items_;
};

} // namespace quorvant::controls
