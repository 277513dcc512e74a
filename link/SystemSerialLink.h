#pragma once

// The serial link of the system the program is built for. Both have the same
// interface, including DeviceFor, the rule by which port names reach devices.
#ifdef _WIN32
#include "link/WinSerialLink.h"
using SystemSerialLink = WinSerialLink;
#else
#include "link/SerialLink.h"
using SystemSerialLink = SerialLink;
#endif
