#pragma once

// A channel view with channels to work on, and the mouse and keys that select
// whole channels and bring up the grid's menu.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>

#include "editor/ChannelCommands.h"
#include "editor/ViewFixture.h"
#include "image/ChannelCodec.h"
#include "image/ChannelTexts.h"
#include "image/ImageMap.h"
#include "image/RawChannel.h"
#include "support/GridClicks.h"

class ChannelFixture : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        QGuiApplication::clipboard()->clear(); // nothing left from an earlier test
    }

    // Channel n (0-127) on rx MHz named name, as a commit writes it, with a
    // byte of the radio's own in its slot.
    void Put(int n, const std::string& rx, const std::string& name) {
        ChannelRecord r;
        const char* texts[] = {"",     "",   "OFF",   "OFF",     "Wide", "Yes", "High",
                               "DTMF", "ON", "Close", "Forward", "1",    ""};
        for (int c = 1; c <= 13; ++c) {
            r[c] = texts[c - 1];
        }
        r[ColRxFrequency] = rx;
        r[ColTxFrequency] = rx;
        r[ColName] = name;
        const auto put = [&](MemoryImage& image) {
            EncodeChannel(r, n, image);
            image[ImageMap::SlotAddress(n) + 15] = static_cast<std::uint8_t>(0x40 + n);
            return true;
        };
        // Into the document once it is shown, else into the one Open shows.
        m_View ? (void)m_Doc.apply(BiText{"Test", "Test"}, put) : (void)put(m_Start);
    }
    // A document with channels 1-5 named A-E on 430.5-434.5 MHz, shown.
    void OpenWithFive() {
        for (int n = 0; n < 128; ++n) {
            EncodeChannel(ChannelRecord{}, n, m_Start);
        }
        for (int n = 0; n < 5; ++n) {
            Put(n, std::to_string(430 + n) + ".5", std::string(1, static_cast<char>('A' + n)));
        }
        Open();
    }

    // What a save writes now.
    MemoryImage Saved() {
        return m_Doc.settledImage();
    }
    QStringList Names(int count) {
        QStringList names;
        for (int row = 1; row <= count; ++row) {
            names << Cell(row, ColName);
        }
        return names;
    }

    QPoint NumberPoint(int row) { return ChannelNumberPoint(Grid(), row); }
    void ClickNumber(int row, Qt::KeyboardModifiers modifiers = {}) {
        ClickChannelNumber(Grid(), row, modifiers);
    }
    // The right button as the window system delivers it: a press, then the
    // menu event. Returns the menu that popped up, if any.
    QMenu* RightClick(QWidget* target, const QPoint& at) {
        QTest::mousePress(target, Qt::RightButton, {}, at);
        QTest::mouseRelease(target, Qt::RightButton, {}, at);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    QMenu* RightClickNumber(int row) {
        return RightClick(Grid().verticalHeader()->viewport(), NumberPoint(row));
    }
    QMenu* RightClickCell(int row, int col) {
        Grid().scrollTo(Grid().model()->index(row - 1, col - 1));
        return RightClick(Grid().viewport(), Grid().CellRect(row, col).center());
    }
    // Keys on the grid, as the user presses them with the grid focused.
    void GridKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        Grid().setFocus();
        QTest::keyClick(&Grid(), key, modifiers);
    }
    QList<int> Selected() { return Grid().SelectedChannels(); }
    bool RowShownSelected(int row) {
        return Grid().selectionModel()->isRowSelected(row - 1, QModelIndex());
    }
    ChannelCommands& Commands() { return *m_Commands; }
    static void CloseMenus() {
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    }
};
