#include "exec/Concatenation.h"
#include "ExecTestSupport.h"
#include "exec/Run.h"
#include "platform/FileOps.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace exec;
using exec_test::EntriesFor;
using exec_test::EntryFor;
using exec_test::ScriptedHost;
using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

std::string Convert(LineEnds lineEnds, EofMark eofMark, const std::vector<std::string> &blocks)
{
    CChunkConverter converter(lineEnds, eofMark);
    std::string out;
    for (const std::string &block : blocks)
        converter.ConvertChunk(block.data(), block.size(), out);
    return out;
}

TEST(ConcatenationChunkConverterTest, LineBreaksAndEndOfFileCharacters)
{
    EXPECT_EQ(Convert(LineEnds::Unchanged, EofMark::Unchanged, {"a\r\nb\nc\rd\x1A"}), "a\r\nb\nc\rd\x1A");
    EXPECT_EQ(Convert(LineEnds::Lf, EofMark::Unchanged, {"a\r\nb\nc\rd"}), "a\nb\nc\nd");
    EXPECT_EQ(Convert(LineEnds::Cr, EofMark::Unchanged, {"a\r\nb\nc"}), "a\rb\rc");
    EXPECT_EQ(Convert(LineEnds::CrLf, EofMark::Unchanged, {"a\nb\r\n\n"}), "a\r\nb\r\n\r\n");
    // A CR LF pair split between two blocks is still one line break.
    EXPECT_EQ(Convert(LineEnds::Lf, EofMark::Unchanged, {"line\r", "\nnext"}), "line\nnext");
    EXPECT_EQ(Convert(LineEnds::CrLf, EofMark::Unchanged, {"x\r", "\n"}), "x\r\n");
    // EOF characters: kept, or dropped by both other modes; they end a CR pair.
    EXPECT_EQ(Convert(LineEnds::Unchanged, EofMark::AtEnd, {"a\x1A"}), "a");
    EXPECT_EQ(Convert(LineEnds::Lf, EofMark::Removed, {"a\r\x1A\nb"}), "a\n\nb");
    EXPECT_EQ(Convert(LineEnds::Unchanged, EofMark::Unchanged, {std::string("n\0ul", 4)}),
              std::string("n\0ul", 4));
}

class ConcatenationTest : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedHost host;
    CResultLog log{ResultKind::Concatenation};
    CRenameSettings settings;

    void SetUp() override
    {
        settings.RenameMode = RenameKind::Concatenation;
        settings.OutputFile = dir.file("out.txt");
    }
    CConcatenationOutcome Run(const std::vector<std::string> &paths)
    {
        return ConcatenateFiles(EntriesFor(paths), settings, log, host);
    }
};

TEST_F(ConcatenationTest, SeparatorPlaceholders)
{
    const auto a = dir.write("a.txt", "A");
    settings.Sepa = "== %f ==";
    EXPECT_EQ(ExpandSeparator(settings, EntryFor(a), 0), "== a.txt ==\r\n");
    settings.Sepa = "%F|%r%l%n|100%%|%q|end%";
    settings.RetMode = LineEnds::Lf;
    EXPECT_EQ(ExpandSeparator(settings, EntryFor(a), 0), a + "|\r\n\r\n|100%||end\n");
    settings.Sepa = "%d %t";
    settings.RetMode = LineEnds::Cr;
    EXPECT_EQ(ExpandSeparator(settings, EntryFor(a), 86400 * 365),
              platform::FormatLocalTime(86400 * 365, "%Y/%m/%d %H:%M:%S") + "\r");
}

TEST_F(ConcatenationTest, SeparatorModesAndUnreadableFirstSource)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    const auto gone = dir.write("gone", "G");
    auto entries = EntriesFor({gone, a, b});
    std::filesystem::remove(gone);
    settings.Sepa = "-%f-";
    settings.SepaMode = SeparatorPlacement::First;
    ASSERT_TRUE(ConcatenateFiles(entries, settings, log, host).written);
    EXPECT_EQ(ReadFile(settings.OutputFile), "-a-\r\nAB");
    ASSERT_EQ(log.rows().size(), 3u);
    EXPECT_EQ(log.rows()[0].code, 0);
    EXPECT_EQ(log.CellText(log.rows()[0], 1, 0),
              "連結に失敗しました。（" + platform::ErrorMessage(ENOENT) + "）");
    EXPECT_EQ(log.rows()[1].code, 1);

    settings.SepaMode = SeparatorPlacement::EachFile;
    ASSERT_TRUE(Run({a, b}).written);
    EXPECT_EQ(ReadFile(settings.OutputFile), "-a-\r\nA-b-\r\nB");
    settings.SepaMode = SeparatorPlacement::None;
    ASSERT_TRUE(Run({a, b}).written);
    EXPECT_EQ(ReadFile(settings.OutputFile), "AB");
}

TEST_F(ConcatenationTest, APlaceholderRowFailsLikeAMissingSource)
{
    const auto a = dir.write("a", "A");
    ASSERT_TRUE(Run({"", a}).written); // "" stands for a placeholder row
    EXPECT_EQ(ReadFile(settings.OutputFile), "A");
    ASSERT_EQ(log.rows().size(), 2u);
    EXPECT_EQ(log.rows()[0].code, kResultFailed);
    EXPECT_EQ(log.rows()[0].reason, platform::ErrorMessage(ENOENT));
    EXPECT_EQ(log.rows()[1].code, kResultDone);
}

TEST_F(ConcatenationTest, EndOfFileModesAndLineEnds)
{
    const auto a = dir.write("a", "one\r\ntwo\x1A"), b = dir.write("b", "three\x1A");
    settings.EofMode = EofMark::AtEnd;
    ASSERT_TRUE(Run({a, b}).written);
    EXPECT_EQ(ReadFile(settings.OutputFile), "one\r\ntwothree\x1A");
    settings.EofMode = EofMark::Removed;
    settings.RetMode = LineEnds::Lf;
    ASSERT_TRUE(Run({a, b}).written);
    EXPECT_EQ(ReadFile(settings.OutputFile), "one\ntwothree");
    settings.EofMode = EofMark::Unchanged;
    ASSERT_TRUE(Run({a, b}).written);
    EXPECT_EQ(ReadFile(settings.OutputFile), "one\ntwo\x1Athree\x1A");
}

TEST_F(ConcatenationTest, AppendToMissingAndExistingOutput)
{
    const auto a = dir.write("a", "A");
    settings.IsAppend = 1;
    ASSERT_TRUE(Run({a}).written);
    EXPECT_EQ(ReadFile(settings.OutputFile), "A");
    ASSERT_TRUE(Run({a}).written);
    EXPECT_EQ(ReadFile(settings.OutputFile), "AA");
    EXPECT_TRUE(host.messages.empty());
    // No temporary file is left beside the output.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST_F(ConcatenationTest, OutputThatIsAlsoASourceUsesItsOldContentAndIsNeverTrashed)
{
    testing_support::IsolatedUserDirs userDirs;
    unsetenv("XDG_DATA_HOME");
    const auto a = dir.write("a", "A");
    dir.write("out.txt", "OLD");
    settings.IsDelete = 1;
    const auto outcome = Run({settings.OutputFile, a});
    ASSERT_TRUE(outcome.written);
    EXPECT_EQ(ReadFile(settings.OutputFile), "OLDA");
    EXPECT_EQ(host.asked.back().first, QuestionKind::DeleteSources);
    EXPECT_FALSE(Exists(a)); // in the trash
    EXPECT_TRUE(outcome.failedDeletes.empty());
}

TEST_F(ConcatenationTest, OldOutputSurvivesAFailedWrite)
{
    const auto big = dir.write("big", std::string(200'000, 'x'));
    dir.write("out.txt", "OLD");
    // Let the file size limit make the writes fail part way.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = 100'000;
    setrlimit(RLIMIT_FSIZE, &limited);
    const auto outcome = Run({big});
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(ReadFile(settings.OutputFile), "OLD");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0],
              "[" + settings.OutputFile + "] への出力に失敗しました!!\n" + platform::ErrorMessage(EFBIG));
    EXPECT_EQ(log.rows()[0].code, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST_F(ConcatenationTest, ASourceThatCannotGoToTheTrashFailsTheRunOnItsRow)
{
    testing_support::IsolatedUserDirs userDirs;
    // A file where the trash folder belongs: no source can go there.
    dir.mkdir("data");
    dir.write("data/Trash", "not a folder");
    setenv("XDG_DATA_HOME", dir.file("data").c_str(), 1);
    const auto a = dir.write("a", "A");
    const auto b = dir.write("b", "B");
    settings.IsDelete = 1;
    CRunRequest request;
    request.rows = EntriesFor({a, b});
    request.confirm = false;
    CUndoList undo;
    const CRunOutcome outcome = exec::Run(request, settings, undo, host);
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(ReadFile(settings.OutputFile), "AB");
    EXPECT_TRUE(Exists(a));
    EXPECT_TRUE(Exists(b));
    ASSERT_EQ(outcome.log.rows().size(), 2u);
    for (const CResultRow &row : outcome.log.rows())
        EXPECT_EQ(outcome.log.StatusText(row),
                  "連結しました。（ごみ箱へ移動できませんでした: " + platform::ErrorMessage(ENOTDIR) + "）");
}

TEST_F(ConcatenationTest, AbandonedTemporaryFilesGoUnlessStillBeingWritten)
{
    const auto a = dir.write("a", "A");
    const auto abandoned = dir.write(".kestrel-concat-abc123", "partial");
    const auto busy = dir.write(".kestrel-concat-def456", "partial");
    const int busyFd = open(busy.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(busyFd, LOCK_EX), 0);
    ASSERT_TRUE(Run({a}).written);
    EXPECT_FALSE(Exists(abandoned));
    EXPECT_TRUE(Exists(busy));
    close(busyFd);
    EXPECT_EQ(RemoveAbandonedConcatenations(dir.path()), 1);
    EXPECT_FALSE(Exists(busy));
    EXPECT_EQ(ReadFile(settings.OutputFile), "A");
}

TEST_F(ConcatenationTest, OutputOntoAFolderFailsAndMissingDirectoryIsAsked)
{
    const auto a = dir.write("a", "A");
    dir.mkdir("folder");
    dir.write("folder/inside", "I");
    settings.OutputFile = dir.file("folder");
    EXPECT_FALSE(Run({a}).written);
    EXPECT_EQ(ReadFile(dir.file("folder/inside")), "I");

    settings.OutputFile = dir.file("new/out.txt");
    host.answers = {false};
    EXPECT_FALSE(Run({a}).written);
    EXPECT_FALSE(Exists(dir.file("new")));
    ASSERT_TRUE(Run({a}).written);
    EXPECT_EQ(ReadFile(settings.OutputFile), "A");
}

TEST_F(ConcatenationTest, AppendFromAFolderReportsTheOpenFailure)
{
    const auto a = dir.write("a", "A");
    dir.mkdir("folder");
    settings.OutputFile = dir.file("folder");
    settings.IsAppend = 1;
    EXPECT_FALSE(Run({a}).written);
    EXPECT_EQ(host.messages.back(), "ファイルのオープンに失敗しました!!");
}

} // namespace

TEST_F(ConcatenationTest, WithoutAnOutputFileNothingIsAskedOrWritten)
{
    const auto a = dir.write("a", "A");
    settings.OutputFile.clear();
    CRunRequest request;
    request.rows = EntriesFor({a});
    CUndoList undo;
    const CRunOutcome outcome = exec::Run(request, settings, undo, host);
    EXPECT_FALSE(outcome.confirmed);
    EXPECT_FALSE(outcome.performed);
    EXPECT_TRUE(host.asked.empty()) << "refused before the confirmation";
    EXPECT_EQ(host.messages,
              std::vector<std::string>{CRenameSettings().StartProblemMessage(StartProblem::NoOutputFile)});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}
