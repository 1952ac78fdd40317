#pragma once
// A caption label as static text named by what it shows: the caption with
// its accelerator marks taken out.

#include <QAccessibleWidget>

namespace quorvant::runtime {

class TLabel;

class TLabelAccessible : public QAccessibleWidget {
public:
    explicit TLabelAccessible(TLabel* label);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    // "&File" shows "File", "P&&I" shows "P&I".
    static QString StripAccelChars(const QString& caption);
    // The label's caption changed.
    static void CaptionChanged(TLabel* label);

private:
    TLabel* label() const;
};

} // namespace quorvant::runtime
