#pragma once
// Colour values as the window descriptions and markup name them: 00BBGGRR for
// an RGB colour (red in the low byte), FF0000nn for system colour nn,
// clNone and clDefault as markers.

#include <QColor>
#include <cstdint>

namespace quorvant::runtime {

using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

// System colours, by the platform's colour numbers.
inline constexpr TColor clScrollBar = 0xFF000000;
inline constexpr TColor clBackground = 0xFF000001;
inline constexpr TColor clActiveCaption = 0xFF000002;
inline constexpr TColor clInactiveCaption = 0xFF000003;
inline constexpr TColor clMenu = 0xFF000004;
inline constexpr TColor clWindow = 0xFF000005;
inline constexpr TColor clWindowFrame = 0xFF000006;
inline constexpr TColor clMenuText = 0xFF000007;
inline constexpr TColor clWindowText = 0xFF000008;
inline constexpr TColor clCaptionText = 0xFF000009;
inline constexpr TColor clActiveBorder = 0xFF00000A;
inline constexpr TColor clInactiveBorder = 0xFF00000B;
inline constexpr TColor clAppWorkSpace = 0xFF00000C;
inline constexpr TColor clHighlight = 0xFF00000D;
inline constexpr TColor clHighlightText = 0xFF00000E;
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clBtnShadow = 0xFF000010;
inline constexpr TColor clGrayText = 0xFF000011;
inline constexpr TColor clBtnText = 0xFF000012;
inline constexpr TColor clInactiveCaptionText = 0xFF000013;
inline constexpr TColor clBtnHighlight = 0xFF000014;
inline constexpr TColor cl3DDkShadow = 0xFF000015;
inline constexpr TColor cl3DLight = 0xFF000016;
inline constexpr TColor clInfoText = 0xFF000017;
inline constexpr TColor clInfoBk = 0xFF000018;

inline constexpr bool IsSystemColor(TColor c)
{
    return (c & 0xFF000000u) == 0xFF000000u;
}

// The colour to paint with; system colours come from the application's
// palette, clNone and clDefault give an invalid QColor.
QColor ToQColor(TColor color);
// The RGB value of a QColor in the 00BBGGRR form.
TColor FromQColor(const QColor& color);

// Text must stay readable where a fixed colour of a window description meets
// a colour of the desktop's palette (dark digits on a yellow field, a blue
// link on a dark bar): at least this contrast ratio, as the accessibility
// guidelines count it for normal text.
inline constexpr double MinimumTextContrast = 4.5;
// Contrast ratio of two colours, 1 (same luminance) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);
// Where text falls short of the minimum it is mixed towards black or white
// up to this enhanced contrast: thin anti-aliased strokes seldom reach their
// full colour, so a colour just at the minimum would read below it.
inline constexpr double RepairedTextContrast = 7.0;
// The text colour as it is when it is readable on the background; otherwise
// mixed with black or white up to the repaired contrast, so that it keeps
// its hue as far as it can (a light blue link on a dark bar).
QColor ReadableTextColor(const QColor& text, const QColor& background);
// Two fixed colours (neither from the palette) are kept as they are.
QColor ReadableTextColor(TColor text, TColor background);

} // namespace quorvant::runtime
