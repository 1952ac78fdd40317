#pragma once
// The tooltip window. The application shows hints through the current hint
// window class (Application().SetHintWindowClass<T>()), so a control library
// can replace how every tooltip of the program looks.

#include <QWidget>

namespace quorvant::runtime {

class THintWindow : public QWidget {
    Q_OBJECT
public:
    explicit THintWindow(QWidget* parent = nullptr);

    // The window's size for a hint, at most maxWidth wide, placed at 0,0.
    virtual QRect CalcHintRect(int maxWidth, const QString& hint);
    // Shows the hint in rect (global coordinates) without taking the focus.
    virtual void ActivateHint(const QRect& rect, const QString& hint);
    void ReleaseHint();

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

} // namespace quorvant::runtime
