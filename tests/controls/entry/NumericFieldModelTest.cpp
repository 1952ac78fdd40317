#include <gtest/gtest.h>

#include <charconv>
#include <cmath>

#include "controls/entry/NumberText.h"
#include "controls/entry/NumericFieldModel.h"

using namespace quorvant::controls;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

const QString Amount = QStringLiteral("##,###,###.##");
const QString Percent = QStringLiteral("###.####");
const QString Years = QStringLiteral("###");

TIntlSup German()
{
    TIntlSup intl;
    intl.DecimalChar = u',';
    intl.ThousandsChar = u'.';
    return intl;
}

NumericFieldModel Field(const QString& mask, const TIntlSup& intl = TIntlSup())
{
    NumericFieldModel m(intl);
    m.SetDataType(NumericType::Double);
    m.SetPictureMask(mask);
    return m;
}

// Types each character; returns how many were refused.
int Type(NumericFieldModel& m, const QString& keys)
{
    int refused = 0;
    for (QChar c : keys)
        refused += m.TypeChar(c) == NumericFieldModel::Edit::Refused;
    return refused;
}

QString Shown(const NumericFieldModel& m)
{
    return m.DisplayText().trimmed();
}

// What leaving the field does: validate with write-back.
QString Leave(NumericFieldModel& m)
{
    EXPECT_EQ(m.Validate(true), vcOk);
    return Shown(m);
}

} // namespace

TEST(PictureMask, SlotCountsOfTheProgramsMasks)
{
    const struct {
        QString mask;
        int integer, decimals, total;
    } rows[] = {
        {Amount, 8, 2, 11}, {Percent, 3, 4, 8}, {Years, 3, 0, 3}, {"$#,###.##", 4, 2, 7}, {"9", 1, 0, 1}};
    for (const auto& r : rows) {
        PictureMask m(r.mask);
        EXPECT_EQ(m.IntegerSlots(), r.integer) << r.mask.toStdString();
        EXPECT_EQ(m.DecimalPlaces(), r.decimals) << r.mask.toStdString();
        EXPECT_EQ(m.TotalSlots(), r.total) << r.mask.toStdString();
    }
}

TEST(PictureMask, PictureCharactersAcceptTheirSets)
{
    const struct {
        char16_t mask;
        QString accepted, refused;
    } rows[] = {
        {u'#', "0123456789 -.", "aE+,"},
        {u'9', "0123456789 ", "-.a"},
        {u'i', "0123456789 -", ".a"},
        {u'E', "09 -.E+", "a,"},
        {u'K', "09 AFaf", "Gg-"},
        {u'O', "07 ", "89-"},
        {u'b', "01 ", "2-"},
    };
    for (const auto& r : rows) {
        for (QChar c : r.accepted)
            EXPECT_TRUE(PictureMask::Accepts(QChar(r.mask), c)) << char(r.mask) << " " << char(c.unicode());
        for (QChar c : r.refused)
            EXPECT_FALSE(PictureMask::Accepts(QChar(r.mask), c)) << char(r.mask) << " " << char(c.unicode());
    }
}

TEST(NumberText, EighteenDigitsThenHalfAwayFromZero)
{
    const struct {
        long double value;
        int decimals;
        const char* text;
    } rows[] = {
        {2.675, 2, "2.67"}, // the double is 2.67499999999999982...
        {0.125, 2, "0.13"},
        {-0.125, 2, "-0.13"},
        {-1234.5, 2, "-1234.50"},
        {0, 2, "0.00"},
        {-0.001, 2, "0.00"}, // no "-0.00"
        {9.995, 2, "9.99"},
        {9.9951, 2, "10.00"},
        {999.5, 0, "1000"},
        {6.75, 4, "6.7500"},
        {1e20, 1, "100000000000000000000.0"},
        {0.000001234, 8, "0.00000123"},
        {1.7e308, 0, nullptr},
    };
    for (const auto& r : rows) {
        const std::string got = NumberText::FormatFixed(r.value, r.decimals);
        if (r.text) {
            EXPECT_EQ(got, r.text) << double(r.value);
        } else {
            EXPECT_EQ(got.size(), 309u);
        }
    }
    EXPECT_EQ(NumberText::FormatFixed(NAN, 2), "");
    long double v = 0;
    EXPECT_TRUE(NumberText::Parse("-12.5", v));
    EXPECT_EQ(v, -12.5L);
    for (const char* bad : {"", "+1", "1-", "nan", "inf", " 1", "1,5", "--1", "."})
        EXPECT_FALSE(NumberText::Parse(bad, v)) << bad;
}

TEST(NumericFieldModel, WritingValuesFormatsThroughTheMask)
{
    const struct {
        QString mask;
        long double value;
        QString shown;
    } rows[] = {
        {Amount, 1234.5, "1,234.50"},
        {Amount, -1234.5, "-1,234.50"},
        {Amount, 0, "0.00"},
        {Amount, -0.5, "-0.50"},
        {Amount, 2.675, "2.67"},
        {Amount, 0.125, "0.13"},
        {Amount, 120000, "120,000.00"},
        {Percent, 6.75, "6.7500"},
        {Percent, 1234.5, "234.5000"},
        {Years, 30, "30"},
        {Years, -12, "-12"},
        {Years, -123, "123"},
        {Amount, 12345678, "12,345,678.00"},
    };
    for (const auto& r : rows) {
        NumericFieldModel m = Field(r.mask);
        m.SetValue(r.value);
        EXPECT_EQ(Shown(m), r.shown) << r.mask.toStdString() << " " << double(r.value);
        EXPECT_EQ(m.DisplayText().size(), r.mask.size());
    }
    NumericFieldModel m = Field(Percent);
    m.SetValue(1234.5);
    long double back = 0;
    ASSERT_TRUE(m.Convert(back));
    EXPECT_EQ(back, 234.5L);
}

TEST(NumericFieldModel, ValueFitsDetectsDroppedDigitsAndSigns)
{
    NumericFieldModel m = Field(Amount);
    EXPECT_TRUE(m.ValueFits(99999999.994));
    EXPECT_FALSE(m.ValueFits(99999999.995)); // rounds to nine digits
    EXPECT_TRUE(m.ValueFits(-9999999));
    EXPECT_FALSE(m.ValueFits(-12345678)); // no room for the sign
    EXPECT_FALSE(m.ValueFits(NAN));
    EXPECT_FALSE(m.ValueFits(INFINITY));
    NumericFieldModel p = Field(Percent);
    EXPECT_TRUE(p.ValueFits(7.07462));
    EXPECT_FALSE(p.ValueFits(1234.5));
}

TEST(NumericFieldModel, CalculatorEntryInAnAmountField)
{
    NumericFieldModel m = Field(Amount);
    m.SetValue(120000);
    m.RebuildEntry();
    m.SelectAll();
    const QString expected[] = {"9", "95", "950", "9,500", "95,000"};
    int i = 0;
    for (QChar c : QString("95000")) {
        EXPECT_EQ(m.TypeChar(c), NumericFieldModel::Edit::Changed);
        EXPECT_EQ(Shown(m), expected[i++]);
        EXPECT_TRUE(m.DisplayText().endsWith(expected[i - 1])) << "right-aligned";
    }
    EXPECT_EQ(Leave(m), "95,000.00");
    long double v = 0;
    ASSERT_TRUE(m.Convert(v));
    EXPECT_EQ(v, 95000.0L);

    NumericFieldModel n = Field(Amount);
    n.ClearEntry();
    EXPECT_EQ(Type(n, "12345678"), 0);
    EXPECT_EQ(Shown(n), "12,345,678");
    EXPECT_EQ(Type(n, "9"), 1);
    EXPECT_EQ(Leave(n), "12,345,678.00");

    NumericFieldModel d = Field(Amount);
    d.ClearEntry();
    EXPECT_EQ(Type(d, "1.2345678901"), 1); // the tenth decimal is refused
    EXPECT_EQ(d.DisplayText(), "  1.234567890");
    EXPECT_EQ(Leave(d), "1.23");
}

TEST(NumericFieldModel, HiddenDecimalPlacesWhileEditing)
{
    NumericFieldModel m = Field(Amount);
    m.ClearEntry();
    Type(m, "12");
    EXPECT_EQ(m.DisplayText(), "           12");
    Type(m, ".");
    EXPECT_EQ(m.DisplayText(), "          12.");
    Type(m, "5");
    EXPECT_EQ(m.DisplayText(), "         12.5");
    Type(m, "-");
    EXPECT_EQ(m.DisplayText(), "        -12.5");
}

TEST(NumericFieldModel, ZerosSignsAndRemoval)
{
    NumericFieldModel y = Field(Years);
    y.RebuildEntry(); // a shown zero is an empty entry: a leading zero is ignored
    EXPECT_EQ(y.TypeChar(u'0'), NumericFieldModel::Edit::Ignored);
    Type(y, "30");
    EXPECT_EQ(Shown(y), "30");
    EXPECT_EQ(Type(y, "0"), 0);
    EXPECT_EQ(Type(y, "1"), 1); // a fourth digit
    EXPECT_EQ(Type(y, "-"), 1); // integer slots full
    y.Remove();
    EXPECT_EQ(Type(y, "-"), 0);
    EXPECT_EQ(Shown(y), "-30");
    EXPECT_EQ(Type(y, "5"), 1); // the sign takes a slot
    EXPECT_EQ(Type(y, "-"), 0);
    EXPECT_EQ(Shown(y), "30");

    NumericFieldModel m = Field(Amount);
    m.ClearEntry();
    Type(m, "-");
    EXPECT_EQ(Shown(m), "-0");
    EXPECT_EQ(m.Remove(), NumericFieldModel::Edit::Changed); // clears the sign
    EXPECT_EQ(m.DisplayText(), "            0");
    Type(m, "12.");
    m.Remove();
    EXPECT_EQ(m.DisplayText(), "           12");
    m.ClearEntry();
    Type(m, ".");
    EXPECT_EQ(Shown(m), "0.");
    m.Remove();
    EXPECT_EQ(Shown(m), "0");
    EXPECT_EQ(m.TypeChar(u'0'), NumericFieldModel::Edit::Ignored); // the entry is empty again
    Type(m, ".5");
    m.Remove();
    EXPECT_EQ(m.DisplayText(), "           0.");
    m.ClearEntry();
    m.SetValue(0);
    m.RebuildEntry(); // 0.00 clicked into: typing appends
    Type(m, "5");
    EXPECT_EQ(Shown(m), "0.005");
    EXPECT_EQ(Leave(m), "0.01");
    EXPECT_EQ(Type(m, "1"), 0); // not selected after leaving; refused twice over slots otherwise
}

TEST(NumericFieldModel, TypingOverASelection)
{
    NumericFieldModel m = Field(Amount);
    m.SetValue(1234.5);
    m.RebuildEntry();
    m.SelectAll();
    EXPECT_EQ(m.TypeChar(u'x'), NumericFieldModel::Edit::Refused);
    EXPECT_EQ(Shown(m), "0");
    EXPECT_FALSE(m.HasSelection());
    EXPECT_EQ(m.TypeChar(u','), NumericFieldModel::Edit::Refused); // not the decimal character
}

TEST(NumericFieldModel, PasteSkipsWhatDoesNotFit)
{
    NumericFieldModel m = Field(Amount);
    m.ClearEntry();
    m.Paste("$1,234.56");
    EXPECT_EQ(m.DisplayText(), "     1,234.56");
    EXPECT_EQ(Leave(m), "1,234.56");
    m.RebuildEntry();
    m.SelectAll();
    m.Paste("-7-7");
    EXPECT_EQ(m.DisplayText(), "          -77");
    m.ClearEntry();
    m.Paste("1234567890123");
    EXPECT_EQ(m.DisplayText(), "   12,345,678");
}

TEST(NumericFieldModel, DecimalCommaLocale)
{
    NumericFieldModel m = Field(Amount, German());
    m.SetValue(1234.5);
    EXPECT_EQ(Shown(m), "1.234,50");
    m.RebuildEntry();
    m.Remove(); // the buffer is the plain number: only its last digit goes
    EXPECT_EQ(Shown(m), "1.234,5");
    m.ClearEntry();
    EXPECT_EQ(Type(m, "1234,5"), 0);
    EXPECT_EQ(Shown(m), "1.234,5");
    EXPECT_EQ(Type(m, "."), 1);
    EXPECT_EQ(Leave(m), "1.234,50");
    m.ClearEntry();
    m.Paste("9.876,25");
    EXPECT_EQ(Shown(m), "9.876,25");
}

// Locales as glibc gives them: pt_PT has a decimal comma and no thousands
// character, fr_FR groups with the narrow no-break space, de_CH with the
// right single quote.
TEST(NumericFieldModel, LocalesWithoutOrWithWideThousandsCharacters)
{
    const struct {
        QChar decimal, thousands;
        const char* keys;
        double value;
        QString whileTyping, left, written;
    } rows[] = {
        {u',', QChar(), "987,25", 987.25, "987,25", "987,25", "1234567,50"},
        {u',', QChar(0x202f), "98765,2", 98765.2, QString::fromUtf16(u"98\u202f765,2"),
         QString::fromUtf16(u"98\u202f765,20"), QString::fromUtf16(u"1\u202f234\u202f567,50")},
        {u'.', QChar(0x2019), "98765.25", 98765.25, QString::fromUtf16(u"98\u2019765.25"),
         QString::fromUtf16(u"98\u2019765.25"), QString::fromUtf16(u"1\u2019234\u2019567.50")},
    };
    for (const auto& r : rows) {
        TIntlSup intl;
        intl.DecimalChar = r.decimal;
        intl.ThousandsChar = r.thousands;
        NumericFieldModel m = Field(Amount, intl);
        // The positions of the mask stay; a removed one is left out when shown.
        auto shown = [&] { return NumericFieldModel::ShownText(m.DisplayText()).trimmed(); };
        EXPECT_EQ(Type(m, QString::fromLatin1(r.keys)), 0) << r.keys;
        EXPECT_EQ(m.DisplayText().size(), Amount.size());
        EXPECT_EQ(shown(), r.whileTyping);
        EXPECT_EQ(m.Validate(true), vcOk) << r.keys;
        EXPECT_EQ(shown(), r.left);
        long double value = 0;
        ASSERT_TRUE(m.Convert(value)) << r.keys;
        EXPECT_EQ(static_cast<double>(value), r.value);

        m.SetValue(1234567.5);
        EXPECT_EQ(shown(), r.written);
        m.RebuildEntry();
        m.Remove(); // the buffer is the plain number: only its last digit goes
        EXPECT_EQ(shown(), r.written.chopped(1));
        m.SetValue(1234567.5);
        // What is shown (and copied) pastes back as the same number.
        const QString copied = shown();
        m.ClearEntry();
        m.Paste(copied);
        EXPECT_EQ(m.Validate(true), vcOk);
        EXPECT_EQ(shown(), r.written);
    }
}

// Typed text is taken in extended precision; a value the program writes is
// a double and rounds as that double.
TEST(NumericFieldModel, TypedValuesRoundAsTypedWrittenValuesAsDoubles)
{
    const struct {
        const char* input;
        QString mask;
        const char* typed;
        const char* written;
    } rows[] = {
        {"7.00005", Percent, "7.0001", "7.0000"}, // the double is 7.0000499999...
        {"2.675", Amount, "2.68", "2.67"},        // 2.6749999999...
        {"1.005", Amount, "1.01", "1.00"},
        {"0.285", Amount, "0.29", "0.28"},
        {"-2.675", Amount, "-2.68", "-2.67"},
        {"2.345", Amount, "2.35", "2.35"}, // the double lies above: both round up
        {"99.995", Amount, "100.00", "100.00"},
        {"0.125", Amount, "0.13", "0.13"}, // exact in both
        {"1.2345678", Amount, "1.23", "1.23"},
        {"0.00005", Percent, "0.0001", "0.0001"},
        {"12", Amount, "12.00", "12.00"},
    };
    for (const auto& r : rows) {
        NumericFieldModel typed = Field(r.mask);
        const QString keys = QString::fromLatin1(r.input);
        // The minus key toggles the sign wherever it is typed.
        EXPECT_EQ(Type(typed, keys.startsWith(u'-') ? keys.mid(1) + u'-' : keys), 0) << r.input;
        EXPECT_EQ(Leave(typed), r.typed) << r.input;
        // Leaving again changes nothing.
        EXPECT_EQ(Leave(typed), r.typed) << r.input;

        NumericFieldModel written = Field(r.mask);
        const std::string text(r.input);
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        written.SetValue(value);
        EXPECT_EQ(Shown(written), r.written) << r.input;
        EXPECT_EQ(Leave(written), r.written) << r.input;
    }
}

TEST(NumericFieldModel, ConversionAndValidationCodes)
{
    // Half-typed entries read as the number they stand for.
    const struct {
        const char* keys;
        QString display;
        long double value;
    } rows[] = {
        {"", "       0", 0},       {"6.", "      6.", 6},      {".5", "     0.5", 0.5},
        {".5-", "    -0.5", -0.5}, {"6.75", "    6.75", 6.75},
    };
    for (const auto& r : rows) {
        NumericFieldModel typed = Field(Percent);
        typed.ClearEntry();
        Type(typed, QString::fromLatin1(r.keys));
        EXPECT_EQ(typed.DisplayText(), r.display) << r.keys;
        long double v = -1;
        ASSERT_TRUE(typed.Convert(v)) << r.keys;
        EXPECT_EQ(v, r.value) << r.keys;
    }

    NumericFieldModel m = Field(Percent);
    // Display texts no key sequence makes, as another mask or locale left
    // them: what is no number is refused.
    const struct {
        QString display;
        bool ok;
        long double value;
    } texts[] = {
        {"        ", true, 0},    {"  6.7500", true, 6.75}, {"  6.    ", true, 6},  {"   .5   ", true, 0.5},
        {"  -.5   ", true, -0.5}, {"  6 .5  ", true, 6.5},  {" 1x.0000", false, 0}, {"  - 5   ", false, 0},
    };
    for (const auto& r : texts) {
        long double v = -1;
        EXPECT_EQ(m.ConvertText(r.display, v), r.ok) << r.display.toStdString();
        if (r.ok) {
            EXPECT_EQ(v, r.value) << r.display.toStdString();
        }
    }

    m.SetRange(0, 10);
    m.SetValue(12.5);
    EXPECT_EQ(m.Validate(false), vcRange);
    m.SetValue(-0.0001);
    EXPECT_EQ(m.Validate(false), vcRange);
    m.SetValue(-0.00004);
    EXPECT_EQ(m.Validate(false), vcOk); // shown as 0.0000
    m.SetValue(0);
    m.ClearEntry();
    EXPECT_EQ(m.Validate(false, true), vcOk);
    EXPECT_FALSE(m.AllBlank()); // the zero shows
    NumericFieldModel decimals = Field(".####");
    decimals.ClearEntry();
    EXPECT_TRUE(decimals.AllBlank());
    EXPECT_EQ(decimals.Validate(false, true), vcRequired);
    EXPECT_EQ(decimals.Validate(false), vcOk);
    m.SetPictureMask("####");
    EXPECT_EQ(Shown(m), "0");
    EXPECT_EQ(m.Validate(false, true, true), vcRequired);
    m.SetRange(5, 5); // equal bounds: the type's range
    EXPECT_EQ(m.RangeHigh(), 1.7e308L);

    const struct {
        std::uint16_t code;
        const char* text;
    } messages[] = {
        {256, "Value is not within required range"},
        {257, "Value is not valid for this field type"},
        {258, "A value is required in this field"},
        {259, "Value is not a valid date"},
        {260, "Value is not a valid time"},
        {261, "This field should contain no blanks"},
        {262, "This field should be either empty or completely full"},
        {300, "Entry Error"},
        {40000, "stored"},
    };
    for (const auto& r : messages)
        EXPECT_EQ(ValidationMessage(r.code, "stored").toStdString(), r.text);
}

// What the field holds and what it draws, side by side: the value is written
// by code or typed into a focused field, then drawn with the field's options.
TEST(NumericFieldModel, DisplayTextAndDrawnText)
{
    using Draw = NumericFieldModel::DrawOptions;
    using Zero = NumericFieldModel::ZeroDisplay;
    const Draw focused{.focused = true};
    TIntlSup noThousands; // pt_PT
    noThousands.DecimalChar = u',';
    noThousands.ThousandsChar = QChar();
    const QString grouped = QStringLiteral(" 1_234_567,50").replace(u'_', QChar());
    const QString blank(13, u' ');
    const struct {
        QString mask;
        double value; // written by code unless keys are typed
        const char* keys;
        Draw draw;
        QString display, drawn;
        TIntlSup intl = TIntlSup();
    } rows[] = {
        // clang-format off
        {Amount,    1234.5, nullptr, {},                              "     1,234.50", "     1,234.50"},
        {Amount,    0,      "12.5-", focused,                         "        -12.5", "        -12.5"},
        {Amount,    1,      nullptr, {.padChar = u'*'},               "         1.00", "*********1.00"},
        {Amount,    0,      "12.5-", {.padChar = u'_', .focused = true},
                                                                      "        -12.5", "________-12.5"},
        {Amount,    1,      nullptr, {.password = true},              "         1.00", "         ****"},
        {Amount,    1,      nullptr, {.padChar = u'*', .password = true},
                                                                      "         1.00", "*************"},
        // The sign drawn where the mask puts it.
        {"###.##p", -1.5,   nullptr, {},                              " -1.50 ",       " (1.50)"},
        {"###.##p", 1.5,    nullptr, {},                              "  1.50 ",       "  1.50 "},
        {"###.##p", 0,      "12.5-", focused,                         " -12.5 ",       " (12.5)"},
        {"###.##g", -1.5,   nullptr, {},                              " -1.50 ",       "  1.50-"},
        {"###.##g", 0,      "1-",    focused,                         "    -1 ",       "     1-"},
        // Hidden values: blank while the field has no focus.
        {Amount,    0,      nullptr, {.zeroDisplay = Zero::Hide},     "         0.00", blank},
        {Amount,    0,      nullptr, {.focused = true, .zeroDisplay = Zero::Hide},
                                                                      "         0.00", "         0.00"},
        {Amount,    1,      nullptr, {.zeroDisplay = Zero::Hide},     "         1.00", "         1.00"},
        {Amount,    5,      nullptr, {.zeroDisplay = Zero::Hide, .zeroValue = 5},
                                                                      "         5.00", blank},
        {Amount,    0,      nullptr, {.zeroDisplay = Zero::Hide, .modified = true},
                                                                      "         0.00", blank},
        {Amount,    0,      nullptr, {.zeroDisplay = Zero::HideUntilModified},
                                                                      "         0.00", blank},
        {Amount,    0,      nullptr, {.zeroDisplay = Zero::HideUntilModified, .modified = true},
                                                                      "         0.00", "         0.00"},
        {Amount,    3,      nullptr, {.uninitialized = true},         "         3.00", blank},
        {Amount,    3,      nullptr, {.focused = true, .uninitialized = true},
                                                                      "         3.00", "         3.00"},
        // Removed separator positions are no characters: no star, no pad.
        {Amount,    1234567.5, nullptr, {},                      grouped, " 1234567,50",    noThousands},
        {Amount,    1234567.5, nullptr, {.password = true},      grouped, " **********",    noThousands},
        {Amount,    1234567.5, nullptr, {.padChar = u'*'},       grouped, "*1234567,50",    noThousands},
        {Amount,    1234567.5, nullptr, {.uninitialized = true}, grouped, QString(11, u' '), noThousands},
        // clang-format on
    };
    int row = 0;
    for (const auto& r : rows) {
        ++row;
        NumericFieldModel m = Field(r.mask, r.intl);
        if (r.keys) {
            m.ClearEntry();
            ASSERT_EQ(Type(m, QString::fromLatin1(r.keys)), 0) << "row " << row;
        } else {
            m.SetValue(r.value);
        }
        EXPECT_EQ(m.DisplayText(), r.display) << "row " << row;
        EXPECT_EQ(m.DrawnText(r.draw), r.drawn) << "row " << row;
    }
}

TEST(NumericFieldModel, SteppingWrapsAndClamps)
{
    NumericFieldModel m = Field(Years);
    m.SetRange(1, 40);
    const struct {
        long double start;
        int step;
        const char* shown;
    } rows[] = {{40, 1, "1"}, {1, -1, "40"}, {20, -1, "19"}, {45, 1, "1"}, {0, -1, "40"}};
    for (const auto& r : rows) {
        m.SetValue(r.start);
        ASSERT_TRUE(m.Step(r.step));
        EXPECT_EQ(Shown(m).toStdString(), r.shown) << double(r.start) << " " << r.step;
        // The entry goes on from the stepped value.
        Type(m, "5");
        EXPECT_EQ(Shown(m).toStdString(), std::string(r.shown) + "5") << double(r.start) << " " << r.step;
    }
    NumericFieldModel p = Field(Percent);
    p.SetRange(0, 10);
    p.SetValue(9.5);
    p.Step(1);
    EXPECT_EQ(Shown(p), "10.0000");
    p.SetValue(0.25);
    p.Step(-1);
    EXPECT_EQ(Shown(p), "0.0000");
}

TEST(NumericFieldModel, DataTypesSetMaskAndRange)
{
    NumericFieldModel m;
    EXPECT_EQ(m.Mask().Text(), "iiiiiiiiiii");
    EXPECT_EQ(m.RangeLow(), -2147483648.0L);
    m.SetDataType(NumericType::Byte);
    EXPECT_EQ(m.Mask().Text(), "999");
    EXPECT_EQ(m.RangeHigh(), 255);
    m.RebuildEntry();
    EXPECT_EQ(Type(m, "300"), 0);
    EXPECT_EQ(m.Validate(false), vcRange);
    EXPECT_EQ(Type(m, "-"), 1); // "9" takes no sign
    NumericFieldModel one = Field("9");
    one.RebuildEntry();
    Type(one, "3");
    EXPECT_EQ(one.TypeChar(u'7'), NumericFieldModel::Edit::Changed); // replaces its digit
    EXPECT_EQ(Shown(one), "7");
}

TEST(NumericFieldModel, CurrencyAndPointOnlyMasks)
{
    NumericFieldModel m = Field("$#,###.##");
    m.SetValue(1234.5);
    EXPECT_EQ(m.DisplayText(), "$1,234.50");
    m.SetValue(1);
    EXPECT_EQ(m.DisplayText(), "    $1.00");
    EXPECT_FALSE(m.ValueFits(80639.13)); // the "$" holds no digit
    m.RebuildEntry();
    m.Remove();
    EXPECT_EQ(m.DisplayText(), "     $1.0");
    long double v = 0;
    ASSERT_TRUE(m.Convert(v));
    EXPECT_EQ(v, 1.0L);

    // Only decimal places: an empty entry still reads as zero.
    NumericFieldModel d = Field(".####", German());
    d.ClearEntry();
    EXPECT_EQ(d.DisplayText(), ",    ");
    ASSERT_TRUE(d.Convert(v));
    EXPECT_EQ(v, 0.0L);
}
