// Draws the program's icon into the files the packages install:
//   orin_render_icons OUTDIR SIZE...
// writes OUTDIR/<SIZE>x<SIZE>/apps/orinprog.png for every SIZE, the layout of
// the hicolor icon theme;
//   orin_render_icons --ico FILE SIZE...
// writes one Windows icon file with every SIZE (at most 256), as the Windows
// build's resources/windows/orinprog.ico is made.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cstdio>

#include "shell/AppIcon.h"

namespace {

// An .ico file: a directory of images, each stored as PNG (Windows Vista and
// later read those at every size).
bool WriteIco(const QString& path, const QList<int>& sizes) {
    QList<QByteArray> images;
    for (int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (size > 256 || !AppIcon::Render(size).save(&buffer, "PNG")) {
            return false;
        }
        images << png;
    }
    QByteArray ico;
    auto put16 = [&ico](quint16 v) { ico.append(char(v & 0xff)).append(char(v >> 8)); };
    auto put32 = [&put16](quint32 v) { put16(quint16(v & 0xffff)), put16(quint16(v >> 16)); };
    put16(0);
    put16(1); // an icon, not a cursor
    put16(quint16(sizes.size()));
    quint32 offset = 6 + 16 * quint32(sizes.size());
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const char side = char(sizes[i] == 256 ? 0 : sizes[i]); // 0 stands for 256
        ico.append(side).append(side).append('\0').append('\0');
        put16(1);  // colour planes
        put16(32); // bits per pixel
        put32(quint32(images[i].size()));
        put32(offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray& png : images) {
        ico += png;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size();
}

} // namespace

int main(int argc, char** argv) {
    const bool bIco = argc > 1 && QByteArray(argv[1]) == "--ico";
    const int first = bIco ? 2 : 1;
    if (argc < first + 2) {
        std::fprintf(stderr, "usage: orin_render_icons [--ico FILE | OUTDIR] SIZE...\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[first]);
    QList<int> sizes;
    for (int i = first + 1; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "orin_render_icons: bad size %s\n", argv[i]);
            return 2;
        }
        sizes << size;
    }
    if (bIco) {
        if (!WriteIco(out, sizes)) {
            std::fprintf(stderr, "orin_render_icons: cannot write %s\n", qPrintable(out));
            return 1;
        }
        return 0;
    }
    for (int size : sizes) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(dir) || !AppIcon::Render(size).save(dir + "/orinprog.png", "PNG")) {
            std::fprintf(stderr, "orin_render_icons: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
