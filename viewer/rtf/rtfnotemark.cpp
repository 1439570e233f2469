#include "viewer/rtf/rtfnotemark.h"

#include <array>

namespace {

QString roman(int number)
{
    static constexpr std::array<std::pair<int, const char*>, 13> parts{{{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"},
        {100, "c"}, {90, "xc"}, {50, "l"}, {40, "xl"}, {10, "x"}, {9, "ix"}, {5, "v"}, {4, "iv"}, {1, "i"}}};
    QString mark;
    for (const auto& [value, letters] : parts)
        for (; number >= value; number -= value)
            mark += QLatin1String(letters);
    return mark;
}

// a … z, then aa … zz, bbb …: the letter repeated once more each round.
QString repeated(int number, const QString& signs)
{
    const int rounds = (number - 1) / int(signs.size()) + 1;
    return QString(rounds, signs[(number - 1) % signs.size()]);
}

} // namespace

QString noteMark(int number, NoteNumbering numbering)
{
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    static const QString symbols = QStringLiteral("*†‡§");
    constexpr int longestRepeat = 10;
    if (number < 1)
        return QString::number(number);
    switch (numbering) {
    case NoteNumbering::Arabic: break;
    case NoteNumbering::LowerRoman:
    case NoteNumbering::UpperRoman:
        if (number < 4000) {
            const QString mark = roman(number);
            return numbering == NoteNumbering::UpperRoman ? mark.toUpper() : mark;
        }
        break;
    case NoteNumbering::LowerLetter:
    case NoteNumbering::UpperLetter:
        if (number <= longestRepeat * letters.size()) {
            const QString mark = repeated(number, letters);
            return numbering == NoteNumbering::UpperLetter ? mark.toUpper() : mark;
        }
        break;
    case NoteNumbering::Symbols:
        if (number <= longestRepeat * symbols.size())
            return repeated(number, symbols);
        break;
    }
    return QString::number(number);
}

std::optional<NoteNumbering> endnoteNumberingOf(std::string_view word)
{
    // The section's words (\saftnn…) are the document's with an s before them.
    if (word.starts_with('s'))
        word.remove_prefix(1);
    if (word == "aftnnar") return NoteNumbering::Arabic;
    if (word == "aftnnrlc") return NoteNumbering::LowerRoman;
    if (word == "aftnnruc") return NoteNumbering::UpperRoman;
    if (word == "aftnnalc") return NoteNumbering::LowerLetter;
    if (word == "aftnnauc") return NoteNumbering::UpperLetter;
    if (word == "aftnnchi") return NoteNumbering::Symbols;
    return std::nullopt;
}
