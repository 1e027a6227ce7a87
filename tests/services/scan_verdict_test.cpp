#include <string>
#include <vector>

#include "services/scan_fixture.h"
#include "support/transcript.h"

using platform::MousePointer;

TEST_F(ScanTest, NoServerGivesNeitherAndResultOne) {
    Running("Spooler");
    Stopped("MySQL80");
    EXPECT_EQ(module.CheckDatabaseServices(), 1);
    EXPECT_EQ(Label4(), expected::kNeither);
}

TEST_F(ScanTest, VerdictFollowsTheFlagsThatAreSet) {
    struct Case {
        std::vector<std::string> running, stopped;
        const wchar_t* verdict;
    };
    const Case cases[] = {
        {{"MySQL"}, {}, expected::kMysqlRunning},
        {{}, {"mysql"}, expected::kMysqlStopped},
        {{"MYSQL"}, {"MySql"}, expected::kMysqlStopped},
        {{"MariaDB"}, {}, expected::kMariaRunning},
        {{"MySQL", "MariaDB"}, {}, expected::kMariaRunning},
        {{"MariaDB"}, {"MySQL"}, expected::kMariaRunning},
        {{}, {"MariaDB"}, expected::kMariaStopped},
        {{"MySQL"}, {"MariaDB"}, expected::kMariaStopped},
        {{"MariaDB"}, {"mariadb"}, expected::kMariaStopped},
        {{}, {"SomeMARIAservice"}, expected::kMariaStopped},
    };
    for (const Case& c : cases) {
        fake::FakePlatform platform;
        for (const auto& name : c.running) platform.running.push_back({name, ""});
        for (const auto& name : c.stopped) platform.stopped.push_back({name, ""});
        Module1 scan(platform, platform, platform, platform, platform);
        SCOPED_TRACE(c.running.empty() ? c.stopped.front() : c.running.front());
        EXPECT_EQ(scan.CheckDatabaseServices(), 0);
        EXPECT_EQ(platform.captions[platform::Control::Label4], c.verdict);
    }
}

TEST_F(ScanTest, EffectsComeInOrder) {
    Running("MySQL");
    module.CheckDatabaseServices();
    const std::vector<std::wstring> wanted = {L"cursor hourglass", L"repaint", L"cursor default",
                                              std::wstring(L"Label4 = ") + expected::kMysqlRunning};
    EXPECT_EQ(fake.transcript, wanted);
}

TEST_F(ScanTest, EveryManagerHandleIsClosed) {
    Running("MySQL");
    module.CheckDatabaseServices();
    EXPECT_EQ(fake.handlesOpened, 2);  // one per pass
    EXPECT_EQ(fake.OpenHandles(), 0);
    EXPECT_EQ(fake.badCloses, 0);
}

TEST_F(ScanTest, DisplayNameIsNotCounted) {
    Stopped("Foo", "MariaDB Server");
    Running("Bar", "MySQL");
    EXPECT_EQ(module.CheckDatabaseServices(), 1);
    EXPECT_EQ(Label4(), expected::kNeither);
}

// With no service in a state the size query succeeds: an empty pass, no message.
TEST_F(ScanTest, EmptyPassesSetNoFlag) {
    EXPECT_EQ(module.CheckDatabaseServices(), 1);
    EXPECT_EQ(Label4(), expected::kNeither);
    EXPECT_TRUE(MessagesOf(fake).empty());
    EXPECT_EQ(fake.OpenHandles(), 0);
}

// What a scan found is never carried into the result of a later one that fails.
// A scan that found none leaves nothing behind: a server that appears after
// it, or a failed scan, gives 0.
TEST_F(ScanTest, NoServerFoundIsZeroAfterEveryScan) {
    EXPECT_EQ(module.CheckDatabaseServices(), 1);
    Stopped("MariaDB");
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    fake.Fail(fake::Call::OpenSCManagerA, 5);
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
}

TEST_F(ScanTest, FindingFlagsStaySetAcrossScans) {
    Running("MySQL");
    ASSERT_EQ(module.CheckDatabaseServices(), 0);
    fake.running.clear();
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_EQ(Label4(), expected::kMysqlRunning);
    Stopped("MariaDB");
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_EQ(Label4(), expected::kMariaStopped);
}

TEST_F(ScanTest, LongNameIsTestedOnItsFirst250Characters) {
    Stopped(std::string(250, 'x') + "MariaDB");
    Stopped(std::string(245, 'y') + "Maria");
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_EQ(Label4(), expected::kMariaStopped);
    fake::FakePlatform platform;
    platform.stopped.push_back({std::string(250, 'x') + "MariaDB", ""});
    Module1 cut(platform, platform, platform, platform, platform);
    EXPECT_EQ(cut.CheckDatabaseServices(), 1);
}

TEST_F(ScanTest, NameOfExactly250CharactersIsTakenWhole) {
    Running(std::string(245, 'z') + "maria");
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_EQ(Label4(), expected::kMariaRunning);
}

TEST_F(ScanTest, NonAsciiNamesAreConvertedAndCompared) {
    Stopped("Dienst f\xFCr \xC4MARIA");  // "Dienst für ÄMARIA" in Latin-1
    Running("\xE9mysql");
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_EQ(Label4(), expected::kMariaStopped);
}

TEST_F(ScanTest, LongerNamesAreNeverEqualToMysql) {
    Running("MySQL80");
    Running("MySQL ");
    Stopped("xMySQL");
    EXPECT_EQ(module.CheckDatabaseServices(), 1);
}

TEST_F(ScanTest, ManyServicesAreAllSeen) {
    for (int i = 0; i < 3000; ++i) Stopped("Service" + std::to_string(i));
    Stopped("MariaDB");
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_EQ(Label4(), expected::kMariaStopped);
}

// Services that appear between the size query and the fetch, and a list longer
// than one call hands out, are read on through the resume handle.
// One call never gets more than the system's documented 256 KB.
TEST_F(ScanTest, LongListIsFetchedInBuffersOfAtMost256KB) {
    for (int i = 0; i < 8000; ++i) Stopped("AVeryLongServiceNameNumber" + std::to_string(i));
    Stopped("MySQL");
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_EQ(Label4(), expected::kMysqlStopped);
    EXPECT_LE(fake.largestFetchBuffer, 256u * 1024u);
    EXPECT_GT(fake.fetches, 1);
}

TEST_F(ScanTest, ListIsReadOnThroughTheResumeHandle) {
    Running("Spooler");
    fake.maxBytesPerCall = 300;
    fake.betweenQueryAndFetch = [this](uint32_t state) {
        if (state != platform::kServiceInactive) return;
        for (int i = 0; i < 20; ++i) Stopped("NewService" + std::to_string(i));
        Stopped("MariaDB");
    };
    Stopped("MySQL");
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_TRUE(MessagesOf(fake).empty());
    EXPECT_EQ(Label4(), expected::kMariaStopped);  // the last service of the list
    EXPECT_GT(fake.fetches, 3);
    EXPECT_EQ(fake.OpenHandles(), 0);
}

// A call that asks for more has moved on when it brought records or moved the
// resume handle; either alone is enough to read on.
TEST_F(ScanTest, EitherRecordsOrAMovedResumeHandleReadOn) {
    for (const char* name : {"Spooler", "Dienst", "MariaDB"}) Stopped(name);
    fake.maxBytesPerCall = 100;  // one record a call
    int partialFetches = 0;
    fake.alterPartialFetch = [&](uint32_t& returned, uint32_t& resumeHandle, uint32_t from) {
        if (++partialFetches == 1) resumeHandle = from;  // records, handle not moved
        if (partialFetches == 2) returned = 0;           // handle moved, no record
    };
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_TRUE(MessagesOf(fake).empty());
    EXPECT_EQ(Label4(), expected::kMariaStopped);
}
