#include "link/SerialPortList.h"

#include <QSerialPortInfo>

std::vector<SerialPortEntry> ListSerialPorts() {
    std::vector<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString path = info.systemLocation();
        const QString label = info.description().isEmpty()
                                  ? path
                                  : QStringLiteral("%1 (%2)").arg(path, info.description());
        std::optional<UsbIdentity> usb;
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            usb = UsbIdentity{info.vendorIdentifier(), info.productIdentifier(),
                              info.serialNumber().toStdString()};
        }
        ports.push_back({path.toStdString(), label.toStdString(), usb});
    }
    return ports;
}
