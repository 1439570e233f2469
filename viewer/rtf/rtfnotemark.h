#pragma once
// The marks of footnotes and endnotes as word processors number them: footnotes 1, 2, 3,
// endnotes on their own, by default i, ii, iii, or as the document's \aftnn… word says.

#include <QString>

#include <optional>
#include <string_view>

enum class NoteNumbering { Arabic, LowerRoman, UpperRoman, LowerLetter, UpperLetter, Symbols };

// The mark of the note with that number (from 1 on). Numbers beyond what letters, Roman
// numerals or symbols write in a few characters are written in digits.
QString noteMark(int number, NoteNumbering numbering);

// The numbering an endnote numbering word (\aftnnrlc, \saftnnar, …) stands for, if it is one.
std::optional<NoteNumbering> endnoteNumberingOf(std::string_view word);
