#pragma once

class CHistoryComboBox;
class QString;

// Whether the chosen file must exist already (a file to read) or may be new
// (a file to write).
enum class TextFileUse { Read, Write };

// Lets the user choose a text file for a path combo of a mode panel, with the
// main window's interaction flag cleared meanwhile. The combo's text is put
// at the top of its list first; the dialog opens in the folder of that text
// (the part before its last "/"). A chosen path becomes the combo's text and
// the newest entry of its list. Returns whether a file was chosen.
bool BrowseTextFile(CHistoryComboBox *combo, const QString &title, TextFileUse use);
