#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "support/expected_texts.h"
#include "support/installer.h"
#include "support/transcript.h"

using fake::Call;
using platform::Control;

namespace {
const std::wstring kScript = L"C:\\Setup\\silent-install2.bat";
const std::wstring kTarget = L"c:\\Program Files\\MariaDB 10.1";
const std::wstring kMissing = expected::kFileNotFound + kScript;
const std::wstring kCannotStart = expected::kCannotStart + kScript;
}  // namespace

class InstallationTest : public ::testing::Test, public Installer {
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
};

TEST_F(InstallationTest, AutomaticRoadRunsTheScriptWithEffectsInOrder) {
    ScriptInstallsMariaDB();
    form.Form_Activate();
    const std::wstring stopped = std::wstring(L"Label4 = ") + expected::kMariaStopped;
    const std::vector<std::wstring> wanted = {
        L"hide cmd_install",
        L"show Label3",
        L"cursor hourglass",
        L"start " + kScript,
        std::wstring(L"shutdown reason ") + expected::kShutdownBlocked,
        L"shutdown reason removed",
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
        std::wstring(L"message ") + expected::kInstalledAutomatically,
        L"close",
    };
    EXPECT_EQ(TranscriptFrom(L"hide cmd_install"), wanted);
    EXPECT_EQ(fake.startedShowWindow, std::vector<int32_t>{2});  // minimized
    EXPECT_EQ(form.ExitCode(), 0);
    ExpectClosedWithoutHandles();
}

TEST_F(InstallationTest, ScriptThatInstallsNothingIsNotReportedAsInstalled) {
    fake.files.insert(kScript);
    form.Form_Activate();
    EXPECT_EQ(fake.startedCommandLines.size(), 1u);
    EXPECT_EQ(Messages(), std::vector<std::wstring>{expected::kNotInstalled});
    EXPECT_EQ(form.ExitCode(), 1603);
    ExpectClosedWithoutHandles();

    Installer serviceOnly;  // registers the service but makes no target directory
    serviceOnly.fake.files.insert(kScript);
    serviceOnly.fake.process.effects = [&] { serviceOnly.fake.stopped.push_back({"MariaDB", ""}); };
    serviceOnly.form.Form_Activate();
    EXPECT_EQ(MessagesOf(serviceOnly.fake), std::vector<std::wstring>{expected::kNotInstalled});
    EXPECT_EQ(serviceOnly.form.ExitCode(), 1603);
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
                          Case{3010, false, 1603}, Case{1641, false, 1603}, Case{5, false, 5},
                          Case{259, false, 1603}}) {
        Installer other;
        fake::FakePlatform& platform = other.fake;
        Form1& window = other.form;
        platform.files.insert(kScript);
        platform.process.exitCode = c.scriptCode;
        if (c.installs)
            platform.process.effects = [&] {
                platform.stopped.push_back({"MariaDB", "MariaDB"});
                platform.directories.insert(kTarget);
            };
        window.Form_Activate();
        SCOPED_TRACE(c.scriptCode);
        EXPECT_EQ(MessagesOf(platform),
                  std::vector<std::wstring>{c.installs ? expected::kInstalledAutomatically
                                                       : expected::kNotInstalled});
        EXPECT_EQ(window.ExitCode(), c.exitCode);
    }
}

TEST_F(InstallationTest, ExistingDirectoryOrFileStopsTheRunBeforeAnythingShows) {
    for (bool asFile : {false, true}) {
        Installer other;
        fake::FakePlatform& platform = other.fake;
        Form1& window = other.form;
        (asFile ? platform.files : platform.directories).insert(kTarget);
        platform.files.insert(kScript);
        window.Form_Activate();
        SCOPED_TRACE(asFile ? "file" : "directory");
        EXPECT_TRUE(platform.startedCommandLines.empty());
        EXPECT_EQ(CountOf(platform, L"show Label3"), 0);
        const std::vector<std::wstring> wanted = {expected::kDirectoryExists,
                                                  expected::kNotInstalled};
        EXPECT_EQ(MessagesOf(platform), wanted);
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
    EXPECT_EQ(Messages(), (std::vector<std::wstring>{kMissing, expected::kNotInstalled}));
    EXPECT_EQ(fake.visible[Control::Label3], false);
    EXPECT_EQ(form.ExitCode(), 1603);
    ExpectClosedWithoutHandles();
}

TEST_F(InstallationTest, StartFailureIsShownAndIsAFailure) {
    fake.files.insert(kScript);
    fake.Fail(Call::CreateProcessW, 193);
    form.Form_Activate();
    EXPECT_EQ(Messages(), (std::vector<std::wstring>{kCannotStart, expected::kNotInstalled}));
    EXPECT_EQ(form.ExitCode(), 1603);
    ExpectClosedWithoutHandles();
}

TEST_F(InstallationTest, ButtonRoadReportsTheRescan) {
    ServerPresent();
    ScriptInstallsMariaDB();
    form.Form_Activate();
    EXPECT_FALSE(fake.unloaded);
    form.cmd_install_Click();
    EXPECT_EQ(Messages(), std::vector<std::wstring>{expected::kInstalledOnRequest});
    EXPECT_EQ(fake.captions[Control::Label4], expected::kMariaStopped);
    EXPECT_EQ(form.ExitCode(), 0);
    ExpectClosedWithoutHandles();
}

TEST_F(InstallationTest, ButtonRoadAfterAFailedScanReportsNothingInstalled) {
    fake.Fail(Call::OpenSCManagerA, 5);
    form.Form_Activate();
    fake.Recover(Call::OpenSCManagerA);
    fake.files.insert(kScript);
    form.cmd_install_Click();
    EXPECT_EQ(Messages().back(), expected::kNotInstalled);
    EXPECT_TRUE(fake.unloaded);
}

// The script installs, but the rescan fails: that is no installation either.
TEST_F(InstallationTest, FailedRescanIsNeverReportedAsInstalled) {
    ServerPresent();
    ScriptInstallsMariaDB();
    form.Form_Activate();
    fake.Fail(Call::OpenSCManagerA, 1722);
    form.cmd_install_Click();
    EXPECT_EQ(Messages().back(), expected::kNotInstalled);
    EXPECT_EQ(form.ExitCode(), 1603);

    Installer other;
    fake::FakePlatform& platform = other.fake;
    Form1& window = other.form;
    platform.files.insert(kScript);
    platform.process.effects = [&] {
        platform.directories.insert(kTarget);
        platform.Fail(Call::EnumFetch, 8);
    };
    window.Form_Activate();
    EXPECT_EQ(MessagesOf(platform).back(), expected::kNotInstalled);
    EXPECT_EQ(window.ExitCode(), 1603);
}

TEST_F(InstallationTest, ButtonRoadWithExistingDirectoryShowsOnlyThatMessage) {
    ServerPresent();
    fake.directories.insert(kTarget);
    form.Form_Activate();
    form.cmd_install_Click();
    EXPECT_EQ(Messages(), std::vector<std::wstring>{expected::kDirectoryExists});
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

    Installer other;
    fake::FakePlatform& platform = other.fake;
    Form1& window = other.form;
    platform.running.push_back({"MySQL", ""});
    platform.files.insert(kScript);
    platform.Fail(Call::CreateProcessW, 2);
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
    EXPECT_EQ(Messages(), std::vector<std::wstring>{expected::kInstalledOnRequest});
    EXPECT_EQ(fake.transcript.back(), L"close");
    EXPECT_EQ(fake.events.at(0).id, 0u);
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

// The finding flags keep the first scan's server, so on this road only the
// target directory and the script's success tell an installation: a script
// that installs nothing, or that reports a failure while something was left in
// the target directory, fails the road with its own code.
TEST_F(InstallationTest, ButtonRoadWhoseScriptInstallsNothingIsAFailure) {
    ServerPresent();
    fake.files.insert(kScript);
    fake.process.exitCode = 1619;
    form.Form_Activate();
    form.cmd_install_Click();
    EXPECT_EQ(Messages(), std::vector<std::wstring>{expected::kNotInstalled});
    EXPECT_EQ(form.ExitCode(), 1619);
    ExpectClosedWithoutHandles();

    Installer other;
    other.fake.running.push_back({"MySQL", ""});
    other.fake.files.insert(kScript);
    other.fake.process.exitCode = 1603;
    other.fake.process.effects = [&] { other.fake.directories.insert(kTarget); };
    other.form.Form_Activate();
    other.form.cmd_install_Click();
    EXPECT_EQ(MessagesOf(other.fake), std::vector<std::wstring>{expected::kNotInstalled});
    EXPECT_EQ(other.form.ExitCode(), 1603);
}

TEST_F(InstallationTest, ButtonRoadAfterAFailedFirstScanCanSucceed) {
    fake.Fail(Call::OpenSCManagerA, 5);
    form.Form_Activate();
    fake.Recover(Call::OpenSCManagerA);
    ScriptInstallsMariaDB();
    form.cmd_install_Click();
    const std::vector<std::wstring> wanted = {L"OpenSCManager failed. LastDllError = 5",
                                              expected::kInstalledOnRequest};
    EXPECT_EQ(Messages(), wanted);
    ExpectClosedWithoutHandles();
}

// A wait that fails is no finished run, though the run still tidies up; on
// either road the user is told.
TEST_F(InstallationTest, FailedWaitIsNotAnInstallation) {
    ScriptInstallsMariaDB();
    fake.Fail(Call::WaitWhileResponsive, 6);
    form.Form_Activate();
    EXPECT_EQ(Messages(), std::vector<std::wstring>{expected::kNotInstalled});
    EXPECT_EQ(fake.visible[Control::Label3], false);
    EXPECT_EQ(CountOf(fake, std::wstring(L"Label4 = ") + expected::kMariaStopped), 1);
    EXPECT_EQ(form.ExitCode(), 1603);
    ExpectClosedWithoutHandles();

    Installer other;
    fake::FakePlatform& platform = other.fake;
    Form1& window = other.form;
    platform.running.push_back({"MySQL", ""});
    platform.files.insert(kScript);
    platform.Fail(Call::WaitWhileResponsive, 6);
    window.Form_Activate();
    window.cmd_install_Click();
    EXPECT_EQ(MessagesOf(platform), std::vector<std::wstring>{expected::kNotInstalled});
    EXPECT_EQ(window.ExitCode(), 1603);
    EXPECT_TRUE(platform.unloaded);
}

TEST_F(InstallationTest, ActivationDuringTheWaitDoesNothing) {
    ScriptInstallsMariaDB();
    fake.process.inputWakeUps = 1;
    fake.pendingEvents = {[&] { form.Form_Activate(); }};
    form.Form_Activate();
    EXPECT_EQ(fake.startedCommandLines.size(), 1u);
    EXPECT_EQ(fake.handlesOpened, 3 * 2 + 1 + 2);  // three scans of two passes, file, process, job
    EXPECT_EQ(Messages(), std::vector<std::wstring>{expected::kInstalledAutomatically});
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

    Installer late;  // the failure escapes while the outcome is shown: the run failed
    late.fake.files.insert(kScript);
    late.fake.process.effects = [&] {
        late.fake.stopped.push_back({"MariaDB", ""});
        late.fake.directories.insert(kTarget);
    };
    late.fake.duringMessageBox = [](const std::wstring& text) {
        if (text == expected::kInstalledAutomatically)
            throw platform::Failure(424, L"Steuerelement-Fehler");
    };
    late.form.Form_Activate();
    EXPECT_EQ(MessagesOf(late.fake),
              std::vector<std::wstring>(
                  {expected::kInstalledAutomatically, L"Fehler: 424=Steuerelement-Fehler"}));
    EXPECT_EQ(late.form.ExitCode(), 1603);
}

// While a handler of the window shows a message box, whose loop still hands
// the window its messages, a click or the close box does nothing: no road
// starts inside the first scan's failure or inside "Fehler: ...".
TEST_F(InstallationTest, ClicksDuringAnotherHandlersBoxAreIgnored) {
    for (bool scanFails : {true, false}) {
        Installer run;
        run.fake.files.insert(kScript);
        if (scanFails) run.fake.Fail(Call::OpenSCManagerA, 5);
        if (!scanFails) run.fake.Fail(Call::SetVisible, 424);
        std::vector<bool> mayClose;
        run.fake.duringMessageBox = [&](const std::wstring&) {
            run.form.cmd_install_Click();
            run.form.cmd_Abbruch_Click();
            mayClose.push_back(run.form.QueryUnload());
        };
        run.form.Form_Activate();
        SCOPED_TRACE(scanFails);
        EXPECT_TRUE(run.fake.startedCommandLines.empty());
        EXPECT_EQ(mayClose, std::vector<bool>{false});
        EXPECT_EQ(run.fake.unloaded, !scanFails);
    }
}

// Where nobody can see the window, the automatic road runs to its end without a
// box to answer or a session's end refused; the exit code and the event tell
// the outcome.
TEST_F(InstallationTest, UnseenAutomaticRoadEndsByItself) {
    fake.canBeSeen = false;
    ScriptInstallsMariaDB();
    fake.process.inputWakeUps = 1;
    std::vector<bool> sessionMayEnd;
    fake.pendingEvents = {[&] { sessionMayEnd.push_back(form.MaySessionEnd(false)); }};
    form.Form_Activate();
    EXPECT_EQ(fake.startedCommandLines.size(), 1u);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(sessionMayEnd, std::vector<bool>{true});
    EXPECT_EQ(CountOf(fake, L"shutdown reason removed"), 0);
    ASSERT_EQ(fake.events.size(), 1u);
    EXPECT_EQ(fake.events[0].text.substr(0, 29), L"Datenbank wurde installiert\r\n");
    EXPECT_EQ(form.ExitCode(), 0);
    ExpectClosedWithoutHandles();

    Installer other;
    fake::FakePlatform& platform = other.fake;
    Form1& window = other.form;
    platform.canBeSeen = false;
    window.Form_Activate();
    EXPECT_TRUE(MessagesOf(platform).empty());
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
        Installer other;
        fake::FakePlatform& platform = other.fake;
        Form1& window = other.form;
        platform.canBeSeen = false;
        platform.files.insert(kScript);
        if (c.running != nullptr) platform.running.push_back({c.running, ""});
        if (c.stopped != nullptr) platform.stopped.push_back({c.stopped, ""});
        if (c.scanFails) platform.Fail(Call::OpenSCManagerA, 5);
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
// script's own exit code stays the one passed on. A wait for it that fails is
// no installation.
TEST_F(InstallationTest, ProcessesLeftInTheJobAreAwaitedBeforeTheRescan) {
    fake.files.insert(kScript);
    fake.process.exitCode = 3010;
    fake.leftInJob.push_back({1603, 2, nullptr, [this] { Install(); }});
    fake.leftInJob.push_back({0, 1, nullptr, nullptr});
    form.Form_Activate();
    EXPECT_EQ(Messages(), std::vector<std::wstring>{expected::kInstalledAutomatically});
    EXPECT_EQ(fake.dispatchRounds, 3);
    EXPECT_EQ(form.ExitCode(), 3010);
    ExpectClosedWithoutHandles();

    Installer other;  // it installed, but the wait for what it left fails
    other.fake.files.insert(kScript);
    other.fake.process.effects = [&] {
        other.fake.stopped.push_back({"MariaDB", ""});
        other.fake.directories.insert(kTarget);
    };
    other.fake.leftInJob.push_back({0, 0, nullptr, nullptr, true});
    other.form.Form_Activate();
    EXPECT_EQ(MessagesOf(other.fake), std::vector<std::wstring>{expected::kNotInstalled});
    EXPECT_EQ(other.form.ExitCode(), 1603);
}

// The session is asked to wait only from the script's start until it and what
// it started have ended, and never at a critical end: not while a start
// failure or the outcome is shown.
TEST_F(InstallationTest, SessionMayEndExceptWhileTheScriptRuns) {
    ScriptInstallsMariaDB();
    fake.process.inputWakeUps = 1;
    fake.leftInJob.push_back({0, 1, nullptr, nullptr});
    std::vector<bool> mayEndDuringEvents;
    std::function<void()> note = [&] {
        mayEndDuringEvents.push_back(form.MaySessionEnd(false));
        mayEndDuringEvents.push_back(form.MaySessionEnd(true));
        fake.pendingEvents = {note};
    };
    fake.pendingEvents = {note};
    std::vector<bool> mayEndDuringBoxes;
    fake.duringMessageBox = [&](const std::wstring&) {
        mayEndDuringBoxes.push_back(form.MaySessionEnd(false));
    };
    form.Form_Activate();
    for (bool startFails : {false, true}) {
        Installer other;
        if (startFails) {
            other.fake.files.insert(kScript);
            other.fake.Fail(Call::CreateProcessW, 2);
        }
        other.fake.duringMessageBox = [&](const std::wstring&) {
            mayEndDuringBoxes.push_back(other.form.MaySessionEnd(false));
        };
        other.form.Form_Activate();
    }
    // The script, then its job; a critical end is always accepted.
    EXPECT_EQ(mayEndDuringEvents, std::vector<bool>({false, true, false, true}));
    EXPECT_EQ(mayEndDuringBoxes, std::vector<bool>(5, true));
    EXPECT_TRUE(form.MaySessionEnd(false));
}

// The session's end ends the program with the code of what was reached: before
// a road closed without installing, during the script failed, at the final
// message the outcome. Its one event says so.
TEST(SessionEndTest, EndsWithTheCodeReached) {
    using platform::EventType;
    const int32_t codes[] = {1602, 1603, 0};
    const EventType types[] = {EventType::Warning, EventType::Error, EventType::Information};
    for (int when : {0, 1, 2}) {  // waiting for the user, during the script, at the outcome
        Installer run;
        if (when == 0) run.fake.running.push_back({"MySQL", ""});
        run.fake.files.insert(kScript);
        run.fake.process.inputWakeUps = 1;
        run.fake.process.effects = [&] {
            run.fake.stopped.push_back({"MariaDB", ""});
            run.fake.directories.insert(kTarget);
        };
        int32_t code = -1;
        auto end = [&] { code = run.form.SessionEnded(); };
        if (when == 1) run.fake.pendingEvents = {end};
        if (when == 2) run.fake.duringMessageBox = [&](const std::wstring&) { end(); };
        run.form.Form_Activate();
        if (when == 0) end();
        SCOPED_TRACE(when);
        EXPECT_EQ(code, codes[when]);
        ASSERT_EQ(run.fake.events.size(), 1u);
        EXPECT_EQ(run.fake.events[0].type, types[when]);
        EXPECT_NE(run.fake.events[0].text.find(expected::kSessionEnded), std::wstring::npos);
    }
}

// A request to quit closes a window that waits for the user, and the event
// says so; during a road or a message box it is held until the handler is
// over, and changes nothing the run reports: a box it ended is shown again.
TEST(QuitTest, ClosesOnlyAWindowThatWaitsForTheUser) {
    Installer waiting;
    waiting.fake.running.push_back({"MySQL", ""});
    waiting.form.Form_Activate();
    waiting.form.QuitRequested();
    EXPECT_TRUE(waiting.fake.unloaded);
    EXPECT_EQ(waiting.form.ExitCode(), 1602);
    ASSERT_EQ(waiting.fake.events.size(), 1u);
    EXPECT_EQ(waiting.fake.events[0].type, platform::EventType::Warning);
    EXPECT_EQ(
        waiting.fake.events[0].text,
        std::wstring(expected::kQuitFromOutside) + L" " + expected::kMysqlRunning +
            L"\r\nExit-Code: 1602\r\nFenster sichtbar: ja\r\nOrdner des Programms: C:\\Setup");

    Installer road;  // the script installs nothing
    road.fake.files.insert(kScript);
    road.fake.process.inputWakeUps = 1;
    road.fake.pendingEvents = {[&] {
        road.form.QuitRequested();
        EXPECT_FALSE(road.fake.unloaded);
    }};
    road.form.Form_Activate();
    EXPECT_EQ(MessagesOf(road.fake), std::vector<std::wstring>{expected::kNotInstalled});
    EXPECT_EQ(road.form.ExitCode(), 1603);
    ASSERT_EQ(road.fake.events.size(), 1u);
    EXPECT_EQ(road.fake.events[0].type, platform::EventType::Error);
    EXPECT_EQ(road.fake.events[0].text.find(expected::kQuitFromOutside), std::wstring::npos);

    Installer box;  // the first scan's failure is shown; the quit ends the box early
    box.fake.Fail(Call::OpenSCManagerA, 5);
    box.fake.quitsEndingBoxes = 1;
    box.fake.duringMessageBox = [&](const std::wstring&) { EXPECT_FALSE(box.fake.unloaded); };
    box.form.Form_Activate();
    const std::wstring failure = std::wstring(expected::kOpenScManagerFailed) + L"5";
    EXPECT_EQ(MessagesOf(box.fake), std::vector<std::wstring>({failure, failure}));
    EXPECT_TRUE(box.fake.unloaded);
    EXPECT_EQ(box.form.ExitCode(), 1602);
    ASSERT_EQ(box.fake.events.size(), 1u);
    EXPECT_EQ(box.fake.events[0].text.find(std::wstring(expected::kOpenScManagerFailed) + L"5\r\n" +
                                           expected::kQuitFromOutside + L"\r\n"),
              0u);
}

// The event tells what the messages told, or would have told where nobody saw
// them, how the run ended where no message says it, and the run's facts.
TEST_F(InstallationTest, RunEventSaysWhatHappened) {
    ScriptInstallsMariaDB();
    form.Form_Activate();
    ASSERT_EQ(fake.events.size(), 1u);
    EXPECT_EQ(fake.events[0].id, 0u);
    EXPECT_EQ(fake.events[0].type, platform::EventType::Information);
    EXPECT_EQ(fake.events[0].text,
              L"Datenbank wurde installiert\r\nExit-Code: 0\r\nExit-Code von "
              L"silent-install2.bat: 0\r\nFenster sichtbar: ja\r\nOrdner des Programms: C:\\Setup");
    struct Case {
        bool seen, server, script;
        std::wstring happened;
    };
    for (const Case& c :
         {Case{false, true, true,
               std::wstring(expected::kServerPresentUnseen) + expected::kMysqlRunning},
          Case{true, false, false, kMissing + L"\r\n" + expected::kNotInstalled}}) {
        Installer other;
        other.fake.canBeSeen = c.seen;
        if (c.server) other.fake.running.push_back({"MySQL", ""});
        if (c.script) other.fake.files.insert(kScript);
        other.form.Form_Activate();
        ASSERT_EQ(other.fake.events.size(), 1u);
        const std::wstring& text = other.fake.events[0].text;
        const std::wstring start = c.happened + L"\r\nExit-Code: ";
        EXPECT_EQ(text.substr(0, start.size()), start);
        EXPECT_EQ(text.find(L"silent-install2.bat:") != std::wstring::npos, false);
        EXPECT_EQ(text.find(L"Fenster sichtbar: nein") != std::wstring::npos, !c.seen);
    }
}

// A failed installation is an error whatever code its script gave, and no
// closing line of another end stands in its event; a code Event Viewer cannot
// show as an ID gives 1603, and is written the same way in both places.
TEST(RunEventTest, FollowsWhatHappenedNotTheNumber) {
    struct Case {
        uint32_t scriptCode;
        uint32_t id;
        std::wstring code;
    };
    for (const Case& c :
         {Case{1638, 1638, L"1638"}, Case{0xC000013A, 1603, L"-1073741510 (0xC000013A)"},
          Case{65535, 65535, L"65535"}, Case{65536, 1603, L"65536"}}) {
        Installer run;
        run.fake.files.insert(kScript);
        run.fake.process.exitCode = c.scriptCode;
        run.form.Form_Activate();
        SCOPED_TRACE(c.code);
        EXPECT_EQ(static_cast<uint32_t>(run.form.ExitCode()), c.scriptCode);
        ASSERT_EQ(run.fake.events.size(), 1u);
        EXPECT_EQ(run.fake.events[0].type, platform::EventType::Error);
        EXPECT_EQ(run.fake.events[0].id, c.id);
        EXPECT_EQ(run.fake.events[0].text,
                  std::wstring(expected::kNotInstalled) + L"\r\nExit-Code: " + c.code +
                      L"\r\nExit-Code von silent-install2.bat: " + c.code +
                      L"\r\nFenster sichtbar: ja\r\nOrdner des Programms: C:\\Setup");
    }
}
