#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/Lang.h"

// Who made the USB device behind a serial port, as the system reports it: what
// tells a programming cable from a port built into the computer.
struct UsbIdentity {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string serialNumber; // empty when the device has none

    // The common name of the usual programming-cable chips ("CH340",
    // "CP210x", "FTDI", "PL2303"), or nullptr for any other device.
    const char* ChipName() const;
    // "1A86:7523"
    std::string Ids() const;
    // "USB serial (1A86:7523), CH340", with the serial number when there is one.
    std::string Description(Lang lang) const;

    // The identity in a Windows device instance id: "USB\VID_10C4&PID_EA60\0001"
    // (a last part without '&' is the serial number) or, for FTDI's ports,
    // "FTDIBUS\VID_0403+PID_6001+A50285BIA\0000" (the serial with the port's
    // letter after it).
    static std::optional<UsbIdentity> FromWindowsInstanceId(const std::string& id);
};
