#pragma once

#include "cli/Options.h"
#include "exec/ExecutionHost.h"

#include <string>

namespace cli {

// Answers the questions of an execution from the command line's options, and
// asks on the terminal only where the options leave the choice to the user.
class CommandLineHost : public exec::IExecutionHost {
public:
    // interactive: standard input is a terminal. deleteSources: the answer to
    // deleting concatenated files when there is no terminal to ask.
    CommandLineHost(OverwritePolicy overwrite, bool createDirectories, bool interactive, bool deleteSources);

    bool Ask(exec::QuestionKind kind, const std::string &caption, const std::string &text) override;
    exec::OverwriteAnswer AskOverwrite(const std::string &targetPath) override;
    void ShowMessage(const std::string &caption, const std::string &text, exec::MessageIcon icon) override;
    void ReportProgress(int, int) override {}

private:
    OverwritePolicy m_overwrite;
    bool m_createDirectories;
    bool m_interactive;
    bool m_deleteSources;
};

// The overwrite policy in force: the one given, else ask on a terminal and
// never otherwise. Throws UsageError for ask without a terminal.
OverwritePolicy EffectiveOverwritePolicy(const Options &options, bool interactive);

} // namespace cli
