#include "runtime/TColor.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace quorvant::runtime {

namespace {

QColor SystemColor(unsigned index)
{
    const QPalette p = QApplication::palette();
    switch (index) {
    case 0x00:
        return p.color(QPalette::Button);
    case 0x01:
        return p.color(QPalette::Dark);
    case 0x02:
        return p.color(QPalette::Highlight);
    case 0x03:
        return p.color(QPalette::Inactive, QPalette::Highlight);
    case 0x04:
        return p.color(QPalette::Window);
    case 0x05:
        return p.color(QPalette::Base);
    case 0x06:
        return p.color(QPalette::Shadow);
    case 0x07:
        return p.color(QPalette::WindowText);
    case 0x08:
        return p.color(QPalette::Text);
    case 0x09:
        return p.color(QPalette::HighlightedText);
    case 0x0A:
    case 0x0B:
        return p.color(QPalette::Window);
    case 0x0C:
        return p.color(QPalette::Dark);
    case 0x0D:
        return p.color(QPalette::Highlight);
    case 0x0E:
        return p.color(QPalette::HighlightedText);
    case 0x0F:
        return p.color(QPalette::Button);
    case 0x10:
        return p.color(QPalette::Dark);
    case 0x11:
        return p.color(QPalette::Disabled, QPalette::Text);
    case 0x12:
        return p.color(QPalette::ButtonText);
    case 0x13:
        return p.color(QPalette::Inactive, QPalette::HighlightedText);
    case 0x14:
        return p.color(QPalette::Light);
    case 0x15:
        return p.color(QPalette::Shadow);
    case 0x16:
        return p.color(QPalette::Midlight);
    case 0x17:
        return p.color(QPalette::ToolTipText);
    case 0x18:
        return p.color(QPalette::ToolTipBase);
    default:
        return p.color(QPalette::Window);
    }
}

} // namespace

QColor ToQColor(TColor color)
{
    if (color == clNone || color == clDefault)
        return {};
    if (IsSystemColor(color))
        return SystemColor(color & 0xFFu);
    return QColor(int(color & 0xFFu), int((color >> 8) & 0xFFu), int((color >> 16) & 0xFFu));
}

TColor FromQColor(const QColor& color)
{
    return TColor(color.red()) | (TColor(color.green()) << 8) | (TColor(color.blue()) << 16);
}

namespace {

double RelativeLuminance(const QColor& color)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

QColor Mixed(const QColor& from, const QColor& to, double share)
{
    const auto mix = [share](double a, double b) { return int(std::lround(255 * (a + (b - a) * share))); };
    QColor out(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()), mix(from.blueF(), to.blueF()));
    out.setAlpha(from.alpha());
    return out;
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableTextColor(const QColor& text, const QColor& background)
{
    if (!text.isValid() || !background.isValid() || ContrastRatio(text, background) >= MinimumTextContrast)
        return text;
    // Towards the end of the scale that lies further from the background;
    // the better of black and white reaches at least 4.58 on any colour.
    const QColor target = ContrastRatio(Qt::black, background) >= ContrastRatio(Qt::white, background)
                              ? QColor(Qt::black)
                              : QColor(Qt::white);
    // A grey has no hue to keep: it becomes the far end itself, as a
    // light palette would have drawn it (dark digits on a yellow field).
    if (text.hslSaturation() < 32)
        return target;
    double low = 0, high = 1;
    for (int step = 0; step < 16; ++step) {
        const double mid = (low + high) / 2;
        (ContrastRatio(Mixed(text, target, mid), background) >= RepairedTextContrast ? high : low) = mid;
    }
    return Mixed(text, target, high);
}

QColor ReadableTextColor(TColor text, TColor background)
{
    // Two fixed colours are the window's design and stay as drawn; only a
    // desktop colour can make the pair unreadable.
    if (!IsSystemColor(text) && !IsSystemColor(background))
        return ToQColor(text);
    return ReadableTextColor(ToQColor(text), ToQColor(background));
}

} // namespace quorvant::runtime
