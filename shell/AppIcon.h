#pragma once

#include <QIcon>
#include <QImage>

// The program's icon: a handheld radio, drawn at the usual sizes so that it
// needs no image format plugin. The package's icon files are drawn by the
// same code at build time.
class AppIcon {
public:
    static QIcon Make();
    // The icon drawn size x size pixels on a transparent ground.
    static QImage Render(int size);
};
