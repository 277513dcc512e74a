#pragma once

#include <QString>

// What a toolbar button and a screen reader call a command: its menu text
// without the shortcut text, the mnemonic and a trailing "...".
QString ButtonName(const QString& menuText);
