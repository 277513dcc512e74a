#include "link/UsbIdentity.h"

#include <cctype>
#include <cstdio>

namespace {

struct Chip {
    std::uint16_t vendorId;
    std::uint16_t productId;
    const char* name;
};

// The chips of nearly every programming cable sold for handheld radios.
constexpr Chip Chips[] = {
    {0x1A86, 0x7523, "CH340"},  {0x1A86, 0x7522, "CH340"},  {0x1A86, 0x5523, "CH341"},
    {0x10C4, 0xEA60, "CP210x"}, {0x10C4, 0xEA70, "CP210x"}, {0x10C4, 0xEA71, "CP210x"},
    {0x0403, 0x6001, "FTDI"},   {0x0403, 0x6010, "FTDI"},   {0x0403, 0x6011, "FTDI"},
    {0x0403, 0x6014, "FTDI"},   {0x0403, 0x6015, "FTDI"},   {0x067B, 0x2303, "PL2303"},
    {0x067B, 0x23A3, "PL2303"}, {0x067B, 0x23C3, "PL2303"}, {0x067B, 0x23D3, "PL2303"},
};

std::optional<std::uint16_t> Hex4(const std::string& text, std::size_t at) {
    if (at + 4 > text.size()) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (std::size_t i = at; i < at + 4; ++i) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<unsigned>(c <= '9' ? c - '0' : c - 'A' + 10);
    }
    return static_cast<std::uint16_t>(value);
}

std::string UpperCase(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace

const char* UsbIdentity::ChipName() const {
    for (const Chip& chip : Chips) {
        if (chip.vendorId == vendorId && chip.productId == productId) {
            return chip.name;
        }
    }
    return nullptr;
}

std::string UsbIdentity::Ids() const {
    char ids[10];
    std::snprintf(ids, sizeof ids, "%04X:%04X", vendorId, productId);
    return ids;
}

std::string UsbIdentity::Description(Lang lang) const {
    const bool bChinese = lang == Lang::Chinese;
    std::string text = (bChinese ? "USB 串口 (" : "USB serial (") + Ids() + ")";
    const char* const separator = bChinese ? "，" : ", ";
    if (const char* chip = ChipName()) {
        text += separator + std::string(chip);
    }
    if (!serialNumber.empty()) {
        text += separator + std::string(bChinese ? "序列号 " : "serial number ") + serialNumber;
    }
    return text;
}

std::optional<UsbIdentity> UsbIdentity::FromWindowsInstanceId(const std::string& id) {
    const std::string upper = UpperCase(id);
    const std::size_t vid = upper.find("VID_");
    const std::size_t pid = upper.find("PID_");
    if (vid == std::string::npos || pid == std::string::npos) {
        return std::nullopt;
    }
    const auto vendor = Hex4(upper, vid + 4);
    const auto product = Hex4(upper, pid + 4);
    if (!vendor || !product) {
        return std::nullopt;
    }
    UsbIdentity usb{*vendor, *product, {}};
    if (upper.rfind("FTDIBUS\\", 0) == 0) {
        // VID_0403+PID_6001+A50285BIA: the serial number and the port's letter.
        const std::size_t plus = id.find('+', pid);
        const std::size_t end = id.find('\\', plus == std::string::npos ? pid : plus);
        if (plus != std::string::npos && end != std::string::npos && end > plus + 2) {
            usb.serialNumber = id.substr(plus + 1, end - plus - 2);
        }
    } else if (const std::size_t slash = id.find('\\', pid); slash != std::string::npos) {
        // Windows makes up an instance id with '&' for a device without a serial number.
        const std::string last = id.substr(slash + 1);
        if (!last.empty() && last.find('&') == std::string::npos) {
            usb.serialNumber = last;
        }
    }
    return usb;
}
