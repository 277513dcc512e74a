#pragma once

#include <QObject>

class ChannelDocument;
class QWidget;

// Program > Optional Features (32784) and Side Key (32786): each opens its
// dialog, modally, created per use, over the image a save would write; OK
// makes one undo step of what the dialog changed.
class SettingsCommands : public QObject {
    Q_OBJECT
public:
    SettingsCommands(ChannelDocument& doc, QWidget* owner, QObject* parent);

    void OnOptionalFeatures();
    void OnSideKey();

private:
    ChannelDocument& m_Doc;
    QWidget* m_Owner;
};
