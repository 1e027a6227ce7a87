// The computer around the kit: its folders and names, the registry, services,
// listening sockets, starting a program, the clock and the console.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kit/log_format.h"

namespace kit {

inline constexpr uint32_t kErrorServiceDoesNotExist = 1060;

struct ServiceFacts {
    uint32_t error = 0;  // kErrorServiceDoesNotExist when there is none
    bool markedForDeletion = false;
    std::wstring program;  // its command line
};

struct Listener {
    uint32_t port = 0;
    uint32_t process = 0;
};

struct ListenerList {
    uint32_t error = 0;
    std::vector<Listener> listeners;  // TCP, IPv4 and IPv6
};

struct ProgramRun {
    uint32_t startError = 0;  // CreateProcess's error; 0 when it ran
    uint32_t exitCode = 0;
};

class Machine {
  public:
    virtual ~Machine() = default;
    // The kit program's own folder, without a trailing backslash.
    virtual std::wstring ProgramFolder() = 0;
    virtual std::wstring ComputerName() = 0;
    virtual std::wstring UserName() = 0;  // the account that runs the kit
    virtual std::wstring WindowsFolder() = 0;
    virtual std::wstring SystemFolder() = 0;        // where msiexec.exe lies
    virtual std::wstring ProgramFilesFolder() = 0;  // the native one
    // A string under HKEY_LOCAL_MACHINE in the 64- or 32-bit view; nothing when missing.
    virtual std::optional<std::wstring> MachineString(bool view64, const std::wstring& key,
                                                      const std::wstring& value) = 0;
    virtual ServiceFacts Service(const std::wstring& name) = 0;
    virtual ListenerList TcpListeners() = 0;
    // PROGRAM (a full path) run with COMMAND_LINE, and awaited.
    virtual ProgramRun Run(const std::wstring& program, const std::wstring& commandLine) = 0;
    virtual LocalTime Now() = 0;
    virtual uint32_t ThreadId() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
    // One line on the console.
    virtual void Print(const std::wstring& line) = 0;
};

}  // namespace kit
