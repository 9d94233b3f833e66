#include "platform/ErrorReason.h"

#include "platform/Translation.h"

#include <cerrno>
#include <clocale>
#include <cstring>
#include <locale.h>

namespace platform {

namespace {

// A locale for messages, made once and kept for the life of the program;
// nullptr when it is not installed.
locale_t MessagesLocale(const char *name)
{
    return newlocale(LC_ALL_MASK, name, nullptr);
}

const char *OwnJapaneseReason(int code)
{
    switch (code) {
    case EPERM:
        return "操作は許可されていません";
    case ENOENT:
        return "そのようなファイルやディレクトリはありません";
    case EIO:
        return "入力/出力エラーです";
    case ENOMEM:
        return "メモリを確保できません";
    case EACCES:
        return "許可がありません";
    case EBUSY:
        return "デバイスもしくはリソースが使用中です";
    case EEXIST:
        return "ファイルが存在します";
    case EXDEV:
        return "無効なクロスデバイスリンクです";
    case ENOTDIR:
        return "ディレクトリではありません";
    case EISDIR:
        return "ディレクトリです";
    case EMFILE:
        return "開いているファイルが多すぎます";
    case ETXTBSY:
        return "テキストファイルが使用中です";
    case EFBIG:
        return "ファイルが大きすぎます";
    case ENOSPC:
        return "デバイスに空き領域がありません";
    case EROFS:
        return "読み込み専用ファイルシステムです";
    case ELOOP:
        return "シンボリックリンクの階層が多すぎます";
    case ENOTEMPTY:
        return "ディレクトリが空ではありません";
    case EDQUOT:
        return "ディスク使用量制限を超過しました";
    case ESTALE:
        return "古いファイルハンドルです";
    case ENOTSUP:
        return "サポートされていない操作です";
    case EINTR:
        return "割り込みシステムコールです";
    default:
        return nullptr;
    }
}

} // namespace

std::string ErrorReason(int code)
{
    if (CurrentLanguage() == Language::Japanese) {
        static const locale_t japanese = MessagesLocale("ja_JP.UTF-8");
        if (japanese != nullptr)
            return strerror_l(code, japanese);
        if (const char *own = OwnJapaneseReason(code))
            return own;
    }
    static const locale_t english = MessagesLocale("C");
    return english != nullptr ? strerror_l(code, english) : std::strerror(code);
}

} // namespace platform
