// How the run ends, decided in one place: what the run reached and so its exit
// code, every message it told (shown or not), a request to quit held until a
// road is over, whether the session may end, and the run's one event.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/event_log.h"
#include "platform/files.h"
#include "platform/teller.h"
#include "platform/user_interface.h"
#include "runner/shell_and_wait.h"

class RunEnd final : public ScriptWatch, public platform::Teller {
  public:
    RunEnd(platform::UserInterface& window, platform::Files& files, platform::EventLog& log)
        : window_(window), files_(files), log_(log) {}

    // Shown where somebody can see the window, and kept for the event.
    void Tell(const std::wstring& text) override;

    // What the run has reached; each replaces the one before.
    void RoadStarted() { reached_ = Reached::Road; }
    void Installed(int32_t code) { Reach(Reached::Installed, code); }
    void Failed(int32_t code) { Reach(Reached::Failed, code); }
    void ServerPresentUnseen() { reached_ = Reached::ServerPresentUnseen; }
    void ScanFailedUnseen() { reached_ = Reached::ScanFailedUnseen; }
    void ScriptReturned(uint32_t code) { scriptCode_ = code; }

    void QuitRequested() { quitHeld_ = true; }
    bool QuitHeld() const { return quitHeld_; }
    void ScriptRunning(bool running) noexcept override;
    // Only while the script runs is the session asked to wait, and only where
    // somebody can see the window: Windows terminates a program that refuses
    // a critical end, or that nobody sees, and its code would be lost.
    bool MaySessionEnd(bool critical) const noexcept;

    int32_t ExitCode() const noexcept;
    // Writes the run's one event, once, and gives the exit code. verdict: what
    // the status label says now.
    int32_t End(bool sessionEnded, const std::wstring& verdict) noexcept;

  private:
    enum class Reached { NoRoad, Road, Installed, Failed, ServerPresentUnseen, ScanFailedUnseen };

    void Reach(Reached reached, int32_t code) {
        reached_ = reached;
        code_ = code;
    }
    platform::EventType Type() const;
    std::wstring Happened(bool sessionEnded, const std::wstring& verdict) const;

    platform::UserInterface& window_;
    platform::Files& files_;
    platform::EventLog& log_;
    Reached reached_ = Reached::NoRoad;
    int32_t code_ = 0;  // of an installed or failed road
    std::optional<uint32_t> scriptCode_;
    std::vector<std::wstring> told_;
    bool quitHeld_ = false;
    bool scriptRunning_ = false;
    bool ended_ = false;
};
