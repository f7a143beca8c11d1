#pragma once
// Checked arithmetic for the game's amounts and counters, and the money form.
// A step whose result would leave the target's integer range is skipped: the target
// keeps its old value and the caller learns that the step did not happen.
#include <cstdint>
#include <limits>

#include <QString>

namespace zel {

template <class T>
constexpr bool fits(int64_t v) {
    return v >= std::numeric_limits<T>::min() && v <= std::numeric_limits<T>::max();
}

template <class T>
constexpr bool setChecked(T& target, int64_t value) {
    if (!fits<T>(value)) return false;
    target = static_cast<T>(value);
    return true;
}

template <class T>
constexpr bool addChecked(T& target, int64_t delta) { return setChecked(target, int64_t(target) + delta); }

template <class T>
constexpr bool subChecked(T& target, int64_t delta) { return setChecked(target, int64_t(target) - delta); }

template <class T>
constexpr bool mulChecked(T& target, int64_t factor) { return setChecked(target, int64_t(target) * factor); }

// The product of two small game values, as the game's 16-bit arithmetic sees it:
// false when it would not fit.
constexpr bool product16(int64_t a, int64_t b, int16_t& out) { return setChecked(out, a * b); }

// Plain decimal text of a whole number.
QString decimal(int64_t value);

// The money form: "$ " and the amount / 100 in shortest fixed decimal form
// (1230 -> "$ 12.3", 1200 -> "$ 12", 25 -> "$ 0.25", -5 -> "$ -0.05").
QString moneyform(int64_t coins);

// The same texts written into a caption, reusing its storage when it can (no allocation
// for the captions that change with every spin).
void setdecimal(QString& target, int64_t value);
void setmoneyform(QString& target, int64_t coins);
void settext(QString& target, const char* latin1, qsizetype length);

}  // namespace zel
