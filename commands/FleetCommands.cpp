#include "commands/FleetCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QStandardPaths>
#include <chrono>
#include <string_view>
#include <thread>

#include "commands/FileCommands.h"
#include "base/ModalRunner.h"
#include "transfer/PortChoice.h"
#include "transfer/TransferCommands.h"
#include "document/ChannelDocument.h"
#include "formats/ProfileFile.h"
#include "fleet/FleetDialog.h"
#include "link/InMemoryLink.h"
#include "link/SerialPortList.h"
#include "link/SystemSerialLink.h"

namespace {

constexpr const char* NumberingSection = "FLEET";

// A file's path as a key of MAIN.ini: the characters that would end or
// comment out a key written as %XX.
std::string KeyOf(const QString& file) {
    std::string key;
    for (const char c : file.toStdString()) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || std::string_view("=;#[]%").find(c) != std::string_view::npos ||
            (c == ' ' && key.empty())) {
            static const char Hex[] = "0123456789ABCDEF";
            key += {'%', Hex[byte >> 4], Hex[byte & 15]};
        } else {
            key += c;
        }
    }
    return key;
}

} // namespace

FleetCommands::FleetCommands(ChannelDocument& doc, FileCommands& files, TransferCommands& transfer,
                             ProfileFile& profile, QWidget* owner)
    : QObject(owner), m_Doc(doc), m_Files(files), m_Transfer(transfer), m_Profile(profile),
      m_Owner(owner),
      m_Action(new QAction(this)) {
    m_Action->setObjectName(QStringLiteral("writeSeveralRadios"));
    connect(m_Action, &QAction::triggered, this, &FleetCommands::OnWriteSeveral);
    connect(&m_Transfer, &TransferCommands::busyChanged, this,
            [this](bool busy) { m_Action->setEnabled(!busy); });
    qApp->installEventFilter(this);
    Retranslate();
}

void FleetCommands::Retranslate() {
    m_Action->setText(tr("Write To &Several Radios..."));
    m_Action->setStatusTip(
        tr("Write the channel data into many radios, each with its own ID, and keep a record"));
}

bool FleetCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    return QObject::eventFilter(watched, event);
}

FleetNumbering::Book FleetCommands::LoadNumbering(const QString& file) const {
    if (file.isEmpty()) {
        return m_Untitled.value_or(FleetNumbering::Book{});
    }
    return FleetNumbering::Book::FromText(
               m_Profile.GetValue(NumberingSection, KeyOf(file), ""))
        .value_or(FleetNumbering::Book{});
}

void FleetCommands::KeepNumbering(const QString& file, const FleetNumbering::Book& book) {
    if (file.isEmpty()) {
        m_Untitled = book;
        return;
    }
    m_Profile.SetValue(NumberingSection, KeyOf(file), book.Text());
    m_Profile.Save(); // kept at once: a crash must not give IDs twice
}

void FleetCommands::OnWriteSeveral() {
    if (m_Transfer.IsBusy()) {
        return;
    }
    const MemoryImage image = m_Doc.settledImage();
    if (!m_Transfer.MayWrite(image)) {
        return;
    }
    // The Port menu's ports: the four COM names, the system's, the one chosen
    // there (a typed path, say) and the simulated radio.
    const QString chosen = m_Transfer.Port().PortName();
    std::vector<FleetDialog::Port> ports;
    auto add = [&](const QString& name, const QString& label) {
        for (const FleetDialog::Port& p : ports) {
            if (p.name == name) {
                return;
            }
        }
        ports.push_back({name, label, name == chosen, SystemSerialLink::DeviceFor(name.toStdString())});
    };
    for (int n = 1; n <= 4; ++n) {
        add(QStringLiteral("COM%1").arg(n), QStringLiteral("COM%1").arg(n));
    }
    for (const SerialPortEntry& entry : ListSerialPorts()) {
        add(QString::fromStdString(entry.name), QString::fromStdString(entry.label));
    }
    add(chosen, chosen);
    ports.erase(std::remove_if(
                    ports.begin(), ports.end(),
                    [](const FleetDialog::Port& p) { return p.name == PortChoice::SimulatedPort; }),
                ports.end());
    ports.push_back({PortChoice::SimulatedPort,
                     tr("Simulated radio"),
                     chosen == PortChoice::SimulatedPort,
                     {},
                     {"Simulated radio", "模拟对讲机"}});

    QString record = m_Files.CurrentPath();
    if (record.isEmpty()) {
        record = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                     .filePath(QStringLiteral("Untitled.sin"));
    }
    record = QString::fromStdString(FleetRecord::BesideDocument(record.toStdString()));

    SimulatedRadio* radio = &m_Transfer.BuiltInRadio();
    FleetDialog dialog(
        image, record, ports,
        [radio](const std::string& port) -> std::unique_ptr<RadioLink> {
            if (QString::fromStdString(port) == PortChoice::SimulatedPort) {
                return std::make_unique<InMemoryLink>(InMemoryLink::Over(*radio), [](double ms) {
                    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms));
                });
            }
            return std::make_unique<SystemSerialLink>();
        },
        m_Owner);
    const QString file = m_Files.CurrentPath();
    dialog.SetChannelFile(file);
    dialog.SetNumbering(LoadNumbering(file));
    connect(&dialog, &FleetDialog::runFinished, this,
            [this, file, &dialog] { KeepNumbering(file, dialog.Numbering()); });
    ModalRunner::Run(dialog);
    KeepNumbering(file, dialog.Numbering());
}
