#pragma once

// The serial link of the system the program is built for. Both have the same
// interface, including DeviceFor, the rule by which port names reach devices.
#ifdef _WIN32
#include "link/WinSerialLink.h"
using SystemSerialLink = WinSerialLink;
// How orinctl's help explains PORT.
inline constexpr const char* PortNamesHelp =
    "PORT is a serial port as Windows names it: COM1, COM2, ... (COM10 and up too).\n";
#else
#include "link/SerialLink.h"
using SystemSerialLink = SerialLink;
inline constexpr const char* PortNamesHelp =
    "PORT is a device path (/dev/ttyUSB0, a pseudo-terminal of orinctl simulate);\n"
    "COM1-COM4 stand for /dev/ttyS0-/dev/ttyS3.\n";
#endif
