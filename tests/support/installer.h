// The program's logic over the test double, put together as the program puts
// it together over the real platform.
#pragma once

#include "support/platform.h"
#include "services/module1.h"
#include "window/form1.h"
#include "window/run_end.h"

struct Installer {
    Installer() { fake.windowEvents = &form; }
    Installer(const Installer&) = delete;
    Installer& operator=(const Installer&) = delete;

    fake::FakePlatform fake;
    RunEnd run{fake, fake, fake};
    Module1 module{fake, fake, fake, fake, run};
    Form1 form{fake, fake, fake, module, run};
};
