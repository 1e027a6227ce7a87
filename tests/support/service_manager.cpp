// The service manager of the double: the scripted running and stopped services.
#include "support/platform.h"

#include <cstring>

namespace fake {
namespace {

using platform::ServiceRecord;

std::size_t BytesFor(const std::vector<Service>& services) {
    std::size_t bytes = services.size() * sizeof(ServiceRecord);
    for (const Service& service : services)
        bytes += service.name.size() + 1 + service.displayName.size() + 1;
    return bytes;
}

// Writes the records at the start of the buffer and their texts behind them.
void WriteRecords(const std::vector<Service>& services, ServiceRecord* buffer) {
    char* text = reinterpret_cast<char*>(buffer + services.size());
    for (std::size_t i = 0; i < services.size(); ++i) {
        buffer[i] = ServiceRecord{};
        buffer[i].lpServiceName = text;
        std::memcpy(text, services[i].name.c_str(), services[i].name.size() + 1);
        text += services[i].name.size() + 1;
        buffer[i].lpDisplayName = text;
        std::memcpy(text, services[i].displayName.c_str(), services[i].displayName.size() + 1);
        text += services[i].displayName.size() + 1;
    }
}

}  // namespace

platform::ScHandle FakePlatform::OpenSCManagerA(const char*, const char*, uint32_t) {
    if (Fails(Call::OpenSCManagerA)) return nullptr;
    lastError_ = 0;
    return OpenHandle();
}

int32_t FakePlatform::EnumServicesStatusA(platform::ScHandle manager, uint32_t,
                                          uint32_t serviceState, ServiceRecord* services,
                                          uint32_t bufferSize, uint32_t* bytesNeeded,
                                          uint32_t* servicesReturned, uint32_t*) {
    if (live_.count(manager) == 0) {
        lastError_ = 6;  // ERROR_INVALID_HANDLE
        return 0;
    }
    const std::vector<Service>& list = serviceState == platform::kServiceActive ? running : stopped;
    const bool sizeQuery = services == nullptr;
    if (Fails(sizeQuery ? Call::EnumSizeQuery : Call::EnumFetch)) return 0;
    const std::size_t needed = BytesFor(list);
    *servicesReturned = 0;
    if (sizeQuery && list.empty() && reportedBytesNeeded < 0) {
        *bytesNeeded = 0;  // as the system does: success, and the last error left alone
        return 1;
    }
    if (sizeQuery || bufferSize < needed) {
        *bytesNeeded = static_cast<uint32_t>(
            sizeQuery && reportedBytesNeeded >= 0 ? reportedBytesNeeded : needed);
        lastError_ = platform::kErrorMoreData;
        if (sizeQuery && betweenQueryAndFetch) betweenQueryAndFetch(serviceState);
        return 0;
    }
    WriteRecords(list, services);
    *bytesNeeded = 0;
    *servicesReturned = static_cast<uint32_t>(
        reportedServicesReturned >= 0 ? reportedServicesReturned : list.size());
    lastError_ = 0;
    return 1;
}

int32_t FakePlatform::CloseServiceHandle(platform::ScHandle manager) {
    return CloseOpenHandle(manager);
}

}  // namespace fake
