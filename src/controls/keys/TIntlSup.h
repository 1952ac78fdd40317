#pragma once
// The user's regional characters for entry fields: decimal and thousands
// characters and the currency strings, read from the platform's "intl" keys.

#include <QChar>
#include <QString>

namespace quorvant::platform {
class Platform;
}

namespace quorvant::controls {

class TIntlSup {
public:
    // The defaults, as when no regional setting exists.
    TIntlSup() = default;
    explicit TIntlSup(platform::Platform& platform);

    // The process's settings, read from the platform on first use.
    static const TIntlSup& Instance();
    // Reads the platform again (after the user changed the settings).
    static void Reload();

    QChar DecimalChar = u'.';
    QChar ThousandsChar = u','; // null: no thousands character
    int CurrencyDigits = 2;
    int NegCurrencyFormat = 0;
    QChar ListChar = u',';
    QString CurrencyString = QStringLiteral("$"); // at most 5 characters
    int CurrencyPlacement = 0;
    QChar TrueChar = u'T', FalseChar = u'F', YesChar = u'Y', NoChar = u'N';

    QString CurrencyLtStr() const;
    QString CurrencyRtStr() const;
};

} // namespace quorvant::controls
