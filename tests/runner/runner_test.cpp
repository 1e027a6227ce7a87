#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/platform.h"
#include "runner/command_line.h"
#include "runner/file_exists.h"
#include "runner/shell_and_wait.h"

using fake::Call;

TEST(CommandLineFor, PlainPathStaysUnchanged) {
    EXPECT_EQ(CommandLineFor(L"C:\\Setup\\silent-install2.bat"), L"C:\\Setup\\silent-install2.bat");
}

TEST(CommandLineFor, BlankOrCmdSpecialCharacterQuotesThePath) {
    for (const wchar_t* path :
         {L"C:\\Program Files\\x.bat", L"C:\\R&D\\x.bat", L"C:\\a|b\\x.bat", L"C:\\a<b\\x.bat",
          L"C:\\a>b\\x.bat", L"C:\\a^b\\x.bat", L"C:\\a(b)\\x.bat", L"C:\\a,b\\x.bat",
          L"C:\\a;b\\x.bat", L"C:\\a=b\\x.bat", L"C:\\a\tb\\x.bat"}) {
        EXPECT_EQ(CommandLineFor(path), L"\"" + std::wstring(path) + L"\"") << path;
    }
}

class RunnerTest : public ::testing::Test {
  protected:
    const std::wstring script = L"C:\\Setup\\silent-install2.bat";
    fake::FakePlatform fake;
    const RunnerPlatform runner{fake, fake, fake, fake};
};

TEST_F(RunnerTest, FileExistsOpensAndClosesTheFile) {
    fake.files.insert(script);
    EXPECT_EQ(FileExists(fake, script), 1);
    EXPECT_EQ(fake.handlesOpened, 1);
    EXPECT_EQ(fake.OpenHandles(), 0);
}

// A folder of the script's name is the real CreateFileW's to refuse; the Wine
// suite shows it (automatic-without-script).
TEST_F(RunnerTest, FileExistsIsZeroForAMissingFile) {
    EXPECT_EQ(FileExists(fake, script), 0);
    EXPECT_TRUE(fake.transcript.empty());
}

TEST_F(RunnerTest, FileExistsIsZeroWhenTheFileCannotBeOpened) {
    fake.files.insert(script);
    fake.Fail(Call::CreateFileW, 32);  // sharing violation
    EXPECT_EQ(FileExists(fake, script), 0);
}

TEST_F(RunnerTest, MissingFileIsReportedAndNothingStarts) {
    const ShellResult result = ShellAndWait(runner, script, 2, 1);
    EXPECT_EQ(result.status, ShellStatus::FileNotFound);
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_TRUE(fake.startedCommandLines.empty());
    EXPECT_EQ(fake.transcript,
              std::vector<std::wstring>{L"message Datei nicht gefunden: " + script});
}

TEST_F(RunnerTest, StartsWithStyleAndProgramFolderAndClosesTheProcessHandle) {
    fake.files.insert(script);
    const ShellResult result = ShellAndWait(runner, script, 2, 1);
    EXPECT_EQ(result.status, ShellStatus::Finished);
    EXPECT_EQ(fake.startedCommandLines, std::vector<std::wstring>{script});
    EXPECT_EQ(fake.startedShowWindow, std::vector<int32_t>{2});
    EXPECT_EQ(fake.startedDirectories, std::vector<std::wstring>{L"C:\\Setup"});
    EXPECT_EQ(fake.OpenHandles(), 0);
    EXPECT_EQ(fake.badCloses, 0);
}

TEST_F(RunnerTest, ResultIsTheRealExitCode) {
    fake.files.insert(script);
    for (uint32_t code : {0u, 3u, 259u}) {
        fake.process.exitCode = code;
        EXPECT_EQ(ShellAndWait(runner, script, 2, 1).exitCode, code);
    }
}

TEST_F(RunnerTest, MessagesAreDispatchedWhenInputArrives) {
    fake.files.insert(script);
    fake.process.inputWakeUps = 3;
    ShellAndWait(runner, script, 2, 1);
    EXPECT_EQ(fake.dispatchRounds, 3);
    EXPECT_EQ(fake.blockingWaits, 0);
}

TEST_F(RunnerTest, WithoutKeepResponsiveNoMessageIsDispatched) {
    fake.files.insert(script);
    fake.process.inputWakeUps = 3;
    fake.process.exitCode = 7;
    EXPECT_EQ(ShellAndWait(runner, script, 2, 0).exitCode, 7u);
    EXPECT_EQ(fake.dispatchRounds, 0);
    EXPECT_EQ(fake.blockingWaits, 1);
}

TEST_F(RunnerTest, StartFailureIsReportedToTheCaller) {
    fake.files.insert(script);
    fake.Fail(Call::CreateProcessW, 193);
    const ShellResult result = ShellAndWait(runner, script, 2, 1);
    EXPECT_EQ(result.status, ShellStatus::StartFailed);
    EXPECT_EQ(fake.OpenHandles(), 0);
    EXPECT_TRUE(fake.transcript.empty());
}

TEST_F(RunnerTest, UnreadableExitCodeGivesZero) {
    fake.files.insert(script);
    fake.process.exitCode = 5;
    fake.Fail(Call::GetExitCodeProcess, 6);
    EXPECT_EQ(ShellAndWait(runner, script, 2, 1).exitCode, 0u);
    EXPECT_EQ(fake.OpenHandles(), 0);
}

// A wait that fails is no end of the script, with or without the window answering.
TEST_F(RunnerTest, FailedWaitEndsWithoutSpinning) {
    fake.files.insert(script);
    fake.process.exitCode = 5;
    fake.process.inputWakeUps = 2;
    fake.Fail(Call::WaitWhileResponsive, 6);
    fake.Fail(Call::WaitForSingleObject, 6);
    for (int16_t keepResponsive : {1, 0}) {
        const ShellResult result = ShellAndWait(runner, script, 2, keepResponsive);
        EXPECT_EQ(result.status, ShellStatus::WaitFailed) << keepResponsive;
        EXPECT_EQ(result.exitCode, 0u) << keepResponsive;
    }
    EXPECT_EQ(fake.dispatchRounds, 0);
    EXPECT_EQ(fake.OpenHandles(), 0);
}

TEST_F(RunnerTest, PathWithBlankIsStartedQuoted) {
    const std::wstring spaced = L"C:\\Mein Setup\\silent-install2.bat";
    fake.files.insert(spaced);
    ShellAndWait(runner, spaced, 2, 1);
    EXPECT_EQ(fake.startedCommandLines, std::vector<std::wstring>{L'"' + spaced + L'"'});
}
