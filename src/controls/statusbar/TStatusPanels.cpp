#include "controls/statusbar/TStatusPanels.h"

#include <algorithm>

#include "controls/statusbar/TPanelStatusBar.h"
#include "controls/statusbar/TStatusPanel.h"

namespace quorvant::controls {

TStatusPanels::TStatusPanels(TPanelStatusBar* bar) : QObject(bar), bar_(bar) {}

TStatusPanels::~TStatusPanels()
{
    bar_ = nullptr;
    qDeleteAll(items_);
    items_.clear();
}

TStatusPanel* TStatusPanels::Items(int index) const
{
    return index >= 0 && index < Count() ? items_[static_cast<std::size_t>(index)] : nullptr;
}

int TStatusPanels::IndexOf(const TStatusPanel* panel) const
{
    auto it = std::find(items_.begin(), items_.end(), panel);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

QString TStatusPanels::FreeName() const
{
    // The class name without its leading "T", then the first unused number.
    const QString base = QStringLiteral("StatusPanel");
    for (int n = 1;; ++n) {
        const QString name = base + QString::number(n);
        const bool used = std::any_of(items_.begin(), items_.end(), [&](const TStatusPanel* p) {
            return p->Name().compare(name, Qt::CaseInsensitive) == 0;
        });
        if (!used)
            return name;
    }
}

TStatusPanel* TStatusPanels::Add()
{
    auto* panel = new TStatusPanel(this);
    panel->SetNameUnchecked(FreeName());
    items_.push_back(panel);
    if (bar_)
        bar_->PanelsChanged();
    return panel;
}

void TStatusPanels::Delete(int index)
{
    TStatusPanel* panel = Items(index);
    if (!panel)
        return;
    items_.erase(items_.begin() + index);
    if (bar_)
        bar_->PanelRemoved(panel);
    delete panel;
    if (bar_)
        bar_->PanelsChanged();
}

void TStatusPanels::Clear()
{
    while (Count() > 0)
        Delete(Count() - 1);
}

} // namespace quorvant::controls
