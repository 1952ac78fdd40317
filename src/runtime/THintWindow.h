#pragma once
// The tooltip window. The application shows hints through the current hint
// window class (Application().SetHintWindowClass<T>()), so a control library
// can replace how every tooltip of the program looks.

#include <QWidget>
#include <memory>

namespace quorvant::runtime {

class TDropShadow;

class THintWindow : public QWidget {
    Q_OBJECT
public:
    explicit THintWindow(QWidget* parent = nullptr);
    ~THintWindow() override;

    // The window's size for a hint, at most maxWidth wide, placed at 0,0.
    virtual QRect CalcHintRect(int maxWidth, const QString& hint);
    // Shows the hint in rect (global coordinates) without taking the focus.
    virtual void ActivateHint(const QRect& rect, const QString& hint);
    void ReleaseHint();

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    // The shadow drawn where no compositor draws one; null when none shows.
    TDropShadow* Shadow() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CastShadow();

    QString caption_;
    std::unique_ptr<TDropShadow> shadow_;
};

} // namespace quorvant::runtime
