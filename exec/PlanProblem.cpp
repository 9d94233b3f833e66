#include "exec/PlanProblem.h"

#include "platform/FileOps.h"
#include "platform/Translation.h"

namespace exec {

std::string ProblemText(PlanProblem problem, int error)
{
    switch (problem) {
    case PlanProblem::None:
        return {};
    case PlanProblem::InvalidPattern:
        return platform::Tr("exec", "正規表現が正しくありません");
    case PlanProblem::NoDestination:
        return platform::Tr("exec", "移動先・複写先のディレクトリが指定されていません");
    case PlanProblem::EmptyName:
        return platform::Tr("exec", "新しい名前が空です");
    case PlanProblem::InvalidName:
        return platform::Tr("exec", "この名前は使えません");
    case PlanProblem::NameTooLong:
        return platform::Tr("exec", "新しい名前が長すぎます");
    case PlanProblem::TargetFolderMissing:
        return platform::Tr("exec", "変名先のディレクトリがありません");
    case PlanProblem::TargetFolderUnusable:
        return platform::Tr("exec", "変名先のディレクトリに書き込めません");
    case PlanProblem::DuplicateName:
        return platform::Tr("exec", "他の行と同じ名前になります");
    case PlanProblem::SameFileTwice:
        return platform::Tr("exec", "同じファイルが別の行にもあります");
    case PlanProblem::TargetIsSameFile:
        return platform::Tr("exec", "変更後の名前は同じファイルの別の名前（ハードリンク）です");
    case PlanProblem::ExistingTarget:
        return platform::Tr("exec", "同じ名前のファイルが既にあります");
    case PlanProblem::NameExists:
        return platform::Tr("exec", "同じ名前のファイルかフォルダが既にあります");
    case PlanProblem::OverwriteDeclined:
        return platform::Tr("exec", "上書きしませんでした");
    case PlanProblem::Blocked:
        return platform::Tr("exec", "新しい名前のファイルが元の名前のまま残ります");
    case PlanProblem::NameTakenSincePlanning:
        return platform::Tr("exec", "同じ名前のファイルが実行中に作られました");
    case PlanProblem::FileReplaced:
        return platform::Tr("exec", "ファイルが別のファイルに置き換えられています");
    case PlanProblem::SourceChanged:
        return platform::Tr("exec", "複写元のファイルが変わっています");
    case PlanProblem::CopyUnverified:
        return platform::Tr("exec", "実行の記録が残る前に終わったため、複写したファイルか確かめられません");
    case PlanProblem::StepFailed:
        return platform::ErrorMessage(error);
    }
    return {};
}

} // namespace exec
