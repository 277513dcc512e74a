#pragma once

#include <QDir>
#include <QString>

#include "image/Utf8.h"

// A file's name or path as the window shows it, in messages, the title and the
// recent-file menu: the system's separators, and control bytes (a line break in
// a name) escaped by Utf8::ShownPath, as orinctl shows them.
inline QString ShownPath(const QString& path) {
    return QString::fromStdString(Utf8::ShownPath(QDir::toNativeSeparators(path).toStdString()));
}
