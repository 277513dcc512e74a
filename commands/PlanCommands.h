#pragma once

#include <QObject>

class ProfileFile;
class QAction;
class QWidget;
class ChannelDocument;
class QAbstractItemView;

// Edit > "Insert Channel Plan…" and Program > "Check Channels Against
// Licence…": a licence-free channel plan into the next empty channels from the
// current one, and the channels checked against the user's licence (kept in
// MAIN.ini, and asked about before every write: see LicenceGate).
class PlanCommands : public QObject {
    Q_OBJECT
public:
    // grid: the channel table, whose current channel a plan starts at.
    PlanCommands(ChannelDocument& doc, const QAbstractItemView& grid, ProfileFile& profile,
                 QWidget* owner);

    QAction* InsertAction() const { return m_Insert; }
    QAction* CheckAction() const { return m_Check; }

    void OnInsert();
    void OnCheck();
    // Inserts the plan from the current channel on, asking when not all of its
    // channels fit; true when channels were inserted (one undo step).
    bool InsertPlan(const char* key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Retranslate();
    int CurrentChannel() const;

    ChannelDocument& m_Doc;
    const QAbstractItemView& m_Grid;
    ProfileFile& m_Profile;
    QWidget* m_Owner;
    QAction* m_Insert;
    QAction* m_Check;
};
