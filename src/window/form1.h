// The installer window's behaviour: the start-up decision on the first
// activation, the two buttons, and the installation run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/event_log.h"
#include "platform/files.h"
#include "platform/processes.h"
#include "platform/user_interface.h"
#include "platform/window_events.h"
#include "runner/shell_and_wait.h"
#include "services/module1.h"
#include "window/exit_codes.h"

class Form1 : public platform::WindowEvents {
  public:
    Form1(platform::Files& files, platform::Processes& processes, platform::UserInterface& window,
          platform::EventLog& log, Module1& module)
        : runner_{files, processes, window},
          files_(files),
          window_(window),
          log_(log),
          module_(module) {}

    void Form_Activate() override;
    void cmd_install_Click() override;
    void cmd_Abbruch_Click() override;
    bool QueryUnload() noexcept override;
    int32_t ExitCode() const noexcept override { return exitCode_; }
    void Ending(int32_t exitCode, platform::EndReason reason) noexcept override;

  private:
    template <typename Entry>
    void Guarded(Entry entry) noexcept;
    void StartUpDecision();
    void EndUnseen();
    void InstallOnRequest();
    int16_t RunInstallation();
    bool InstallationDone();
    void Finish(bool installed, const wchar_t* finalMessage);
    int16_t Scan();
    void Tell(const std::wstring& text);
    std::wstring Happened(int32_t exitCode, platform::EndReason reason) const;

    const RunnerPlatform runner_;
    platform::Files& files_;
    platform::UserInterface& window_;
    platform::EventLog& log_;
    Module1& module_;
    bool activated_ = false;
    bool busy_ = false;  // an installation road is running; the window must not close
    std::optional<ShellResult> script_;  // the latest run of the script, once started
    std::vector<std::wstring> told_;     // every message of the run, shown or not
    int32_t exitCode_ = exit_code::kClosedByUser;
};
