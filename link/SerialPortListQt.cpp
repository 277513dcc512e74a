#include "link/SerialPortList.h"

#include <QSerialPortInfo>

std::vector<SerialPortEntry> ListSerialPorts() {
    std::vector<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString path = info.systemLocation();
        const QString label = info.description().isEmpty()
                                  ? path
                                  : QStringLiteral("%1 (%2)").arg(path, info.description());
        ports.push_back({path.toStdString(), label.toStdString()});
    }
    return ports;
}
