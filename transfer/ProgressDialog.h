#pragma once

#include <QDialog>
#include <atomic>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

// The modeless dialog of a transfer: Start, Cancel, a bar from 0 to 397 and a
// status line that tells how far the transfer is ("Block 36 of 397", the
// percentage and the time left). The object lives as long as the transfer commands; "creating"
// and "destroying" its window are showing and hiding it.
class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int BarMaximum = 397;

    explicit ProgressDialog(QWidget* parent = nullptr);

    // Stored now, shown when the window is next created.
    void SetTitle(const QString& title) { m_Title = title; }
    // Creates the window centred over centreOver, unless it exists already
    // (then nothing changes, the title included).
    void Create(QWidget* centreOver);
    bool IsCreated() const { return isVisible(); }
    // Milliseconds since some fixed moment; the time left is measured with it.
    using Clock = std::function<qint64()>;
    void SetClock(Clock clock) { m_Clock = std::move(clock); }

    // Set by Cancel; the running transfer polls it.
    std::atomic<bool>& CancelRequested() { return m_bCancelRequested; }
    bool IsStartEnabled() const;
    int ProgressPosition() const;
    QString StatusText() const;
    QPushButton* StartButton() const { return m_Start; }
    QPushButton* CancelButton() const { return m_Cancel; }
    QProgressBar* Bar() const { return m_Bar; }

    QString Phase() const;

public slots:
    // A line above the bar naming the phase of a transfer in several phases;
    // empty hides it. Creating the window clears it.
    void SetPhase(const QString& phase);
    // text is one of the transfer's status lines in English; it is shown in
    // the interface language.
    void SetStatusText(const QString& text);
    void SetProgress(int position);
    void EnableStart();
    void Destroy();
    void OnStart();
    void OnCancel();

signals:
    // Start was pressed (delivered queued, as a posted message would be).
    void startRequested();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    void ShowStatus();
    void ShowBar(int position);
    static int Percent(int position);
    QString BlockText(int position) const;

    QString m_Title;
    std::atomic<bool> m_bCancelRequested{false};
    QPushButton* m_Start;
    QPushButton* m_Cancel;
    QProgressBar* m_Bar;
    QLabel* m_ProgressLabel;
    QLabel* m_Status;
    QLabel* m_Phase;
    QString m_StatusSource; // the status line as the transfer gave it; empty: idle
    int m_Block = -1;       // the block the status line tells of; -1: none
    Clock m_Clock;
    qint64 m_FirstMs = 0; // when the first block of this run was counted
    int m_FirstBlock = -1;
};
