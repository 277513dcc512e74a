#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPoint>
#include <functional>
#include <vector>

#include "base/Lang.h"
#include "image/MemoryImage.h"

class ChannelDocument;
class ChannelTable;
class QAction;
class QMenu;

// The commands on whole channels: Cut, Copy, Paste, Clear, Insert Empty
// Channel, Delete Channel, Move Up, Move Down, Sort by Rx Frequency, and in
// the grid's menu the values of a column to set for all selected channels.
// Each works on the image a save would write and is one undo step; the
// commands that need a channel selection are enabled only while there is one,
// and all are disabled while a transfer runs. Their keys work wherever the
// focus is in the table's window.
class ChannelCommands : public QObject {
    Q_OBJECT
public:
    ChannelCommands(ChannelDocument& doc, ChannelTable& table, QObject* parent = nullptr);

    QAction* cut;
    QAction* copy;
    QAction* paste;
    QAction* clear;
    QAction* insertChannel;
    QAction* deleteChannel;
    QAction* moveUp;
    QAction* moveDown;
    QAction* sort;

    // In menu order; a null entry stands for a separator.
    QList<QAction*> MenuActions() const;
    // Adds the commands to a menu, with separators between groups.
    void AddTo(QMenu* menu) const;

    // Off while a transfer runs.
    void SetTransferRunning(bool running);

    void OnCut();
    void OnCopy();
    void OnPaste();
    void OnClear();
    void OnInsertChannel();
    void OnDeleteChannel();
    void OnMoveUp();
    void OnMoveDown();
    void OnSort();
    // Writes text into column of every selected channel that has a frequency,
    // as if chosen in the column's list on each; for the Tx frequency column
    // the text is ignored and each channel's Rx frequency is typed in.
    void SetForSelected(int column, const QString& text);

    // The grid's menu for row and col (col 0: the channel number), built
    // anew each time; nullptr when the right button there offers none. The
    // caller owns it.
    QMenu* BuildContextMenu(int row, int col);

    void Retranslate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Change = std::function<bool(MemoryImage&)>;
    QAction* Make(const char* objectName, const QKeySequence& key, void (ChannelCommands::*slot)());
    void UpdateEnabled();
    // The selected channels as indexes 0-127.
    std::vector<int> Selected() const;
    // Where a paste starts: the first selected channel, else the current cell's.
    int PasteTarget() const;
    bool Apply(const BiText& stepName, const Change& change);
    void CopyToClipboard(const MemoryImage& image, const std::vector<int>& channels);
    void Message(const QString& text);
    void SelectIndexes(const std::vector<int>& channels);
    void AddSetValues(QMenu* menu, int column);

    ChannelDocument& m_Doc;
    ChannelTable& m_Table;
    bool m_bTransferRunning = false;
};
