#pragma once

#include <QObject>
#include <QPointer>

#include "commands/HelpWindow.h"
class QWidget;

// Help Topics (the index), help contents (Shift+F1), F1 and About.
class HelpCommands : public QObject {
    Q_OBJECT
public:
    HelpCommands(QWidget* owner, QObject* parent);
    ~HelpCommands() override;

    // The help book of the interface language.
    static QString HelpFileName();

    void OnHelpTopics();
    void OnHelpContents();
    void OnAbout();

    // The help window once opened, nullptr before.
    HelpWindow* Window() const { return m_Window; }

private:
    HelpWindow* OpenBook();

    QWidget* m_Owner;
    QPointer<HelpWindow> m_Window;
};
