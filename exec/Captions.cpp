#include "exec/Captions.h"

#include "platform/Translation.h"

namespace exec {

std::string RunCaption()
{
    return platform::Tr("exec", "Kestrel（実行）");
}

std::string UndoCaption()
{
    return platform::Tr("exec", "アンドゥ");
}

std::string ConcatenationCaption()
{
    return platform::Tr("exec", "ファイル連結");
}

} // namespace exec
