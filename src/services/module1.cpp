#include "services/module1.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/messages.h"
#include "platform/owned_handles.h"
#include "services/name_field.h"
#include "services/record_count.h"
#include "services/strip_at_nul.h"
#include "services/verdict_texts.h"

namespace {

using platform::MousePointer;

// A failure of the scan that carries its own message.
struct ScanFailure {
    std::wstring message;
};

constexpr int32_t kRecordSize = static_cast<int32_t>(sizeof(platform::ServiceRecord));
// The largest buffer one enumeration call takes; the resume handle reads on.
constexpr int32_t kMostBytesPerCall = 256 * 1024;

}  // namespace

int16_t Module1::CheckDatabaseServices() {
    lastScanFailed_ = false;
    try {
        ScanAndWriteVerdict();
    } catch (...) {
        lastScanFailed_ = true;
        ReportFailure();
    }
    // One reset for both ways out: between two scans noServerFound is 0. A
    // failure leaves it 0, as nothing fails after the verdict sets it.
    const int16_t result = noServerFound;
    noServerFound = 0;
    return result;
}

void Module1::ScanAndWriteVerdict() {
    window_.SetMousePointer(MousePointer::Hourglass);
    window_.AutoRedrawAndRefresh();
    RunPass(platform::kServiceActive, mysqlActive, mariaActive);
    RunPass(platform::kServiceInactive, mysqlInactive, mariaInactive);
    window_.SetMousePointer(MousePointer::Default);
    WriteVerdict();
}

void Module1::RunPass(uint32_t serviceState, int16_t& mysqlFlag, int16_t& mariaFlag) {
    platform::OwnedServiceManager manager(
        services_,
        services_.OpenSCManagerA(nullptr, nullptr, platform::kScManagerEnumerateService));
    if (!manager) {
        throw ScanFailure{message::kOpenScManagerFailed + std::to_wstring(errors_.LastDllError())};
    }
    uint32_t bytesNeeded = 0;
    uint32_t servicesReturned = 0;
    uint32_t resumeHandle = 0;
    // A size query can only succeed when no service is in this state: an empty pass.
    if (services_.EnumServicesStatusA(manager.Get(), platform::kServiceWin32, serviceState, nullptr,
                                      0, &bytesNeeded, &servicesReturned, &resumeHandle) != 0)
        return;
    const int32_t sizeQueryError = errors_.LastDllError();
    if (sizeQueryError != platform::kErrorMoreData)
        throw ScanFailure{message::kSizeQueryFailed + std::to_wstring(sizeQueryError)};

    resumeHandle = 0;
    while (!FetchAndTest(manager.Get(), serviceState, bytesNeeded, resumeHandle, mysqlFlag,
                         mariaFlag)) {
    }
}

// One fetch of a pass, into a buffer sized from the bytes needed. The system
// hands out a long list in parts (256 KB a call) and reports ERROR_MORE_DATA
// when services appeared since the size query: the records it did return are
// tested, and the pass reads on from the resume handle. True when the pass is
// complete; a call that brings nothing and does not move on is a failure.
bool Module1::FetchAndTest(platform::ScHandle manager, uint32_t serviceState, uint32_t& bytesNeeded,
                           uint32_t& resumeHandle, int16_t& mysqlFlag, int16_t& mariaFlag) {
    const int32_t wanted = RecordCount(static_cast<int32_t>(bytesNeeded), kRecordSize);
    BufferBytes(wanted, kRecordSize);  // a size past 32 bits fails the scan, as it always has
    const int32_t count = std::min(wanted, kMostBytesPerCall / kRecordSize);
    const int32_t bufferBytes = BufferBytes(count, kRecordSize);
    std::vector<platform::ServiceRecord> records(static_cast<std::size_t>(count));
    const uint32_t resumedFrom = resumeHandle;
    uint32_t servicesReturned = 0;
    const bool complete =
        services_.EnumServicesStatusA(manager, platform::kServiceWin32, serviceState,
                                      records.data(), static_cast<uint32_t>(bufferBytes),
                                      &bytesNeeded, &servicesReturned, &resumeHandle) != 0;
    const int32_t error = complete ? 0 : errors_.LastDllError();
    const bool movedOn = servicesReturned > 0 || resumeHandle != resumedFrom;
    if (!complete && (error != platform::kErrorMoreData || !movedOn))
        throw ScanFailure{message::kEnumServicesFailed + std::to_wstring(error)};
    const int32_t returned = static_cast<int32_t>(servicesReturned);
    if (returned < 0) throw std::overflow_error("record index");
    for (int32_t index = 0; index < returned; ++index)
        TestName(records.at(static_cast<std::size_t>(index)).lpServiceName, mysqlFlag, mariaFlag);
    return complete;
}

void Module1::TestName(const char* serviceName, int16_t& mysqlFlag, int16_t& mariaFlag) {
    char field[kNameFieldLength] = {};
    CopyIntoNameField(field, serviceName != nullptr ? serviceName : "");
    const std::wstring name = StripAtNul(texts_.FromSystemCodePage(field, kNameFieldLength));
    if (texts_.EqualsIgnoringCase(name, L"MYSQL")) mysqlFlag = 1;
    if (texts_.FindIgnoringCase(name, L"Maria") > 0) mariaFlag = 1;
}

void Module1::WriteVerdict() {
    if (!mysqlActive && !mysqlInactive && !mariaActive && !mariaInactive) {
        ShowVerdict(verdict::kNeither);
        noServerFound = 1;
        return;
    }
    // Each write replaces the caption, so the last one that applies stays.
    if (mysqlActive) ShowVerdict(verdict::kMysqlRunning);
    if (mysqlInactive) ShowVerdict(verdict::kMysqlStopped);
    if (mariaActive) ShowVerdict(verdict::kMariaRunning);
    if (mariaInactive) ShowVerdict(verdict::kMariaStopped);
}

void Module1::ShowVerdict(const wchar_t* text) {
    window_.SetCaption(platform::Control::Label4, text);
    verdict_ = text;
}

// Runs inside the scan's catch block: restores the cursor, then shows the one message.
void Module1::ReportFailure() {
    std::wstring message;
    try {
        throw;
    } catch (const ScanFailure& failure) {
        message = failure.message;
    } catch (...) {
        message = platform::CurrentFailureMessage();
    }
    try {
        window_.SetMousePointer(MousePointer::Default);
        teller_.Tell(message);
    } catch (...) {
        // Nothing more can be reported when the window itself fails.
    }
}
