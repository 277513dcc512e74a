#include "editor/ChangeRecorder.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>

#include "base/AppLanguage.h"
#include "editor/CellEditController.h"
#include "editor/ChannelDisplay.h"
#include "editor/ChannelGrid.h"
#include "editor/TypeSettingBar.h"
#include "image/CProgramDoc.h"
#include "image/ChannelTexts.h"
#include "image/ImageMap.h"

namespace {

constexpr BiText EditChannelStep{"Edit Channel %1", "编辑频道%1"};
constexpr BiText EditBandStep{"Edit Band Edges", "编辑频段"};
constexpr BiText EditTypeSettingStep{"Edit Type Setting", "编辑整机设置"};

constexpr int EditableColumns = ChannelColumnCount - 1;

int TextIndex(int row, int col) {
    return (row - 1) * EditableColumns + (col - 1);
}

bool BandDiffers(const MemoryImage& a, const MemoryImage& b) {
    for (int i = 0; i < ImageMap::BandLimitsSize; ++i) {
        if (a[ImageMap::BandLimits + i] != b[ImageMap::BandLimits + i]) {
            return true;
        }
    }
    return false;
}

} // namespace

ChangeRecorder::ChangeRecorder(CProgramDoc& doc, ChannelGrid& grid, TypeSettingBar& bar,
                               ChannelDisplay& display, CellEditController& editing,
                               QObject* parent)
    : QObject(parent), m_Doc(doc), m_Grid(grid), m_Bar(bar), m_Display(display), m_Editing(editing),
      m_History(*this, this) {}

void ChangeRecorder::Connect() {
    connect(&m_Grid, &ChannelGrid::CellTextChanged, this, &ChangeRecorder::OnCellChanged);
    connect(m_Bar.TypeList(), &QComboBox::activated, this, &ChangeRecorder::Flush);
    connect(m_Bar.ManualList(), &QComboBox::activated, this, &ChangeRecorder::Flush);
    connect(m_Bar.LowerBox(), &QLineEdit::editingFinished, this, &ChangeRecorder::Flush);
    connect(m_Bar.UpperBox(), &QLineEdit::editingFinished, this, &ChangeRecorder::Flush);
    QCoreApplication::instance()->installEventFilter(this);
}

bool ChangeRecorder::eventFilter(QObject* watched, QEvent* event) {
    if (!m_Pending.empty()) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            Flush();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

MemoryImage ChangeRecorder::Snapshot() const {
    MemoryImage image = m_Doc.Image();
    m_Display.CommitQuietly(image);
    return image;
}

void ChangeRecorder::OnCellChanged(int row, int col, const QString& before) {
    if (m_Quiet > 0 || !m_bStarted) {
        return;
    }
    if (m_Pending.empty()) {
        // While a cell is left the grid still names it: that is the cell the
        // user edited, whatever else its commit writes.
        m_PendingFocus = m_Grid.CurrentRow() > 0
                             ? GridCell{m_Grid.CurrentRow(), m_Grid.CurrentCol()}
                             : GridCell{row, col};
    }
    for (const PendingCell& cell : m_Pending) {
        if (cell.row == row && cell.col == col) {
            return; // the text before the action counts
        }
    }
    m_Pending.push_back({row, col, before});
    if (!m_bFlushQueued) {
        m_bFlushQueued = true;
        QTimer::singleShot(0, this, [this] {
            m_bFlushQueued = false;
            Flush();
        });
    }
}

void ChangeRecorder::Flush() {
    if (m_Quiet > 0 || !m_bStarted) {
        return;
    }
    std::vector<CellChange> changes;
    for (PendingCell& cell : m_Pending) {
        QString now = m_Grid.CellText(cell.row, cell.col);
        if (now != cell.before) {
            changes.push_back({cell.row, cell.col, std::move(cell.before), std::move(now)});
        }
    }
    m_Pending.clear();
    const MemoryImage after = Snapshot();
    if (changes.empty() && after == m_History.Current()) {
        return;
    }
    GridCell focus;
    if (!changes.empty()) {
        focus = m_PendingFocus;
        const bool touched = std::any_of(changes.begin(), changes.end(),
                                         [&](const CellChange& c) { return c.row == focus.row; });
        if (!touched) {
            focus = {changes.front().row, changes.front().col};
        }
    }
    StepName name = !changes.empty() ? StepName::Of(EditChannelStep, focus.row)
                    : BandDiffers(after, m_History.Current()) ? StepName::Of(EditBandStep)
                                                              : StepName::Of(EditTypeSettingStep);
    m_History.Record(std::move(name), after, std::move(changes), focus);
}

void ChangeRecorder::Settle() {
    m_Editing.CommitCellEdit();
    Flush();
}

std::vector<QString> ChangeRecorder::GridTexts() const {
    std::vector<QString> texts(static_cast<std::size_t>((ChannelGrid::Rows - 1) * EditableColumns));
    for (int row = 1; row < ChannelGrid::Rows; ++row) {
        for (int col = 1; col <= EditableColumns; ++col) {
            texts[static_cast<std::size_t>(TextIndex(row, col))] = m_Grid.CellText(row, col);
        }
    }
    return texts;
}

bool ChangeRecorder::ApplyImageChange(const StepName& name,
                                      const std::function<bool(MemoryImage&)>& change,
                                      GridCell focus) {
    Settle();
    const MemoryImage before = m_History.Current();
    MemoryImage image = before;
    if (!change(image)) {
        return false;
    }
    const std::vector<QString> textsBefore = GridTexts();
    Unrecorded([&] {
        m_Doc.Image() = image;
        m_Display.Display(image, CurrentLang());
        m_Editing.LoadCellEditor();
    });
    // The grid now shows the image; what a save writes is that committed. The
    // document keeps the image as changed, byte for byte.
    const MemoryImage after = Snapshot();

    std::vector<CellChange> changes;
    for (int row = 1; row < ChannelGrid::Rows; ++row) {
        for (int col = 1; col <= EditableColumns; ++col) {
            const QString& old = textsBefore[static_cast<std::size_t>(TextIndex(row, col))];
            QString now = m_Grid.CellText(row, col);
            if (now != old) {
                changes.push_back({row, col, old, std::move(now)});
            }
        }
    }
    if (changes.empty() && after == before) {
        return false;
    }
    if (focus.row <= 0 && !changes.empty()) {
        focus = {changes.front().row, changes.front().col};
    }
    m_History.Record(name, after, std::move(changes), focus);
    return true;
}

void ChangeRecorder::Undo() {
    Settle();
    m_History.Undo();
}

void ChangeRecorder::Redo() {
    Settle();
    m_History.Redo();
}

void ChangeRecorder::StartDocument() {
    m_Pending.clear();
    m_bStarted = true;
    m_History.Reset(Snapshot());
}

void ChangeRecorder::MarkClean() {
    Flush();
    m_History.MarkClean();
}

void ChangeRecorder::MarkSafe(const MemoryImage& state) {
    Flush();
    m_History.MarkClean(state);
}

void ChangeRecorder::Unrecorded(const std::function<void()>& work) {
    ++m_Quiet;
    work();
    --m_Quiet;
}

void ChangeRecorder::RestoreStep(const MemoryImage& image, const std::vector<CellChange>& changes,
                                 bool bAfter, GridCell focus) {
    Unrecorded([&] {
        m_Doc.Image() = image;
        m_Display.DisplayBar(image);
        for (const CellChange& change : changes) {
            m_Grid.SetCellText(change.row, change.col, bAfter ? change.after : change.before);
        }
        if (focus.row > 0) {
            m_Grid.SetCurrentCell(focus.row, focus.col);
            m_Grid.scrollTo(m_Grid.model()->index(focus.row - 1, focus.col - 1));
        }
        // The hidden editor of the current cell holds its text again.
        m_Editing.LoadCellEditor();
    });
}
