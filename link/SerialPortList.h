#pragma once

#include <optional>
#include <string>
#include <vector>

#include "link/UsbIdentity.h"

// The serial ports the system reports, for the Port menu. On Windows the list
// comes from the system itself (the COM-port device interface and the
// registry's SERIALCOMM map); elsewhere from Qt's serial port module.
struct SerialPortEntry {
    std::string name;  // what the link opens: "COM7", "/dev/ttyUSB0"
    std::string label; // what the menu shows: "USB-SERIAL CH340 (COM7)"
    std::optional<UsbIdentity> usb = std::nullopt; // where the system tells it
};

std::vector<SerialPortEntry> ListSerialPorts();

// Windows reports ports in two places: every name in the registry's map, and
// a device's friendly name ("USB-SERIAL CH340 (COM7)") where a driver gives
// one. Joins them into one list in port-number order (COM2 before COM10), one
// entry per name (compared without regard to case), each labelled with its
// friendly name, which is made to name the port when it does not already,
// and with the USB identity of its device.
std::vector<SerialPortEntry> MergeComPorts(const std::vector<std::string>& mapped,
                                           const std::vector<SerialPortEntry>& friendly);
