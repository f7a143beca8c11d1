#include "core/machine/numeric.h"

namespace zel {

namespace {

// Digits of a magnitude written backwards from end; returns the first digit.
char* digitsbefore(char* end, uint64_t magnitude) {
    do {
        *--end = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    return end;
}

uint64_t magnitudeof(int64_t value) {
    // Unsigned, so the lowest 64-bit value is safe too.
    return value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
}

// Room for "$ -", 20 digits, the point and two decimals.
constexpr int textroom = 32;

// The decimal text of value, ending at end; returns its first character.
char* decimalbefore(char* end, int64_t value) {
    char* first = digitsbefore(end, magnitudeof(value));
    if (value < 0) *--first = '-';
    return first;
}

// The money form ending at end; returns its first character.
char* moneybefore(char* end, int64_t coins) {
    const uint64_t magnitude = magnitudeof(coins);
    const unsigned cents = static_cast<unsigned>(magnitude % 100);
    if (cents != 0) {
        if (cents % 10 != 0) *--end = char('0' + cents % 10);
        *--end = char('0' + cents / 10);
        *--end = '.';
    }
    char* first = digitsbefore(end, magnitude / 100);
    if (coins < 0) *--first = '-';
    *--first = ' ';
    *--first = '$';
    return first;
}

}  // namespace

void settext(QString& target, const char* text, qsizetype length) {
    // The captions change with every spin: write over the old text when it is ours alone.
    if (target.isDetached() && target.capacity() >= length) {
        target.resize(length);
        QChar* out = target.data();
        for (qsizetype i = 0; i < length; ++i) out[i] = QLatin1Char(text[i]);
        return;
    }
    target = QString::fromLatin1(text, length);
}

QString decimal(int64_t value) {
    char text[textroom];
    const char* first = decimalbefore(text + textroom, value);
    return QString::fromLatin1(first, text + textroom - first);
}

QString moneyform(int64_t coins) {
    char text[textroom];
    const char* first = moneybefore(text + textroom, coins);
    return QString::fromLatin1(first, text + textroom - first);
}

void setdecimal(QString& target, int64_t value) {
    char text[textroom];
    const char* first = decimalbefore(text + textroom, value);
    settext(target, first, text + textroom - first);
}

void setmoneyform(QString& target, int64_t coins) {
    char text[textroom];
    const char* first = moneybefore(text + textroom, coins);
    settext(target, first, text + textroom - first);
}

}  // namespace zel
