#pragma once
// A line edit that writes what happens to its focus into a journal the test
// reads back: its own focus-out and the exit its form makes due for it.
#include <QLineEdit>
#include <string>
#include <vector>

#include "runtime/TForm.h"

namespace quorvant::testing {

class JournalField : public QLineEdit {
public:
    enum Record : unsigned { FocusOut = 1u << 0, ExitDue = 1u << 1 };

    JournalField(const char* name, QWidget* parent, std::vector<std::string>& journal, unsigned records);

    // Writes the form's OnExit and OnEnter for `control` ("exit a", "enter b").
    static void WatchFocusMoves(runtime::TForm* form, QWidget* control, std::vector<std::string>& journal);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::vector<std::string>& journal_;
    unsigned records_;
};

} // namespace quorvant::testing
