#include "cli/CommandLineHost.h"

#include "cli/UsageError.h"
#include "platform/Translation.h"

#include <iostream>
#include <string>

namespace cli {

namespace {

// Reads one answer line from the terminal; an empty line or end of input is "".
std::string ReadAnswer(const std::string &prompt)
{
    std::cerr << prompt << std::flush;
    std::string line;
    if (!std::getline(std::cin, line))
        return {};
    return line;
}

} // namespace

OverwritePolicy EffectiveOverwritePolicy(const Options &options, bool interactive)
{
    if (!options.overwrite)
        return interactive ? OverwritePolicy::Ask : OverwritePolicy::Never;
    if (*options.overwrite == OverwritePolicy::Ask && !interactive)
        throw UsageError(platform::Tr("cli", "--overwrite=ask は標準入力が端末のときだけ使えます"));
    return *options.overwrite;
}

CommandLineHost::CommandLineHost(OverwritePolicy overwrite, bool createDirectories, bool interactive,
                                 bool deleteSources)
    : m_overwrite(overwrite), m_createDirectories(createDirectories), m_interactive(interactive),
      m_deleteSources(deleteSources)
{
}

bool CommandLineHost::Ask(exec::QuestionKind kind, const std::string &, const std::string &text)
{
    switch (kind) {
    case exec::QuestionKind::CreateDirectory:
        if (!m_createDirectories)
            std::cerr << "kestrel-cli: "
                      << platform::Fill(platform::Tr("cli", "%1（--create-dirs で作成します）"),
                                        {text.substr(0, text.find('\n'))})
                      << '\n';
        return m_createDirectories;
    case exec::QuestionKind::DeleteSources:
        if (!m_interactive)
            return m_deleteSources;
        return ReadAnswer(text + " [y/N]: ").starts_with('y');
    case exec::QuestionKind::ConfirmExecution:
    case exec::QuestionKind::ConfirmUndo:
        // The command itself is the confirmation.
        return true;
    }
    return false;
}

exec::OverwriteAnswer CommandLineHost::AskOverwrite(const std::string &targetPath)
{
    switch (m_overwrite) {
    case OverwritePolicy::All:
        return exec::OverwriteAnswer::All;
    case OverwritePolicy::Never:
        return exec::OverwriteAnswer::No;
    case OverwritePolicy::Ask:
        break;
    }
    // The answers are the letters in brackets in every language.
    std::string answer = ReadAnswer(platform::Fill(
        platform::Tr("cli",
                     "‘%1 ’ は既に存在しています。上書きしますか？ [y]はい / [a]全て上書き / [N]いいえ: "),
        {targetPath}));
    if (answer.starts_with('y') || answer.starts_with('Y'))
        return exec::OverwriteAnswer::Yes;
    if (answer.starts_with('a') || answer.starts_with('A'))
        return exec::OverwriteAnswer::All;
    return exec::OverwriteAnswer::No;
}

void CommandLineHost::ShowMessage(const std::string &caption, const std::string &text, exec::MessageIcon)
{
    std::cerr << "kestrel-cli: " << caption << ": " << text << '\n';
}

} // namespace cli
