#pragma once
// The words of a typed order after its code: numbers, and the names of
// areas and players in one word or several ("Sea of Havun", "Sea_of_Havun"),
// read one after the other; the first problem stops the reading.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace qm {

struct GameState;

/// The codes the order line knows, in the order the completion offers them.
inline constexpr const char* kOrderLineCodes[] = {"MO", "SA", "SD", "CO", "AA",    "AC", "AF",
                                                  "AS", "UU", "DU", "RU", "DA",    "DN", "DW",
                                                  "GA", "CA", "VC", "SP", "Cancel"};

/// The code as the line knows it ("mo" is "MO"); empty for none of them.
QString OrderLineCode(const QString& typed);

/// A name as typing compares it: "_" for a blank, blanks simplified, case folded.
QString FoldedName(const QString& text);

class LineWords {
public:
    LineWords(const GameState& game, QStringList words);

    bool AtEnd() const { return at_ >= words_.size(); }
    bool Failed() const { return !problem_.isEmpty(); }
    /// What stopped the reading: a message, or "missing" for a word that is not there.
    const QString& problem() const { return problem_; }

    /// An area by number or name.
    std::optional<std::int16_t> Area();
    /// A player of the game by number, short or full name.
    std::optional<std::int16_t> Player();
    /// A plain number (turns, points) of 16 bits.
    std::optional<std::int16_t> Count();
    /// Takes the word when it is `word` (in any case).
    bool TakeWord(QLatin1String word);
    /// A list of words that must not be empty was.
    void Missing();

private:
    bool Want();
    std::optional<std::int16_t> Number();
    template <class Exists, class NamesOf>
    std::optional<std::int16_t> Name(Exists exists, NamesOf namesOf);
    std::nullopt_t Fail(const QString& text);

    const GameState& game_;
    QStringList words_;
    qsizetype at_ = 0;
    QString problem_;
};

}  // namespace qm
