#include "editor/CellEditController.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "base/AppLanguage.h"
#include "base/Prompter.h"
#include "editor/CellEditorSet.h"
#include "editor/ChannelGrid.h"
#include "editor/TypeSettingBar.h"
#include "image/ChannelTexts.h"
#include "image/FrequencyCheck.h"

namespace {

constexpr BiText InputNumberMessage{"Please input Number", "请输入数字"};

bool IsDigitKey(int key) {
    return key >= '0' && key <= '9';
}

// The range message follows the language name, not the flag: the English
// text only when the name is exactly "English".
QString RangeMessage() {
    using FrequencyMessages::Range;
    return QString::fromUtf8(LanguageName() == QLatin1String("English") ? Range.english
                                                                        : Range.chinese);
}

} // namespace

CellEditController::CellEditController(ChannelGrid& grid, TypeSettingBar& bar,
                                       CellEditorSet& editors, QWidget* owner)
    : QObject(owner), m_Grid(grid), m_Bar(bar), m_Editors(editors), m_Owner(owner) {}

void CellEditController::Connect() {
    connect(&m_Grid, &ChannelGrid::CellEntered, this, &CellEditController::LoadCellEditor);
    connect(&m_Grid, &ChannelGrid::CellLeaving, this, &CellEditController::CommitCellEdit);
    connect(&m_Grid, &ChannelGrid::GridScrolled, this, &CellEditController::HideCellEditors);
    connect(&m_Grid, &ChannelGrid::GridMouseDown, this,
            [this](int button, int, int, int) { OnGridMouseDown(button); });
    connect(&m_Grid, &ChannelGrid::GridDoubleClick, this, &CellEditController::OnGridDoubleClick);
    connect(&m_Grid, &ChannelGrid::GridKeyPress, this, &CellEditController::OnGridKeyPress);
}

void CellEditController::WatchListPicks() {
    for (QWidget* editor : m_Editors.All()) {
        if (auto* list = qobject_cast<QComboBox*>(editor)) {
            connect(list, &QComboBox::activated, this, [this] { m_bListPicked = true; });
        }
    }
}

QWidget* CellEditController::EditorForColumn() const {
    return m_Editors.EditorForColumn(m_Grid.CurrentCol());
}

bool CellEditController::RowHasFrequency(int row) const {
    return !m_Grid.CellText(row, ColRxFrequency).isEmpty() ||
           !m_Grid.CellText(row, ColTxFrequency).isEmpty();
}

QWidget* CellEditController::OpenEditor() const {
    for (QWidget* editor : m_Editors.All()) {
        if (editor && !editor->isHidden()) {
            return editor;
        }
    }
    return nullptr;
}

void CellEditController::LoadCellEditor() {
    if (m_Grid.CurrentRow() == 0 || !m_Editors.IsCreated()) {
        return;
    }
    const QString text = m_Grid.CurrentText();
    QWidget* editor = EditorForColumn();
    m_bListPicked = false;
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
    } else {
        LoadList(editor, text);
    }
}

// The first entry that begins with the cell's text, ignoring case (an empty
// cell therefore selects the first entry). A text that begins no entry, such
// as "MSK" after a switch has renamed that entry, selects none: the list shows
// the cell's own text until the user picks an entry.
void CellEditController::LoadList(QWidget* editor, const QString& text) {
    auto* list = qobject_cast<QComboBox*>(editor);
    if (list == nullptr || list->count() == 0) {
        return;
    }
    int index = -1;
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            index = i;
            break;
        }
    }
    list->setPlaceholderText(index < 0 ? text : QString());
    list->setCurrentIndex(index);
    if (list->isEditable()) {
        list->setEditText(index < 0 ? text : list->itemText(index));
    }
}

void CellEditController::CommitCellEdit() {
    if (m_Grid.CurrentRow() == 0 || !m_Editors.IsCreated()) {
        return;
    }
    QWidget* editor = EditorForColumn();
    if (editor->isHidden()) {
        return; // no open edit
    }
    const int row = m_Grid.CurrentRow();
    if (qobject_cast<QComboBox*>(editor) && !m_bListPicked) {
        // Looking at a list cell never changes it: only an entry the user
        // picked is written.
        HideEditor(editor);
        return;
    }
    if (editor == m_Editors.ToneCombo()) {
        const QComboBox* tone = m_Editors.ToneCombo();
        if (!RowHasFrequency(row)) {
            m_Grid.SetCellText(m_Grid.SelEndRow(), m_Grid.SelEndCol(), QString());
            m_Grid.SetCurrentText(QString());
        } else if (tone->currentIndex() >= 0) {
            const QString text = tone->itemText(tone->currentIndex());
            m_Grid.SetCellText(m_Grid.SelEndRow(), m_Grid.SelEndCol(), text);
            m_Grid.SetCurrentText(text);
        }
        // With no entry selected there is nothing to take: the cell keeps its text.
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        if (!RowHasFrequency(row)) {
            m_Grid.SetCurrentText(QString());
        } else if (list->currentIndex() >= 0) {
            m_Grid.SetCurrentText(list->itemText(list->currentIndex()));
        }
    } else if (editor == m_Editors.NameEdit()) {
        m_Grid.SetCurrentText(RowHasFrequency(row) ? m_Editors.NameEdit()->text() : QString());
    } else {
        CommitFrequency(row, m_Grid.CurrentCol(), CommitWay::Leave);
    }
    HideEditor(editor);
}

void CellEditController::CommitFrequency(int row, int col, CommitWay way) {
    QString text = m_Editors.FrequencyEdit()->text();
    if (!text.isEmpty()) {
        // Enter has already read the band boxes before coming here.
        if (way == CommitWay::Leave) {
            m_Bar.MoveControlsToMembers();
        }
        const FrequencyCheckResult check =
            CheckFrequency(text.toStdString(), m_Bar.LowerBandEdge(), m_Bar.UpperBandEdge());
        QString message;
        switch (check.verdict) {
        case FrequencyVerdict::Accepted:
            text = QString::fromStdString(check.text);
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

    const auto cell = [&](int column) { return m_Grid.CellText(row, column); };
    if (!text.isEmpty()) {
        const bool newChannel = cell(ColRxTone).isEmpty() && cell(ColTxTone).isEmpty() &&
                                cell(ColWidth).isEmpty() && cell(ColRxFrequency).isEmpty() &&
                                cell(ColTxFrequency).isEmpty();
        if (newChannel) {
            // Enter goes on to the Name cell itself, so it leaves the name alone.
            const int last = way == CommitWay::Leave ? ColName : ColScram;
            for (int column = ColRxTone; column <= last; ++column) {
                m_Grid.SetCellText(row, column,
                                   Tr(ChannelTexts::NewChannelDefaults[column - ColRxTone]));
            }
            if (col == ColRxFrequency) {
                m_Grid.SetCellText(row, ColTxFrequency, text); // Tx starts equal to Rx
            }
        }
        m_Grid.SetCellText(row, col, text);
        return;
    }

    // A frequency and its tone go together.
    if (col == ColRxFrequency) {
        m_Grid.SetCellText(row, ColRxTone, QString());
    } else if (col == ColTxFrequency) {
        m_Grid.SetCellText(row, ColTxTone, QString());
    }
    m_Grid.SetCellText(row, col, QString());
    const bool noFrequency = cell(ColRxFrequency).isEmpty() && cell(ColTxFrequency).isEmpty();
    const bool emptied = way == CommitWay::Enter ? noFrequency
                                                 : noFrequency && cell(ColRxTone).isEmpty() &&
                                                       cell(ColTxTone).isEmpty();
    if (emptied) {
        for (int column = ColWidth; column <= ColName; ++column) {
            m_Grid.SetCellText(row, column, QString());
        }
    }
}

void CellEditController::CommitFrequencyOnEnter() {
    m_Bar.MoveControlsToMembers();
    CommitFrequency(m_Grid.SelEndRow(), m_Grid.SelEndCol(), CommitWay::Enter);
    // Hidden before the caller moves on, so the commit of the cell being left
    // finds no open editor and writes nothing a second time.
    HideEditor(m_Editors.FrequencyEdit());
}

void CellEditController::CommitOptionOnEnter(QWidget* editor) {
    auto* list = static_cast<QComboBox*>(editor);
    if (RowHasFrequency(m_Grid.SelEndRow()) && list->currentIndex() >= 0) {
        m_Grid.SetCurrentText(list->currentText());
    }
    HideEditor(list);
}

void CellEditController::CommitNameOnEnter() {
    QLineEdit* name = m_Editors.NameEdit();
    HideEditor(name);
    if (RowHasFrequency(m_Grid.SelEndRow())) {
        m_Grid.SetCurrentText(name->text());
    }
}

void CellEditController::CommitToneOnEnter() {
    QComboBox* tone = m_Editors.ToneCombo();
    if (!RowHasFrequency(m_Grid.CurrentRow())) {
        m_Grid.SetCellText(m_Grid.SelEndRow(), m_Grid.SelEndCol(), QString());
    } else {
        // A typed tone is written as the list spells it: the codec reads
        // only those texts, so "d023n" written as typed would be saved as no
        // tone at all. Anything that names no tone means no tone.
        const int entry = tone->findText(tone->currentText(), Qt::MatchFixedString);
        const QString text = entry >= 0 ? tone->itemText(entry) : QStringLiteral("OFF");
        m_Grid.SetCellText(m_Grid.CurrentRow(), m_Grid.CurrentCol(), text);
    }
    HideEditor(tone);
}

void CellEditController::HideEditor(QWidget* editor) {
    if (editor == nullptr) {
        return;
    }
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->hidePopup();
    }
    if (editor->isAncestorOf(QApplication::focusWidget()) || editor->hasFocus()) {
        m_Grid.setFocus(Qt::OtherFocusReason);
    }
    editor->hide();
}

void CellEditController::HideCellEditors() {
    if (!m_Editors.IsCreated()) {
        return;
    }
    for (QWidget* editor : m_Editors.All()) {
        HideEditor(editor);
    }
    m_Grid.Redraw();
}

void CellEditController::OnGridMouseDown(int button) {
    constexpr int RightButton = 2;
    if (button != RightButton && m_Grid.CurrentCol() != 0 && m_Grid.CurrentRow() != 0) {
        BeginCellEdit(0);
    }
}

void CellEditController::OnGridDoubleClick() {
    if (m_Grid.CurrentCol() != 0 && m_Grid.CurrentRow() != 0) {
        BeginCellEdit(0);
    }
}

void CellEditController::OnGridKeyPress(int key) {
    // The Scram column is not opened by typing.
    if (m_Grid.CurrentCol() != 0 && m_Grid.CurrentRow() != 0 && m_Grid.CurrentCol() != ColScram) {
        // A control character opens the editor as a mouse press does.
        BeginCellEdit(key < 32 ? 0 : key);
    }
}

void CellEditController::BeginCellEdit(int key, QWidget* editor) {
    if (!m_Editors.IsCreated()) {
        return;
    }
    if (editor == nullptr) {
        editor = EditorForColumn();
    }
    bool digit = false;
    if (key >= 32) {
        if (IsDigitKey(key)) {
            digit = true;
        } else {
            CurrentPrompter().ShowMessage(m_Owner, Tr(InputNumberMessage));
            key = 0;
        }
    }
    const QString typed = digit ? QString(QChar(key)) : QString();
    // The editor lies exactly over the cell. The typed digit is put into the
    // editor directly with the caret after it; the user's clipboard is theirs.
    editor->setGeometry(m_Grid.CellRect());

    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        const QString cellText = m_Grid.CurrentText();
        if (cellText.isEmpty()) {
            // A digit adds to what the editor holds (nothing, normally: the
            // editor was emptied when the cell became current).
            edit->setText(digit ? edit->text() + typed : QString());
        } else if (digit) {
            edit->setText(typed); // the digit replaces the cell's old text
        } else {
            edit->setText(cellText);
            edit->selectAll();
        }
        if (digit) {
            edit->deselect();
            edit->setCursorPosition(static_cast<int>(edit->text().size()));
        }
    } else if (auto* list = qobject_cast<QComboBox*>(editor); list && list->isEditable()) {
        if (digit) {
            list->setEditText(typed);
            list->lineEdit()->deselect();
            list->lineEdit()->setCursorPosition(static_cast<int>(typed.size()));
        } else {
            list->lineEdit()->selectAll();
        }
    }
    // An option list keeps its selection, also when a digit was typed.

    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
    m_Grid.Redraw();
}
