#pragma once
// A label that acts as a hyperlink: underlined, hand cursor, a highlight
// colour while the mouse is over it, and a click that asks the desktop shell
// to open URL before OnClick runs. Click() does the same from code, visible
// or not, so a hidden label can serve as the program's launcher.

#include <QLabel>
#include <optional>

#include "runtime/TColor.h"

class QTimer;

namespace quorvant::controls {

class TLinkLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString URL READ URL WRITE SetURL)
    Q_PROPERTY(quorvant::runtime::TColor HighlightColor READ HighlightColor WRITE SetHighlightColor)
    Q_PROPERTY(quorvant::runtime::TColor FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(bool UnderlineURL READ UnderlineURL WRITE SetUnderlineURL STORED false)

public:
    // The shell gets at most this many characters of URL.
    static constexpr int MaxUrlLength = 1023;

    explicit TLinkLabel(QWidget* parent = nullptr);
    ~TLinkLabel() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    QString URL() const { return url_; }
    void SetURL(const QString& url);
    // clDefault takes the current font colour.
    runtime::TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(runtime::TColor color);
    // The colour the text is drawn in (the highlight replaces it while hovered).
    runtime::TColor FontColor() const { return fontColor_; }
    void SetFontColor(runtime::TColor color);
    // The font's underline style.
    bool UnderlineURL() const { return font().underline(); }
    void SetUnderlineURL(bool underline);

    // Opens URL through the shell (a beep on failure), then fires OnClick.
    void Click();
    // After the window description is loaded: forget the remembered colour.
    void Loaded();

    bool Highlighted() const { return hoverTimer_ != nullptr; }
    bool HoverTimerRunning() const { return hoverTimer_ != nullptr; }

signals:
    void OnClick(QObject* Sender);
    void OnDblClick(QObject* Sender);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void UpdateText();
    void ApplyColor(runtime::TColor color);
    void HoverTick();

    QString caption_;
    QString url_;
    runtime::TColor highlightColor_ = runtime::clRed;
    runtime::TColor fontColor_ = runtime::clWindowText;
    std::optional<runtime::TColor> normalColor_; // unset until the first hover
    QTimer* hoverTimer_ = nullptr;               // only while highlighted
    bool pressed_ = false;
};

} // namespace quorvant::controls
