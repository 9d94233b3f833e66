#include "engine/RenameSettings.h"
#include "exec/Concatenation.h"
#include "exec/NumberedDirectories.h"
#include "exec/RenameExecution.h"
#include "exec/TextFill.h"
#include "model/FileEntry.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"

namespace exec {

std::string BuildConfirmationText(const CRenameSettings &settings, int rowCount)
{
    const std::string selected =
        FillText("%d個のファイルが選択されています。\n\n", {std::to_string(rowCount)});
    std::string text;
    if (settings.CreatesDirectories()) {
        text = FillText("%s　■連番ディレクトリ作成\n　　作成数：%d個",
                        {selected, std::to_string(settings.NumDirCount)});
    } else if (settings.Concatenates()) {
        text = FillText("%s　■ファイル連結\n　　既存ファイル%s",
                        {selected, settings.IsAppend ? "なら追加" : "に上書き"});
        if (settings.IsDelete)
            text += "\n　　選択ファイルを削除";
    } else if (settings.TargetsFolders()) {
        text = FillText("%s　■名前変更\n　　対象：フォルダ", {selected});
    } else {
        static const char *const kOutputNames[] = {"通常", "移動", "複写"};
        const int output = static_cast<int>(settings.FileCopyMode);
        const int mode = output >= 0 && output <= 2 ? output : 0;
        text = FillText("%s　■名前変更\n　　対象：ファイル\n　　出力先：%s", {selected, kOutputNames[mode]});
    }
    return text + "\n\n実行しますか？";
}

bool EnsureOutputDirectory(const std::string &directory, const std::string &caption, IExecutionHost &host)
{
    if (directory.empty() || platform::IsDirectory(directory))
        return true;
    const std::string question = FillText("ディレクトリ［%s］が存在しません!!\n作成しますか？",
                                          {platform::DisplayDirectory(directory)});
    if (!host.Ask(QuestionKind::CreateDirectory, caption, question))
        return false;
    if (platform::EnsureDirectory(directory) != 0) {
        host.ShowMessage(caption, "ディレクトリの作成に失敗しました!!", MessageIcon::None);
        return false;
    }
    return true;
}

CExecutionOutcome ExecuteRename(const CExecutionRequest &request, CRenameSettings &settings, CUndoList &undo,
                                IExecutionHost &host)
{
    CExecutionOutcome outcome;
    if (RefuseWithoutDestination(settings, host))
        return outcome;
    if (request.askConfirmation &&
        !host.Ask(QuestionKind::ConfirmExecution, "Kestrel（実行）",
                  BuildConfirmationText(settings, static_cast<int>(request.candidates.size()))))
        return outcome;
    outcome.confirmed = true;

    if (settings.CreatesDirectories()) {
        outcome.log.setKind(ResultKind::NumberedDirectories);
        CreateNumberedDirectories(settings, request.currentDirectory, platform::CurrentTime(), outcome.log);
        outcome.performed = true;
    } else if (settings.Concatenates()) {
        outcome.log.setKind(ResultKind::Concatenation);
        outcome.performed = true;
        const CConcatenationOutcome result =
            ConcatenateFiles(request.candidates, settings, outcome.log, host);
        outcome.clearCandidates = result.written;
        outcome.failed = !result.written || !result.failedDeletes.empty();
    } else if (settings.TargetsFolders()) {
        RenameFolders(request.candidates, settings, undo, outcome.log, host);
        outcome.performed = outcome.clearCandidates = true;
    } else {
        outcome.performed = outcome.clearCandidates =
            RenameFiles(request.candidates, settings, undo, outcome.log, host);
    }
    return outcome;
}

} // namespace exec
