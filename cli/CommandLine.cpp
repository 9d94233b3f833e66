#include "cli/CommandLine.h"

#include "cli/CandidateRows.h"
#include "cli/CommandLineHost.h"
#include "cli/ExitCodes.h"
#include "cli/HelpText.h"
#include "cli/InputReadError.h"
#include "cli/Options.h"
#include "cli/OutputWriter.h"
#include "cli/Preview.h"
#include "cli/StoredSettings.h"
#include "cli/UsageError.h"
#include "engine/RenameSettings.h"
#include "exec/BatchRun.h"
#include "exec/DirectoryLocks.h"
#include "exec/HistoryUndo.h"
#include "exec/Journal.h"
#include "exec/Run.h"
#include "exec/RunHistory.h"
#include "exec/RunPlan.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"
#include "platform/RegistryStore.h"
#include "platform/StoreFile.h"
#include "platform/Translation.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <iostream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>

namespace cli {

namespace {

constexpr const char *kRenameKey = "Rename";
constexpr const char *kDefaultKey = "Default";

bool IsBatch(const Options &options)
{
    return options.directories.size() > 1;
}

// A names file that cannot be read would leave every name as it is without a
// word; the command line says so instead.
void LoadNamesFile(CRenameSettings &settings)
{
    if (const int code = settings.LoadInputLines())
        throw UsageError(platform::Fill(platform::Tr("cli", "名前のファイルを読めません: %1: %2"),
                                        {settings.InputFile, CRenameSettings::InputFileProblem(code)}));
}

// Which --set gives what a run cannot start without.
const char *StartHint(StartProblem problem)
{
    switch (problem) {
    case StartProblem::NoDestination:
        return "--set FileCopyDirectory=…";
    case StartProblem::NoFormat:
        return "--set FormatStr=…";
    case StartProblem::NoNamesFile:
        return "--set InputFile=…";
    case StartProblem::NoOutputFile:
        return "--set OutputFile=…";
    case StartProblem::InvalidPattern:
        return "--set ReplaceStr1=…";
    case StartProblem::None:
        break;
    }
    return "";
}

CRenameSettings BuildSettings(const Options &options, const std::string &workingDirectory)
{
    CRenameSettings settings;
    if (options.source != SettingsSource::BuiltIn)
        LoadStoredSettings(settings,
                           options.source == SettingsSource::StoredDefault ? kDefaultKey : kRenameKey);
    for (const SettingsAssignment &assignment : options.assignments)
        assignment.ApplyTo(settings);
    if (options.folders)
        settings.ObjMode = ObjectKind::Folders;
    // A batch renames in place and starts every directory at the same number.
    settings.IsInBatch = IsBatch(options) ? 1 : 0;
    // Paths are used from this working directory; stored as given they would
    // mean something else to the next run.
    settings.ResolveRelativePaths(workingDirectory);
    if (const StartProblem problem = settings.CheckStart(); problem != StartProblem::None)
        throw UsageError(platform::Fill(platform::Tr("cli", "%1（%2）"),
                                        {settings.StartProblemMessage(problem), StartHint(problem)}));
    if (settings.TakesNamesFromFile())
        LoadNamesFile(settings);
    return settings;
}

// Concatenated files are deleted without a terminal only when this command
// line itself asks for it, not because a stored setting says so.
bool AssignedOnCommandLine(const Options &options, std::string_view field)
{
    return std::any_of(options.assignments.begin(), options.assignments.end(),
                       [&](const SettingsAssignment &assignment) { return assignment.FieldName() == field; });
}

// Says so on standard error when the store file cannot be written.
bool SaveSettings(const CRenameSettings &settings)
{
    CRegistryStore store;
    settings.SaveSettings(store, kRenameKey);
    if (store.WriteError() == 0)
        return true;
    std::cerr << "kestrel-cli: "
              << platform::Fill(platform::Tr("cli", "設定を保存できません: %1: %2"),
                                {CRegistryStore::FilePath(), platform::StoreErrorMessage(store.WriteError())})
              << '\n';
    return false;
}

bool IsDirectory(const std::string &path)
{
    struct stat status {};
    return ::stat(platform::DisplayDirectory(path).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// The directory new numbered directories go into: --dir, else the working directory.
std::string NumberedDirectoryParent(const Options &options, const std::string &workingDirectory)
{
    std::string parent =
        options.directory ? AbsolutePath(*options.directory, workingDirectory) : workingDirectory;
    if (!IsDirectory(parent))
        throw UsageError(platform::Fill(platform::Tr("cli", "ディレクトリが存在しません: %1"),
                                        {platform::DisplayDirectory(parent)}));
    return parent;
}

// The options of one directory of a batch: everything but the other directories.
Options OneDirectory(const Options &options, const std::string &directory)
{
    Options one = options;
    one.directory = directory;
    one.directories = {directory};
    return one;
}

void CheckCandidatesFitMode(const Options &options, const CRenameSettings &settings)
{
    bool hasPaths = !options.paths.empty() || options.pathsFrom;
    if (settings.CreatesNumberedDirectories() && hasPaths)
        throw UsageError(
            platform::Tr("cli", "連番Dir作成にはパスを指定できません（作成先は --dir で指定します）"));
    if (!settings.CreatesNumberedDirectories() && !hasPaths && !options.directory)
        throw UsageError(platform::Tr("cli", "対象を指定してください（パス、--dir または --paths-from）"));
    if (IsBatch(options) && !settings.RenamesFiles())
        throw UsageError(platform::Tr("cli", "--dir を複数指定できるのはファイルの変名だけです"));
    // A batch goes on past a directory it cannot read; a single one is the whole command.
    if (options.directory && !IsBatch(options) &&
        !IsDirectory(AbsolutePath(*options.directory, WorkingDirectory())))
        throw UsageError(
            platform::Fill(platform::Tr("cli", "ディレクトリを読めません: %1"), {*options.directory}));
}

int Preview(const Options &options, const CRenameSettings &settings, const std::string &workingDirectory)
{
    OutputWriter out(STDOUT_FILENO, options.nullSeparated);
    int problems = 0;
    if (settings.CreatesNumberedDirectories()) {
        problems =
            WriteNumberedDirectoryPreview(settings, NumberedDirectoryParent(options, workingDirectory), out);
    } else if (IsBatch(options)) {
        for (const exec::CBatchDirectory &directory :
             exec::BatchDirectories(options.directories, workingDirectory)) {
            if (directory.repeated) {
                std::cerr << "kestrel-cli: " << directory.path << ": "
                          << platform::Tr("exec", exec::kRepeatedDirectoryReason) << '\n';
                ++problems;
                continue;
            }
            try {
                const Options one = OneDirectory(options, directory.path); // the rows keep a reference
                CandidateRows rows(one, settings);
                problems += WritePreview(rows, settings, options.createDirectories, out);
            } catch (const UsageError &error) {
                std::cerr << "kestrel-cli: " << error.what() << '\n';
                ++problems;
            }
        }
    } else {
        CandidateRows rows(options, settings);
        problems = WritePreview(rows, settings, options.createDirectories, out);
    }
    out.Flush();
    return problems == 0 ? kExitDone : kExitIncomplete;
}

// How --dir is listed: --filter, --sort, --numeric, --reverse.
CandidateListing ListingOf(const Options &options)
{
    CandidateListing listing;
    listing.filter.patterns = options.filter;
    listing.sort.key = options.sortKey;
    listing.sort.numeric = options.numeric;
    listing.sort.descending = options.reverse;
    return listing;
}

// The history of runs, with the record of the last run that an earlier
// kestrel-cli kept taken in.
exec::CRunHistory OpenHistory()
{
    exec::CRunHistory history;
    const std::string earlier = exec::EarlierUndoFile();
    if (const int code = history.TakeInEarlierRecord(earlier))
        std::cerr << "kestrel-cli: "
                  << platform::Fill(platform::Tr("cli", "前回の変名の記録を履歴に移せません: %1: %2"),
                                    {earlier, code == EINVAL ? platform::Tr("cli", "記録が壊れています")
                                                             : platform::ErrorMessage(code)})
                  << '\n';
    return history;
}

int Execute(const Options &options, CRenameSettings &settings, const std::string &workingDirectory)
{
    bool interactive = ::isatty(STDIN_FILENO);
    CommandLineHost host(EffectiveOverwritePolicy(options, interactive), options.createDirectories,
                         interactive, AssignedOnCommandLine(options, "IsDelete"));
    OutputWriter out(STDOUT_FILENO, options.nullSeparated);

    exec::CRunRequest request;
    request.confirm = false;
    request.currentDirectory = workingDirectory;
    request.listing = ListingOf(options);
    request.placeholderRows = options.dummyRows;
    std::optional<CandidateRows> rows;
    if (settings.CreatesNumberedDirectories()) {
        request.currentDirectory = NumberedDirectoryParent(options, workingDirectory);
    } else if (options.directory) {
        request.directories = options.directories;
    } else {
        // Given paths stream into the run, so no list of them is kept beside it.
        rows.emplace(options, settings);
        request.nextRow = [&rows](CFileEntry &row) { return rows->Next(row); };
        request.mostRows = rows->MostRows();
    }
    // The rows are written as the run reports them: a rename's old path, new
    // path and status; the item and status of the other kinds.
    const exec::CResultLog texts(exec::ResultKindOf(settings));
    request.onRow = [&](const exec::CResultRow &row) {
        if (texts.kind() == exec::ResultKind::Rename)
            out.Row({row.itemPath, row.resultPath, texts.StatusText(row)});
        else
            out.Row({row.itemPath, texts.StatusText(row)});
    };

    const exec::CRunHistory history = OpenHistory();
    request.history = &history;
    exec::CUndoList undo;
    const exec::CRunOutcome outcome = exec::Run(request, settings, undo, host);
    out.Flush();
    for (const exec::CRunSummary &dropped : outcome.droppedRuns)
        std::cerr << "kestrel-cli: "
                  << platform::Fill(platform::Tr("cli", "古い実行を履歴から外しました: %1"),
                                    {exec::DescribeRun(dropped)})
                  << '\n';
    if (outcome.noCandidates) {
        std::cerr << "kestrel-cli: " << platform::Tr("cli", "対象がありません") << '\n';
        return kExitDone;
    }
    return outcome.performed && !outcome.failed ? kExitDone : kExitIncomplete;
}

// A run that was killed is finished or taken back first: its journal knows
// where its files are, the undo record does not.
bool RefuseWhileJournalPending()
{
    if (exec::FindLeftoverJournals().empty())
        return false;
    std::cerr << "kestrel-cli: "
              << platform::Tr("cli", "中断された実行の記録が残っています。先に kestrel-cli --recover（または "
                                     "--recover=rollback）で片付けてください")
              << '\n';
    return true;
}

int Undo(const Options &options)
{
    if (RefuseWhileJournalPending())
        return kExitIncomplete;
    const exec::CRunHistory history = OpenHistory();
    std::uint64_t number = options.undoRun.value_or(0);
    if (!options.undoRun) {
        const std::vector<exec::CRunSummary> runs = history.List();
        if (runs.empty()) {
            std::cerr << "kestrel-cli: " << platform::Tr("cli", "元に戻せる変名がありません") << '\n';
            return kExitIncomplete;
        }
        number = runs.front().number;
    }
    bool interactive = ::isatty(STDIN_FILENO);
    CommandLineHost host(OverwritePolicy::Never, false, interactive, false);
    OutputWriter out(STDOUT_FILENO, options.nullSeparated);
    const std::string undone = platform::Tr("cli", "元に戻しました。");
    const std::string notUndone = platform::Tr("cli", "元に戻せませんでした。");
    const exec::CUndoReport report = exec::UndoFromHistory(
        history, number, host, [&](std::string_view from, std::string_view to, bool back) {
            out.Row({from, to, back ? undone : notUndone});
        });
    out.Flush();
    for (const exec::CUndoFailure &failure : report.failures)
        std::cerr << "kestrel-cli: " << failure.path << ": " << failure.ReasonText() << '\n';
    return report.performed && report.failures.empty() ? kExitDone : kExitIncomplete;
}

// One row per run of the history, newest first.
int History(const Options &options)
{
    const exec::CRunHistory history = OpenHistory();
    const std::vector<exec::CRunSummary> runs = history.List();
    OutputWriter out(STDOUT_FILENO, options.nullSeparated);
    const std::vector<std::vector<std::uint64_t>> inTheWay = exec::RunsInTheWay(history, runs);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const exec::CRunSummary &run = runs[i];
        const exec::CRunRow row = exec::DescribeRunRow(run, inTheWay[i]);
        out.Row({row.number, row.time, row.folder, row.count, row.kind, row.undoable});
    }
    return out.Flush() ? kExitDone : kExitIncomplete;
}

int Recover(const Options &options)
{
    std::vector<std::string> journals = exec::FindLeftoverJournals();
    if (journals.empty()) {
        std::cerr << "kestrel-cli: " << platform::Tr("cli", "中断された実行の記録はありません") << '\n';
        return kExitDone;
    }
    OutputWriter out(STDOUT_FILENO, options.nullSeparated);
    bool allPlaced = true;
    const std::string discardHint =
        platform::Tr("cli", "（ファイルをそのままにして記録を破棄するには kestrel-cli --recover=discard）");
    // Each step is printed as it is made: a long run's steps are not held.
    const auto printStep = [&](const exec::CRecoveryStep &step) {
        const std::string status = step.code != 0    ? platform::ErrorMessage(step.code)
                                   : step.to.empty() ? platform::Tr("cli", "削除しました。")
                                                     : platform::Tr("cli", "移動しました。");
        out.Row({step.from, step.to, status});
        allPlaced = allPlaced && step.code == 0;
    };
    for (const std::string &journal : journals) {
        const exec::CRecoveryReport report = exec::RecoverJournal(journal, options.recoverTarget, printStep);
        allPlaced = allPlaced && report.journalRemoved;
        if (!report.busyFolder.empty()) {
            std::cerr << "kestrel-cli: " << exec::BusyFolderMessage(report.busyFolder) << '\n';
            continue;
        }
        if (!report.missingFolder.empty()) {
            std::cerr << "kestrel-cli: "
                      << platform::Fill(platform::Tr("cli", "%1: ディレクトリを開けません: %2: %3"),
                                        {journal, platform::DisplayDirectory(report.missingFolder),
                                         platform::ErrorMessage(report.folderError)})
                      << discardHint << '\n';
            continue;
        }
        if (!report.readable) {
            std::cerr << "kestrel-cli: "
                      << platform::Fill(platform::Tr("cli", "記録を読めません: %1: %2"),
                                        {journal, report.readError
                                                      ? platform::ErrorMessage(report.readError)
                                                      : platform::Tr("cli", "実行の記録ではありません")})
                      << discardHint << '\n';
            continue;
        }
        if (options.recoverTarget == exec::RecoveryTarget::Discard && report.journalRemoved)
            out.Row({journal, "", platform::Tr("cli", "破棄しました。")});
        if (report.removeError)
            std::cerr << "kestrel-cli: "
                      << platform::Fill(platform::Tr("cli", "記録を削除できません: %1: %2"),
                                        {journal, platform::ErrorMessage(report.removeError)})
                      << '\n';
    }
    out.Flush();
    return allPlaced ? kExitDone : kExitIncomplete;
}

int Run(const Options &options)
{
    switch (options.action) {
    case Action::Help:
        std::cout << HelpText();
        return kExitDone;
    case Action::Version:
        std::cout << VersionText();
        return kExitDone;
    case Action::Undo:
        return Undo(options);
    case Action::History:
        return History(options);
    case Action::Recover:
        return Recover(options);
    case Action::Preview:
    case Action::Execute:
        break;
    }
    std::string workingDirectory = WorkingDirectory();
    CRenameSettings settings = BuildSettings(options, workingDirectory);
    CheckCandidatesFitMode(options, settings);
    int result = options.action == Action::Execute ? Execute(options, settings, workingDirectory)
                                                   : Preview(options, settings, workingDirectory);
    // The run itself stands; only the exit code tells that the settings are lost.
    if (options.saveSettings && !SaveSettings(settings) && result == kExitDone)
        result = kExitIncomplete;
    return result;
}

} // namespace

int RunCommandLine(const std::vector<std::string> &arguments)
{
    try {
        return Run(ParseOptions(arguments));
    } catch (const UsageError &error) {
        std::cout.flush();
        std::cerr << "kestrel-cli: " << error.what() << '\n'
                  << "kestrel-cli: " << platform::Tr("cli", "使い方は kestrel-cli --help で表示します")
                  << '\n';
        return kExitUsage;
    } catch (const InputReadError &error) {
        std::cout.flush();
        std::cerr << "kestrel-cli: " << error.what() << '\n';
        return kExitIncomplete;
    }
}

} // namespace cli
