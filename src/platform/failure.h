// A failure with a number and a description, as a failure handler reports it.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace platform {

class Failure : public std::runtime_error {
  public:
    Failure(int32_t number, const std::wstring& description)
        : std::runtime_error("platform failure"), number_(number), description_(description) {}
    int32_t Number() const { return number_; }
    const std::wstring& Description() const { return description_; }

  private:
    int32_t number_;
    std::wstring description_;
};

struct FailureInfo {
    int32_t number;
    std::wstring description;
};

// Number and description of the exception being handled; call inside a catch block.
FailureInfo DescribeCurrentFailure();
// The same as the user sees it: "Fehler: ", the number, "=" and the description.
std::wstring CurrentFailureMessage();

}  // namespace platform
