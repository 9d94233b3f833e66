#pragma once

#include <string>

namespace exec {

// The captions of the messages and questions of a run, in the interface's
// language.
std::string RunCaption();           // "Kestrel（実行）"
std::string UndoCaption();          // "アンドゥ"
std::string ConcatenationCaption(); // "ファイル連結"

} // namespace exec
