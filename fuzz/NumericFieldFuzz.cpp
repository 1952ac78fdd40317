// Random key, character and clipboard sequences into the numeric field's
// editing model, for the program's masks and a few others. After every step
// the display text must keep the mask's length and convert back to a number
// within the range, a full entry must take no further digit, and the drawn
// text (options taken from the step's byte) must be as long as the shown
// text; a value written by the program must read back as formatted whenever
// the field says it fits.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "controls/entry/NumberText.h"
#include "controls/entry/NumericFieldModel.h"

using namespace quorvant::controls;

namespace {

const char* const Masks[] = {
    "##,###,###.##", "###.####", "###",     "##########", "#",    "#.#",     "$#,###.##", "###.##p",
    "g###.##",       "cc##.##",  "##.##CC", ".####",      "###.", "#,#,#.#", "E###.##",
};

// Besides the ASCII keys, the wide thousands characters of fr_FR (U+202F)
// and de_CH (U+2019), which a paste may carry.
const char16_t Typed[] = u"0123456789.,-- x+E()$\u202f\u2019";

// Regional characters as de_DE, pt_PT (no thousands character), fr_FR and
// de_CH give them.
const struct {
    char16_t decimal, thousands;
} Locales[] = {{u',', u'.'}, {u',', 0}, {u',', 0x202f}, {u'.', 0x2019}};

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return pos_ >= size_; }
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    double Double()
    {
        std::uint8_t raw[8] = {};
        for (auto& b : raw)
            b = Byte();
        double v = 0;
        std::memcpy(&v, raw, sizeof v);
        return v;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

void Check(const NumericFieldModel& m, std::uint8_t drawBits)
{
    if (m.DisplayText().size() != m.Mask().Length())
        std::abort();
    long double value = 0;
    if (!m.Convert(value))
        std::abort();
    if (!(value >= m.RangeLow() && value <= m.RangeHigh()))
        std::abort();
    // Typing over a selection starts afresh; a one-slot mask replaces its digit.
    if (m.EntryFull() && !m.HasSelection() && m.Mask().TotalSlots() > 1) {
        NumericFieldModel more = m;
        if (more.TypeChar(u'5') == NumericFieldModel::Edit::Changed)
            std::abort();
    }
    const NumericFieldModel::DrawOptions draw{
        .padChar = (drawBits & 1) ? u'*' : u' ',
        .password = (drawBits & 2) != 0,
        .focused = (drawBits & 4) != 0,
        .uninitialized = (drawBits & 8) != 0,
        .zeroDisplay = static_cast<NumericFieldModel::ZeroDisplay>((drawBits >> 4) % 3),
        .zeroValue = static_cast<double>(value),
        .modified = (drawBits & 0x40) != 0,
    };
    if (m.DrawnText(draw).size() != NumericFieldModel::ShownText(m.DisplayText()).size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const std::uint8_t setup = in.Byte();
    TIntlSup intl;
    if (setup & 0x80) {
        const auto& locale = Locales[((setup & 0x7f) >> 4) % std::size(Locales)];
        intl.DecimalChar = QChar(locale.decimal);
        intl.ThousandsChar = QChar(locale.thousands);
    }
    NumericFieldModel m(intl);
    m.SetDataType(NumericType::Double);
    m.SetPictureMask(QString::fromLatin1(Masks[(setup & 0x7f) % std::size(Masks)]));
    m.SaveRestoreText();
    m.RebuildEntry();
    Check(m, setup);

    for (int steps = 0; !in.Empty() && steps < 512; ++steps) {
        const std::uint8_t op = in.Byte();
        switch (op % 12) {
        case 0:
        case 1:
        case 2:
        case 3:
            m.TypeChar(QChar(Typed[in.Byte() % (std::size(Typed) - 1)]));
            break;
        case 4:
            m.TypeChar(QChar(in.Byte()));
            break;
        case 5:
            if (m.HasSelection())
                m.ClearEntry();
            else
                m.Remove();
            break;
        case 6: {
            QString clip;
            for (int n = in.Byte() % 24; n > 0; --n)
                clip += QChar(Typed[in.Byte() % (std::size(Typed) - 1)]);
            m.Paste(clip);
            break;
        }
        case 7:
            m.SelectAll();
            break;
        case 8:
            m.Step((op & 0x10) ? 1 : -1);
            break;
        case 9: {
            const double v = in.Double();
            const bool fits = m.ValueFits(v);
            m.SetValue(v);
            m.RebuildEntry();
            if (fits) {
                // A double field formats the double itself.
                long double shown = 0, expected = 0;
                if (!m.Convert(shown) ||
                    !NumberText::Parse(NumberText::FormatFixed(v, m.Mask().DecimalPlaces()), expected) ||
                    shown != expected)
                    std::abort();
            }
            break;
        }
        case 10:
            // Leaving the field: a valid entry is rewritten, still valid, and
            // a second rewrite changes nothing.
            if (m.Validate(true) == 0) {
                const QString once = m.DisplayText();
                if (m.Validate(true) != 0 || m.DisplayText() != once)
                    std::abort();
            }
            m.ResetEntryBuffer();
            m.RebuildEntry();
            break;
        case 11:
            m.Restore();
            break;
        }
        Check(m, op);
    }
    return 0;
}
