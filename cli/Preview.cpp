#include "cli/Preview.h"

#include "cli/CandidateRows.h"
#include "cli/NewNameCheck.h"
#include "cli/OutputWriter.h"
#include "engine/RenameSettings.h"
#include "platform/Paths.h"

#include <iostream>

namespace cli {

namespace {

void ReportRow(int rowIndex, const std::string &oldPath, const std::string &newName, NameProblem problem)
{
    std::cerr << "kestrel-cli: " << rowIndex << " 行目 " << oldPath << " → 「" << newName
              << "」: " << NameProblemText(problem) << '\n';
}

} // namespace

int WriteNumberedDirectoryPreview(const CRenameSettings &settings, const std::string &parentDirectory,
                                  OutputWriter &out)
{
    TargetPathSet targets;
    int problems = 0;
    for (int i = 0; i < settings.NumDirCount; ++i) {
        std::string name = settings.GetNumberedDirName(i);
        out.Row({name});
        NameProblem problem = CheckNewName(name);
        if (problem == NameProblem::None && !targets.Take(platform::JoinPath(parentDirectory, name)))
            problem = NameProblem::TakenTwice;
        if (problem != NameProblem::None) {
            ReportRow(i, platform::DisplayDirectory(parentDirectory), name, problem);
            ++problems;
        }
    }
    return problems;
}

namespace {

int PreviewConcatenation(CandidateRows &rows, const CRenameSettings &settings, OutputWriter &out)
{
    CFileEntry entry;
    while (rows.Next(entry))
        out.Row({entry.GetDisplayName(0, false), settings.OutputFile});
    return 0;
}

} // namespace

int WritePreview(CandidateRows &rows, const CRenameSettings &settings, OutputWriter &out)
{
    if (settings.RenameMode == kModeConcatenate)
        return PreviewConcatenation(rows, settings, out);

    TargetPathSet targets;
    int problems = 0;
    CFileEntry entry;
    for (int i = 0; rows.Next(entry); ++i) {
        if (entry.isDummy) {
            out.Row({entry.GetDisplayName(0, false), ""});
            continue;
        }
        std::string newName = settings.ComputeNewName(entry, i);
        out.Row({entry.fileName, newName});
        NameProblem problem = CheckNewName(newName);
        if (problem == NameProblem::None) {
            std::string target = entry.isFolder ? platform::JoinPath(entry.directory, newName)
                                                : settings.ComputeTargetPath(entry, i);
            if (!targets.Take(target))
                problem = NameProblem::TakenTwice;
        }
        if (problem != NameProblem::None) {
            ReportRow(i, entry.fullPath, newName, problem);
            ++problems;
        }
    }
    return problems;
}

} // namespace cli
