#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QAction;
class QMenu;
class QWidget;

// The port a transfer uses and the Port menu that chooses it: the four COM
// entries, every serial port the system reports, a typed device path and the
// radio simulated inside the program. portChosen tells the window to keep
// the choice for the next start; a typed path stays in the menu once chosen.
class PortChoice : public QObject {
    Q_OBJECT
public:
    // The port name that stands for the radio simulated inside the program.
    static const QString SimulatedPort;
    // Command ids of the four COM commands, in menu order.
    static constexpr int ComCommandIds[4] = {32773, 32775, 32776, 32777};

    // owner: the window the device-path prompt opens over.
    PortChoice(QWidget* owner, QObject* parent);

    const QString& PortName() const { return m_PortName; }
    bool IsSimulated() const { return m_PortName == SimulatedPort; }
    void SetPortName(const QString& name);

    // Fills menu with the port entries; the list is refreshed each time the
    // menu opens, so a cable plugged in meanwhile shows up.
    void PopulateMenu(QMenu* menu);
    // The command that goes last in the menu (Check Connection).
    void SetCheckAction(QAction* action) { m_CheckAction = action; }

signals:
    // The user chose port from the menu.
    void portChosen(const QString& port);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillMenu(QMenu* menu);
    void AskForDevicePath();
    void Choose(const QString& name);
    void Retranslate();

    QWidget* m_Owner;
    QString m_PortName = QStringLiteral("COM1");
    std::vector<QAction*> m_ComActions;
    QAction* m_CheckAction = nullptr;
};
