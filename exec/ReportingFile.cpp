#include "exec/ReportingFile.h"

#include "platform/FileOps.h"
#include "platform/Translation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace exec {

bool CReportingFile::OpenForReading(const std::string &path, const std::string &caption, IExecutionHost &host)
{
    Close();
    m_fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st;
    if (m_fd >= 0 && fstat(m_fd, &st) == 0 && !S_ISDIR(st.st_mode))
        return true;
    Close();
    if (!platform::PathExists(path) || platform::IsDirectory(path))
        host.ShowMessage(caption, platform::Tr("exec", "ファイルのオープンに失敗しました!!"),
                         MessageIcon::Exclamation);
    else
        host.ShowMessage(
            caption,
            platform::Fill(
                platform::Tr(
                    "exec", "ファイルのオープン時に共有違反がありました。\nファイルを使用しているソフトウェア"
                            "を終了して\n再度実行して下さい。\n\n  ファイル名：[%1]"),
                {path}),
            MessageIcon::Stop);
    return false;
}

void CReportingFile::Close()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}

} // namespace exec
