// The installer window's behaviour: the start-up decision, the two buttons,
// the installation run, and how the window may close.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/processes.h"
#include "platform/user_interface.h"
#include "platform/window_events.h"
#include "runner/shell_and_wait.h"
#include "services/module1.h"
#include "window/run_end.h"

class Form1 : public platform::WindowEvents {
  public:
    // run: how the run ends, and whom the scan tells too.
    Form1(platform::Files& files, platform::Processes& processes, platform::UserInterface& window,
          Module1& module, RunEnd& run)
        : run_(run),
          runner_{files, processes, window, run, &run},
          files_(files),
          window_(window),
          module_(module) {}

    void Form_Activate() override;
    void cmd_install_Click() override;
    void cmd_Abbruch_Click() override;
    // The window closes from outside only while no handler of it runs.
    bool QueryUnload() noexcept override { return entries_ == 0; }
    void QuitRequested() noexcept override;
    bool MaySessionEnd(bool critical) noexcept override { return run_.MaySessionEnd(critical); }
    int32_t SessionEnded() noexcept override;
    void WindowDestroyed() noexcept override;
    int32_t ExitCode() const noexcept override { return run_.ExitCode(); }

  private:
    template <typename Entry>
    void Guarded(Entry entry) noexcept;
    void CloseIfQuitHeld() noexcept;
    void StartUpDecision();
    void EndUnseen();
    void InstallOnRequest();
    int16_t RunInstallation();
    bool ServerInstalled();
    void Finish(bool installed, const wchar_t* finalMessage);

    RunEnd& run_;
    const RunnerPlatform runner_;
    platform::Files& files_;
    platform::UserInterface& window_;
    Module1& module_;
    bool activated_ = false;
    int entries_ = 0;                    // handlers from the window now running, nested ones too
    std::optional<ShellResult> script_;  // the latest run of the script, once started
};
