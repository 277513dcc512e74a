#include "editor/ChannelCommands.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>

#include "base/AppLanguage.h"
#include "base/Prompter.h"
#include "document/ChannelDocument.h"
#include "editor/ChannelTable.h"
#include "formats/ChannelClipboard.h"
#include "image/CommandTexts.h"
#include "image/ChannelOperations.h"
#include "image/ChannelTexts.h"
#include "image/ToneTable.h"

namespace {

namespace Step {
constexpr BiText Cut = CommandTexts::Steps::CutChannels;
constexpr BiText Copy{"Copy Channels", "复制频道"};
constexpr BiText Paste = CommandTexts::Steps::PasteChannels;
constexpr BiText Clear = CommandTexts::Steps::ClearChannels;
constexpr BiText Insert = CommandTexts::Steps::InsertEmptyChannel;
constexpr BiText Delete = CommandTexts::Steps::DeleteChannels;
constexpr BiText MoveUp = CommandTexts::Steps::MoveChannelsUp;
constexpr BiText MoveDown = CommandTexts::Steps::MoveChannelsDown;
constexpr BiText Sort = CommandTexts::Steps::SortByRx;
constexpr BiText Set{"Set for Selected Channels", "为所选频道设置"};
} // namespace Step

namespace Msg {
constexpr BiText InsertRefused = CommandTexts::InsertRefused;
constexpr BiText TxRxRefused{
    "Nothing was changed. The Rx frequency of these channels does not pass the check:",
    "未做任何更改。以下频道的接收频率未通过检查："};
constexpr BiText ChannelLine{"channel %1: %2", "第%1频道：%2"};
} // namespace Msg

// The tone table's groups: "OFF", then CTCSS, DCS N and DCS I.
constexpr int CtcssFirst = 1;
constexpr int DcsNormalFirst = 51;
constexpr int DcsInvertedFirst = 156;

QString Text(const BiText& text) {
    return Tr(text);
}

QString VerdictText(FrequencyVerdict verdict) {
    switch (verdict) {
    case FrequencyVerdict::Range:
        return Text(FrequencyMessages::Range);
    case FrequencyVerdict::Step:
        return Text(FrequencyMessages::StepOnLeave);
    default:
        return Text(FrequencyMessages::Format);
    }
}

std::vector<int> Indexes(int first, std::size_t count) {
    std::vector<int> channels;
    for (std::size_t i = 0; i < count; ++i) {
        channels.push_back(first + static_cast<int>(i));
    }
    return channels;
}

// Runs a whole-channel operation and says whether it changed a byte.
template <typename Operation> bool Changes(MemoryImage& image, Operation operation) {
    const MemoryImage before = image;
    operation(image);
    return image != before;
}

using CommandTexts::ProblemsShown;

// The problems of a pasted text: the first ones in text, all in details when
// there are more.
void ProblemsMessage(const std::vector<ChannelClipboard::PasteProblem>& problems, QString& text,
                     QString& details) {
    const Lang lang = CurrentLang();
    if (problems.size() <= ProblemsShown) {
        text = QString::fromStdString(ChannelClipboard::ProblemsText(problems, lang));
        return;
    }
    const std::vector<ChannelClipboard::PasteProblem> first(problems.begin(),
                                                            problems.begin() + ProblemsShown);
    text = QString::fromStdString(ChannelClipboard::ProblemsText(first, lang)) + QLatin1Char('\n') +
           Tr(CommandTexts::MoreProblems).arg(problems.size() - ProblemsShown);
    details = QString::fromStdString(ChannelClipboard::ProblemsText(problems, lang));
}

} // namespace

ChannelCommands::ChannelCommands(ChannelDocument& doc, ChannelTable& table, QObject* parent)
    : QObject(parent), m_Doc(doc), m_Table(table) {
    cut = Make("ID_EDIT_CUT", QKeySequence(Qt::CTRL | Qt::Key_X), &ChannelCommands::OnCut);
    copy = Make("ID_EDIT_COPY", QKeySequence(Qt::CTRL | Qt::Key_C), &ChannelCommands::OnCopy);
    paste = Make("ID_EDIT_PASTE", QKeySequence(Qt::CTRL | Qt::Key_V), &ChannelCommands::OnPaste);
    clear = Make("ID_EDIT_CLEAR", QKeySequence(Qt::Key_Delete), &ChannelCommands::OnClear);
    insertChannel = Make("ID_INSERT_CHANNEL", {}, &ChannelCommands::OnInsertChannel);
    deleteChannel = Make("ID_DELETE_CHANNEL", {}, &ChannelCommands::OnDeleteChannel);
    moveUp = Make("ID_MOVE_UP", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up),
                  &ChannelCommands::OnMoveUp);
    moveDown = Make("ID_MOVE_DOWN", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down),
                    &ChannelCommands::OnMoveDown);
    sort = Make("ID_SORT_RX", {}, &ChannelCommands::OnSort);
    // The keys work wherever the focus is in the window; an open cell editor
    // keeps Delete for its own text, and Ctrl+C, Ctrl+V and Ctrl+X too once
    // something is typed into it (see ChannelDelegate).
    for (QAction* action : MenuActions()) {
        if (action) {
            m_Table.addAction(action);
        }
    }
    connect(&m_Table, &ChannelTable::ChannelSelectionChanged, this,
            &ChannelCommands::UpdateEnabled);
    connect(&m_Table, &ChannelTable::ChannelMenuRequested, this,
            [this](int row, int col, const QPoint& global) {
                if (QMenu* menu = BuildContextMenu(row, col)) {
                    menu->setAttribute(Qt::WA_DeleteOnClose);
                    menu->popup(global);
                }
            });
    m_Table.installEventFilter(this);
    Retranslate();
    UpdateEnabled();
}

QAction* ChannelCommands::Make(const char* objectName, const QKeySequence& key,
                               void (ChannelCommands::*slot)()) {
    auto* action = new QAction(this);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

QList<QAction*> ChannelCommands::MenuActions() const {
    return {cut,           copy,    paste,  clear,    nullptr, insertChannel,
            deleteChannel, nullptr, moveUp, moveDown, sort};
}

void ChannelCommands::AddTo(QMenu* menu) const {
    for (QAction* action : MenuActions()) {
        if (action) {
            menu->addAction(action);
        } else {
            menu->addSeparator();
        }
    }
}

bool ChannelCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_Table && event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    return QObject::eventFilter(watched, event);
}

void ChannelCommands::Retranslate() {
    cut->setText(tr("Cu&t"));
    copy->setText(tr("&Copy"));
    paste->setText(tr("&Paste"));
    clear->setText(tr("C&lear"));
    insertChannel->setText(tr("&Insert Empty Channel"));
    deleteChannel->setText(tr("&Delete Channel"));
    moveUp->setText(tr("&Move Up"));
    moveDown->setText(tr("Move Do&wn"));
    sort->setText(tr("&Sort By Rx Frequency"));
    cut->setStatusTip(tr("Copy the selected channels to the clipboard and empty them"));
    copy->setStatusTip(tr("Copy the selected channels to the clipboard"));
    paste->setStatusTip(tr("Paste channels from the clipboard over the channels from the "
                           "first selected one on"));
    clear->setStatusTip(tr("Empty the selected channels"));
    insertChannel->setStatusTip(tr("Insert an empty channel before the first selected one"));
    deleteChannel->setStatusTip(tr("Remove the selected channels; those below move up"));
    moveUp->setStatusTip(tr("Move the selected channels up by one"));
    moveDown->setStatusTip(tr("Move the selected channels down by one"));
    sort->setStatusTip(tr("Sort the selected channels, or all, by Rx frequency"));
}

void ChannelCommands::SetTransferRunning(bool running) {
    m_bTransferRunning = running;
    UpdateEnabled();
}

void ChannelCommands::UpdateEnabled() {
    const bool idle = !m_bTransferRunning;
    const QList<int>& rows = m_Table.SelectedChannels();
    const bool selected = idle && !rows.isEmpty();
    for (QAction* action : {cut, copy, clear, insertChannel, deleteChannel}) {
        action->setEnabled(selected);
    }
    moveUp->setEnabled(selected && rows.first() > 1);
    moveDown->setEnabled(selected && rows.last() < ChannelTable::Rows - 1);
    paste->setEnabled(idle);
    sort->setEnabled(idle);
}

std::vector<int> ChannelCommands::Selected() const {
    std::vector<int> channels;
    for (int row : m_Table.SelectedChannels()) {
        channels.push_back(row - 1);
    }
    return channels;
}

int ChannelCommands::PasteTarget() const {
    return (m_Table.HasChannelSelection() ? m_Table.SelectedChannels().first()
                                          : m_Table.CurrentRow()) -
           1;
}

void ChannelCommands::SelectIndexes(const std::vector<int>& channels) {
    QList<int> rows;
    for (int n : channels) {
        rows.append(n + 1);
    }
    m_Table.SelectChannels(rows);
}

bool ChannelCommands::Apply(const BiText& stepName, const Change& change) {
    return m_Doc.apply(stepName, change);
}

void ChannelCommands::Message(const QString& text) {
    CurrentPrompter().ShowMessage(&m_Table, text);
}

void ChannelCommands::CopyToClipboard(const MemoryImage& image, const std::vector<int>& channels) {
    auto* data = new QMimeData;
    data->setText(
        QString::fromStdString(ChannelClipboard::PlainText(image, channels, CurrentLang())));
    data->setData(
        QString::fromLatin1(ChannelClipboard::MimeType),
        QByteArray::fromStdString(ChannelClipboard::Payload(ChannelOps::Copy(image, channels))));
    QGuiApplication::clipboard()->setMimeData(data);
}

void ChannelCommands::OnCopy() {
    const std::vector<int> channels = Selected();
    if (channels.empty()) {
        return;
    }
    CopyToClipboard(m_Doc.settledImage(), channels);
}

void ChannelCommands::OnCut() {
    const std::vector<int> channels = Selected();
    if (channels.empty()) {
        return;
    }
    Apply(Step::Cut, [&](MemoryImage& image) {
        CopyToClipboard(image, channels);
        return Changes(image, [&](MemoryImage& i) { ChannelOps::Clear(i, channels); });
    });
    SelectIndexes(channels);
}

void ChannelCommands::OnClear() {
    const std::vector<int> channels = Selected();
    if (channels.empty()) {
        return;
    }
    Apply(Step::Clear, [&](MemoryImage& image) {
        return Changes(image, [&](MemoryImage& i) { ChannelOps::Clear(i, channels); });
    });
    SelectIndexes(channels);
}

void ChannelCommands::OnPaste() {
    const int first = PasteTarget();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    std::optional<std::vector<RawChannel>> raw;
    std::string text;
    if (data && data->hasFormat(QString::fromLatin1(ChannelClipboard::MimeType))) {
        raw = ChannelClipboard::ReadPayload(
            data->data(QString::fromLatin1(ChannelClipboard::MimeType)).toStdString());
    }
    if (!raw && data && data->hasText()) {
        text = data->text().toStdString();
    }
    QString refusal;
    QString details;
    std::size_t count = 0;
    const bool pasted = Apply(Step::Paste, [&](MemoryImage& image) {
        std::vector<ChannelRecord> records;
        if (!raw) {
            const ChannelClipboard::PastedText parsed =
                ChannelClipboard::ParseText(text, DecodeBandLimits(image));
            if (!parsed.problems.empty()) {
                ProblemsMessage(parsed.problems, refusal, details);
                return false;
            }
            records = parsed.records;
        }
        count = raw ? raw->size() : records.size();
        if (count == 0) {
            refusal = Text(CommandTexts::NothingToPaste);
            return false;
        }
        const bool fits =
            raw ? ChannelOps::Paste(image, first, *raw) : ChannelOps::Paste(image, first, records);
        if (!fits) {
            refusal = Text(CommandTexts::PastePastEnd).arg(count).arg(first + 1);
        }
        return fits;
    });
    if (!refusal.isEmpty()) {
        CurrentPrompter().ShowMessage(&m_Table, refusal, details);
    }
    if (pasted) {
        SelectIndexes(Indexes(first, count));
    }
}

void ChannelCommands::OnInsertChannel() {
    const std::vector<int> channels = Selected();
    if (channels.empty()) {
        return;
    }
    bool refused = false;
    const bool inserted = Apply(Step::Insert, [&](MemoryImage& image) {
        refused = !ChannelOps::InsertEmpty(image, channels.front());
        return !refused;
    });
    if (refused) {
        Message(Text(Msg::InsertRefused));
    }
    if (inserted) {
        SelectIndexes({channels.front()});
    }
}

void ChannelCommands::OnDeleteChannel() {
    const std::vector<int> channels = Selected();
    if (channels.empty()) {
        return;
    }
    Apply(Step::Delete, [&](MemoryImage& image) {
        return Changes(image, [&](MemoryImage& i) { ChannelOps::Delete(i, channels); });
    });
    SelectIndexes({channels.front()});
}

void ChannelCommands::OnMoveUp() {
    std::optional<ChannelOps::Channels> moved;
    Apply(Step::MoveUp, [&](MemoryImage& image) {
        moved = ChannelOps::Move(image, Selected(), -1);
        return moved.has_value();
    });
    if (moved) {
        SelectIndexes(*moved);
    }
}

void ChannelCommands::OnMoveDown() {
    std::optional<ChannelOps::Channels> moved;
    Apply(Step::MoveDown, [&](MemoryImage& image) {
        moved = ChannelOps::Move(image, Selected(), 1);
        return moved.has_value();
    });
    if (moved) {
        SelectIndexes(*moved);
    }
}

void ChannelCommands::OnSort() {
    const std::vector<int> channels = Selected();
    Apply(Step::Sort, [&](MemoryImage& image) {
        return Changes(image, [&](MemoryImage& i) { ChannelOps::SortByRxFrequency(i, channels); });
    });
    SelectIndexes(channels);
}

void ChannelCommands::SetForSelected(int column, const QString& text) {
    const std::vector<int> channels = Selected();
    if (channels.empty()) {
        return;
    }
    if (column != ColTxFrequency) {
        Apply(Step::Set, [&](MemoryImage& image) {
            return Changes(image, [&](MemoryImage& i) {
                ChannelOps::SetColumnText(i, channels, column, text.toStdString(), CurrentLang());
            });
        });
        SelectIndexes(channels);
        return;
    }
    ChannelOps::TxFromRxResult result;
    Apply(Step::Set, [&](MemoryImage& image) {
        return Changes(image, [&](MemoryImage& i) {
            result = ChannelOps::SetTxToRx(i, channels, DecodeBandLimits(i));
        });
    });
    if (!result.refused.empty()) {
        QString message = Text(Msg::TxRxRefused);
        for (const ChannelOps::RefusedFrequency& r : result.refused) {
            message += QLatin1Char('\n') +
                       Text(Msg::ChannelLine).arg(r.channel + 1).arg(VerdictText(r.verdict));
        }
        Message(message);
    }
    SelectIndexes(channels);
}

void ChannelCommands::AddSetValues(QMenu* menu, int column) {
    const auto add = [this, column](QMenu* to, const QString& text, const QString& value) {
        QAction* action = to->addAction(text);
        connect(action, &QAction::triggered, this,
                [this, column, value] { SetForSelected(column, value); });
    };
    if (column == ColTxFrequency) {
        add(menu, tr("Tx = Rx"), {});
        return;
    }
    if (column == ColRxTone || column == ColTxTone) {
        const std::vector<std::string>& tones = ToneTable::Texts();
        add(menu, QString::fromStdString(tones[0]), QString::fromStdString(tones[0]));
        const struct {
            QString title;
            int first;
            int end;
        } groups[] = {{tr("CTCSS"), CtcssFirst, DcsNormalFirst},
                      {tr("DCS N"), DcsNormalFirst, DcsInvertedFirst},
                      {tr("DCS I"), DcsInvertedFirst, ToneTable::Count}};
        for (const auto& group : groups) {
            QMenu* sub = menu->addMenu(group.title);
            sub->setAccessibleName(group.title);
            for (int i = group.first; i < group.end; ++i) {
                const QString tone = QString::fromStdString(tones[i]);
                add(sub, tone, tone);
            }
        }
        return;
    }
    for (const BiText& entry : ChannelTexts::EntriesForColumn(column)) {
        add(menu, Text(entry), Text(entry));
    }
}

QMenu* ChannelCommands::BuildContextMenu(int row, int col) {
    if (col != 0 && !m_Table.IsChannelSelected(row)) {
        return nullptr;
    }
    auto* menu = new QMenu(&m_Table);
    menu->setAccessibleName(tr("Channel commands"));
    AddTo(menu);
    const bool valuesForColumn = col == ColTxFrequency || (col >= ColRxTone && col <= ColScram);
    if (m_Table.SelectedChannels().size() > 1 && valuesForColumn) {
        menu->addSeparator();
        const QString title =
            tr("Set %1 for Selected Channels").arg(Text(ChannelTexts::ColumnTitles[col]).trimmed());
        QMenu* values = menu->addMenu(title);
        values->setObjectName(QStringLiteral("SetForSelected"));
        values->setAccessibleName(title);
        AddSetValues(values, col);
    }
    return menu;
}
