#include "machine/numeric.h"

namespace zel {

QString decimal(int64_t value) { return QString::number(static_cast<qlonglong>(value)); }

QString moneyform(int64_t coins) {
    const bool negative = coins < 0;
    // Work on the magnitude as unsigned so the lowest 64-bit value is safe too.
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(coins) : static_cast<uint64_t>(coins);
    const uint64_t whole = magnitude / 100;
    const unsigned cents = static_cast<unsigned>(magnitude % 100);
    QString text = QStringLiteral("$ ");
    if (negative) text += QLatin1Char('-');
    text += QString::number(static_cast<qulonglong>(whole));
    if (cents != 0) {
        text += QLatin1Char('.');
        text += QLatin1Char(char('0' + cents / 10));
        if (cents % 10 != 0) text += QLatin1Char(char('0' + cents % 10));
    }
    return text;
}

}  // namespace zel
