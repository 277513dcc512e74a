#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "editor/ImageStep.h"
#include "image/BandLimits.h"
#include "image/ChannelRules.h"
#include "image/MemoryImage.h"

class ImageHistory;
class QWidget;
struct Channel;

// The 128 channels of the document's image as a table of 13 columns (Rx
// Frequency to Name; the channel number is the row header). The image is the
// one copy of the data: data() shows its texts in the current language, and
// setData() checks a value as the editor always has, changes only the bytes
// of that field (and what the rules tie to it) and records one undo step.
// The rules themselves are ChannelRules::Type, shared with every other path.
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // How an edit is committed: by leaving the cell, or by Enter in it. The
    // two differ in a step message and in what a new channel's first
    // frequency fills in.
    using CommitWay = ChannelRules::Way;
    // setData with this role commits as Enter does; Qt::EditRole as leaving.
    static constexpr int EnterRole = Qt::UserRole + 1;

    ChannelTableModel(MemoryImage& image, ImageHistory& history, QObject* parent = nullptr);

    // The band edges a typed frequency is checked against, read when needed;
    // and the widget messages belong to.
    void SetBandSource(std::function<BandEdges(CommitWay)> band) { m_Band = std::move(band); }
    void SetMessageOwner(QWidget* owner) { m_Owner = owner; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Whether the last setData refused its text (and showed why).
    bool LastEditRefused() const { return m_bRefused; }

    // The grid column (1-13) of an index, and back.
    static int GridColumn(const QModelIndex& index) { return index.column() + 1; }
    QModelIndex Cell(int row, int gridColumn) const { return index(row - 1, gridColumn - 1); }
    QString Text(int row, int gridColumn) const;
    bool RowHasFrequency(int row) const;

    // The whole image may have changed (undo, a command, a read): every cell.
    void Refresh();
    // The language changed: titles and texts.
    void Relabel();

private:
    // The colour and the tip of a frequency outside the band edges.
    QVariant OutsideBandMark(const QModelIndex& index, int role) const;

    MemoryImage& m_Image;
    ImageHistory& m_History;
    std::function<BandEdges(CommitWay)> m_Band;
    QWidget* m_Owner = nullptr;
    bool m_bRefused = false;
};
