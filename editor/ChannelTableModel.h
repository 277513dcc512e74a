#pragma once

#include <QAbstractTableModel>
#include <optional>

#include "image/BandLimits.h"
#include "image/ChannelRules.h"
#include "image/MemoryImage.h"

class ChannelDocument;
struct Channel;

// The 128 channels of the document as a table of 13 columns (Rx Frequency to
// Name; the channel number is the row header, rows are channels from 0).
// data() shows the image's texts in the current language; setData() puts a
// value through ChannelRules::Type, shared with every other path, and makes
// the result one step of the document. Whatever changes the document comes
// back as dataChanged; a refused value as the outcome of Commit and as
// EditRefused.
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // How an edit is committed: by leaving the cell, or by Enter in it. The
    // two differ in a step message and in what a new channel's first
    // frequency fills in.
    using CommitWay = ChannelRules::Way;
    // setData with this role commits as Enter does; Qt::EditRole as leaving.
    static constexpr int EnterRole = Qt::UserRole + 1;

    // What a commit came to: taken (and whether it changed the channel), or
    // refused, and why in the current language.
    struct Outcome {
        bool refused = false;
        bool changed = false;
        QString message;
    };

    explicit ChannelTableModel(ChannelDocument& doc, QObject* parent = nullptr);

    // The band edges the band boxes show while they hold edges not yet
    // stored: a typed frequency is checked against them. None: the stored
    // ones.
    void SetShownBand(std::optional<BandEdges> band) { m_ShownBand = band; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Puts text into the cell by the rules, committed the way given, as one
    // step of the document.
    Outcome Commit(const QModelIndex& index, const QString& text, CommitWay way);

    // The grid column (1-13) of an index, and back.
    static int GridColumn(const QModelIndex& index) { return index.column() + 1; }
    QModelIndex Cell(int row, int gridColumn) const { return index(row - 1, gridColumn - 1); }
    QString Text(int row, int gridColumn) const;
    bool RowHasFrequency(int row) const;

    // Every cell may show something else.
    void Refresh();
    // The language changed: titles and texts.
    void Relabel();

signals:
    // setData refused a value; message says why, in the current language.
    void EditRefused(const QString& message);

private:
    // The colour and the tip of a frequency outside the band edges.
    QVariant OutsideBandMark(const QModelIndex& index, int role) const;

    const MemoryImage& Image() const;

    ChannelDocument& m_Doc;
    std::optional<BandEdges> m_ShownBand;
};
