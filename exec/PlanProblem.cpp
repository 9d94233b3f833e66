#include "exec/PlanProblem.h"

#include "platform/FileOps.h"

namespace exec {

std::string ProblemText(PlanProblem problem, int error)
{
    switch (problem) {
    case PlanProblem::None:
        return {};
    case PlanProblem::InvalidPattern:
        return "正規表現が正しくありません";
    case PlanProblem::NoDestination:
        return "移動先・複写先のディレクトリが指定されていません";
    case PlanProblem::EmptyName:
        return "新しい名前が空です";
    case PlanProblem::InvalidName:
        return "この名前は使えません";
    case PlanProblem::NameTooLong:
        return "新しい名前が長すぎます";
    case PlanProblem::TargetFolderMissing:
        return "変名先のディレクトリがありません";
    case PlanProblem::TargetFolderUnusable:
        return "変名先のディレクトリに書き込めません";
    case PlanProblem::DuplicateName:
        return "他の行と同じ名前になります";
    case PlanProblem::SameFileTwice:
        return "同じファイルが別の行にもあります";
    case PlanProblem::TargetIsSameFile:
        return "変更後の名前は同じファイルの別の名前（ハードリンク）です";
    case PlanProblem::ExistingTarget:
        return "同じ名前のファイルが既にあります";
    case PlanProblem::NameExists:
        return "同じ名前のファイルかフォルダが既にあります";
    case PlanProblem::OverwriteDeclined:
        return "上書きしませんでした";
    case PlanProblem::Blocked:
        return "新しい名前のファイルが元の名前のまま残ります";
    case PlanProblem::NameTakenSincePlanning:
        return "同じ名前のファイルが実行中に作られました";
    case PlanProblem::FileReplaced:
        return "ファイルが別のファイルに置き換えられています";
    case PlanProblem::SourceChanged:
        return "複写元のファイルが変わっています";
    case PlanProblem::CopyUnverified:
        return "実行の記録が残る前に終わったため、複写したファイルか確かめられません";
    case PlanProblem::StepFailed:
        return platform::ErrorMessage(error);
    }
    return {};
}

} // namespace exec
