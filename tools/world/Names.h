#pragma once
// Invented place names: syllables put together, never the same name twice.

#include "world/Board.h"

#include <QString>

#include <set>
#include <vector>

namespace world {

// Each syllable is drawn in a statement of its own: the operands of + may be
// evaluated in either order, and the shipped map was made with the later
// syllable drawn first.
class Namer {
public:
    explicit Namer(std::uint64_t seed) : rng_(seed) {}

    /// A land area: "Varnholm", "Ostrevia".
    QString Land() {
        return Unique([&] {
            const char* ending = Pick(kLandEndings);
            return Stem() + ending;
        });
    }

    /// A sea area: "Gulf of Tessar", "Morvane Deep".
    QString Water(bool small) {
        return Unique([&] {
            const char* link = Pick(kSeaLinks);
            const QString stem = Stem() + link;
            const auto& forms = small ? kSmallSeaForms : kSeaForms;
            return QString(Pick(forms)).arg(stem);
        });
    }

    /// An impassable area: "Kaldor Peaks".
    QString Impassable() {
        return Unique([&] {
            const QString form = Pick(kWildForms);
            const char* link = Pick(kSeaLinks);
            return form.arg(Stem() + link);
        });
    }

private:
    template <typename Make>
    QString Unique(Make make) {
        for (;;) {
            const QString name = make();
            if (name.size() <= 24 && used_.insert(name.toLower()).second) return name;
        }
    }

    QString Stem() {
        const char* vowel = Pick(kVowels);
        QString stem = QString(Pick(kOnsets)) + vowel;
        if (rng_.Below(5) == 0) {
            const char* secondVowel = Pick(kVowels);
            stem += QString(Pick(kMiddles)) + secondVowel;
        }
        return stem;
    }

    template <std::size_t N>
    const char* Pick(const char* const (&list)[N]) {
        return list[rng_.Below(static_cast<int>(N))];
    }

    static constexpr const char* kOnsets[] = {
        "Al",  "Ber",  "Cal", "Dur", "Esk",  "Fal",  "Gar",  "Hel",  "Isk",   "Jar",
        "Kal", "Lor",  "Mor", "Nar", "Ost",  "Pel",  "Quen", "Ros",  "Sal",   "Tor",
        "Ul",  "Var",  "Wen", "Yr",  "Zan",  "Brel", "Cor",  "Drav", "Fen",   "Grel",
        "Hav", "Kest", "Lun", "Mir", "Norv", "Orv",  "Prax", "Rav",  "Strel", "Tav",
        "Vel", "Tesh", "Ard", "Bav", "Carn", "Dov",  "Ebr",  "Gav"};
    static constexpr const char* kVowels[] = {"a", "e", "i", "o", "u", "a",
                                              "e", "o", "i", "y", "ae"};
    static constexpr const char* kMiddles[] = {"r", "l", "n", "v", "d", "m", "s", "k"};
    static constexpr const char* kLandEndings[] = {
        "n",    "ria",  "via",  "mark", "holm",  "dor",  "vale", "stan", "gard", "mere",
        "wick", "burg", "land", "heim", "ra",    "th",   "sk",   "nia",  "lis",  "tor",
        "rin",  "dale", "ford", "mont", "brook", "moor", "reth", "vik",  "zar",  "ssa"};
    static constexpr const char* kSeaLinks[] = {"n",  "r",  "l",   "s", "th",
                                                "ne", "ra", "ris", "",  ""};
    static constexpr const char* kSeaForms[] = {"%1 Sea",   "Sea of %1",  "%1 Deep",    "%1 Ocean",
                                                "%1 Basin", "%1 Expanse", "Gulf of %1", "%1 Reach"};
    static constexpr const char* kSmallSeaForms[] = {"%1 Sound",   "%1 Strait",  "Bay of %1",
                                                     "%1 Bight",   "%1 Channel", "%1 Narrows",
                                                     "Gulf of %1", "%1 Roads"};
    static constexpr const char* kWildForms[] = {"%1 Peaks", "%1 Wastes", "%1 Heights", "%1 Massif",
                                                 "%1 Barrens"};

    Rng rng_;
    std::set<QString> used_;
};

}  // namespace world
