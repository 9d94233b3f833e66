#pragma once

#include "exec/ExecutionHost.h"

#include <string>

namespace exec {

// A file opened for reading whose open tells the user itself why it failed:
// "ファイルのオープンに失敗しました!!" for a missing file or a folder, the
// in-use message for anything else.
class CReportingFile {
public:
    CReportingFile() = default;
    ~CReportingFile() { Close(); }
    CReportingFile(const CReportingFile &) = delete;
    CReportingFile &operator=(const CReportingFile &) = delete;

    bool OpenForReading(const std::string &path, const std::string &caption, IExecutionHost &host);
    int fd() const { return m_fd; }
    void Close();

private:
    int m_fd = -1;
};

} // namespace exec
