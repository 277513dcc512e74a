#pragma once

#include <QIcon>

// The program's icon: a handheld radio, drawn at the usual sizes so that it
// needs no image format plugin.
class AppIcon {
public:
    static QIcon Make();
};
