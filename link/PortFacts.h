#pragma once

#include <optional>
#include <string>

#include "link/UsbIdentity.h"

// What the system tells of a serial port before it is opened: whether it
// exists, the USB device behind it, and (on Windows) a cable plugged in whose
// driver is missing or refuses it.
struct PortFacts {
    enum class Driver { Fine, Missing, CannotStart };

    bool bExists = true;
    std::optional<UsbIdentity> usb;
    Driver driver = Driver::Fine;
    std::string driverChip; // the chip of that cable, "CH340"
    // The simulated radio inside the program: no device, no USB.
    bool bSimulated = false;

    // The facts of the port named as a transfer names it ("COM3", "/dev/ttyUSB0").
    // Implemented per system in the serial link's library.
    static PortFacts Inspect(const std::string& portName);
};
