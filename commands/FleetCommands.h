#pragma once

#include <QObject>
#include <optional>

#include "fleet/FleetNumbering.h"

class FileCommands;
class ProfileFile;
class QAction;
class QWidget;
class TransferCommands;
class ChannelDocument;

// Program > Write to Several Radios...: opens the fleet dialog over a copy of
// the document's image, with the ports the Port menu knows (the one chosen
// there ticked) and the record beside the document. The numbering of each
// document (the field, the next ID, the IDs of radios not verified) is kept in
// MAIN.ini under the document's file, so that reopening the dialog goes on
// where it stopped instead of giving IDs twice.
class FleetCommands : public QObject {
    Q_OBJECT
public:
    FleetCommands(ChannelDocument& doc, FileCommands& files, TransferCommands& transfer,
                  ProfileFile& profile, QWidget* owner);

    QAction* Action() const { return m_Action; }

    void OnWriteSeveral();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Retranslate();
    FleetNumbering::Book LoadNumbering(const QString& file) const;
    void KeepNumbering(const QString& file, const FleetNumbering::Book& book);

    ChannelDocument& m_Doc;
    FileCommands& m_Files;
    TransferCommands& m_Transfer;
    ProfileFile& m_Profile;
    std::optional<FleetNumbering::Book> m_Untitled; // of a document without a file
    QWidget* m_Owner;
    QAction* m_Action;
};
