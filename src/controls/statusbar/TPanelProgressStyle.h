#pragma once
// A progress panel: range, position and the caption drawn over the bar.

#include <QObject>
#include <QString>

namespace quorvant::controls {

class TStatusPanel;

class TPanelProgressStyle : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(int Progress READ Progress WRITE SetProgress)
    Q_PROPERTY(TProgressType ProgressType READ ProgressType WRITE SetProgressType)
    Q_PROPERTY(bool ShowCaption READ ShowCaption WRITE SetShowCaption)

public:
    enum TProgressType { aptPercent, aptCount };
    Q_ENUM(TProgressType)

    explicit TPanelProgressStyle(TStatusPanel* owner);

    // A format with "%d" for each number and "%%" for a percent sign.
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // The minimum must stay below the maximum (EInvalidPanelOperation).
    int MinValue() const { return min_; }
    void SetMinValue(int value);
    int MaxValue() const { return max_; }
    void SetMaxValue(int value);
    // Clamped to the range.
    int Progress() const { return progress_; }
    void SetProgress(int value);
    // Choosing a type resets the caption to that type's format.
    TProgressType ProgressType() const { return type_; }
    void SetProgressType(TProgressType type);
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool show);

    int Percent() const;
    // The caption with its numbers filled in; empty when the format is bad.
    QString FormattedCaption() const;

private:
    TStatusPanel* owner_;
    QString caption_ = QStringLiteral("%d%%");
    int min_ = 0;
    int max_ = 100;
    int progress_ = 0;
    TProgressType type_ = aptPercent;
    bool showCaption_ = true;
};

} // namespace quorvant::controls
