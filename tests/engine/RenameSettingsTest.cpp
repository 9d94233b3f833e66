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

// What each rename kind makes of the candidates.
struct KindAnswers {
    RenameKind kind;
    bool createsDirectories;
    bool concatenates;
    bool readsNamesFile;
    bool advancesStart; // with 加算 checked
};

constexpr KindAnswers kAnswers[] = {
    {RenameKind::Renumber, false, false, false, true},
    {RenameKind::OldName, false, false, false, false},
    {RenameKind::CharKind, false, false, false, false},
    {RenameKind::Replace, false, false, false, false},
    {RenameKind::RangeReplace, false, false, false, false},
    {RenameKind::Insert, false, false, false, false},
    {RenameKind::Format, false, false, false, false},
    {RenameKind::FromFile, false, false, true, false},
    {RenameKind::NumberedDirectories, true, false, false, false},
    {RenameKind::Concatenation, false, true, false, false},
};
static_assert(std::size(kAnswers) == std::size(kRenameKinds));

TEST(RenameSettingsTest, EachRenameKindRenamesCreatesOrConcatenates)
{
    for (const KindAnswers &answers : kAnswers) {
        const CRenameSettings files = Settings(answers.kind);
        CRenameSettings folders = Settings(answers.kind, ObjectKind::Folders);
        const bool renames = !answers.createsDirectories && !answers.concatenates;
        SCOPED_TRACE(static_cast<int>(answers.kind));
        EXPECT_EQ(files.CreatesNumberedDirectories(), answers.createsDirectories);
        EXPECT_EQ(files.Concatenates(), answers.concatenates);
        EXPECT_EQ(files.TakesNamesFromFile(), answers.readsNamesFile);
        EXPECT_EQ(files.RenamesEntries(), renames);
        EXPECT_EQ(files.RenamesFiles(), renames);
        EXPECT_FALSE(folders.RenamesFiles());
        EXPECT_FALSE(files.ChoosesFolders());
        EXPECT_TRUE(folders.ChoosesFolders());
        EXPECT_EQ(files.TargetsFolders(), answers.createsDirectories);
        EXPECT_EQ(folders.TargetsFolders(), !answers.concatenates)
            << "the object kind is a question of renames";
        EXPECT_FALSE(files.AdvancesNumbering());
        folders.IsIncrement = true;
        EXPECT_EQ(folders.AdvancesNumbering(), answers.advancesStart);
    }
}

TEST(RenameSettingsTest, OnlyFilesRenamedOutsideABatchGoToTheOutputFolder)
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

TEST(RenameSettingsTest, ARunStartsOnceWhatItNeedsIsGiven)
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
    EXPECT_EQ(move.StartProblemMessage(StartProblem::NoDestination),
              "移動先・複写先のディレクトリを指定してください。");
    EXPECT_EQ(move.StartProblemMessage(StartProblem::None), "");

    CRenameSettings regex = Settings(RenameKind::Replace);
    regex.IsReplaceRegex = true;
    regex.ReplaceStr1 = "写真(\\d+";
    EXPECT_EQ(regex.CheckStart(), StartProblem::InvalidPattern);
    EXPECT_EQ(regex.StartProblemMessage(StartProblem::InvalidPattern),
              "正規表現が正しくありません（7文字目）: missing closing parenthesis")
        << "the compiler's reason and the character where it stopped";
    regex.IsReplaceRegex = false;
    EXPECT_EQ(regex.CheckStart(), StartProblem::None) << "a plain text is never a pattern";
}

TEST(RenameSettingsTest, CopyKeepsRunTimeFields)
{
    CRenameSettings source;
    source.FormatStr = "x";
    source.IsInBatch = true;
    source.InputLines = {"from source"};
    CRenameSettings target;
    target.InputLines = {"kept"};
    target.CopyFrom(source);
    EXPECT_EQ(target.FormatStr, "x");
    EXPECT_FALSE(target.IsInBatch);
    EXPECT_EQ(target.InputLines, std::vector<std::string>{"kept"});
}

} // namespace
