#include "editor/ChannelTableModel.h"

#include <QColor>

#include "base/AppLanguage.h"
#include "document/ChannelDocument.h"
#include "image/Channel.h"
#include "image/ChannelCodec.h"
#include "image/ChannelRules.h"
#include "image/ChannelTexts.h"
#include "image/FrequencyCheck.h"
#include "image/ImageMap.h"

namespace {

constexpr BiText EditChannelStep{"Edit Channel %1", "编辑频道%1"};
constexpr int Columns = RecordTextCount;

// The range message follows the language name, not the flag: the English
// text only when the name is exactly "English".
QString RangeMessage() {
    using FrequencyMessages::Range;
    return QString::fromUtf8(LanguageName() == QLatin1String("English") ? Range.english
                                                                        : Range.chinese);
}

} // namespace

ChannelTableModel::ChannelTableModel(ChannelDocument& doc, QObject* parent)
    : QAbstractTableModel(parent), m_Doc(doc) {
    connect(&doc, &ChannelDocument::channelsChanged, this, [this](int first, int last) {
        emit dataChanged(index(first, 0), index(last, Columns - 1));
    });
    // The band edges decide which frequencies are marked.
    connect(&doc, &ChannelDocument::settingsChanged, this, &ChannelTableModel::Refresh);
    connect(&doc, &ChannelDocument::reset, this, &ChannelTableModel::Refresh);
}

const MemoryImage& ChannelTableModel::Image() const {
    return m_Doc.image();
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ImageMap::ChannelCount;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QString ChannelTableModel::Text(int row, int gridColumn) const {
    if (row < 1 || row > ImageMap::ChannelCount || gridColumn < 1 || gridColumn > Columns) {
        return {};
    }
    return QString::fromStdString(
        ChannelText(ReadChannel(Image(), row - 1), gridColumn, CurrentLang()));
}

bool ChannelTableModel::RowHasFrequency(int row) const {
    return ReadChannel(Image(), row - 1).HasFrequency();
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Text(index.row() + 1, GridColumn(index));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::BackgroundRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: // what the colour says, for a screen reader
        return OutsideBandMark(index, role);
    default:
        return {};
    }
}

QVariant ChannelTableModel::OutsideBandMark(const QModelIndex& index, int role) const {
    // A frequency the band edges no longer cover (they were narrowed after it
    // was set) is marked, so that it is seen before a write.
    const int col = GridColumn(index);
    if (col != ColRxFrequency && col != ColTxFrequency) {
        return {};
    }
    const Channel c = ReadChannel(Image(), index.row());
    const std::optional<std::uint32_t>& f = col == ColRxFrequency ? c.rxFrequency : c.txFrequency;
    const BandEdges band = DecodeBandLimits(Image());
    constexpr std::uint64_t UnitsPerMHz = 100000;
    if (!f || (*f >= band.lower * UnitsPerMHz && *f <= band.upper * UnitsPerMHz)) {
        return {};
    }
    if (role == Qt::BackgroundRole) {
        return QColor(255, 221, 221);
    }
    return tr("Outside the band edges %1-%2 MHz").arg(band.lower).arg(band.upper);
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return QString::number(section + 1);
    }
    if (section < 0 || section >= Columns) {
        return {};
    }
    // The titles keep their blanks on screen (" W/N "), not in what is read.
    const QString title = Tr(ChannelTexts::ColumnTitles[section + 1]);
    return role == Qt::DisplayRole ? title : title.simplified();
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                           : Qt::NoItemFlags;
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || (role != Qt::EditRole && role != EnterRole)) {
        return false;
    }
    return Commit(index, value.toString(), role == EnterRole ? CommitWay::Enter : CommitWay::Leave)
        .changed;
}

ChannelTableModel::Outcome ChannelTableModel::Commit(const QModelIndex& index, const QString& text,
                                                     CommitWay way) {
    if (!index.isValid()) {
        return {};
    }
    const int row = index.row() + 1;
    const int col = GridColumn(index);
    Channel c = ReadChannel(Image(), row - 1);
    const BandEdges band = m_ShownBand.value_or(DecodeBandLimits(Image()));
    const ChannelRules::Outcome rules = ChannelRules::Type(c, col, text.toStdString(), way, band);
    if (rules.Refused()) {
        const QString message = rules.refusal == ChannelRules::Refusal::Range
                                    ? RangeMessage()
                                    : QString::fromStdString(rules.Message(CurrentLang()));
        emit EditRefused(message);
        return {true, false, message};
    }
    const auto write = [&c, row](MemoryImage& image) {
        WriteChannel(c, row - 1, image);
        return true;
    };
    const bool changed = rules.changed && m_Doc.commitEdit(StepName::Of(EditChannelStep, row),
                                                           write, ChannelCell{row - 1, col});
    return {false, changed, {}};
}

void ChannelTableModel::Refresh() {
    emit dataChanged(index(0, 0), index(ImageMap::ChannelCount - 1, Columns - 1));
}

void ChannelTableModel::Relabel() {
    emit headerDataChanged(Qt::Horizontal, 0, Columns - 1);
    Refresh();
}
