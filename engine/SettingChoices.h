#pragma once

// The choices of the rename settings. Each enumerator has the integer the
// settings store keeps for it. A value the store holds outside them is kept as
// it is: the engine computes with it as with any other value.

// What a run makes of the candidates.
enum class RenameKind : int {
    Renumber = 0,
    OldName = 1,
    CharKind = 2,
    Replace = 3,
    RangeReplace = 4,
    Insert = 5,
    Format = 6,
    FromFile = 7,
    NumberedDirectories = 9,
    Concatenation = 11,
};

// Every rename kind, in the order of their values.
inline constexpr RenameKind kRenameKinds[] = {
    RenameKind::Renumber,      RenameKind::OldName,      RenameKind::CharKind,
    RenameKind::Replace,       RenameKind::RangeReplace, RenameKind::Insert,
    RenameKind::Format,        RenameKind::FromFile,     RenameKind::NumberedDirectories,
    RenameKind::Concatenation,
};

// The kind of entries renamed.
enum class ObjectKind : int { Files = 0, Folders = 1 };

// Where renamed files go: they stay, or move or are copied into the output folder.
enum class OutputKind : int { InPlace = 0, Move = 1, Copy = 2 };

// The case given to the title or the extension; capitalised makes the first
// character upper case and the others lower case.
enum class LetterCase : int { Unchanged = 0, Upper = 1, Lower = 2, Capitalised = 3 };

// The width digits, Latin letters or katakana are converted to.
enum class CharWidth : int { Half = 0, Full = 1 };

// Which characters a range replacement replaces: the first ones, those from a
// position counted from the front, the last ones, or those from a position
// counted from the back.
enum class RangePosition : int { First = 0, FromFront = 1, Last = 2, FromBack = 3 };

// Where an inserted text goes: before the title, at a position counted from
// the front, after the title, or at a position counted from the back.
enum class InsertPosition : int { BeforeTitle = 0, FromFront = 1, AfterTitle = 2, FromBack = 3 };

// Where a concatenation writes the separator: nowhere, before the first
// source only, or before every source.
enum class SeparatorPlacement : int { None = 0, First = 1, EachFile = 2 };

// The line breaks a concatenation writes: as the sources have them, or
// converted to CR, LF or CR LF.
enum class LineEnds : int { Unchanged = 0, Cr = 1, Lf = 2, CrLf = 3 };

// What a concatenation does with end-of-file marks (0x1A): keeps them, writes
// one at the end only, or removes them.
enum class EofMark : int { Unchanged = 0, AtEnd = 1, Removed = 2 };

// The time the time placeholders give: the file's modification time, or the
// date its picture was taken (the modification time where it has none).
enum class TimeSource : int { Modified = 0, Taken = 1 };

// What the attribute unification does with one attribute bit.
enum class AttributeChange : int { Clear = 0, Set = 1, Keep = 2 };
