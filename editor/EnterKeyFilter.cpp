#include "editor/EnterKeyFilter.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <array>

#include "editor/CellEditController.h"
#include "editor/CellEditorSet.h"
#include "editor/ChannelGrid.h"
#include "editor/TypeSettingBar.h"
#include "image/ChannelTexts.h"

namespace {

constexpr int LastRow = ChannelGrid::Rows - 1;

bool IsEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

} // namespace

EnterKeyFilter::EnterKeyFilter(CellEditController& controller, ChannelGrid& grid,
                               TypeSettingBar& bar, CellEditorSet& editors, QObject* parent)
    : QObject(parent), m_Controller(controller), m_Grid(grid), m_Bar(bar), m_Editors(editors) {}

void EnterKeyFilter::Install() {
    m_Grid.installEventFilter(this);
    for (QWidget* editor : m_Editors.All()) {
        editor->installEventFilter(this);
    }
    m_Editors.ToneCombo()->lineEdit()->installEventFilter(this);
    m_Bar.TypeList()->installEventFilter(this);
    m_Bar.ManualList()->installEventFilter(this);
    m_Bar.LowerBox()->installEventFilter(this);
    m_Bar.UpperBox()->installEventFilter(this);
}

bool EnterKeyFilter::NameEditorAcceptsKey(const QKeyEvent& event) {
    const int key = event.key();
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return true; // keypad digits arrive as digits with the keypad flag
    }
    if (key == Qt::Key_Minus) {
        return !(event.modifiers() & Qt::KeypadModifier); // the minus key, not the keypad's
    }
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_Pause:
    case Qt::Key_Clear:
    case Qt::Key_Cancel:
        return true;
    default:
        return false;
    }
}

bool EnterKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (watched == m_Editors.NameEdit() && !NameEditorAcceptsKey(key)) {
        return true;
    }
    if (!IsEnter(key)) {
        return false;
    }
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) {
        focus = qobject_cast<QWidget*>(watched);
    }
    HandleEnter(focus);
    return true;
}

void EnterKeyFilter::HandleEnter(QWidget* focus) {
    QComboBox* tone = m_Editors.ToneCombo();
    if (focus == m_Editors.FrequencyEdit()) {
        EnterInFrequencyEdit();
    } else if (m_Editors.IsOptionList(focus)) {
        EnterInOptionList(focus);
    } else if (focus == m_Editors.NameEdit()) {
        EnterInNameEdit();
    } else if (focus == &m_Grid) {
        EnterOnGrid();
    } else if (!tone->isHidden()) {
        EnterWhileToneOpen();
    } else {
        MoveFocusOn(focus);
    }
}

void EnterKeyFilter::MoveFocusOn(QWidget* from) {
    // The form's Tab order: Type list, grid, "Manul Setting", lower and upper
    // band box, and round again. An in-place editor counts as the grid.
    const std::array<QWidget*, 5> stops = {m_Bar.TypeList(), &m_Grid, m_Bar.ManualList(),
                                           m_Bar.LowerBox(), m_Bar.UpperBox()};
    std::size_t at = 1;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        if (from == stops[i] || (from != nullptr && stops[i]->isAncestorOf(from))) {
            at = i;
            break;
        }
    }
    stops[(at + 1) % stops.size()]->setFocus(Qt::TabFocusReason);
}

void EnterKeyFilter::EnterInFrequencyEdit() {
    if (m_Grid.SelEndCol() == ColScan) {
        m_Bar.MoveControlsToMembers();
        MoveFocusOn(m_Editors.FrequencyEdit());
        return;
    }
    m_Controller.CommitFrequencyOnEnter();
    MoveToNextColumn();
}

void EnterKeyFilter::EnterInOptionList(QWidget* list) {
    m_Controller.CommitOptionOnEnter(list);
    MoveToNextColumn();
}

void EnterKeyFilter::EnterInNameEdit() {
    m_Controller.CommitNameOnEnter();
    if (m_Grid.CurrentRow() < LastRow) {
        // Typing goes on with the Rx frequency of the next channel.
        m_Grid.SetCurrentRow(m_Grid.CurrentRow() + 1);
        m_Grid.SetCurrentCol(ColRxFrequency);
        m_Controller.BeginCellEdit(CellEditController::EnterKey);
    } else {
        MoveFocusOn(&m_Grid);
    }
}

void EnterKeyFilter::EnterWhileToneOpen() {
    m_Controller.CommitToneOnEnter();
    MoveToNextColumn();
}

void EnterKeyFilter::MoveToNextColumn() {
    m_Grid.SetCurrentCol(m_Grid.CurrentCol() + 1);
    m_Controller.BeginCellEdit(CellEditController::EnterKey);
}

void EnterKeyFilter::EnterOnGrid() {
    if (m_Grid.CurrentCol() == ColScan) {
        MoveFocusOn(&m_Grid);
        return;
    }
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(&m_Grid, &right);
}
