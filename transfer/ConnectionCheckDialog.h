#pragma once

#include <QDialog>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

#include "link/ConnectionCheck.h"

class QLabel;
class QPushButton;
class QThread;

// Port > Check Connection: runs the connection check on a worker thread and
// shows its four steps, each with ✓ or ✗ and the reason, as selectable text
// that Copy puts on the clipboard. Each step's label tells a screen reader its
// number, its name and how it went.
class ConnectionCheckDialog final : public QDialog {
    Q_OBJECT
public:
    // Runs the check on the worker thread; the flag is set when the dialog
    // closes, so the check stops at its next wait.
    using Runner = std::function<ConnectionReport(const std::atomic<bool>& cancel)>;

    ConnectionCheckDialog(const QString& port, Runner runner, QWidget* parent);
    ~ConnectionCheckDialog() override;

    // Runs the check (again).
    void Start();
    bool IsRunning() const { return m_Thread != nullptr; }
    const ConnectionReport& Report() const { return m_Report; }
    // The heading and one line per step, as Copy puts them on the clipboard.
    QString ReportText() const;

    QLabel* StepLabel(int step) const { return m_Steps[step]; }
    QPushButton* CopyButton() const { return m_Copy; }
    QPushButton* AgainButton() const { return m_Again; }

signals:
    void checkFinished();

protected:
    void changeEvent(QEvent* event) override;
    void done(int result) override;

private:
    void Finish(const ConnectionReport& report);
    void Retranslate();
    void StopAndWait();

    QString m_Port;
    Runner m_Runner;
    ConnectionReport m_Report;
    QLabel* m_Heading;
    QLabel* m_Steps[4];
    QPushButton* m_Copy;
    QPushButton* m_Again;
    QPushButton* m_Close;
    QThread* m_Thread = nullptr;
    std::shared_ptr<std::atomic<bool>> m_Cancel;
};
