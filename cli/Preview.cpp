#include "cli/Preview.h"

#include "cli/CandidateRows.h"
#include "cli/OutputWriter.h"
#include "engine/RenameSettings.h"
#include "exec/NumberedDirectories.h"
#include "exec/RunPlan.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

#include <iostream>

namespace cli {

namespace {

void ReportRow(int rowIndex, std::string_view oldPath, std::string_view newName, exec::PlanProblem problem)
{
    std::cerr << "kestrel-cli: "
              << platform::Fill(platform::Tr("cli", "%1 行目 %2 → 「%3」: %4"),
                                {std::to_string(rowIndex), oldPath, newName, exec::ProblemText(problem)})
              << '\n';
}

int PreviewConcatenation(CandidateRows &rows, const CRenameSettings &settings, OutputWriter &out)
{
    CFileEntry entry;
    while (rows.Next(entry))
        out.Row({entry.GetDisplayName(0, false), settings.OutputFile});
    return static_cast<int>(rows.MissingCount());
}

} // namespace

int WriteNumberedDirectoryPreview(const CRenameSettings &settings, const std::string &parentDirectory,
                                  OutputWriter &out)
{
    exec::CDirectoryNames folders;
    const exec::CRunPlan plan = exec::PlanNumberedDirectories(settings, parentDirectory, folders);
    int problems = 0;
    for (std::size_t i = 0; i < plan.records.size(); ++i) {
        const exec::CRenameRecord &r = plan.records[i];
        out.Row({plan.NewName(i)});
        if (r.problem != exec::PlanProblem::None) {
            ReportRow(r.row, platform::DisplayDirectory(parentDirectory), plan.NewName(i), r.problem);
            ++problems;
        }
    }
    return problems;
}

int WritePreview(CandidateRows &rows, const CRenameSettings &settings, bool createDirectories,
                 OutputWriter &out)
{
    if (settings.Concatenates())
        return PreviewConcatenation(rows, settings, out);

    // The same plan an execution makes, so the marks are the execution's.
    exec::CRunPlan plan = exec::StartPlan(settings);
    plan.records.reserve(rows.MostRows());
    plan.nameStart.reserve(rows.MostRows());
    CFileEntry entry;
    for (int row = 0; rows.Next(entry); ++row)
        exec::AddPlanRow(plan, settings, entry, row);
    exec::CDirectoryNames folders;
    if (createDirectories && plan.snapshot.outputMode != OutputKind::InPlace)
        folders.AssumeCreated(platform::NormalizeDirectory(settings.FileCopyDirectory));
    exec::CheckPlan(plan, folders);

    CFileEntry placeholder;
    placeholder.isDummy = true;
    const std::string placeholderName = placeholder.GetDisplayName(0, false);
    int problems = 0;
    std::size_t next = 0;
    for (int row = 0; row < plan.rowCount; ++row) {
        if (next >= plan.records.size() || plan.records[next].row != row) {
            out.Row({placeholderName, ""});
            continue;
        }
        const exec::CRenameRecord &r = plan.records[next];
        const std::string_view newName = plan.NewName(next);
        const std::string_view oldPath = r.oldPath;
        out.Row({oldPath.substr(oldPath.rfind('/') + 1), newName});
        if (r.problem != exec::PlanProblem::None) {
            ReportRow(row, oldPath, newName, r.problem);
            ++problems;
        }
        ++next;
    }
    return problems + static_cast<int>(rows.MissingCount());
}

} // namespace cli
