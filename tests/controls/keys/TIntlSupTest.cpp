#include <gtest/gtest.h>

#include "controls/keys/TIntlSup.h"
#include "support/TestPlatform.h"

using namespace quorvant::controls;
using quorvant::testing::FreshPlatform;

TEST(TIntlSup, RegionalCharactersFromThePlatform)
{
    auto& platform = FreshPlatform();
    TIntlSup defaults(platform);
    EXPECT_EQ(defaults.DecimalChar, u'.');
    EXPECT_EQ(defaults.ThousandsChar, u',');
    EXPECT_EQ(defaults.CurrencyString, "$");
    EXPECT_EQ(defaults.CurrencyDigits, 2);
    EXPECT_EQ(defaults.CurrencyLtStr(), "$");

    platform.intl = {{"sDecimal", ",;"}, {"sThousand", "\u00a0"}, {"sCurrency", "EURxyz"},
                     {"iCurrency", "3"}, {"iCurrDigits", ""},     {"sList", ""}};
    TIntlSup de(platform);
    EXPECT_EQ(de.DecimalChar, u','); // by its first character
    EXPECT_EQ(de.ThousandsChar, QChar(0xa0));
    EXPECT_EQ(de.CurrencyString, "EURxy"); // at most five characters
    EXPECT_EQ(de.CurrencyDigits, 2);
    EXPECT_EQ(de.ListChar, u',');
    EXPECT_EQ(de.CurrencyLtStr(), "EURxy");
    EXPECT_EQ(de.CurrencyRtStr(), " EURxy");
    platform.intl["iCurrency"] = "2";
    EXPECT_EQ(TIntlSup(platform).CurrencyLtStr(), "EURxy ");

    platform.intl = {{"sDecimal", "."}, {"sThousand", "."}};
    TIntlSup same(platform);
    EXPECT_EQ(same.DecimalChar, u'.');
    EXPECT_EQ(same.ThousandsChar, u',');
    platform.intl = {{"sDecimal", "'"}, {"sThousand", "'"}};
    EXPECT_EQ(TIntlSup(platform).DecimalChar, u'.');
}

// An empty thousands setting means no grouping and stays empty; the settings
// file is written with the decimal character that the fields show.
TEST(TIntlSup, EmptyThousandsStaysEmptyAndTheFileAgrees)
{
    auto& platform = FreshPlatform();
    const struct {
        const char* decimal;
        const char* thousands;
        QChar shownDecimal, shownThousands;
    } rows[] = {
        {",", "", u',', QChar()},                           // pt_PT
        {",", "\u202f", u',', QChar(0x202f)},               // fr_FR
        {".", "\u2019", u'.', QChar(0x2019)},               // de_CH
        {",", ",", u'.', u','},                             // equal: both defaults
        {"\u066b", "\u066c", QChar(0x066b), QChar(0x066c)}, // Arabic separators
    };
    for (const auto& r : rows) {
        platform.intl = {{"sDecimal", r.decimal}, {"sThousand", r.thousands}};
        const TIntlSup intl(platform);
        EXPECT_EQ(intl.DecimalChar, r.shownDecimal) << r.decimal;
        EXPECT_EQ(intl.ThousandsChar, r.shownThousands) << r.thousands;
        const char file = platform.DecimalSeparator();
        if (r.shownDecimal.unicode() < 0x80)
            EXPECT_EQ(QChar(file), intl.DecimalChar) << r.decimal;
        else
            EXPECT_EQ(file, '.') << "a separator that is no single byte is never cut";
    }
    platform.intl = {{"sDecimal", ","}};
    EXPECT_EQ(TIntlSup(platform).ThousandsChar, u','); // no setting at all: the default
}
