// Draws the program's icon into the PNG files the package installs:
//   orin_render_icons OUTDIR SIZE...
// writes OUTDIR/<SIZE>x<SIZE>/apps/orinprog.png for every SIZE, the layout of
// the hicolor icon theme.
#include <QDir>
#include <QImage>
#include <cstdio>

#include "app/AppIcon.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: orin_render_icons OUTDIR SIZE...\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "orin_render_icons: bad size %s\n", argv[i]);
            return 2;
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(dir) || !AppIcon::Render(size).save(dir + "/orinprog.png", "PNG")) {
            std::fprintf(stderr, "orin_render_icons: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
