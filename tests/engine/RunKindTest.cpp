#include "engine/RenameSettings.h"

#include <gtest/gtest.h>

namespace {

CRenameSettings Settings(RenameKind kind, ObjectKind objects = ObjectKind::Files,
                         OutputKind output = OutputKind::InPlace)
{
    CRenameSettings s;
    s.RenameMode = kind;
    s.ObjMode = objects;
    s.FileCopyMode = output;
    return s;
}

TEST(RunKind, EachRenameKindRenamesCreatesOrConcatenates)
{
    for (RenameKind kind : kRenameKinds) {
        const CRenameSettings files = Settings(kind);
        const CRenameSettings folders = Settings(kind, ObjectKind::Folders);
        const bool creates = kind == RenameKind::NumberedDirectories;
        const bool concatenates = kind == RenameKind::Concatenation;
        SCOPED_TRACE(static_cast<int>(kind));
        EXPECT_EQ(files.CreatesDirectories(), creates);
        EXPECT_EQ(files.Concatenates(), concatenates);
        EXPECT_EQ(files.RenamesEntries(), !creates && !concatenates);
        EXPECT_EQ(files.RenamesFiles(), files.RenamesEntries());
        EXPECT_FALSE(folders.RenamesFiles());
        EXPECT_EQ(files.TargetsFolders(), creates);
        EXPECT_EQ(folders.TargetsFolders(), !concatenates) << "the object kind is a question of renames only";
        EXPECT_EQ(files.ReadsNamesFile(), kind == RenameKind::FromFile);
    }
}

TEST(RunKind, OnlyFilesRenamedOutsideABatchGoToTheOutputFolder)
{
    EXPECT_FALSE(Settings(RenameKind::Renumber).UsesOutputFolder());
    EXPECT_TRUE(Settings(RenameKind::Renumber, ObjectKind::Files, OutputKind::Move).UsesOutputFolder());
    EXPECT_TRUE(Settings(RenameKind::Format, ObjectKind::Files, OutputKind::Copy).UsesOutputFolder());
    EXPECT_FALSE(Settings(RenameKind::Renumber, ObjectKind::Folders, OutputKind::Copy).UsesOutputFolder());
    EXPECT_FALSE(Settings(RenameKind::Concatenation, ObjectKind::Files, OutputKind::Copy).UsesOutputFolder());
    CRenameSettings batch = Settings(RenameKind::Renumber, ObjectKind::Files, OutputKind::Move);
    batch.IsInBatch = true;
    EXPECT_FALSE(batch.UsesOutputFolder());
}

TEST(RunKind, OnlyRenumberingAdvancesItsStart)
{
    for (RenameKind kind : kRenameKinds) {
        CRenameSettings s = Settings(kind);
        s.IsIncrement = true;
        EXPECT_EQ(s.AdvancesStart(), kind == RenameKind::Renumber) << static_cast<int>(kind);
        s.IsIncrement = false;
        EXPECT_FALSE(s.AdvancesStart());
    }
}

TEST(RunKind, ARunStartsOnceWhatItNeedsIsGiven)
{
    CRenameSettings format = Settings(RenameKind::Format);
    EXPECT_EQ(format.CheckStart(), StartProblem::NoFormat);
    format.FormatStr = "%n";
    EXPECT_EQ(format.CheckStart(), StartProblem::None);

    CRenameSettings names = Settings(RenameKind::FromFile);
    EXPECT_EQ(names.CheckStart(), StartProblem::NoNamesFile);
    names.InputFile = "names.txt";
    EXPECT_EQ(names.CheckStart(), StartProblem::None);

    CRenameSettings concatenation = Settings(RenameKind::Concatenation, ObjectKind::Files, OutputKind::Move);
    EXPECT_EQ(concatenation.CheckStart(), StartProblem::NoOutputFile) << "no destination asked for";
    concatenation.OutputFile = "all.txt";
    EXPECT_EQ(concatenation.CheckStart(), StartProblem::None);

    CRenameSettings move = Settings(RenameKind::Renumber, ObjectKind::Files, OutputKind::Move);
    EXPECT_EQ(move.CheckStart(), StartProblem::NoDestination);
    EXPECT_EQ(Settings(RenameKind::Renumber, ObjectKind::Folders, OutputKind::Move).CheckStart(),
              StartProblem::None);
    move.FileCopyDirectory = "/out";
    EXPECT_EQ(move.CheckStart(), StartProblem::None);
    EXPECT_STREQ(CRenameSettings::StartProblemMessage(StartProblem::NoDestination),
                 "移動先・複写先のディレクトリを指定してください。");
    EXPECT_STREQ(CRenameSettings::StartProblemMessage(StartProblem::None), "");
}

} // namespace
