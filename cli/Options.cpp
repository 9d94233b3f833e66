#include "cli/Options.h"

#include "cli/UsageError.h"
#include "platform/Translation.h"

#include <algorithm>
#include <charconv>

namespace cli {

namespace {

// Walks the arguments; "--name=value" and "--name value" give the same value.
class ArgumentReader {
public:
    explicit ArgumentReader(const std::vector<std::string> &arguments) : m_arguments(arguments) {}

    bool AtEnd() const { return m_next >= m_arguments.size(); }
    const std::string &Next() { return m_arguments[m_next++]; }

    std::string ValueOf(const std::string &option, const std::optional<std::string> &inlineValue)
    {
        if (inlineValue)
            return *inlineValue;
        if (AtEnd())
            throw UsageError(platform::Fill(platform::Tr("cli", "%1 には値が必要です"), {option}));
        return Next();
    }

private:
    const std::vector<std::string> &m_arguments;
    std::size_t m_next = 0;
};

int ParseRowIndex(const std::string &text)
{
    int value = -1;
    auto [rest, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || rest != text.data() + text.size() || value < 0)
        throw UsageError(platform::Fill(
            platform::Tr("cli", "--dummy-at には 0 以上の行番号を指定してください: 「%1」"), {text}));
    return value;
}

SortKey ParseSortKey(const std::string &text)
{
    static const std::pair<const char *, SortKey> keys[] = {
        {"name", SortKey::Name}, {"size", SortKey::Size},       {"type", SortKey::Type},
        {"time", SortKey::Time}, {"attr", SortKey::Attributes},
    };
    for (const auto &[name, key] : keys)
        if (text == name)
            return key;
    throw UsageError(platform::Fill(
        platform::Tr("cli", "--sort には name、size、type、time、attr のいずれかを指定してください: 「%1」"),
        {text}));
}

OverwritePolicy ParseOverwrite(const std::string &text)
{
    if (text == "ask")
        return OverwritePolicy::Ask;
    if (text == "never")
        return OverwritePolicy::Never;
    if (text == "all")
        return OverwritePolicy::All;
    throw UsageError(platform::Fill(
        platform::Tr("cli", "--overwrite には ask、never、all のいずれかを指定してください: 「%1」"),
        {text}));
}

SettingsSource ParseSettingsName(const std::string &text)
{
    if (text == "Rename")
        return SettingsSource::Stored;
    if (text == "Default")
        return SettingsSource::StoredDefault;
    throw UsageError(platform::Fill(
        platform::Tr("cli", "--settings には Rename か Default を指定してください: 「%1」"), {text}));
}

exec::RecoveryTarget ParseRecoverTarget(const std::string &text)
{
    if (text == "finish")
        return exec::RecoveryTarget::NewName;
    if (text == "rollback")
        return exec::RecoveryTarget::OldName;
    if (text == "discard")
        return exec::RecoveryTarget::Discard;
    throw UsageError(platform::Fill(
        platform::Tr("cli", "--recover には finish、rollback か discard を指定してください: 「%1」"),
        {text}));
}

std::uint64_t ParseRunNumber(const std::string &text)
{
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number == 0)
        throw UsageError(platform::Fill(
            platform::Tr("cli", "--undo には --history に出る実行の番号を指定してください: 「%1」"), {text}));
    return number;
}

void SetAction(Options &options, Action action, const std::string &option)
{
    if (options.action != Action::Preview && options.action != action)
        throw UsageError(platform::Fill(
            platform::Tr("cli", "%1 は --execute、--undo、--history、--recover と同時に指定できません"),
            {option}));
    options.action = action;
}

void CheckCombinations(const Options &options, bool settingsGiven, bool defaultsGiven, bool sortGiven)
{
    if (settingsGiven && defaultsGiven)
        throw UsageError(platform::Tr("cli", "--settings と --defaults は同時に指定できません"));
    bool hasPaths = !options.paths.empty() || options.pathsFrom;
    if (options.directory && hasPaths)
        throw UsageError(platform::Tr("cli", "--dir とパスは同時に指定できません"));
    if ((options.action == Action::Undo || options.action == Action::History ||
         options.action == Action::Recover) &&
        (hasPaths || options.directory))
        throw UsageError(platform::Tr("cli", "--undo、--history と --recover にはパスを指定できません"));
    if ((!options.filter.empty() || sortGiven || options.numeric || options.reverse) && !options.directory)
        throw UsageError(
            platform::Tr("cli", "--filter、--sort、--numeric、--reverse は --dir と一緒に指定してください"));
}

} // namespace

Options ParseOptions(const std::vector<std::string> &arguments)
{
    Options options;
    ArgumentReader reader(arguments);
    bool settingsGiven = false, defaultsGiven = false, sortGiven = false, optionsEnded = false;

    while (!reader.AtEnd()) {
        const std::string &argument = reader.Next();
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            options.paths.push_back(argument);
            continue;
        }
        std::string name = argument;
        std::optional<std::string> inlineValue;
        if (argument.starts_with("--")) {
            std::size_t equals = argument.find('=');
            if (equals != std::string::npos) {
                name = argument.substr(0, equals);
                inlineValue = argument.substr(equals + 1);
            }
        }
        auto noValue = [&] {
            if (inlineValue)
                throw UsageError(platform::Fill(platform::Tr("cli", "%1 は値を取りません"), {name}));
        };

        if (name == "--") {
            noValue();
            optionsEnded = true;
        } else if (name == "-h" || name == "--help") {
            noValue();
            SetAction(options, Action::Help, name);
        } else if (name == "-V" || name == "--version") {
            noValue();
            SetAction(options, Action::Version, name);
        } else if (name == "--execute") {
            noValue();
            SetAction(options, Action::Execute, name);
        } else if (name == "--undo") {
            if (inlineValue)
                options.undoRun = ParseRunNumber(*inlineValue);
            SetAction(options, Action::Undo, name);
        } else if (name == "--history") {
            noValue();
            SetAction(options, Action::History, name);
        } else if (name == "--recover") {
            options.recoverTarget = ParseRecoverTarget(inlineValue.value_or("finish"));
            SetAction(options, Action::Recover, name);
        } else if (name == "--folders") {
            noValue();
            options.folders = true;
        } else if (name == "--dir") {
            options.directories.push_back(reader.ValueOf(name, inlineValue));
            options.directory = options.directories.front();
        } else if (name == "--paths-from") {
            options.pathsFrom = reader.ValueOf(name, inlineValue);
        } else if (name == "--filter") {
            options.filter = reader.ValueOf(name, inlineValue);
        } else if (name == "--sort") {
            options.sortKey = ParseSortKey(reader.ValueOf(name, inlineValue));
            sortGiven = true;
        } else if (name == "--numeric") {
            noValue();
            options.numeric = true;
        } else if (name == "--reverse") {
            noValue();
            options.reverse = true;
        } else if (name == "--dummy-at") {
            options.dummyRows.push_back(ParseRowIndex(reader.ValueOf(name, inlineValue)));
        } else if (name == "--settings") {
            options.source = ParseSettingsName(reader.ValueOf(name, inlineValue));
            settingsGiven = true;
        } else if (name == "--defaults") {
            noValue();
            options.source = SettingsSource::BuiltIn;
            defaultsGiven = true;
        } else if (name == "--set") {
            options.assignments.push_back(SettingsAssignment::Parse(reader.ValueOf(name, inlineValue)));
        } else if (name == "--save-settings") {
            noValue();
            options.saveSettings = true;
        } else if (name == "-0" || name == "--null") {
            noValue();
            options.nullSeparated = true;
        } else if (name == "--overwrite") {
            options.overwrite = ParseOverwrite(reader.ValueOf(name, inlineValue));
        } else if (name == "--create-dirs") {
            noValue();
            options.createDirectories = true;
        } else {
            throw UsageError(platform::Fill(platform::Tr("cli", "不明なオプションです: %1"), {argument}));
        }
    }
    CheckCombinations(options, settingsGiven, defaultsGiven, sortGiven);

    std::sort(options.dummyRows.begin(), options.dummyRows.end());
    options.dummyRows.erase(std::unique(options.dummyRows.begin(), options.dummyRows.end()),
                            options.dummyRows.end());
    return options;
}

} // namespace cli
