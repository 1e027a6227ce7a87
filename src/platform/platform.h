// All groups of platform operations together: what the program and the tests
// build once and hand out group by group. The logic itself never takes it.
#pragma once

#include "platform/error_object.h"
#include "platform/event_log.h"
#include "platform/files.h"
#include "platform/processes.h"
#include "platform/service_manager.h"
#include "platform/texts.h"
#include "platform/user_interface.h"

namespace platform {

class Platform : public ServiceManager,
                 public Processes,
                 public Files,
                 public UserInterface,
                 public Texts,
                 public ErrorObject,
                 public EventLog {};

}  // namespace platform
