#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/expected_texts.h"
#include "support/installer.h"
#include "support/transcript.h"

using platform::Control;

class Form1Test : public ::testing::Test, public Installer {
  protected:
    std::vector<std::wstring> Messages() const { return MessagesOf(fake); }
};

TEST_F(Form1Test, ServerPresentLeavesTheDecisionToTheUser) {
    fake.running.push_back({"MySQL", ""});
    form.Form_Activate();
    EXPECT_FALSE(fake.unloaded);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(CountOf(fake, L"hide cmd_install"), 0);
    EXPECT_EQ(fake.captions[Control::Label4], expected::kMysqlRunning);
}

TEST_F(Form1Test, StartUpDecisionIsMadeOnTheFirstActivationOnly) {
    fake.running.push_back({"MySQL", ""});
    form.Form_Activate();
    const std::size_t effects = fake.transcript.size();
    form.Form_Activate();
    form.Form_Activate();
    EXPECT_EQ(fake.transcript.size(), effects);
    EXPECT_EQ(fake.handlesOpened, 2);  // one scan of two passes
}

TEST_F(Form1Test, FailedFirstScanWaitsForTheUser) {
    fake.Fail(fake::Call::OpenSCManagerA, 5);
    form.Form_Activate();
    EXPECT_FALSE(fake.unloaded);
    EXPECT_EQ(Messages(), std::vector<std::wstring>{L"OpenSCManager failed. LastDllError = 5"});
    form.cmd_Abbruch_Click();
    EXPECT_EQ(form.ExitCode(), 1602);
}

TEST_F(Form1Test, NoServerHidesTheInstallButtonBeforeTheRun) {
    form.Form_Activate();
    ASSERT_FALSE(fake.transcript.empty());
    const auto hide = std::find(fake.transcript.begin(), fake.transcript.end(),
                                std::wstring(L"hide cmd_install"));
    const auto verdict = std::find(fake.transcript.begin(), fake.transcript.end(),
                                   std::wstring(L"Label4 = ") + expected::kNeither);
    EXPECT_LT(verdict, hide);
    EXPECT_NE(hide, fake.transcript.end());
    EXPECT_TRUE(fake.unloaded);
    EXPECT_EQ(fake.transcript.back(), L"close");
}

TEST_F(Form1Test, CloseButtonEndsAtOnceWithoutMessage) {
    fake.running.push_back({"MariaDB", ""});
    form.Form_Activate();
    form.cmd_Abbruch_Click();
    EXPECT_TRUE(fake.unloaded);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(form.ExitCode(), 1602);
}

TEST_F(Form1Test, CloseBoxIsAllowedWhileWaitingForTheUser) {
    fake.running.push_back({"MariaDB", ""});
    form.Form_Activate();
    EXPECT_TRUE(form.QueryUnload());
}
