#pragma once
// Base of the non-windowed controls (labels, shapes, speed buttons,
// pictures): never takes the focus, is drawn as part of its parent by the
// cue fix, and lets mouse moves through to its parent after reporting them,
// so a container's mouse-move handler also fires over its labels.

#include <QWidget>

namespace quorvant::runtime {

class TGraphicControl : public QWidget {
    Q_OBJECT
public:
    explicit TGraphicControl(QWidget* parent = nullptr);

    // Runs the click as a mouse click would (from code).
    virtual void Click();
    // Whether a click does anything: some handler is bound to OnClick.
    bool ClickBound() const;

signals:
    void OnClick(QObject* Sender);
    void OnDblClick(QObject* Sender);
    void OnMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool MouseDownInside() const { return pressed_; }

private:
    bool pressed_ = false;
};

} // namespace quorvant::runtime
