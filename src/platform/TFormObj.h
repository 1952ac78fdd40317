#pragma once
// One form hooked by the Alt-key cue fix. The hook is an event filter on the
// form: every event goes on to the form's own handling unchanged (the
// filter never consumes), and a keyboard-cue event marks the form for one
// repaint at the next idle sweep.
//
// The entry does not unhook in its destructor: it is destroyed only after
// its form has gone (Qt drops a dead filter by itself), or together with the
// fix, which its owner destroys after its own window.

#include <QObject>
#include <QPointer>

class QWidget;

namespace quorvant::platform {

class TFormObj : public QObject {
    Q_OBJECT
public:
    explicit TFormObj(QWidget* Form);

    // The replacement window procedure.
    void HookWindowProc(QEvent* Message);
    // Repaints the form's tree once if a cue change was noted.
    void RepaintIfPending();
    // Repaints a windowed control and its children; non-windowed controls
    // are drawn again as part of their windowed parent.
    static void RepaintTree(QWidget* Control);

    // Whether this entry hooks that form: the same address and still alive
    // (a new form may be given the address of one that has gone).
    bool Hooks(const QWidget* form) const { return HookedForm == form && !alive_.isNull(); }

    QWidget* HookedForm;
    bool SeenThisSweep = true;
    bool RepaintPending = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> alive_;
};

} // namespace quorvant::platform
