#pragma once

#include <QFontMetrics>
#include <QSize>
#include <QWidget>

// A size given in dialog units, the measure the radio's dialog templates
// are drawn in: a quarter of the average character width across, an eighth of
// the font height down.
inline QSize DialogUnits(const QWidget* widget, int across, int down) {
    const QFontMetrics metrics = widget->fontMetrics();
    return {across * metrics.averageCharWidth() / 4, down * metrics.height() / 8};
}
