// The program's logic over the test double, put together as the program puts
// it together over the real platform.
#pragma once

#include "support/platform.h"
#include "services/module1.h"
#include "window/form1.h"

struct Installer {
    Installer() { fake.windowEvents = &form; }
    Installer(const Installer&) = delete;
    Installer& operator=(const Installer&) = delete;

    fake::FakePlatform fake;
    Module1 module{fake, fake, fake, fake};
    Form1 form{fake, fake, fake, fake, module};
};
