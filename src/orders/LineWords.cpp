#include "orders/LineWords.h"

#include "state/GameState.h"

#include <utility>

namespace qm {

QString OrderLineCode(const QString& typed) {
    for (const char* code : kOrderLineCodes)
        if (typed.compare(QLatin1String(code), Qt::CaseInsensitive) == 0)
            return QLatin1String(code);
    return {};
}

QString FoldedName(const QString& text) {
    return QString(text).replace(QLatin1Char('_'), QLatin1Char(' ')).simplified().toCaseFolded();
}

LineWords::LineWords(const GameState& game, QStringList words)
    : game_(game), words_(std::move(words)) {}

// The longest run of words from here that names one of the candidates.
template <class Exists, class NamesOf>
std::optional<std::int16_t> LineWords::Name(Exists exists, NamesOf namesOf) {
    for (qsizetype length = words_.size() - at_; length >= 1; --length) {
        const QString typed = FoldedName(words_.mid(at_, length).join(u' '));
        for (int i = 1; i <= kLastArea; ++i) {
            if (!exists(i)) continue;
            for (const QString& name : namesOf(i))
                if (!name.trimmed().isEmpty() && FoldedName(name) == typed) {
                    at_ += length;
                    return static_cast<std::int16_t>(i);
                }
        }
    }
    return std::nullopt;
}

std::optional<std::int16_t> LineWords::Area() {
    if (!Want()) return std::nullopt;
    if (const auto number = Number(); number) {
        if (IsAreaNumber(*number)) return number;
        return Fail(QStringLiteral("There is no area %1").arg(*number));
    }
    const auto found = Name([&](int i) { return IsAreaNumber(i); },
                            [&](int i) { return QStringList{game_.area(i).Name}; });
    if (!found) return Fail(QStringLiteral("There is no area %1").arg(words_[at_]));
    return found;
}

std::optional<std::int16_t> LineWords::Player() {
    if (!Want()) return std::nullopt;
    if (const auto number = Number(); number) {
        if (game_.IsGamePlayer(*number)) return number;
        return Fail(QStringLiteral("There is no player %1").arg(*number));
    }
    const auto found =
        Name([&](int p) { return game_.IsGamePlayer(p); },
             [&](int p) {
                 return QStringList{game_.player(p).ShortName, game_.player(p).PlayerName};
             });
    if (!found) return Fail(QStringLiteral("There is no player %1").arg(words_[at_]));
    return found;
}

std::optional<std::int16_t> LineWords::Count() {
    if (!Want()) return std::nullopt;
    if (const auto number = Number()) return number;
    return Fail(QStringLiteral("%1 is no number").arg(words_[at_]));
}

bool LineWords::TakeWord(QLatin1String word) {
    if (AtEnd() || words_[at_].compare(word, Qt::CaseInsensitive) != 0) return false;
    ++at_;
    return true;
}

void LineWords::Missing() {
    if (problem_.isEmpty()) problem_ = QStringLiteral("missing");
}

bool LineWords::Want() {
    if (!problem_.isEmpty()) return false;
    if (AtEnd()) {
        problem_ = QStringLiteral("missing");
        return false;
    }
    return true;
}

std::optional<std::int16_t> LineWords::Number() {
    bool ok = false;
    const short value = words_[at_].toShort(&ok);
    if (!ok) return std::nullopt;
    ++at_;
    return value;
}

std::nullopt_t LineWords::Fail(const QString& text) {
    problem_ = text;
    return std::nullopt;
}

}  // namespace qm
