// The database service scan: looks through the running and then the stopped
// Windows services for MySQL and MariaDB and writes its verdict into the
// status label. The finding flags live as long as the program and are only
// ever set, so a later scan also reports what an earlier one saw.
#pragma once

#include <cstdint>

#include "platform/platform.h"

class Module1 {
  public:
    explicit Module1(platform::Platform& platform) : platform_(platform) {}

    // 1 when both passes ran to their end and no server was found, else 0.
    int16_t CheckDatabaseServices();
    // Whether the latest scan stopped on a failure (its result was then 0).
    bool LastScanFailed() const { return lastScanFailed_; }

    struct Flags {
        int16_t mysqlActive, mysqlInactive, mariaActive, mariaInactive, noServerFound;
    };
    Flags FindingFlags() const {
        return {mysqlActive, mysqlInactive, mariaActive, mariaInactive, noServerFound};
    }

  private:
    void ScanAndWriteVerdict();
    void RunPass(uint32_t serviceState, int16_t& mysqlFlag, int16_t& mariaFlag);
    void TestName(const char* serviceName, int16_t& mysqlFlag, int16_t& mariaFlag);
    void WriteVerdict();
    void ReportFailure();

    platform::Platform& platform_;
    int16_t mysqlActive = 0;
    int16_t mysqlInactive = 0;
    int16_t mariaActive = 0;
    int16_t mariaInactive = 0;
    int16_t noServerFound = 0;
    bool lastScanFailed_ = false;
};
