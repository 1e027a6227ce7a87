#include "platform/failure.h"

#include <new>

namespace platform {

FailureInfo DescribeCurrentFailure() {
    try {
        throw;
    } catch (const Failure& failure) {
        return {failure.Number(), failure.Description()};
    } catch (const std::bad_alloc&) {
        return {7, L"Nicht genügend Speicher"};
    } catch (const std::overflow_error&) {
        return {6, L"Überlauf"};
    } catch (const std::out_of_range&) {
        return {9, L"Index außerhalb des gültigen Bereichs"};
    } catch (...) {
        return {5, L"Unzulässiger Prozeduraufruf oder ungültiges Argument"};
    }
}

std::wstring CurrentFailureMessage() {
    const FailureInfo info = DescribeCurrentFailure();
    return L"Fehler: " + std::to_wstring(info.number) + L"=" + info.description;
}

}  // namespace platform
