#include "controls/markup/MarkupColors.h"

#include <array>
#include <string_view>

namespace quorvant::controls {

using runtime::TColor;

namespace {

struct NamedColor {
    std::string_view Name;
    TColor Color;
};

// The system names map, in this order, to system colours 1 to 24.
constexpr std::array<NamedColor, 40> Names{{
    {"clblack", 0x000000},
    {"clmaroon", 0x000080},
    {"clgreen", 0x008000},
    {"clolive", 0x008080},
    {"clnavy", 0x800000},
    {"clpurple", 0x800080},
    {"clteal", 0x808000},
    {"clgray", 0x808080},
    {"clsilver", 0xC0C0C0},
    {"clred", 0x0000FF},
    {"cllime", 0x00FF00},
    {"clyellow", 0x00FFFF},
    {"clblue", 0xFF0000},
    {"clfuchsia", 0xFF00FF},
    {"claqua", 0xFFFF00},
    {"clwhite", 0xFFFFFF},
    {"clbackground", 0xFF000001},
    {"clactivecaption", 0xFF000002},
    {"clinactivecaption", 0xFF000003},
    {"clmenu", 0xFF000004},
    {"clwindow", 0xFF000005},
    {"clwindowframe", 0xFF000006},
    {"clmenutext", 0xFF000007},
    {"clwindowtext", 0xFF000008},
    {"clcaptiontext", 0xFF000009},
    {"clactiveborder", 0xFF00000A},
    {"clinactiveborder", 0xFF00000B},
    {"clappworkspace", 0xFF00000C},
    {"clhighlight", 0xFF00000D},
    {"clhighlighttext", 0xFF00000E},
    {"clbtnface", 0xFF00000F},
    {"clbtnshadow", 0xFF000010},
    {"clgraytext", 0xFF000011},
    {"clbtntext", 0xFF000012},
    {"clinactivecaptiontext", 0xFF000013},
    {"clbtnhighlight", 0xFF000014},
    {"cl3ddkshadow", 0xFF000015},
    {"cl3dlight", 0xFF000016},
    {"clinfotext", 0xFF000017},
    {"clinfobk", 0xFF000018},
}};

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

TColor HexPair(QStringView value, qsizetype at)
{
    if (at + 2 > value.size())
        return 0;
    const int hi = HexDigit(value[at]);
    const int lo = HexDigit(value[at + 1]);
    if (hi < 0 || lo < 0)
        return 0;
    return TColor(hi * 16 + lo);
}

} // namespace

bool MarkupColorByName(QStringView name, TColor& color)
{
    for (const auto& entry : Names) {
        if (qsizetype(entry.Name.size()) != name.size())
            continue;
        bool same = true;
        for (qsizetype i = 0; i < name.size() && same; ++i) {
            char16_t c = name[i].unicode();
            if (c >= 'A' && c <= 'Z')
                c = char16_t(c - 'A' + 'a');
            same = c == char16_t(entry.Name[size_t(i)]);
        }
        if (same) {
            color = entry.Color;
            return true;
        }
    }
    return false;
}

TColor MarkupColor(QStringView value)
{
    if (value.startsWith(u'#'))
        return HexPair(value, 1) | (HexPair(value, 3) << 8) | (HexPair(value, 5) << 16);
    TColor color = runtime::clBlack;
    MarkupColorByName(value, color);
    return color;
}

} // namespace quorvant::controls
