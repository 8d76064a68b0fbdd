#include "io/LeadingNumber.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace qm {

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int HexDigit(QChar c) {
    if (IsDigit(c)) return c.unicode() - u'0';
    const char16_t lower = c.toLower().unicode();
    return lower >= u'a' && lower <= u'f' ? lower - u'a' + 10 : -1;
}

std::optional<double> HexNumber(QStringView text) {
    std::uint64_t value = 0;
    qsizetype digits = 0;
    for (; digits < text.size(); ++digits) {
        const int digit = HexDigit(text[digits]);
        if (digit < 0) break;
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    const bool longMark = digits < text.size() && text[digits] == u'&';
    if (!longMark && digits <= 4) {
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    }
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

std::optional<double> DecimalNumber(QStringView text) {
    std::string number;
    qsizetype at = 0;
    auto take = [&](auto accepts) {
        qsizetype taken = 0;
        while (at < text.size() && accepts(text[at])) {
            number += static_cast<char>(text[at].unicode());
            ++at;
            ++taken;
        }
        return taken;
    };
    take([&](QChar c) { return number.empty() && (c == u'-' || c == u'+'); });
    qsizetype mantissaDigits = take(IsDigit);
    if (at < text.size() && text[at] == u'.') {
        number += '.';
        ++at;
        mantissaDigits += take(IsDigit);
    }
    if (mantissaDigits == 0) return 0.0;
    // An exponent counts only when digits follow it.
    if (at < text.size() && QStringLiteral("eEdD").contains(text[at])) {
        qsizetype next = at + 1;
        std::string sign;
        if (next < text.size() && (text[next] == u'-' || text[next] == u'+')) {
            sign = static_cast<char>(text[next].unicode());
            ++next;
        }
        if (next < text.size() && IsDigit(text[next])) {
            number += 'e' + sign;
            at = next;
            take(IsDigit);
        }
    }
    const double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> LeadingNumber(QStringView text) {
    qsizetype start = 0;
    while (start < text.size() && (text[start] == u' ' || text[start] == u'\t')) ++start;
    text = text.mid(start);
    if (text.size() >= 2 && text[0] == u'&' && (text[1] == u'H' || text[1] == u'h')) {
        return HexNumber(text.mid(2));
    }
    return DecimalNumber(text);
}

}  // namespace qm
