#include "window/form1.h"

#include "window/messages.h"

namespace {

// Marks a road as running for as long as it is in scope.
class BusyScope {
  public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    bool& busy_;
};

}  // namespace

void Form1::Form_Activate() {
    if (activated_) return;
    activated_ = true;
    StartUpDecision();
}

void Form1::StartUpDecision() {
    if (module_.CheckDatabaseServices() != 1) return;
    BusyScope busy(busy_);
    platform_.SetVisible(platform::Control::cmd_install, false);
    if (RunInstallation() == 1) {
        module_.CheckDatabaseServices();
        platform_.MsgBox(message::kInstalledAutomatically);
    } else {
        platform_.MsgBox(message::kNotInstalled);
    }
    platform_.Unload();
}

void Form1::cmd_install_Click() {
    if (busy_) return;
    BusyScope busy(busy_);
    if (RunInstallation() == 1) {
        if (module_.CheckDatabaseServices() == 0)
            platform_.MsgBox(message::kInstalledOnRequest);
        else
            platform_.MsgBox(message::kNotInstalled);
    }
    platform_.Unload();
}

void Form1::cmd_Abbruch_Click() {
    if (busy_) return;
    platform_.Unload();
}

bool Form1::QueryUnload() { return !busy_; }

// Filled in with the script run; until then nothing is installed.
int16_t Form1::RunInstallation() { return 0; }
