#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "fleet/FleetWriter.h"
#include "image/MemoryImage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

// Program > Write to Several Radios...: the open document into many radios,
// each with its own ID and read back, with a record of every radio. One port
// ticked: radio after radio, Enter (Start) for the next. Several: all at once,
// a row each. The dialog holds a copy of the document's image; the document,
// its title and its history never change.
class FleetDialog : public QDialog {
    Q_OBJECT
public:
    struct Port {
        QString name;  // what the link opens
        QString label; // what the list shows
        bool bTicked = false;
        // The system's name of its device (SystemSerialLink::DeviceFor): two
        // names of one device are one port. Empty: the name itself.
        std::string device{};
        // How the table and the record name it, in both languages. Empty: the name.
        FleetText shown{};
    };

    FleetDialog(const MemoryImage& image, const QString& recordPath, const std::vector<Port>& ports,
                FleetWriter::LinkFactory links, QWidget* parent);
    ~FleetDialog() override;

    // How the transfers wait; tests put a virtual clock here.
    void SetSleep(std::function<void(int)> sleep) { m_Sleep = std::move(sleep); }
    // The channel file the image came from, which the record may not be.
    void SetChannelFile(const QString& path) { m_ChannelFile = path; }
    // Asked before any radio is written; false stops the start.
    void SetBeforeWrite(std::function<bool()> ask) { m_BeforeWrite = std::move(ask); }

    // The numbering of the document, kept from one opening to the next.
    void SetNumbering(const FleetNumbering::Book& book);
    FleetNumbering::Book Numbering() const;

    bool IsRunning() const { return m_Worker.joinable(); }
    QPushButton* StartButton() const { return m_Start; }
    QTableWidget* Table() const { return m_Table; }
    QString StatusText() const;

public slots:
    void Start();
    // Stops every radio at its next block; they are recorded as incomplete.
    void CancelAll();

signals:
    // Every radio of the last Start has finished.
    void runFinished();

protected:
    void reject() override;

private:
    QString FirstId() const;
    FleetText Shown(const std::string& port) const;
    void SetStatus(const QString& text);
    FleetNumbering::Field Field() const;
    std::vector<QString> TickedPorts() const;
    void ShowNextId();
    void OnProgress(int row, int done, int total);
    void OnFinished(int row, const FleetResult& result);
    void OnRunEnded();
    void SetRunning(bool running);
    void Stop();

    MemoryImage m_Image;
    FleetWriter::LinkFactory m_Links;
    std::function<void(int)> m_Sleep;
    std::function<bool()> m_BeforeWrite;
    QString m_ChannelFile;
    QComboBox* m_Field;
    QLineEdit* m_First;
    QLabel* m_Next;
    QListWidget* m_Ports;
    QLineEdit* m_Record;
    QPushButton* m_Browse;
    QTableWidget* m_Table;
    QLabel* m_Status;
    QPushButton* m_Start;
    QPushButton* m_Cancel;
    QPushButton* m_Close;

    std::unique_ptr<FleetWriter> m_Writer;
    std::thread m_Worker;
    std::vector<Port> m_PortList;
    FleetNumbering::Book m_Book;     // the IDs to give again; next is m_First's
    std::vector<FleetRadio> m_Radios; // of the run in progress
    std::vector<bool> m_RadioOk;      // of the run in progress: verified
    int m_FirstRow = 0;               // the table row of the run's first radio
    int m_Done = 0;                   // radios finished, for "Radio 3 done"
    int m_Verified = 0;               // of the run in progress
};
