// The Port menu's list on Windows reads the system's own map of serial ports.
#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "link/SerialPortList.h"

namespace {

// A port the test adds to HARDWARE\DEVICEMAP\SERIALCOMM, as a serial driver
// does, and takes away again.
class MappedPort {
public:
    MappedPort(const wchar_t* device, const wchar_t* port) : m_Device(device) {
        m_bAdded = RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0,
                                   nullptr, REG_OPTION_VOLATILE, KEY_SET_VALUE, nullptr, &m_Key,
                                   nullptr) == ERROR_SUCCESS &&
                   RegSetValueExW(m_Key, device, 0, REG_SZ, reinterpret_cast<const BYTE*>(port),
                                  static_cast<DWORD>((wcslen(port) + 1) * sizeof(wchar_t))) ==
                       ERROR_SUCCESS;
    }
    ~MappedPort() {
        if (m_Key != nullptr) {
            RegDeleteValueW(m_Key, m_Device);
            RegCloseKey(m_Key);
        }
    }
    bool Added() const { return m_bAdded; }

private:
    const wchar_t* m_Device;
    HKEY m_Key = nullptr;
    bool m_bAdded = false;
};

bool Lists(const std::string& name) {
    for (const SerialPortEntry& port : ListSerialPorts()) {
        if (port.name == name) {
            return port.label == name; // no device entry: the name is the label
        }
    }
    return false;
}

TEST(WinSerialPortList, ListsThePortsOfTheSystemsMap) {
    ASSERT_FALSE(Lists("COM42"));
    {
        MappedPort port(L"\\Device\\OrinTestSerial", L"COM42");
        if (!port.Added()) {
            GTEST_SKIP() << "the system's serial map cannot be written (not an administrator)";
        }
        EXPECT_TRUE(Lists("COM42"));
    }
    EXPECT_FALSE(Lists("COM42"));
}

} // namespace
