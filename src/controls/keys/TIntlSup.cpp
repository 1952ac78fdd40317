#include "controls/keys/TIntlSup.h"

#include <charconv>
#include <memory>

#include "platform/Platform.h"

namespace quorvant::controls {

namespace {

std::unique_ptr<TIntlSup>& Slot()
{
    static std::unique_ptr<TIntlSup> intl;
    return intl;
}

// A profile value counts by its first character; empty keeps the default.
QChar FirstChar(platform::Platform& p, const char* key, QChar fallback)
{
    const QString value = QString::fromStdString(p.IntlValue(key, ""));
    return value.isEmpty() ? fallback : value.front();
}

int Number(platform::Platform& p, const char* key, int fallback)
{
    const std::string value = p.IntlValue(key, "");
    int result = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), result);
    return ec == std::errc() && end != value.data() ? result : fallback;
}

} // namespace

TIntlSup::TIntlSup(platform::Platform& p)
{
    DecimalChar = FirstChar(p, "sDecimal", DecimalChar);
    // Present but empty: the user groups no digits, and the fields drop
    // their separator positions rather than show a character of ours.
    const QString thousands = QString::fromStdString(p.IntlValue("sThousand", ","));
    ThousandsChar = thousands.isEmpty() ? QChar() : thousands.front();
    if (ThousandsChar == DecimalChar) {
        DecimalChar = u'.';
        ThousandsChar = u',';
    }
    CurrencyDigits = Number(p, "iCurrDigits", CurrencyDigits);
    NegCurrencyFormat = Number(p, "iNegCurr", NegCurrencyFormat);
    ListChar = FirstChar(p, "sList", ListChar);
    const QString currency = QString::fromStdString(p.IntlValue("sCurrency", ""));
    if (!currency.isEmpty())
        CurrencyString = currency.left(5);
    CurrencyPlacement = Number(p, "iCurrency", CurrencyPlacement);
}

const TIntlSup& TIntlSup::Instance()
{
    auto& slot = Slot();
    if (!slot)
        slot = std::make_unique<TIntlSup>(platform::ThePlatform());
    return *slot;
}

void TIntlSup::Reload()
{
    Slot() = std::make_unique<TIntlSup>(platform::ThePlatform());
}

QString TIntlSup::CurrencyLtStr() const
{
    return CurrencyPlacement == 2 ? CurrencyString + u' ' : CurrencyString;
}

QString TIntlSup::CurrencyRtStr() const
{
    return CurrencyPlacement == 3 ? u' ' + CurrencyString : CurrencyString;
}

} // namespace quorvant::controls
