#pragma once

#include <string>

// The questions an execution asks and the progress it reports. The main window
// and the command line implement this; execution itself never shows anything.
namespace exec {

// What a yes/no or OK/Cancel question is about, so a host can answer each kind
// differently (the command line answers them from its options).
enum class QuestionKind {
    ConfirmExecution, // OK/Cancel, question icon: the confirmation before a run
    CreateDirectory,  // OK/Cancel: a missing output directory
    DeleteSources,    // Yes/No: delete the concatenated files afterwards
    ConfirmUndo,      // OK/Cancel: revert the last rename
};

// The buttons of the overwrite question "ファイルの上書き確認".
enum class OverwriteAnswer {
    Yes = 1, // はい（&Y）
    No = 2,  // いいえ（&N）, also Escape and closing
    All = 3, // 全て上書き（&A）: yes for the rest of this run
};

enum class MessageIcon {
    None,        // a plain box
    Exclamation, // errors
    Stop,        // a file in use
    Information, // completion notices
};

class IExecutionHost {
public:
    virtual ~IExecutionHost() = default;

    // True for OK (or Yes).
    virtual bool Ask(QuestionKind kind, const std::string &caption, const std::string &text) = 0;

    // targetPath exists already; shown as "‘%s ’ は既に存在しています。\n\n上書きしますか？".
    virtual OverwriteAnswer AskOverwrite(const std::string &targetPath) = 0;

    virtual void ShowMessage(const std::string &caption, const std::string &text, MessageIcon icon) = 0;

    // Called before each step of a long run with position in 0..maximum. A window
    // repaints here (at most every few milliseconds) without taking input.
    virtual void ReportProgress(int position, int maximum) = 0;

    // Looked at between the directories of a batch: true stops it there.
    virtual bool StopRequested() { return false; }
};

} // namespace exec
