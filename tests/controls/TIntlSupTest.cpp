#include <gtest/gtest.h>

#include "controls/TIntlSup.h"
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
