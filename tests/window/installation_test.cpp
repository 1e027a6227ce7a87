#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "support/platform.h"
#include "support/transcript.h"
#include "services/module1.h"
#include "services/verdict_texts.h"
#include "window/form1.h"
#include "window/messages.h"
#include "window/run_report.h"

using fake::Call;
using platform::Control;

namespace {
const std::wstring kScript = L"C:\\Setup\\silent-install2.bat";
const std::wstring kTarget = L"c:\\Program Files\\MariaDB 10.1";
const std::wstring kMissing = L"Datei nicht gefunden: " + kScript;
const std::wstring kCannotStart = L"Datei konnte nicht gestartet werden: " + kScript;
}  // namespace

class InstallationTest : public ::testing::Test {
  protected:
    // A real installation registers the service and makes the target directory.
    void ScriptInstallsMariaDB() {
        fake.files.insert(kScript);
        fake.process.effects = [this] { Install(); };
    }
    void Install() {
        fake.stopped.push_back({"MariaDB", "MariaDB"});
        fake.directories.insert(kTarget);
    }
    void ServerPresent() { fake.running.push_back({"MySQL", ""}); }
    std::vector<std::wstring> Messages() const { return MessagesOf(fake); }
    // Entries of the transcript from the first one equal to `from` on.
    std::vector<std::wstring> TranscriptFrom(const std::wstring& from) const {
        const auto start = std::find(fake.transcript.begin(), fake.transcript.end(), from);
        return {start, fake.transcript.end()};
    }
    void ExpectClosedWithoutHandles() {
        EXPECT_TRUE(fake.unloaded);
        EXPECT_EQ(fake.transcript.back(), L"close");
        EXPECT_EQ(fake.OpenHandles(), 0);
        EXPECT_EQ(fake.badCloses, 0);
        EXPECT_EQ(fake.pointer, platform::MousePointer::Default);
    }

    fake::FakePlatform fake;
    Module1 module{fake, fake, fake, fake};
    Form1 form{fake, fake, fake, fake, module};
};

TEST_F(InstallationTest, AutomaticRoadRunsTheScriptWithEffectsInOrder) {
    ScriptInstallsMariaDB();
    form.Form_Activate();
    const std::wstring stopped = std::wstring(L"Label4 = ") + verdict::kMariaStopped;
    const std::vector<std::wstring> expected = {
        L"hide cmd_install",
        L"show Label3",
        L"cursor hourglass",
        L"start " + kScript,
        L"cursor hourglass",  // the rescan after the script
        L"repaint",
        L"cursor default",
        stopped,
        L"cursor default",
        L"hide Label3",
        L"cursor hourglass",  // the road's own rescan
        L"repaint",
        L"cursor default",
        stopped,
        std::wstring(L"message ") + message::kInstalledAutomatically,
        L"close",
    };
    EXPECT_EQ(TranscriptFrom(L"hide cmd_install"), expected);
    EXPECT_EQ(form.ExitCode(), 0);
    ExpectClosedWithoutHandles();
}

TEST_F(InstallationTest, ScriptThatInstallsNothingIsNotReportedAsInstalled) {
    fake.files.insert(kScript);
    form.Form_Activate();
    EXPECT_EQ(fake.startedCommandLines.size(), 1u);
    EXPECT_EQ(Messages(), std::vector<std::wstring>{message::kNotInstalled});
    EXPECT_EQ(form.ExitCode(), 1603);
    ExpectClosedWithoutHandles();
}

// The script's code changes no message; of an installation only a restart
// request is passed on, of a failure only a code that is no success.
TEST_F(InstallationTest, ScriptExitCodeChangesNoMessage) {
    struct Case {
        uint32_t scriptCode;
        bool installs;
        int32_t exitCode;
    };
    for (const Case& c : {Case{1603, true, 0}, Case{3010, true, 3010}, Case{1641, true, 1641},
                          Case{3010, false, 1603}, Case{1641, false, 1603}, Case{5, false, 5}}) {
        fake::FakePlatform platform;
        platform.files.insert(kScript);
        platform.process.exitCode = c.scriptCode;
        if (c.installs)
            platform.process.effects = [&] {
                platform.stopped.push_back({"MariaDB", "MariaDB"});
                platform.directories.insert(kTarget);
            };
        Module1 scan(platform, platform, platform, platform);
        Form1 window(platform, platform, platform, platform, scan);
        window.Form_Activate();
        SCOPED_TRACE(c.scriptCode);
        EXPECT_EQ(MessagesOf(platform),
                  std::vector<std::wstring>{c.installs ? message::kInstalledAutomatically
                                                       : message::kNotInstalled});
        EXPECT_EQ(window.ExitCode(), c.exitCode);
    }
}

TEST_F(InstallationTest, ExistingDirectoryOrFileStopsTheRunBeforeAnythingShows) {
    for (bool asFile : {false, true}) {
        fake::FakePlatform platform;
        (asFile ? platform.files : platform.directories).insert(kTarget);
        platform.files.insert(kScript);
        Module1 scan(platform, platform, platform, platform);
        Form1 window(platform, platform, platform, platform, scan);
        window.Form_Activate();
        SCOPED_TRACE(asFile ? "file" : "directory");
        EXPECT_TRUE(platform.startedCommandLines.empty());
        EXPECT_EQ(CountOf(platform, L"show Label3"), 0);
        const std::vector<std::wstring> expected = {message::kDirectoryExists,
                                                    message::kNotInstalled};
        EXPECT_EQ(MessagesOf(platform), expected);
        EXPECT_TRUE(platform.unloaded);
        EXPECT_EQ(window.ExitCode(), 1603);
    }
}

TEST_F(InstallationTest, FailedDirectoryProbeCountsAsAbsent) {
    fake.directories.insert(kTarget);
    fake.Fail(Call::DirectoryProbe, 5);
    ScriptInstallsMariaDB();
    form.Form_Activate();
    EXPECT_EQ(fake.startedCommandLines.size(), 1u);
}

TEST_F(InstallationTest, MissingScriptIsAFailureOnTheAutomaticRoad) {
    form.Form_Activate();
    EXPECT_EQ(Messages(), (std::vector<std::wstring>{kMissing, message::kNotInstalled}));
    EXPECT_EQ(fake.visible[Control::Label3], false);
    EXPECT_EQ(form.ExitCode(), 1603);
    ExpectClosedWithoutHandles();
}

TEST_F(InstallationTest, StartFailureIsShownAndIsAFailure) {
    fake.files.insert(kScript);
    fake.Fail(Call::CreateProcessW, 193);
    form.Form_Activate();
    EXPECT_EQ(Messages(), (std::vector<std::wstring>{kCannotStart, message::kNotInstalled}));
    EXPECT_EQ(form.ExitCode(), 1603);
    ExpectClosedWithoutHandles();
}

TEST_F(InstallationTest, ButtonRoadReportsTheRescan) {
    ServerPresent();
    ScriptInstallsMariaDB();
    form.Form_Activate();
    EXPECT_FALSE(fake.unloaded);
    form.cmd_install_Click();
    EXPECT_EQ(Messages(), std::vector<std::wstring>{message::kInstalledOnRequest});
    EXPECT_EQ(fake.captions[Control::Label4], verdict::kMariaStopped);
    EXPECT_EQ(form.ExitCode(), 0);
    ExpectClosedWithoutHandles();
}

TEST_F(InstallationTest, ButtonRoadAfterAFailedScanReportsNothingInstalled) {
    fake.Fail(Call::OpenSCManagerA, 5);
    form.Form_Activate();
    fake.Recover(Call::OpenSCManagerA);
    fake.files.insert(kScript);
    form.cmd_install_Click();
    EXPECT_EQ(Messages().back(), message::kNotInstalled);
    EXPECT_TRUE(fake.unloaded);
}

// The script installs, but the rescan fails: that is no installation either.
TEST_F(InstallationTest, FailedRescanIsNeverReportedAsInstalled) {
    ServerPresent();
    ScriptInstallsMariaDB();
    form.Form_Activate();
    fake.Fail(Call::OpenSCManagerA, 1722);
    form.cmd_install_Click();
    EXPECT_EQ(Messages().back(), message::kNotInstalled);
    EXPECT_EQ(form.ExitCode(), 1603);

    fake::FakePlatform platform;
    platform.files.insert(kScript);
    platform.process.effects = [&] {
        platform.directories.insert(kTarget);
        platform.Fail(Call::EnumFetch, 8);
    };
    Module1 scan(platform, platform, platform, platform);
    Form1 window(platform, platform, platform, platform, scan);
    window.Form_Activate();
    EXPECT_EQ(MessagesOf(platform).back(), message::kNotInstalled);
    EXPECT_EQ(window.ExitCode(), 1603);
}

TEST_F(InstallationTest, ButtonRoadWithExistingDirectoryShowsOnlyThatMessage) {
    ServerPresent();
    fake.directories.insert(kTarget);
    form.Form_Activate();
    form.cmd_install_Click();
    EXPECT_EQ(Messages(), std::vector<std::wstring>{message::kDirectoryExists});
    EXPECT_TRUE(fake.startedCommandLines.empty());
    EXPECT_EQ(form.ExitCode(), 1603);
    ExpectClosedWithoutHandles();
}

TEST_F(InstallationTest, ButtonRoadWithMissingOrUnstartableScriptShowsOnlyWhy) {
    ServerPresent();
    form.Form_Activate();
    form.cmd_install_Click();
    EXPECT_EQ(Messages(), std::vector<std::wstring>{kMissing});
    EXPECT_EQ(form.ExitCode(), 1603);
    ExpectClosedWithoutHandles();

    fake::FakePlatform platform;
    platform.running.push_back({"MySQL", ""});
    platform.files.insert(kScript);
    platform.Fail(Call::CreateProcessW, 2);
    Module1 scan(platform, platform, platform, platform);
    Form1 window(platform, platform, platform, platform, scan);
    window.Form_Activate();
    window.cmd_install_Click();
    EXPECT_EQ(MessagesOf(platform), std::vector<std::wstring>{kCannotStart});
}

TEST_F(InstallationTest, DriveRootKeepsBothBackslashes) {
    fake.programDirectory = L"D:\\";
    form.Form_Activate();
    EXPECT_EQ(Messages().front(), L"Datei nicht gefunden: D:\\\\silent-install2.bat");
}

TEST_F(InstallationTest, ClicksAndClosingDuringTheRunAreIgnored) {
    ServerPresent();
    ScriptInstallsMariaDB();
    fake.process.inputWakeUps = 2;
    form.Form_Activate();
    std::vector<bool> mayClose;
    auto clicks = [&] {
        form.cmd_install_Click();
        form.cmd_Abbruch_Click();
        mayClose.push_back(form.QueryUnload());
    };
    fake.process.effects = [&] {
        Install();
        fake.pendingEvents = {clicks};
    };
    form.cmd_install_Click();
    EXPECT_EQ(fake.startedCommandLines.size(), 1u);
    EXPECT_EQ(mayClose, std::vector<bool>{false});
    EXPECT_EQ(CountOf(fake, L"close"), 1);
    EXPECT_EQ(Messages(), std::vector<std::wstring>{message::kInstalledOnRequest});
}

TEST_F(InstallationTest, ClicksDuringTheAutomaticRunAreIgnored) {
    ScriptInstallsMariaDB();
    fake.process.inputWakeUps = 1;
    fake.pendingEvents = {[&] {
        form.cmd_Abbruch_Click();
        form.cmd_install_Click();
        EXPECT_FALSE(form.QueryUnload());
    }};
    form.Form_Activate();
    EXPECT_EQ(fake.startedCommandLines.size(), 1u);
    EXPECT_EQ(CountOf(fake, L"close"), 1);
    EXPECT_TRUE(form.QueryUnload());
}

// The finding flags keep the first scan's server, so only the target directory
// tells that the script installed nothing. The script's own code is passed on.
TEST_F(InstallationTest, ButtonRoadWhoseScriptInstallsNothingIsAFailure) {
    ServerPresent();
    fake.files.insert(kScript);
    fake.process.exitCode = 1619;
    form.Form_Activate();
    form.cmd_install_Click();
    EXPECT_EQ(Messages(), std::vector<std::wstring>{message::kNotInstalled});
    EXPECT_EQ(form.ExitCode(), 1619);
    ExpectClosedWithoutHandles();
}

TEST_F(InstallationTest, ButtonRoadAfterAFailedFirstScanCanSucceed) {
    fake.Fail(Call::OpenSCManagerA, 5);
    form.Form_Activate();
    fake.Recover(Call::OpenSCManagerA);
    ScriptInstallsMariaDB();
    form.cmd_install_Click();
    const std::vector<std::wstring> expected = {L"OpenSCManager failed. LastDllError = 5",
                                                message::kInstalledOnRequest};
    EXPECT_EQ(Messages(), expected);
    ExpectClosedWithoutHandles();
}

// A wait that fails is no finished run, though the run still tidies up; on
// either road the user is told.
TEST_F(InstallationTest, FailedWaitIsNotAnInstallation) {
    ScriptInstallsMariaDB();
    fake.Fail(Call::MsgWaitForMultipleObjectsEx, 6);
    form.Form_Activate();
    EXPECT_EQ(Messages(), std::vector<std::wstring>{message::kNotInstalled});
    EXPECT_EQ(fake.visible[Control::Label3], false);
    EXPECT_EQ(CountOf(fake, std::wstring(L"Label4 = ") + verdict::kMariaStopped), 1);
    EXPECT_EQ(form.ExitCode(), 1603);
    ExpectClosedWithoutHandles();

    fake::FakePlatform platform;
    platform.running.push_back({"MySQL", ""});
    platform.files.insert(kScript);
    platform.Fail(Call::MsgWaitForMultipleObjectsEx, 6);
    Module1 scan(platform, platform, platform, platform);
    Form1 window(platform, platform, platform, platform, scan);
    window.Form_Activate();
    window.cmd_install_Click();
    EXPECT_EQ(MessagesOf(platform), std::vector<std::wstring>{message::kNotInstalled});
    EXPECT_EQ(window.ExitCode(), 1603);
    EXPECT_TRUE(platform.unloaded);
}

// A quit request during the wait: the script is awaited, the road's final
// message shown, and the window closed as on every road.
TEST_F(InstallationTest, QuitDuringTheWaitStillEndsTheRoad) {
    ScriptInstallsMariaDB();
    fake.process.inputWakeUps = 2;
    fake.quitRequested = true;
    form.Form_Activate();
    EXPECT_EQ(fake.doEventsCalls, 1);
    EXPECT_EQ(fake.keepPaintedCalls, 1);
    EXPECT_EQ(Messages(), std::vector<std::wstring>{message::kInstalledAutomatically});
    ExpectClosedWithoutHandles();
}

TEST_F(InstallationTest, ActivationDuringTheWaitDoesNothing) {
    ScriptInstallsMariaDB();
    fake.process.inputWakeUps = 1;
    fake.pendingEvents = {[&] { form.Form_Activate(); }};
    form.Form_Activate();
    EXPECT_EQ(fake.startedCommandLines.size(), 1u);
    EXPECT_EQ(fake.handlesOpened, 3 * 2 + 1 + 2);  // three scans of two passes, file, process, job
    EXPECT_EQ(Messages(), std::vector<std::wstring>{message::kInstalledAutomatically});
}

// A failure that escapes an entry from the window is shown once, in the
// scan's form, and closes the window.
TEST_F(InstallationTest, FailureEscapingAnEntryIsShownAndCloses) {
    fake.Fail(Call::SetVisible, 424);
    form.Form_Activate();
    EXPECT_EQ(Messages(), std::vector<std::wstring>{L"Fehler: 424=Steuerelement-Fehler"});
    EXPECT_TRUE(fake.unloaded);
    EXPECT_EQ(form.ExitCode(), 1603);
    EXPECT_TRUE(form.QueryUnload());
    EXPECT_TRUE(fake.startedCommandLines.empty());
}

// Where nobody can see the window, the automatic road runs to its end without a
// box to answer, and the exit code alone tells the outcome.
TEST_F(InstallationTest, UnseenAutomaticRoadEndsByItself) {
    fake.canBeSeen = false;
    ScriptInstallsMariaDB();
    form.Form_Activate();
    EXPECT_EQ(fake.startedCommandLines.size(), 1u);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(CountOf(fake, std::wstring(L"unseen message ") + message::kInstalledAutomatically),
              1);
    EXPECT_EQ(form.ExitCode(), 0);
    ExpectClosedWithoutHandles();

    fake::FakePlatform platform;
    platform.canBeSeen = false;
    Module1 scan(platform, platform, platform, platform);
    Form1 window(platform, platform, platform, platform, scan);
    window.Form_Activate();
    EXPECT_TRUE(MessagesOf(platform).empty());
    EXPECT_EQ(CountOf(platform, L"unseen message " + kMissing), 1);
    EXPECT_EQ(window.ExitCode(), 1603);
    EXPECT_TRUE(platform.unloaded);
}

// Where nobody can see the window, nobody could decide: a server, running or
// stopped, or a failed scan ends the program at once, and nothing runs.
TEST_F(InstallationTest, UnseenWindowWithAServerOrAFailedScanEndsAtOnce) {
    struct Case {
        const char* running;
        const char* stopped;
        bool scanFails;
        int32_t exitCode;
    };
    for (const Case& c :
         {Case{"MySQL", nullptr, false, 1638}, Case{nullptr, "MariaDB", false, 1638},
          Case{nullptr, nullptr, true, 1603}}) {
        fake::FakePlatform platform;
        platform.canBeSeen = false;
        platform.files.insert(kScript);
        if (c.running != nullptr) platform.running.push_back({c.running, ""});
        if (c.stopped != nullptr) platform.stopped.push_back({c.stopped, ""});
        if (c.scanFails) platform.Fail(Call::OpenSCManagerA, 5);
        Module1 scan(platform, platform, platform, platform);
        Form1 window(platform, platform, platform, platform, scan);
        window.Form_Activate();
        SCOPED_TRACE(c.exitCode);
        EXPECT_TRUE(platform.startedCommandLines.empty());
        EXPECT_EQ(window.ExitCode(), c.exitCode);
        EXPECT_TRUE(platform.unloaded);
        EXPECT_TRUE(MessagesOf(platform).empty());
    }
}

// What the script leaves running in its job (msiexec, after its console was
// closed) is awaited, with the window answering, before the rescan; the
// script's own exit code stays the one passed on.
TEST_F(InstallationTest, ProcessesLeftInTheJobAreAwaitedBeforeTheRescan) {
    fake.files.insert(kScript);
    fake.process.exitCode = 3010;
    fake.leftInJob.push_back({1603, 2, nullptr, [this] { Install(); }});
    fake.leftInJob.push_back({0, 1, nullptr, nullptr});
    form.Form_Activate();
    EXPECT_EQ(Messages(), std::vector<std::wstring>{message::kInstalledAutomatically});
    EXPECT_EQ(fake.doEventsCalls, 3);
    EXPECT_EQ(form.ExitCode(), 3010);
    ExpectClosedWithoutHandles();
}

// The session's end is held only from the script's start until it and what it
// started have ended: not while a start failure or the outcome is shown.
TEST_F(InstallationTest, SessionEndIsHeldOnlyWhileTheScriptRuns) {
    ScriptInstallsMariaDB();
    fake.process.inputWakeUps = 1;
    fake.leftInJob.push_back({0, 1, nullptr, nullptr});
    std::vector<bool> heldDuringEvents;
    std::function<void()> noteHeld = [&] {
        heldDuringEvents.push_back(fake.sessionEndHeld);
        fake.pendingEvents = {noteHeld};
    };
    fake.pendingEvents = {noteHeld};
    std::vector<bool> heldDuringBoxes;
    fake.duringMessageBox = [&](const std::wstring&) {
        heldDuringBoxes.push_back(fake.sessionEndHeld);
    };
    form.Form_Activate();
    for (bool startFails : {false, true}) {
        fake::FakePlatform platform;
        if (startFails) {
            platform.files.insert(kScript);
            platform.Fail(Call::CreateProcessW, 2);
        }
        platform.duringMessageBox = [&](const std::wstring&) {
            heldDuringBoxes.push_back(platform.sessionEndHeld);
        };
        Module1 scan(platform, platform, platform, platform);
        Form1 window(platform, platform, platform, platform, scan);
        window.Form_Activate();
    }
    EXPECT_EQ(heldDuringEvents, std::vector<bool>({true, true}));  // the script, then its job
    EXPECT_EQ(heldDuringBoxes, std::vector<bool>(5, false));
    EXPECT_FALSE(fake.sessionEndHeld);
}

TEST(RunEventTest, TypeFollowsTheExitCode) {
    using platform::EventType;
    for (int32_t code : {0, 3010, 1641}) EXPECT_EQ(EventTypeFor(code), EventType::Information);
    for (int32_t code : {1602, 1618, 1638}) EXPECT_EQ(EventTypeFor(code), EventType::Warning);
    for (int32_t code : {1603, 5, 7}) EXPECT_EQ(EventTypeFor(code), EventType::Error);
}

// The event tells what the messages told, or would have told where nobody saw
// them, how the run ended where no message says it, and the run's facts.
TEST_F(InstallationTest, RunEventSaysWhatHappened) {
    ScriptInstallsMariaDB();
    form.Form_Activate();
    form.Ending(form.ExitCode(), platform::EndReason::WindowClosed);
    ASSERT_EQ(fake.events.size(), 1u);
    EXPECT_EQ(fake.events[0].id, 0u);
    EXPECT_EQ(fake.events[0].text,
              L"Datenbank wurde installiert\r\nExit-Code: 0\r\nExit-Code von "
              L"silent-install2.bat: 0\r\nFenster sichtbar: ja\r\nOrdner des Programms: C:\\Setup");
    struct Case {
        bool seen, server, script, endSession;
        std::wstring happened;
    };
    for (const Case& c :
         {Case{false, true, true, false,
               std::wstring(message::kServerPresentUnseen) + verdict::kMysqlRunning},
          Case{true, false, false, false, kMissing + L"\r\n" + message::kNotInstalled},
          Case{true, false, true, true, message::kSessionEnded}}) {
        fake::FakePlatform platform;
        platform.canBeSeen = c.seen;
        if (c.server) platform.running.push_back({"MySQL", ""});
        if (c.script) platform.files.insert(kScript);
        Module1 scan(platform, platform, platform, platform);
        Form1 window(platform, platform, platform, platform, scan);
        platform.process.inputWakeUps = 1;
        platform.pendingEvents = {[&] {
            if (c.endSession) window.Ending(window.ExitCode(), platform::EndReason::SessionEnded);
        }};
        window.Form_Activate();
        if (!c.endSession) window.Ending(window.ExitCode(), platform::EndReason::WindowClosed);
        ASSERT_EQ(platform.events.size(), 1u);
        const std::wstring& text = platform.events[0].text;
        const std::wstring start = c.happened + L"\r\nExit-Code: ";
        EXPECT_EQ(text.substr(0, start.size()), start);
        EXPECT_EQ(text.find(L"silent-install2.bat:") != std::wstring::npos, false);
        EXPECT_EQ(text.find(L"Fenster sichtbar: nein") != std::wstring::npos, !c.seen);
    }
}
