#include "platform/failure.h"

#include <new>

#include "platform/messages.h"

namespace platform {

FailureInfo DescribeCurrentFailure() {
    try {
        throw;
    } catch (const Failure& failure) {
        return {failure.Number(), failure.Description()};
    } catch (const std::bad_alloc&) {
        return {7, message::kOutOfMemory};
    } catch (const std::overflow_error&) {
        return {6, message::kOverflow};
    } catch (const std::out_of_range&) {
        return {9, message::kOutOfRange};
    } catch (...) {
        return {5, message::kInvalidCall};
    }
}

std::wstring CurrentFailureMessage() {
    const FailureInfo info = DescribeCurrentFailure();
    return message::kFailurePrefix + std::to_wstring(info.number) + L"=" + info.description;
}

}  // namespace platform
