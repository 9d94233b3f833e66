#include "exec/Run.h"

#include "engine/RenameSettings.h"
#include "exec/BatchRun.h"
#include "exec/CandidateSource.h"
#include "exec/Captions.h"
#include "exec/Concatenation.h"
#include "exec/NumberedDirectories.h"
#include "exec/PlanExecution.h"
#include "exec/RunRecorder.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

namespace exec {

namespace {

// The settings a run works with: the caller's, with relative paths read from
// the request's directory and a batch's own rules.
CRenameSettings RunSettings(const CRunRequest &request, const CRenameSettings &settings)
{
    CRenameSettings run = settings;
    run.IsInBatch = request.IsBatch() ? 1 : 0;
    run.ResolveRelativePaths(request.currentDirectory);
    return run;
}

// The checks before anything is asked: what the run needs is given, and a
// names file not read yet gives its lines. False, after a message, when the
// run cannot start.
bool CanStart(CRenameSettings &settings, IExecutionHost &host, CRunOutcome &outcome)
{
    outcome.startProblem = settings.CheckStart();
    if (outcome.startProblem != StartProblem::None) {
        host.ShowMessage(RunCaption(), settings.StartProblemMessage(outcome.startProblem),
                         MessageIcon::Exclamation);
        return false;
    }
    if (settings.TakesNamesFromFile() && settings.InputLines.empty())
        if (const int code = settings.LoadInputLines()) {
            host.ShowMessage(RunCaption(),
                             platform::Tr("exec", "名前のファイルを読めません: ") + settings.InputFile +
                                 "\n" + CRenameSettings::InputFileProblem(code),
                             MessageIcon::Exclamation);
            return false;
        }
    return true;
}

void CreateDirectories(const CRunRequest &request, const CRenameSettings &settings, CRunRecorder &recorder,
                       CRunOutcome &outcome)
{
    CDirectoryNames folders;
    const CRunPlan plan = PlanNumberedDirectories(settings, request.currentDirectory, folders);
    CreateNumberedDirectories(plan, settings, platform::CurrentTime(), outcome.log, recorder);
    outcome.performed = true;
}

void Concatenate(const CRunRequest &request, const CRenameSettings &settings, CRunRecorder &recorder,
                 IExecutionHost &host, CRunOutcome &outcome)
{
    CCandidateSource source(request, settings);
    std::vector<CFileEntry> rows;
    if (!source.TakeAll(rows, outcome.log))
        return;
    // The concatenation revises its rows at the end, so they are kept until then.
    CResultLog kept(ResultKind::Concatenation);
    CConcatenationOutcome result = ConcatenateFiles(rows, settings, kept, host);
    for (const CRenameRecord &trashed : result.trashed)
        recorder.Add(trashed);
    for (const CResultRow &row : kept.rows())
        outcome.log.AddResult(row.itemPath, row.code, row.reason);
    outcome.performed = true;
    outcome.clearCandidates = result.written;
    outcome.failed = !result.written || !result.failedDeletes.empty();
}

// A rename of files or folders, all rows in one plan.
void Rename(const CRunRequest &request, CRenameSettings &settings, CRunRecorder &recorder,
            IExecutionHost &host, CRunOutcome &outcome)
{
    CCandidateSource source(request, settings);
    CRunPlan plan = StartPlan(settings);
    if (!source.AddTo(plan, outcome.log))
        return;
    if (plan.records.empty()) {
        outcome.noCandidates = true;
        return;
    }
    outcome.performed = outcome.clearCandidates = RunRenamePlan(plan, settings, recorder, outcome.log, host);
    outcome.failed = !outcome.performed;
}

int ConfirmedRowCount(const CRunRequest &request, const CRenameSettings &settings)
{
    return settings.CreatesNumberedDirectories() ? settings.NumDirCount
                                                 : static_cast<int>(request.rows.size());
}

RunKind RunKindOf(const CRunRequest &request, const CRenameSettings &settings)
{
    if (settings.CreatesNumberedDirectories())
        return RunKind::NumberedDirectories;
    if (settings.Concatenates())
        return RunKind::Concatenation;
    if (request.IsBatch())
        return RunKind::Batch;
    return settings.TargetsFolders() ? RunKind::Folders : RunKind::Files;
}

} // namespace

ResultKind ResultKindOf(const CRenameSettings &settings)
{
    if (settings.RenamesEntries())
        return ResultKind::Rename;
    return settings.Concatenates() ? ResultKind::Concatenation : ResultKind::NumberedDirectories;
}

std::string BuildConfirmationText(const CRenameSettings &settings, int rowCount)
{
    using platform::Fill;
    using platform::Tr;
    std::string text = Tr("exec", "%n個のファイルが選択されています。", nullptr, rowCount) + "\n\n";
    if (settings.CreatesNumberedDirectories()) {
        text += Fill(Tr("exec", "　■連番ディレクトリ作成\n　　作成数：%1個"),
                     {std::to_string(settings.NumDirCount)});
    } else if (settings.Concatenates()) {
        text += settings.IsAppend ? Tr("exec", "　■ファイル連結\n　　既存ファイルなら追加")
                                  : Tr("exec", "　■ファイル連結\n　　既存ファイルに上書き");
        if (settings.IsDelete)
            text += "\n" + Tr("exec", "　　選択ファイルを削除");
    } else if (!settings.RenamesFiles()) {
        text += Tr("exec", "　■名前変更\n　　対象：フォルダ");
    } else {
        static const char *const kOutputNames[] = {platform::TrMark("exec", "通常"),
                                                   platform::TrMark("exec", "移動"),
                                                   platform::TrMark("exec", "複写")};
        const int output = static_cast<int>(settings.FileCopyMode);
        const int mode = output >= 0 && output <= 2 ? output : 0;
        text += Fill(Tr("exec", "　■名前変更\n　　対象：ファイル\n　　出力先：%1"),
                     {Tr("exec", kOutputNames[mode])});
    }
    return text + "\n\n" + Tr("exec", "実行しますか？");
}

bool EnsureOutputDirectory(const std::string &directory, const std::string &caption, IExecutionHost &host)
{
    if (directory.empty() || platform::IsDirectory(directory))
        return true;
    const std::string question =
        platform::Fill(platform::Tr("exec", "ディレクトリ［%1］が存在しません!!\n作成しますか？"),
                       {platform::DisplayDirectory(directory)});
    if (!host.Ask(QuestionKind::CreateDirectory, caption, question))
        return false;
    if (platform::EnsureDirectory(directory) != 0) {
        host.ShowMessage(caption, platform::Tr("exec", "ディレクトリの作成に失敗しました!!"),
                         MessageIcon::None);
        return false;
    }
    return true;
}

CRunOutcome Run(const CRunRequest &request, CRenameSettings &settings, CUndoList &undo, IExecutionHost &host)
{
    CRunOutcome outcome;
    CRenameSettings run = RunSettings(request, settings);
    outcome.log = CResultLog(ResultKindOf(run), request.onRow);
    if (!CanStart(run, host, outcome))
        return outcome;
    if (request.confirm && !host.Ask(QuestionKind::ConfirmExecution, RunCaption(),
                                     BuildConfirmationText(run, ConfirmedRowCount(request, run))))
        return outcome;
    outcome.confirmed = true;
    if (run.UsesOutputFolder() &&
        !EnsureOutputDirectory(platform::NormalizeDirectory(run.FileCopyDirectory), RunCaption(), host))
        return outcome;

    CRunRecorder recorder(undo, request.history, host, RunKindOf(request, run));
    if (run.CreatesNumberedDirectories())
        CreateDirectories(request, run, recorder, outcome);
    else if (run.Concatenates())
        Concatenate(request, run, recorder, host, outcome);
    else if (request.IsBatch())
        RunBatch(request, run, recorder, host, outcome);
    else
        Rename(request, run, recorder, host, outcome);
    if (!recorder.Finish())
        outcome.failed = true;
    outcome.droppedRuns = recorder.Dropped();

    settings.NumberStart = run.NumberStart;
    outcome.failed = outcome.failed || outcome.log.AnyFailed();
    return outcome;
}

} // namespace exec
