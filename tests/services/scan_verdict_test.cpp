#include <string>
#include <vector>

#include "services/scan_fixture.h"
#include "support/transcript.h"

using platform::MousePointer;

TEST_F(ScanTest, NoServerGivesNeitherAndResultOne) {
    Running("Spooler");
    Stopped("MySQL80");
    EXPECT_EQ(module.CheckDatabaseServices(), 1);
    EXPECT_EQ(Label4(), verdict::kNeither);
}

TEST_F(ScanTest, VerdictFollowsTheFlagsThatAreSet) {
    struct Case {
        std::vector<std::string> running, stopped;
        const wchar_t* verdict;
    };
    const Case cases[] = {
        {{"MySQL"}, {}, verdict::kMysqlRunning},
        {{}, {"mysql"}, verdict::kMysqlStopped},
        {{"MYSQL"}, {"MySql"}, verdict::kMysqlStopped},
        {{"MariaDB"}, {}, verdict::kMariaRunning},
        {{"MySQL", "MariaDB"}, {}, verdict::kMariaRunning},
        {{"MariaDB"}, {"MySQL"}, verdict::kMariaRunning},
        {{}, {"MariaDB"}, verdict::kMariaStopped},
        {{"MySQL"}, {"MariaDB"}, verdict::kMariaStopped},
        {{"MariaDB"}, {"mariadb"}, verdict::kMariaStopped},
        {{}, {"SomeMARIAservice"}, verdict::kMariaStopped},
    };
    for (const Case& c : cases) {
        fake::FakePlatform platform;
        for (const auto& name : c.running) platform.running.push_back({name, ""});
        for (const auto& name : c.stopped) platform.stopped.push_back({name, ""});
        Module1 scan(platform, platform, platform, platform);
        SCOPED_TRACE(c.running.empty() ? c.stopped.front() : c.running.front());
        EXPECT_EQ(scan.CheckDatabaseServices(), 0);
        EXPECT_EQ(platform.captions[platform::Control::Label4], c.verdict);
    }
}

TEST_F(ScanTest, EffectsComeInOrder) {
    Running("MySQL");
    module.CheckDatabaseServices();
    const std::vector<std::wstring> expected = {
        L"cursor hourglass", L"repaint", L"cursor default",
        std::wstring(L"Label4 = ") + verdict::kMysqlRunning};
    EXPECT_EQ(fake.transcript, expected);
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
    EXPECT_EQ(Label4(), verdict::kNeither);
}

// With no service in a state the size query succeeds: an empty pass, no message.
TEST_F(ScanTest, EmptyPassesSetNoFlag) {
    EXPECT_EQ(module.CheckDatabaseServices(), 1);
    EXPECT_EQ(Label4(), verdict::kNeither);
    EXPECT_TRUE(MessagesOf(fake).empty());
    EXPECT_EQ(fake.OpenHandles(), 0);
}

TEST_F(ScanTest, NoServerFoundIsZeroAfterEveryScan) {
    module.CheckDatabaseServices();
    EXPECT_EQ(module.FindingFlags().noServerFound, 0);
    Running("MySQL");
    module.CheckDatabaseServices();
    EXPECT_EQ(module.FindingFlags().noServerFound, 0);
}

TEST_F(ScanTest, FindingFlagsStaySetAcrossScans) {
    Running("MySQL");
    ASSERT_EQ(module.CheckDatabaseServices(), 0);
    fake.running.clear();
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_EQ(Label4(), verdict::kMysqlRunning);
    Stopped("MariaDB");
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_EQ(Label4(), verdict::kMariaStopped);
    const Module1::Flags flags = module.FindingFlags();
    EXPECT_EQ(flags.mysqlActive, 1);
    EXPECT_EQ(flags.mysqlInactive, 0);
    EXPECT_EQ(flags.mariaActive, 0);
    EXPECT_EQ(flags.mariaInactive, 1);
}

TEST_F(ScanTest, LongNameIsTestedOnItsFirst250Characters) {
    Stopped(std::string(250, 'x') + "MariaDB");
    Stopped(std::string(245, 'y') + "Maria");
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_EQ(module.FindingFlags().mariaInactive, 1);
    fake::FakePlatform platform;
    platform.stopped.push_back({std::string(250, 'x') + "MariaDB", ""});
    Module1 cut(platform, platform, platform, platform);
    EXPECT_EQ(cut.CheckDatabaseServices(), 1);
}

TEST_F(ScanTest, NameOfExactly250CharactersIsTakenWhole) {
    Running(std::string(245, 'z') + "maria");
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_EQ(Label4(), verdict::kMariaRunning);
}

TEST_F(ScanTest, NonAsciiNamesAreConvertedAndCompared) {
    Stopped("Dienst f\xFCr \xC4MARIA");  // "Dienst für ÄMARIA" in Latin-1
    Running("\xE9mysql");
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_EQ(module.FindingFlags().mariaInactive, 1);
    EXPECT_EQ(module.FindingFlags().mysqlActive, 0);
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
    EXPECT_EQ(Label4(), verdict::kMariaStopped);
}

// Services that appear between the size query and the fetch, and a list longer
// than one call hands out, are read on through the resume handle.
// One call never gets more than the system's documented 256 KB.
TEST_F(ScanTest, LongListIsFetchedInBuffersOfAtMost256KB) {
    for (int i = 0; i < 8000; ++i) Stopped("AVeryLongServiceNameNumber" + std::to_string(i));
    Stopped("MySQL");
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_EQ(module.FindingFlags().mysqlInactive, 1);
    EXPECT_LE(fake.largestFetchBuffer, 256u * 1024u);
    EXPECT_GT(fake.fetches, 1);
}

TEST_F(ScanTest, ListIsReadOnThroughTheResumeHandle) {
    Running("Spooler");
    fake.maxBytesPerCall = 300;
    fake.betweenQueryAndFetch = [this](uint32_t state) {
        if (state != platform::kServiceInactive) return;
        for (int i = 0; i < 20; ++i) Stopped("NewService" + std::to_string(i));
        Stopped("MySQL");
    };
    Stopped("MariaDB");
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_TRUE(MessagesOf(fake).empty());
    EXPECT_EQ(module.FindingFlags().mysqlInactive, 1);
    EXPECT_EQ(module.FindingFlags().mariaInactive, 1);
    EXPECT_GT(fake.fetches, 3);
    EXPECT_EQ(fake.OpenHandles(), 0);
}
