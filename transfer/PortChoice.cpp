#include "transfer/PortChoice.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QInputDialog>
#include <QMenu>
#include <QWidget>
#include <string>

#include "base/AppLanguage.h"
#include "base/ModalRunner.h"
#include "link/SerialPortList.h"
#include "link/SystemSerialLink.h"

const QString PortChoice::SimulatedPort = QStringLiteral("Simulated radio");

namespace {

const char* const ComTexts[4] = {
    QT_TRANSLATE_NOOP("PortChoice", "COM1(&P)"),
    QT_TRANSLATE_NOOP("PortChoice", "COM2(&Q)"),
    QT_TRANSLATE_NOOP("PortChoice", "COM3(&S)"),
    QT_TRANSLATE_NOOP("PortChoice", "COM4(&T)"),
};
const char* const ComPrompts[4] = {
    QT_TRANSLATE_NOOP("PortChoice", "Choose Communication Port one "),
    QT_TRANSLATE_NOOP("PortChoice", "Choose Communication Port two "),
    QT_TRANSLATE_NOOP("PortChoice", "Choose Communication Port three "),
    QT_TRANSLATE_NOOP("PortChoice", "Choose Communication Port four "),
};

} // namespace

PortChoice::PortChoice(QWidget* owner, QObject* parent) : QObject(parent), m_Owner(owner) {
    // The COM entries have no keys: Ctrl+C and its neighbours belong to editing.
    for (int i = 0; i < 4; ++i) {
        auto* action = new QAction(this);
        action->setCheckable(true);
        action->setData(ComCommandIds[i]);
        const QString name = QStringLiteral("COM%1").arg(i + 1);
        connect(action, &QAction::triggered, this, [this, name] { Choose(name); });
        m_ComActions.push_back(action);
    }
    qApp->installEventFilter(this);
    Retranslate();
    SetPortName(m_PortName);
}

void PortChoice::Retranslate() {
    for (int i = 0; i < 4; ++i) {
        m_ComActions[i]->setText(tr(ComTexts[i]));
        m_ComActions[i]->setStatusTip(tr(ComPrompts[i]));
        // Which device the name stands for here, by the serial link's rule.
        m_ComActions[i]->setToolTip(tr("Com%1 (%2)")
                                        .arg(i + 1)
                                        .arg(QString::fromStdString(SystemSerialLink::DeviceFor(
                                            "COM" + std::to_string(i + 1)))));
    }
}

bool PortChoice::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    return QObject::eventFilter(watched, event);
}

void PortChoice::SetPortName(const QString& name) {
    m_PortName = name;
    for (int i = 0; i < 4; ++i) {
        m_ComActions[i]->setChecked(m_PortName == QStringLiteral("COM%1").arg(i + 1));
    }
}

void PortChoice::Choose(const QString& name) {
    SetPortName(name);
    emit portChosen(name);
}

void PortChoice::PopulateMenu(QMenu* menu) {
    menu->setToolTipsVisible(true);
    FillMenu(menu);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillMenu(menu); });
}

void PortChoice::FillMenu(QMenu* menu) {
    // clear() deletes only the entries the menu owns: the COM actions stay.
    menu->clear();
    for (QAction* com : m_ComActions) {
        menu->addAction(com);
    }
    menu->addSeparator();
    auto addChoice = [this, menu](const QString& text, const QString& port, const QString& tip) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(m_PortName == port);
        action->setStatusTip(tip);
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this, [this, port] { Choose(port); });
        return action;
    };
    bool bListed = m_PortName == SimulatedPort || m_PortName.startsWith(QStringLiteral("COM"));
    for (const SerialPortEntry& port : ListSerialPorts()) {
        const QString path = QString::fromStdString(port.name);
        // Windows lists COM1-COM4 too: the entries above stand for them,
        // unless the system knows more of the port (a cable's name).
        bool bFixed = false;
        for (int i = 1; i <= 4; ++i) {
            bFixed =
                bFixed || path.compare(QStringLiteral("COM%1").arg(i), Qt::CaseInsensitive) == 0;
        }
        if (bFixed && port.label == port.name && !port.usb) {
            continue;
        }
        // The USB identity tells the cable from a port built into the computer.
        const QString label =
            port.usb ? QStringLiteral("%1 — %2").arg(
                           path, QString::fromStdString(port.usb->Description(CurrentLang())))
                     : QString::fromStdString(port.label);
        addChoice(label, path,
                  tr("Use the serial port %1").arg(QString::fromStdString(port.label)));
        bListed = bListed || path == m_PortName;
    }
    if (!bListed) {
        // A device path typed earlier stays visible, checked.
        addChoice(m_PortName, m_PortName, tr("Use the serial port %1").arg(m_PortName));
    }
    QAction* other = menu->addAction(tr("Other Port..."));
    other->setStatusTip(tr("Type the path of any serial device, a pseudo-terminal for example"));
    connect(other, &QAction::triggered, this, &PortChoice::AskForDevicePath);
    menu->addSeparator();
    addChoice(tr("Simulated radio"), SimulatedPort,
              tr("Read and write a radio simulated inside the program, without a cable"));
    if (m_CheckAction) {
        menu->addSeparator();
        menu->addAction(m_CheckAction);
    }
}

void PortChoice::AskForDevicePath() {
    QInputDialog dialog(m_Owner);
    dialog.setWindowTitle(tr("Other port"));
    dialog.setLabelText(tr("Device path:"));
    dialog.setTextValue(m_PortName);
    dialog.setAccessibleName(tr("Other port"));
    const bool ok = ModalRunner::Run(dialog) == QDialog::Accepted;
    const QString path = dialog.textValue().trimmed();
    if (ok && !path.isEmpty()) {
        Choose(path);
    }
}
