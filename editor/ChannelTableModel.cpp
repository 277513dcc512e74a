#include "editor/ChannelTableModel.h"

#include <QColor>

#include "base/AppLanguage.h"
#include "base/Prompter.h"
#include "editor/ImageHistory.h"
#include "image/Channel.h"
#include "image/ChannelCodec.h"
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

Tone& ToneOf(Channel& c, int frequencyColumn) {
    return frequencyColumn == ColRxFrequency ? c.rxTone : c.txTone;
}

} // namespace

ChannelTableModel::ChannelTableModel(MemoryImage& image, ImageHistory& history, QObject* parent)
    : QAbstractTableModel(parent), m_Image(image), m_History(history) {}

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
        ChannelText(ReadChannel(m_Image, row - 1), gridColumn, CurrentLang()));
}

bool ChannelTableModel::RowHasFrequency(int row) const {
    return ReadChannel(m_Image, row - 1).HasFrequency();
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
    const Channel c = ReadChannel(m_Image, index.row());
    const std::optional<std::uint32_t>& f = col == ColRxFrequency ? c.rxFrequency : c.txFrequency;
    const BandEdges band = DecodeBandLimits(m_Image);
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
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return QString::number(section + 1);
    }
    return section >= 0 && section < Columns ? Tr(ChannelTexts::ColumnTitles[section + 1])
                                             : QVariant();
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                           : Qt::NoItemFlags;
}

void ChannelTableModel::CommitFrequency(Channel& c, int col, std::string text, CommitWay way) {
    if (!text.empty()) {
        const BandEdges band = m_Band ? m_Band(way) : BandEdges{0, 0};
        const FrequencyCheckResult check = CheckFrequency(text, band.lower, band.upper);
        QString message;
        switch (check.verdict) {
        case FrequencyVerdict::Accepted:
            text = check.text;
            break;
        case FrequencyVerdict::Empty:
            text.clear();
            break;
        case FrequencyVerdict::Format:
            message = Tr(FrequencyMessages::Format);
            break;
        case FrequencyVerdict::Range:
            message = RangeMessage();
            break;
        case FrequencyVerdict::Step:
            message = Tr(way == CommitWay::Leave ? FrequencyMessages::StepOnLeave
                                                 : FrequencyMessages::StepOnEnter);
            break;
        }
        if (!message.isEmpty()) {
            CurrentPrompter().ShowMessage(m_Owner, message);
            text.clear();
        }
    }

    if (!text.empty()) {
        const bool newChannel = !c.HasFrequency() && c.rxTone.kind == Tone::Kind::None &&
                                c.txTone.kind == Tone::Kind::None;
        if (newChannel) {
            // Enter goes on to the Name cell itself, so it leaves the name alone.
            const int last = way == CommitWay::Leave ? ColName : ColScram;
            for (int column = ColRxTone; column <= last; ++column) {
                ParseChannelText(c, column,
                                 ChannelTexts::NewChannelDefaults[column - ColRxTone].english);
            }
            if (col == ColRxFrequency) {
                ParseChannelText(c, ColTxFrequency, text); // Tx starts equal to Rx
            }
        }
        ParseChannelText(c, col, text);
        return;
    }
    // A frequency and its tone go together.
    ParseChannelText(c, col, "");
    ToneOf(c, col) = {};
    const bool emptied = way == CommitWay::Enter
                             ? !c.HasFrequency()
                             : !c.HasFrequency() && c.rxTone.kind == Tone::Kind::None &&
                                   c.txTone.kind == Tone::Kind::None;
    if (emptied) {
        c.ClearOptions();
    }
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || (role != Qt::EditRole && role != EnterRole)) {
        return false;
    }
    const int row = index.row() + 1;
    const int col = GridColumn(index);
    const std::string text = value.toString().toStdString();
    const Channel was = ReadChannel(m_Image, row - 1);
    Channel c = was;
    switch (col) {
    case ColRxFrequency:
    case ColTxFrequency:
        CommitFrequency(c, col, text, role == EnterRole ? CommitWay::Enter : CommitWay::Leave);
        break;
    case ColRxTone:
    case ColTxTone:
        // A channel without a frequency has no tone.
        ParseChannelText(c, col, c.HasFrequency() ? text : std::string());
        break;
    case ColName:
        ParseChannelText(c, col, c.HasFrequency() ? text : std::string());
        break;
    default:
        if (!c.HasFrequency()) {
            return false; // a list value on a row without a frequency stays empty
        }
        ParseChannelText(c, col, text);
        break;
    }
    if (c.SameFields(was)) {
        return false;
    }
    WriteChannel(c, row - 1, m_Image);
    m_History.Record(StepName::Of(EditChannelStep, row), m_Image, GridCell{row, col});
    emit dataChanged(this->index(row - 1, 0), this->index(row - 1, Columns - 1));
    return true;
}

void ChannelTableModel::Refresh() {
    emit dataChanged(index(0, 0), index(ImageMap::ChannelCount - 1, Columns - 1));
}

void ChannelTableModel::Relabel() {
    emit headerDataChanged(Qt::Horizontal, 0, Columns - 1);
    Refresh();
}
