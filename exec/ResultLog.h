#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace exec {

// What became of one processed item.
enum ResultCode : int {
    kResultFailed = 0,   // failed or not done
    kResultDone = 1,     // renamed, created or concatenated
    kResultReplaced = 2, // renamed, replacing an existing file
};

// One processed item of an execution.
struct CResultRow {
    std::string
        itemPath; // rename: old path; numbered directories: the new directory; concatenation: the source
    std::string resultPath; // rename: where the file is meant to be (or is, when stranded); empty otherwise
    int code = kResultFailed;
    std::string reason; // why an item failed, shown after the status text
};

enum class ResultKind {
    Rename = 0,
    NumberedDirectories = 2,
    Concatenation = 3,
};

// The rows one execution (or one whole batch run) collects, and the texts the
// result list shows for them.
class CResultLog {
public:
    // Receives each row as it is added, instead of the log keeping it: a front
    // end that only prints the rows needs no copy of a large run's paths.
    using RowSink = std::function<void(const CResultRow &)>;

    explicit CResultLog(ResultKind kind = ResultKind::Rename, RowSink sink = {})
        : m_kind(kind), m_sink(std::move(sink))
    {
    }

    ResultKind kind() const { return m_kind; }
    void setKind(ResultKind kind) { m_kind = kind; }
    const std::vector<CResultRow> &rows() const { return m_rows; }
    // A row was added that failed (whether the log keeps its rows or hands them on).
    bool AnyFailed() const { return m_anyFailed; }
    std::vector<CResultRow> &rows() { return m_rows; }

    // Makes room for count more rows where the log keeps them (not where a
    // sink takes each row as it comes).
    void Expect(std::size_t count)
    {
        if (!m_sink)
            m_rows.reserve(m_rows.size() + count);
    }
    void AddResult(std::string_view itemPath, std::string_view resultPath, int code, std::string reason = {});
    void AddResult(std::string_view itemPath, int code, std::string reason = {});

    // Column titles: "名前", "変更後の名前", "処理" for a rename, "名前", "処理" otherwise.
    std::vector<std::string> ColumnTitles() const;

    // The text of one cell. displayMode 0 shows only the part of a path after
    // its last "/", 1 the whole path.
    std::string CellText(const CResultRow &row, int column, int displayMode) const;

    // "変名しました。" / "変名に失敗しました。" and the texts of the other kinds.
    std::string StatusText(int code) const;
    // The status text followed by the row's reason, if any.
    std::string StatusText(const CResultRow &row) const;

private:
    ResultKind m_kind;
    RowSink m_sink;
    std::vector<CResultRow> m_rows;
    bool m_anyFailed = false;
};

} // namespace exec
