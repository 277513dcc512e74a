#pragma once

#include <QObject>

class CProgramDoc;
class QWidget;

// Program > Optional Features (32784) and Side Key (32786): each opens its
// dialog over the document's image, modally, created per use.
class SettingsCommands : public QObject {
    Q_OBJECT
public:
    SettingsCommands(CProgramDoc& doc, QWidget* owner, QObject* parent);

    void OnOptionalFeatures();
    void OnSideKey();

private:
    CProgramDoc& m_Doc;
    QWidget* m_Owner;
};
