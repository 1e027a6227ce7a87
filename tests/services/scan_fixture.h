// A service scan over the test double, with helpers to read back its effects.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/platform.h"
#include "services/module1.h"
#include "support/expected_texts.h"

class ScanTest : public ::testing::Test {
  protected:
    void Running(const std::string& name, const std::string& display = "Dienst") {
        fake.running.push_back({name, display});
    }
    void Stopped(const std::string& name, const std::string& display = "Dienst") {
        fake.stopped.push_back({name, display});
    }
    std::wstring Label4() { return fake.captions[platform::Control::Label4]; }

    fake::FakePlatform fake;
    Module1 module{fake, fake, fake, fake, fake};
};
