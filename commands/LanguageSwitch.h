#pragma once

#include <QObject>

#include "commands/ShellContext.h"

class QWidget;

// The run-time switch between English and Chinese (command 32785).
class LanguageSwitch : public QObject {
    Q_OBJECT
public:
    LanguageSwitch(const ShellContext& context, QWidget* owner, QObject* parent);

    // Commits the open editor, asks, flips the language, records it for the
    // next start, exchanges the language module and relabels everything shown.
    // Returns false when the user said No.
    bool SwitchLanguage();

private:
    ShellContext m_Context;
    QWidget* m_Owner;
};
