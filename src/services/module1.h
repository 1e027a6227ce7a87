// The database service scan: looks through the running and then the stopped
// Windows services for MySQL and MariaDB and writes its verdict into the
// status label. The finding flags live as long as the program and are only
// ever set, so a later scan also reports what an earlier one saw.
#pragma once

#include <cstdint>
#include <string>

#include "platform/error_object.h"
#include "platform/service_manager.h"
#include "platform/teller.h"
#include "platform/texts.h"
#include "platform/user_interface.h"

class Module1 {
  public:
    Module1(platform::ServiceManager& services, platform::UserInterface& window,
            platform::Texts& texts, platform::ErrorObject& errors, platform::Teller& teller)
        : services_(services), window_(window), texts_(texts), errors_(errors), teller_(teller) {}

    // 1 when both passes ran to their end and no server was found, else 0.
    int16_t CheckDatabaseServices();
    // Whether the latest scan stopped on a failure (its result was then 0).
    bool LastScanFailed() const { return lastScanFailed_; }
    // The verdict the status label shows now; empty before the first.
    const std::wstring& Verdict() const { return verdict_; }

  private:
    void ScanAndWriteVerdict();
    void RunPass(uint32_t serviceState, int16_t& mysqlFlag, int16_t& mariaFlag);
    bool FetchAndTest(platform::ScHandle manager, uint32_t serviceState, uint32_t& bytesNeeded,
                      uint32_t& resumeHandle, int16_t& mysqlFlag, int16_t& mariaFlag);
    void TestName(const char* serviceName, int16_t& mysqlFlag, int16_t& mariaFlag);
    void WriteVerdict();
    void ShowVerdict(const wchar_t* text);
    void ReportFailure();

    platform::ServiceManager& services_;
    platform::UserInterface& window_;
    platform::Texts& texts_;
    platform::ErrorObject& errors_;
    platform::Teller& teller_;
    int16_t mysqlActive = 0;
    int16_t mysqlInactive = 0;
    int16_t mariaActive = 0;
    int16_t mariaInactive = 0;
    int16_t noServerFound = 0;
    bool lastScanFailed_ = false;
    std::wstring verdict_;
};
