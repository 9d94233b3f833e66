#pragma once

#include "engine/SettingChoices.h"
#include "exec/ExecutionHost.h"
#include "exec/RenameRecord.h"
#include "exec/ResultLog.h"
#include "platform/TimeFormat.h"

#include <cstddef>
#include <string>
#include <vector>

class CFileEntry;
class CRenameSettings;

namespace exec {

// The separator text for one source: Sepa with its placeholders expanded
// (%d %t current date and time, %f %F name and full path, %D %T last-write date
// and time, %r %l %n line breaks, %% a percent sign; an unknown one expands to
// nothing) followed by the line break of RetMode.
std::string ExpandSeparator(const CRenameSettings &settings, const CFileEntry &entry,
                            platform::TimeValue now);

// Converts the bytes of one source block by block: line breaks to RetMode and
// end-of-file characters (0x1A) by EofMode. A CR at the end of one block and an
// LF at the start of the next still make one line break.
class CChunkConverter {
public:
    CChunkConverter(LineEnds lineEnds, EofMark eofMark) : m_lineEnds(lineEnds), m_eofMark(eofMark) {}

    // Starts a new source file.
    void Reset() { m_lastWasCr = false; }
    // Appends the converted form of bytes to out.
    void ConvertChunk(const char *bytes, std::size_t length, std::string &out);

private:
    LineEnds m_lineEnds;
    EofMark m_eofMark;
    bool m_lastWasCr = false;
};

struct CConcatenationOutcome {
    bool written = false;                   // the output is in place
    std::vector<std::string> failedDeletes; // sources that could not be moved to the trash
    // The sources moved to the trash: oldPath where each was, newPath where
    // the trash keeps it, placed its identity.
    CRenameRecords trashed;
};

// Writes all files of candidates in order into settings.OutputFile; a
// placeholder row stands for no file and gets a failed row. The output
// is assembled in a temporary file of its own directory and replaces the old
// output only when complete, so the old output survives every failure. A row
// that failed, and one whose source stays where it was to be trashed, carries
// the reason; log must keep its rows (no sink), since they are revised at the
// end. Temporary files that an ended run left in the folder go first.
CConcatenationOutcome ConcatenateFiles(const std::vector<CFileEntry> &candidates,
                                       const CRenameSettings &settings, CResultLog &log,
                                       IExecutionHost &host);

// Removes the temporary files (".kestrel-concat-" and six characters) of
// concatenations into folder that ended before they were done. A file is
// locked while it is written, so one still being written is left alone. The
// number removed.
int RemoveAbandonedConcatenations(const std::string &folder);

} // namespace exec
