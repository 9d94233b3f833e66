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
#include "cli/UndoFile.h"
#include "cli/UsageError.h"
#include "engine/RenameSettings.h"
#include "exec/DirectoryLocks.h"
#include "exec/Journal.h"
#include "exec/RenameExecution.h"
#include "exec/RunPlan.h"
#include "exec/Undo.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"
#include "platform/RegistryStore.h"
#include "platform/StoreFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>

namespace cli {

namespace {

constexpr const char *kRenameKey = "Rename";
constexpr const char *kDefaultKey = "Default";

// Paths in the settings are used from this working directory; stored as given
// they would mean something else to the next run.
void MakePathsAbsolute(CRenameSettings &settings, const std::string &workingDirectory)
{
    for (std::string *path : {&settings.FileCopyDirectory, &settings.OutputFile, &settings.InputFile})
        if (!path->empty() && !path->starts_with('/'))
            *path = AbsolutePath(*path, workingDirectory);
}

// A names file that cannot be read would leave every name as it is without a
// word; the command line says so instead.
void LoadNamesFile(CRenameSettings &settings)
{
    if (settings.InputFile.empty())
        throw UsageError("名前のファイルが指定されていません（--set InputFile=…）");
    if (const int code = settings.LoadInputLines())
        throw UsageError("名前のファイルを読めません: " + settings.InputFile + ": " +
                         CRenameSettings::InputFileProblem(code));
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
    MakePathsAbsolute(settings, workingDirectory);
    if (settings.ReadsNamesFile())
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
    std::cerr << "kestrel-cli: 設定を保存できません: " << CRegistryStore::FilePath() << ": "
              << platform::StoreErrorMessage(store.WriteError()) << '\n';
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
        throw UsageError("ディレクトリが存在しません: " + platform::DisplayDirectory(parent));
    return parent;
}

bool IsBatch(const Options &options)
{
    return options.directories.size() > 1;
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
    if (settings.CreatesDirectories() && hasPaths)
        throw UsageError("連番Dir作成にはパスを指定できません（作成先は --dir で指定します）");
    if (!settings.CreatesDirectories() && !hasPaths && !options.directory)
        throw UsageError("対象を指定してください（パス、--dir または --paths-from）");
    if (IsBatch(options) && !settings.RenamesFiles())
        throw UsageError("--dir を複数指定できるのはファイルの変名だけです");
}

int Preview(const Options &options, const CRenameSettings &settings, const std::string &workingDirectory)
{
    OutputWriter out(STDOUT_FILENO, options.nullSeparated);
    int problems = 0;
    if (settings.CreatesDirectories()) {
        problems =
            WriteNumberedDirectoryPreview(settings, NumberedDirectoryParent(options, workingDirectory), out);
    } else if (IsBatch(options)) {
        for (const std::string &directory : options.directories) {
            try {
                const Options one = OneDirectory(options, directory); // the rows keep a reference
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

// A move or copy into a folder that is not there is refused before anything
// changes, unless --create-dirs allows making it.
void CheckOutputDirectory(const Options &options, const CRenameSettings &settings)
{
    if (!settings.UsesOutputFolder())
        return;
    if (exec::MissingDestinationMessage(settings))
        throw UsageError("移動・複写先のディレクトリが指定されていません（--set FileCopyDirectory=…）");
    if (!options.createDirectories && !IsDirectory(settings.FileCopyDirectory))
        throw UsageError("移動・複写先のディレクトリが存在しません: " + settings.FileCopyDirectory +
                         "（--create-dirs で作成します）");
}

// A rename streams the candidate rows into the run plan, so no list of the
// entries is kept beside it. False when nothing was run: no candidates
// (empty set, an empty run would still replace the undo of the last one) or
// a refusal before the run.
bool RunRename(const Options &options, CRenameSettings &settings, exec::IExecutionHost &host,
               exec::CUndoList &undo, exec::CResultLog &log, int &exitCode)
{
    exec::CRunPlan plan = exec::StartPlan(settings);
    // A listed folder is locked before it is read, so the listing cannot go
    // stale before the run: its files need no check of their identity.
    exec::CDirectoryLocks listing;
    if (options.directory) {
        std::string busy;
        const int error = listing.Take({AbsolutePath(*options.directory, WorkingDirectory())},
                                       std::chrono::seconds(3), busy);
        if (error == EWOULDBLOCK) {
            std::cerr << "kestrel-cli: " << exec::BusyFolderMessage(busy) << '\n';
            exitCode = kExitIncomplete;
            return false;
        }
        plan.listedUnderLock = error == 0;
    }
    {
        CandidateRows rows(options, settings);
        plan.records.reserve(rows.ListedCount());
        plan.nameStart.reserve(rows.ListedCount());
        CFileEntry entry;
        for (int row = 0; rows.Next(entry); ++row)
            exec::AddPlanRow(plan, settings, std::move(entry), row);
    }
    if (plan.records.empty()) {
        std::cerr << "kestrel-cli: 対象がありません\n";
        exitCode = kExitDone;
        return false;
    }
    exitCode = kExitIncomplete;
    return exec::PrepareRename(settings, host) && exec::RunRename(plan, settings, undo, log, host);
}

// Every --dir renamed in turn into one result. A directory that cannot be
// read gets a failed row and the others still run. The undo of the last run
// is withdrawn before the first one, since the renames of several
// directories cannot be undone.
int RunBatch(const Options &options, CRenameSettings &settings, exec::IExecutionHost &host,
             exec::CResultLog &log)
{
    UndoFile undoFile;
    if (const int code = undoFile.Remove()) {
        std::cerr << "kestrel-cli: 前回の変名の記録を取り下げられないため、何も変更しません: "
                  << undoFile.path() << ": " << platform::ErrorMessage(code) << '\n';
        return kExitIncomplete;
    }
    int exitCode = kExitDone;
    exec::CUndoList undo;
    for (const std::string &directory : options.directories) {
        int directoryCode = kExitDone;
        try {
            RunRename(OneDirectory(options, directory), settings, host, undo, log, directoryCode);
        } catch (const UsageError &error) {
            log.AddResult(AbsolutePath(directory, WorkingDirectory()), exec::kResultFailed, error.what());
        }
        exitCode = std::max(exitCode, directoryCode);
    }
    return exitCode;
}

int Execute(const Options &options, CRenameSettings &settings, const std::string &workingDirectory)
{
    bool interactive = ::isatty(STDIN_FILENO);
    CommandLineHost host(EffectiveOverwritePolicy(options, interactive), options.createDirectories,
                         interactive, AssignedOnCommandLine(options, "IsDelete"));
    CheckOutputDirectory(options, settings);

    OutputWriter out(STDOUT_FILENO, options.nullSeparated);
    bool allDone = true;
    const auto writeRow = [&](const exec::CResultLog &log, const exec::CResultRow &row) {
        const std::string status = log.StatusText(row);
        if (log.kind() == exec::ResultKind::Rename)
            out.Row({row.itemPath, row.resultPath, status});
        else
            out.Row({row.itemPath, status});
        allDone = allDone && row.code != exec::kResultFailed;
    };

    if (settings.RenamesEntries()) {
        // The rows of a rename are written as the run reports them.
        exec::CResultLog log(exec::ResultKind::Rename,
                             [&](const exec::CResultRow &row) { writeRow(log, row); });
        if (IsBatch(options)) {
            const int exitCode = RunBatch(options, settings, host, log);
            out.Flush();
            return allDone ? exitCode : kExitIncomplete;
        }
        exec::CUndoList undo;
        int exitCode = kExitDone;
        const UndoFile undoFile;
        host.KeepUndoIn(&undoFile);
        if (!RunRename(options, settings, host, undo, log, exitCode))
            return exitCode;
        allDone = allDone && !host.UndoRecordFailed();
    } else {
        exec::CExecutionRequest request;
        request.askConfirmation = false;
        if (settings.CreatesDirectories()) {
            request.currentDirectory = NumberedDirectoryParent(options, workingDirectory);
        } else {
            request.candidates = CandidateRows(options, settings).TakeAll();
            if (std::all_of(request.candidates.begin(), request.candidates.end(),
                            [](const CFileEntry &row) { return row.isDummy; })) {
                std::cerr << "kestrel-cli: 対象がありません\n";
                return kExitDone;
            }
        }
        exec::CUndoList undo;
        const exec::CExecutionOutcome outcome = exec::ExecuteRename(request, settings, undo, host);
        if (!outcome.performed)
            return kExitIncomplete;
        allDone = !outcome.failed;
        for (const exec::CResultRow &row : outcome.log.rows())
            writeRow(outcome.log, row);
    }
    out.Flush();
    return allDone ? kExitDone : kExitIncomplete;
}

// A run that was killed is finished or taken back first: its journal knows
// where its files are, the undo record does not.
bool RefuseWhileJournalPending()
{
    if (exec::FindLeftoverJournals().empty())
        return false;
    std::cerr << "kestrel-cli: 中断された実行の記録が残っています。先に kestrel-cli --recover（または "
                 "--recover=rollback）で片付けてください\n";
    return true;
}

int Undo(const Options &options)
{
    if (RefuseWhileJournalPending())
        return kExitIncomplete;
    UndoFile undoFile;
    exec::CUndoList undo;
    switch (undoFile.Load(undo)) {
    case UndoFile::LoadResult::Loaded:
        break;
    case UndoFile::LoadResult::Missing:
        std::cerr << "kestrel-cli: 元に戻せる変名がありません\n";
        return kExitIncomplete;
    case UndoFile::LoadResult::Damaged:
        std::cerr << "kestrel-cli: 元に戻すための記録が壊れているか読めません: " << undoFile.path() << '\n';
        return kExitIncomplete;
    }
    std::vector<exec::CUndoFailure> unverified;
    if (undo.pending)
        unverified = exec::SettlePendingUndo(undo);
    const std::vector<exec::CRenameRecord> records = undo.records;
    bool interactive = ::isatty(STDIN_FILENO);
    CommandLineHost host(OverwritePolicy::Never, false, interactive, false);
    exec::CUndoReport report = exec::UndoRename(undo, host);
    report.failures.insert(report.failures.begin(), unverified.begin(), unverified.end());
    // What could not be taken back stays recorded, so that it can be tried again.
    if (undo.records.empty()) {
        undoFile.Remove();
    } else if (int code = undoFile.Save(undo)) {
        std::cerr << "kestrel-cli: 元に戻すための記録を保存できません: " << undoFile.path() << ": "
                  << platform::ErrorMessage(code) << '\n';
    }

    std::unordered_set<std::string> failed;
    for (const exec::CRenameRecord &record : undo.records)
        failed.insert(record.oldPath);
    OutputWriter out(STDOUT_FILENO, options.nullSeparated);
    for (const exec::CRenameRecord &record : records) {
        if (!record.Done())
            continue;
        const bool back = failed.count(record.oldPath) == 0;
        out.Row({record.newPath, record.oldPath, back ? "元に戻しました。" : "元に戻せませんでした。"});
    }
    out.Flush();
    for (const exec::CUndoFailure &failure : report.failures)
        std::cerr << "kestrel-cli: " << failure.path << ": " << failure.ReasonText() << '\n';
    return report.failures.empty() ? kExitDone : kExitIncomplete;
}

int Recover(const Options &options)
{
    std::vector<std::string> journals = exec::FindLeftoverJournals();
    if (journals.empty()) {
        std::cerr << "kestrel-cli: 中断された実行の記録はありません\n";
        return kExitDone;
    }
    OutputWriter out(STDOUT_FILENO, options.nullSeparated);
    bool allPlaced = true;
    const std::string discardHint =
        "（ファイルをそのままにして記録を破棄するには kestrel-cli --recover=discard）";
    for (const std::string &journal : journals) {
        exec::CRecoveryReport report = exec::RecoverJournal(journal, options.recoverTarget);
        allPlaced = allPlaced && report.journalRemoved;
        if (!report.busyFolder.empty()) {
            std::cerr << "kestrel-cli: " << exec::BusyFolderMessage(report.busyFolder) << '\n';
            continue;
        }
        if (!report.missingFolder.empty()) {
            std::cerr << "kestrel-cli: " << journal
                      << ": ディレクトリを開けません: " << platform::DisplayDirectory(report.missingFolder)
                      << ": " << platform::ErrorMessage(report.folderError) << discardHint << '\n';
            continue;
        }
        if (!report.readable) {
            std::cerr << "kestrel-cli: 記録を読めません: " << journal << ": "
                      << (report.readError ? platform::ErrorMessage(report.readError)
                                           : "実行の記録ではありません")
                      << discardHint << '\n';
            continue;
        }
        for (const exec::CRecoveryStep &step : report.steps) {
            const char *done = step.to.empty() ? "削除しました。" : "移動しました。";
            std::string status = step.code == 0 ? done : platform::ErrorMessage(step.code);
            out.Row({step.from, step.to, status});
            allPlaced = allPlaced && step.code == 0;
        }
        if (options.recoverTarget == exec::RecoveryTarget::Discard && report.journalRemoved)
            out.Row({journal, "", "破棄しました。"});
        if (report.removeError)
            std::cerr << "kestrel-cli: 記録を削除できません: " << journal << ": "
                      << platform::ErrorMessage(report.removeError) << '\n';
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
    case Action::Recover:
        return Recover(options);
    case Action::Preview:
    case Action::Execute:
        break;
    }
    std::string workingDirectory = WorkingDirectory();
    CRenameSettings settings = BuildSettings(options, workingDirectory);
    CheckCandidatesFitMode(options, settings);
    // A batch renames in place and starts every directory at the same number.
    settings.IsInBatch = IsBatch(options);
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
                  << "kestrel-cli: 使い方は kestrel-cli --help で表示します\n";
        return kExitUsage;
    } catch (const InputReadError &error) {
        std::cout.flush();
        std::cerr << "kestrel-cli: " << error.what() << '\n';
        return kExitIncomplete;
    }
}

} // namespace cli
