#include "controls/statusbar/TPanelProgressStyle.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>

#include "controls/statusbar/EInvalidPanelOperation.h"
#include "controls/statusbar/TStatusPanel.h"

namespace quorvant::controls {

namespace {

QString IntText(long long value)
{
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

QString RangeMessage(long long low, long long high)
{
    return QStringLiteral("Value must be between %1 and %2").arg(IntText(low), IntText(high));
}

// "%d" takes the next number, "%%" gives "%"; anything else is a bad format.
bool FormatNumbers(const QString& format, std::initializer_list<long long> numbers, QString& out)
{
    auto next = numbers.begin();
    out.clear();
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] != u'%') {
            out += format[i];
            continue;
        }
        if (++i >= format.size())
            return false;
        if (format[i] == u'%') {
            out += u'%';
        } else if (format[i] == u'd' && next != numbers.end()) {
            out += IntText(*next++);
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

TPanelProgressStyle::TPanelProgressStyle(TStatusPanel* owner) : QObject(owner), owner_(owner) {}

void TPanelProgressStyle::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    owner_->Changed();
}

void TPanelProgressStyle::SetMinValue(int value)
{
    if (value == min_)
        return;
    if (value >= max_)
        throw EInvalidPanelOperation(RangeMessage(INT_MIN, static_cast<long long>(max_) - 1));
    min_ = value;
    progress_ = std::max(progress_, min_);
    owner_->Changed();
}

void TPanelProgressStyle::SetMaxValue(int value)
{
    if (value == max_)
        return;
    if (value <= min_)
        throw EInvalidPanelOperation(RangeMessage(static_cast<long long>(min_) + 1, INT_MAX));
    max_ = value;
    progress_ = std::min(progress_, max_);
    owner_->Changed();
}

void TPanelProgressStyle::SetProgress(int value)
{
    value = std::clamp(value, min_, max_);
    if (value == progress_)
        return;
    progress_ = value;
    owner_->Changed();
}

void TPanelProgressStyle::SetProgressType(TProgressType type)
{
    if (type == type_)
        return;
    type_ = type;
    caption_ = type == aptPercent ? QStringLiteral("%d%%") : QStringLiteral("%d of %d");
    owner_->Changed();
}

void TPanelProgressStyle::SetShowCaption(bool show)
{
    if (show == showCaption_)
        return;
    showCaption_ = show;
    owner_->Changed();
}

int TPanelProgressStyle::Percent() const
{
    const long long span = static_cast<long long>(max_) - min_;
    return static_cast<int>((static_cast<long long>(progress_) - min_) * 100 / span);
}

QString TPanelProgressStyle::FormattedCaption() const
{
    QString out;
    const bool ok =
        type_ == aptPercent
            ? FormatNumbers(caption_, {Percent()}, out)
            : FormatNumbers(caption_,
                            {static_cast<long long>(progress_) - min_, static_cast<long long>(max_) - min_},
                            out);
    return ok ? out : QString();
}

} // namespace quorvant::controls
