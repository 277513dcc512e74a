#pragma once

#include <QObject>

class FileCommands;
class QAction;
class QWidget;
class TransferCommands;
class ChannelDocument;

// Program > Write to Several Radios...: opens the fleet dialog over a copy of
// the document's image, with the ports the Port menu knows (the one chosen
// there ticked) and the record beside the document.
class FleetCommands : public QObject {
    Q_OBJECT
public:
    FleetCommands(ChannelDocument& doc, FileCommands& files, TransferCommands& transfer, QWidget* owner);

    QAction* Action() const { return m_Action; }

    void OnWriteSeveral();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Retranslate();

    ChannelDocument& m_Doc;
    FileCommands& m_Files;
    TransferCommands& m_Transfer;
    QWidget* m_Owner;
    QAction* m_Action;
};
