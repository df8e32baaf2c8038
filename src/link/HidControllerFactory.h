#pragma once

#include "HidController.h"

#include <memory>

// The HID controller the program runs on: the virtual testers in the folder named by the
// environment variable ORVALUX_VIRTUAL_HID when it is set and not empty (the folder is created
// when missing), otherwise the system's USB HID devices.
std::unique_ptr<HidController> createHidController();
