#include <string>

#include "services/scan_fixture.h"
#include "support/transcript.h"

using fake::Call;
using platform::MousePointer;

namespace {
const std::wstring kStartText = expected::kStatusAtStart;
}

class ScanFailureTest : public ScanTest {
  protected:
    void SetUp() override {
        fake.captions[platform::Control::Label4] = kStartText;
        Stopped("MariaDB");
    }
    // The one message that the failed scan showed, checked with the other facts
    // that hold for every failure.
    std::wstring FailedScanMessage() {
        EXPECT_EQ(module.CheckDatabaseServices(), 0);
        EXPECT_EQ(Label4(), kStartText);
        EXPECT_EQ(fake.pointer, MousePointer::Default);
        EXPECT_EQ(fake.OpenHandles(), 0);
        const std::vector<std::wstring> messages = MessagesOf(fake);
        EXPECT_EQ(messages.size(), 1u);
        return messages.empty() ? std::wstring() : messages.back();
    }
};

TEST_F(ScanFailureTest, ManagerThatCannotBeOpened) {
    fake.Fail(Call::OpenSCManagerA, 5);
    EXPECT_EQ(FailedScanMessage(), L"OpenSCManager failed. LastDllError = 5");
}

TEST_F(ScanFailureTest, SizeQueryThatEndsWithAccessDenied) {
    fake.Fail(Call::EnumSizeQuery, 5);
    EXPECT_EQ(FailedScanMessage(), L"LastDLLError = 5");
}

TEST_F(ScanFailureTest, SizeQueryThatFailsWithoutLastErrorReportsZero) {
    fake.Fail(Call::EnumSizeQuery, 0);
    EXPECT_EQ(FailedScanMessage(), L"LastDLLError = 0");
}

TEST_F(ScanFailureTest, NegativeLastErrorIsPrintedSigned) {
    fake.Fail(Call::OpenSCManagerA, -2147024891);
    EXPECT_EQ(FailedScanMessage(), L"OpenSCManager failed. LastDllError = -2147024891");
}

TEST_F(ScanFailureTest, FetchThatFails) {
    fake.Fail(Call::EnumFetch, 1060);
    EXPECT_EQ(FailedScanMessage(), L"EnumServicesStatus failed. LastDllError = 1060");
}

// A fetch that brings no record and does not move on cannot read the list.
TEST_F(ScanFailureTest, FetchThatNeverMovesOn) {
    fake.maxBytesPerCall = 10;  // less than one record
    EXPECT_EQ(FailedScanMessage(), L"EnumServicesStatus failed. LastDllError = 234");
}

TEST_F(ScanFailureTest, RecordCountOverflow) {
    fake.reportedBytesNeeded = 0x7FFFFFFF;
    EXPECT_EQ(FailedScanMessage(), L"Fehler: 6=Überlauf");
}

// The pass over the (empty) running services gets a buffer of one zeroed record.
TEST_F(ScanFailureTest, MoreRecordsReportedThanTheBufferHolds) {
    fake.reportedBytesNeeded = 0;
    fake.reportedServicesReturned = 1000;
    EXPECT_EQ(FailedScanMessage(), L"Fehler: 9=Index außerhalb des gültigen Bereichs");
}

TEST_F(ScanFailureTest, LabelThatCannotBeWritten) {
    fake.Fail(Call::SetCaption, 1400);
    EXPECT_EQ(FailedScanMessage(), L"Fehler: 1400=Steuerelement-Fehler");
}

TEST_F(ScanFailureTest, FailureInTheSecondPassKeepsTheFirstPassFlags) {
    Running("MySQL");
    fake.betweenQueryAndFetch = [this](uint32_t state) {
        if (state == platform::kServiceInactive) fake.Fail(Call::EnumFetch, 8);
    };
    EXPECT_EQ(FailedScanMessage(), L"EnumServicesStatus failed. LastDllError = 8");
    fake.Recover(Call::EnumFetch);
    fake.betweenQueryAndFetch = nullptr;
    fake.running.clear();
    fake.stopped.clear();
    EXPECT_EQ(module.CheckDatabaseServices(), 0);
    EXPECT_EQ(Label4(), expected::kMysqlRunning);
}

TEST_F(ScanFailureTest, NoStepRunsAfterTheFailure) {
    fake.Fail(Call::OpenSCManagerA, 1722);
    module.CheckDatabaseServices();
    EXPECT_EQ(fake.handlesOpened, 0);
    const std::vector<std::wstring> wanted = {L"cursor hourglass", L"repaint", L"cursor default",
                                              L"message OpenSCManager failed. LastDllError = 1722"};
    EXPECT_EQ(fake.transcript, wanted);
}
