#pragma once
// Readable names for parameterised cases: the case's index, then the letters
// and digits of a text that tells it apart.

#include <QString>

#include <string>

namespace qm::test {

inline std::string CaseName(std::size_t index, const QString& text) {
    std::string name = std::to_string(index);
    bool gap = true;
    for (const QChar c : text.left(48)) {
        const bool word = c.isLetterOrNumber() && c.unicode() < 128;
        if (word && gap) name += '_';
        if (word) name += char(c.unicode());
        gap = !word;
    }
    return name;
}

}  // namespace qm::test
