#pragma once

// Real mouse clicks on the channel numbers of a grid.
#include <QHeaderView>
#include <QTest>

#include "editor/ChannelTable.h"

// The middle of row's channel number, scrolled into sight.
inline QPoint ChannelNumberPoint(ChannelTable& grid, int row) {
    QHeaderView* numbers = grid.verticalHeader();
    grid.scrollTo(grid.model()->index(row - 1, 0));
    return {numbers->width() / 2,
            numbers->sectionViewportPosition(row - 1) + numbers->sectionSize(row - 1) / 2};
}

inline void ClickChannelNumber(ChannelTable& grid, int row, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(grid.verticalHeader()->viewport(), Qt::LeftButton, modifiers,
                      ChannelNumberPoint(grid, row));
}
