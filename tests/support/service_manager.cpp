// The service manager of the double: the scripted running and stopped services.
#include "support/platform.h"

#include <algorithm>
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

// As the system does: a fetch returns the records that fit from the resume
// handle on, moves the handle past them, and asks for more while any are left.
int32_t FakePlatform::EnumServicesStatusA(platform::ScHandle manager, uint32_t,
                                          uint32_t serviceState, ServiceRecord* services,
                                          uint32_t bufferSize, uint32_t* bytesNeeded,
                                          uint32_t* servicesReturned, uint32_t* resumeHandle) {
    if (live_.count(manager) == 0) {
        lastError_ = 6;  // ERROR_INVALID_HANDLE
        return 0;
    }
    const std::vector<Service>& all = serviceState == platform::kServiceActive ? running : stopped;
    const std::vector<Service> list(all.begin() + std::min<std::size_t>(*resumeHandle, all.size()),
                                    all.end());
    const bool sizeQuery = services == nullptr;
    if (Fails(sizeQuery ? Call::EnumSizeQuery : Call::EnumFetch)) return 0;
    *servicesReturned = 0;
    if (sizeQuery && list.empty() && reportedBytesNeeded < 0) {
        *bytesNeeded = 0;  // as the system does: success, and the last error left alone
        return 1;
    }
    if (sizeQuery) {
        *bytesNeeded =
            static_cast<uint32_t>(reportedBytesNeeded >= 0 ? reportedBytesNeeded : BytesFor(list));
        lastError_ = platform::kErrorMoreData;
        if (betweenQueryAndFetch) betweenQueryAndFetch(serviceState);
        return 0;
    }
    ++fetches;
    largestFetchBuffer = std::max(largestFetchBuffer, bufferSize);
    const std::size_t room =
        maxBytesPerCall > 0 ? std::min(bufferSize, maxBytesPerCall) : bufferSize;
    std::size_t fitting = 0;
    while (fitting < list.size() &&
           BytesFor({list.begin(), list.begin() + static_cast<std::ptrdiff_t>(fitting) + 1}) <=
               room)
        ++fitting;
    const std::vector<Service> part(list.begin(),
                                    list.begin() + static_cast<std::ptrdiff_t>(fitting));
    WriteRecords(part, services);
    if (fitting < list.size()) {
        const uint32_t resumedFrom = *resumeHandle;
        *servicesReturned = static_cast<uint32_t>(fitting);
        *resumeHandle += static_cast<uint32_t>(fitting);
        if (alterPartialFetch) alterPartialFetch(*servicesReturned, *resumeHandle, resumedFrom);
        *bytesNeeded = static_cast<uint32_t>(
            BytesFor({list.begin() + static_cast<std::ptrdiff_t>(fitting), list.end()}));
        lastError_ = platform::kErrorMoreData;
        return 0;
    }
    *bytesNeeded = 0;
    *resumeHandle = 0;
    *servicesReturned = static_cast<uint32_t>(
        reportedServicesReturned >= 0 ? reportedServicesReturned : list.size());
    lastError_ = 0;
    return 1;
}

int32_t FakePlatform::CloseServiceHandle(platform::ScHandle manager) {
    return CloseOpenHandle(manager);
}

}  // namespace fake
