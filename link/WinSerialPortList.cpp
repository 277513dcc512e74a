#include "link/PortFacts.h"
#include "link/SerialPortList.h"
#include "link/WinSerialLink.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// In this order: windows.h gives the types, initguid.h makes devguid.h define
// the Ports class's GUID here rather than declare it.
#include <initguid.h>

#include <devguid.h>

#include <setupapi.h>

#include <cfgmgr32.h>

#include <algorithm>

#include "base/WinText.h"

namespace {

// The port names in HARDWARE\DEVICEMAP\SERIALCOMM: every port a serial driver
// has made, whether or not it has a device entry (Wine's ports have none).
std::vector<std::string> MappedPorts() {
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return names;
    }
    for (DWORD i = 0;; ++i) {
        wchar_t valueName[256];
        DWORD valueLength = 256;
        wchar_t data[64];
        DWORD dataBytes = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        const LONG status = RegEnumValueW(key, i, valueName, &valueLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(data), &dataBytes);
        if (status == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (status != ERROR_SUCCESS || type != REG_SZ) {
            continue;
        }
        data[dataBytes / sizeof(wchar_t)] = L'\0';
        names.push_back(WinText::Utf8(data));
    }
    RegCloseKey(key);
    return names;
}

// The USB identity in a device's instance id, where it has one.
std::optional<UsbIdentity> UsbOf(HDEVINFO devices, SP_DEVINFO_DATA& device) {
    wchar_t id[512];
    if (!SetupDiGetDeviceInstanceIdW(devices, &device, id, 511, nullptr)) {
        return std::nullopt;
    }
    id[511] = L'\0';
    return UsbIdentity::FromWindowsInstanceId(WinText::Utf8(id));
}

// The devices of the Ports class with their port name and friendly name.
std::vector<SerialPortEntry> FriendlyPorts() {
    std::vector<SerialPortEntry> ports;
    const HDEVINFO devices =
        SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE) {
        return ports;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(devices, i, &device); ++i) {
        std::string portName;
        const HKEY key =
            SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key != INVALID_HANDLE_VALUE) {
            wchar_t name[64];
            DWORD bytes = sizeof name - sizeof(wchar_t);
            DWORD type = 0;
            if (RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE*>(name),
                                 &bytes) == ERROR_SUCCESS &&
                type == REG_SZ) {
                name[bytes / sizeof(wchar_t)] = L'\0';
                portName = WinText::Utf8(name);
            }
            RegCloseKey(key);
        }
        wchar_t friendly[256];
        DWORD type = 0;
        if (portName.empty() ||
            !SetupDiGetDeviceRegistryPropertyW(devices, &device, SPDRP_FRIENDLYNAME, &type,
                                               reinterpret_cast<BYTE*>(friendly),
                                               sizeof friendly - sizeof(wchar_t), nullptr)) {
            continue;
        }
        friendly[255] = L'\0';
        ports.push_back({portName, WinText::Utf8(friendly), UsbOf(devices, device)});
    }
    SetupDiDestroyDeviceInfoList(devices);
    return ports;
}

} // namespace

std::vector<SerialPortEntry> ListSerialPorts() {
    return MergeComPorts(MappedPorts(), FriendlyPorts());
}

namespace {

// A cable of a known chip that is plugged in but made no port: Windows found
// no driver for it, or its driver would not start it.
void FindDriverProblem(PortFacts& facts) {
    const HDEVINFO devices =
        SetupDiGetClassDevsW(nullptr, nullptr, nullptr, DIGCF_ALLCLASSES | DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE) {
        return;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(devices, i, &device); ++i) {
        const std::optional<UsbIdentity> usb = UsbOf(devices, device);
        ULONG status = 0;
        ULONG problem = 0;
        if (!usb || !usb->ChipName() ||
            CM_Get_DevNode_Status(&status, &problem, device.DevInst, 0) != CR_SUCCESS ||
            !(status & DN_HAS_PROBLEM)) {
            continue;
        }
        if (problem == CM_PROB_FAILED_START) {
            facts.driver = PortFacts::Driver::CannotStart;
        } else if (problem == CM_PROB_NOT_CONFIGURED || problem == CM_PROB_FAILED_INSTALL ||
                   problem == CM_PROB_DRIVER_FAILED_LOAD) {
            facts.driver = PortFacts::Driver::Missing;
        } else {
            continue;
        }
        facts.driverChip = usb->ChipName();
        break;
    }
    SetupDiDestroyDeviceInfoList(devices);
}

} // namespace

PortFacts PortFacts::Inspect(const std::string& portName) {
    PortFacts facts;
    const std::vector<SerialPortEntry> ports = ListSerialPorts();
    const auto it = std::find_if(ports.begin(), ports.end(), [&portName](const SerialPortEntry& p) {
        return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, p.name.c_str(), -1,
                              portName.c_str(), -1) == CSTR_EQUAL;
    });
    // A name the lists do not know may still be a device path: opening it tells.
    const bool bComName = WinSerialLink::DeviceFor(portName) != portName;
    facts.bExists = it != ports.end() || !bComName;
    if (it != ports.end()) {
        facts.usb = it->usb;
    }
    if (!facts.bExists) {
        FindDriverProblem(facts);
    }
    return facts;
}
