#include "editor/ChannelDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QValidator>
#include <algorithm>
#include <optional>

#include "base/AppLanguage.h"
#include "formats/ChannelClipboard.h"
#include "image/ChannelCodec.h"
#include "image/ChannelRules.h"
#include "image/ChannelTexts.h"
#include "image/ImageMap.h"
#include "image/NameAlphabet.h"
#include "image/ToneTable.h"

namespace {

constexpr int TypedNameLimit = ChannelRules::NewNameLimit;

// What an editor holds beside its text: the value it opened with (or last
// committed), whether the user typed into it, and a text the rules refused.
struct EditState {
    QPersistentModelIndex cell;
    QString original;
    bool typed = false;
    std::optional<QString> refused;
};

// The two kinds of editor, each with its state.
class LineEditor final : public QLineEdit, public EditState {
public:
    using QLineEdit::QLineEdit;
};
class ListEditor final : public QComboBox, public EditState {
public:
    using QComboBox::QComboBox;
};

EditState* StateOf(QWidget* editor) {
    return dynamic_cast<EditState*>(editor);
}
const EditState* StateOf(const QWidget* editor) {
    return dynamic_cast<const EditState*>(editor);
}

// The cell an editor edits.
QModelIndex EditedCell(const QWidget* editor) {
    const EditState* state = StateOf(editor);
    return state ? QModelIndex(state->cell) : QModelIndex();
}

// Channel names hold digits, capital letters, "-" and blanks: letters are
// turned into capitals as they are typed, anything else never gets in.
class ChannelNameValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        for (const QChar ch : input) {
            if (NameCharToCode(ch.unicode()) == ImageMap::NameEnd) {
                return Invalid;
            }
        }
        return Acceptable;
    }
};

bool IsToneColumn(int column) {
    return column == ColRxTone || column == ColTxTone;
}

bool IsEditable(const QWidget* editor) {
    if (qobject_cast<const QLineEdit*>(editor)) {
        return true;
    }
    const auto* list = qobject_cast<const QComboBox*>(editor);
    return list && list->isEditable();
}

// Keys that move between cells whatever the editor.
bool MovesAlways(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        return !(key.modifiers() & Qt::AltModifier); // Alt+Down opens a list
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        return key.modifiers() & Qt::ControlModifier;
    default:
        return false;
    }
}

// The keys of the table's commands: Undo, Redo, Cut, Copy, Paste (the
// window's and the channel commands' shortcuts), Ctrl+A and Shift+Space (the
// channel selection).
bool IsTableKey(const QKeyEvent& key) {
    for (const QKeySequence::StandardKey command :
         {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut, QKeySequence::Copy,
          QKeySequence::Paste, QKeySequence::SelectAll}) {
        if (key.matches(command)) {
            return true;
        }
    }
    const QKeyCombination pressed = key.keyCombination();
    return pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z) ||
           pressed == QKeyCombination(Qt::ShiftModifier, Qt::Key_Space);
}

// Ctrl+V with one value on the clipboard (a frequency copied from elsewhere,
// not channels) pastes it into the cell's text, as in any text box.
bool PastesIntoTheText(const QKeyEvent& key) {
    if (!key.matches(QKeySequence::Paste)) {
        return false;
    }
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || data->hasFormat(QString::fromLatin1(ChannelClipboard::MimeType))) {
        return false;
    }
    const QString text = data->text().trimmed();
    return !text.isEmpty() && !text.contains(QLatin1Char('\n')) &&
           !text.contains(QLatin1Char('\t')) && !text.contains(QLatin1Char(','));
}

// The line an editor's text is typed into, if it has one.
QLineEdit* TextLine(QWidget* editor) {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        return line;
    }
    auto* list = qobject_cast<QComboBox*>(editor);
    return list ? list->lineEdit() : nullptr;
}

// Keys that move between cells from a list, but edit a text.
bool MovesFromAList(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace

QString ChannelDelegate::EditorName(int column) {
    switch (column) {
    case ColRxFrequency:
    case ColTxFrequency:
        return QStringLiteral("FrequencyEdit");
    case ColRxTone:
    case ColTxTone:
        return QStringLiteral("ToneCombo");
    case ColWidth:
        return QStringLiteral("WidthCombo");
    case ColScan:
        return QStringLiteral("ScanCombo");
    case ColPower:
        return QStringLiteral("PowerCombo");
    case ColOptSignal:
        return QStringLiteral("OptSignalCombo");
    case ColPttId:
        return QStringLiteral("PttIdCombo");
    case ColBusyLock:
        return QStringLiteral("BusyLockCombo");
    case ColRepeat:
        return QStringLiteral("RepeatCombo");
    case ColScram:
        return QStringLiteral("ScramCombo");
    default:
        return QStringLiteral("NameEdit");
    }
}

QWidget* ChannelDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                       const QModelIndex& index) const {
    const int column = ChannelTableModel::GridColumn(index);
    QWidget* editor = nullptr;
    if (column == ColRxFrequency || column == ColTxFrequency || column == ColName) {
        auto* line = new LineEditor(parent);
        if (column == ColName) {
            line->setValidator(new ChannelNameValidator(line));
            // A name emptied in the editor is typed anew: six characters.
            connect(line, &QLineEdit::textEdited, line, [line](const QString& text) {
                if (text.isEmpty()) {
                    line->setMaxLength(TypedNameLimit);
                }
            });
        }
        editor = line;
    } else {
        auto* list = new ListEditor(parent);
        if (IsToneColumn(column)) {
            list->setEditable(true);
            // The field keeps what the user typed: no completion into another
            // case, no new entries on Enter.
            list->setCompleter(nullptr);
            list->setInsertPolicy(QComboBox::NoInsert);
            list->setMaxVisibleItems(16);
            for (const std::string& text : ToneTable::Texts()) {
                list->addItem(QString::fromStdString(text));
            }
        } else {
            for (const BiText& entry : ChannelTexts::EntriesForColumn(column)) {
                list->addItem(Tr(entry));
            }
        }
        editor = list;
    }
    if (QLineEdit* line = TextLine(editor)) {
        connect(line, &QLineEdit::textEdited, editor, [editor] { StateOf(editor)->typed = true; });
    }
    editor->setObjectName(EditorName(column));
    editor->setAccessibleName(Tr(ChannelTexts::ColumnTitles[column]).trimmed() +
                              QStringLiteral(", ") +
                              index.model()->headerData(index.row(), Qt::Vertical).toString());
    editor->setAutoFillBackground(true);
    return editor;
}

void ChannelDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (EditState* state = StateOf(editor)) {
        state->cell = index;
        state->original = text;
        state->typed = false;
    }
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        if (line->objectName() == QLatin1String("NameEdit")) {
            // A name typed anew has at most six characters; a longer name
            // read as data keeps its own length while it is edited.
            line->setMaxLength(std::max<int>(TypedNameLimit, static_cast<int>(text.size())));
        }
        line->setText(text);
        line->selectAll();
        return;
    }
    auto* list = static_cast<QComboBox*>(editor);
    if (list->isEditable()) {
        const int entry = list->findText(text, Qt::MatchFixedString);
        list->setCurrentIndex(entry);
        list->setEditText(text);
        list->lineEdit()->selectAll();
        return;
    }
    // The first entry that begins with the cell's text: an empty cell (a
    // channel without frequency) selects the first entry.
    int entry = -1;
    for (int i = 0; i < list->count() && entry < 0; ++i) {
        if (list->itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            entry = i;
        }
    }
    list->setCurrentIndex(entry);
}

QString ChannelDelegate::EditorValue(QWidget* editor) {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        return line->text();
    }
    auto* list = qobject_cast<QComboBox*>(editor);
    if (list == nullptr) {
        return {};
    }
    if (list->isEditable()) {
        return list->currentText(); // the channel rules read a typed tone
    }
    const EditState* state = StateOf(editor);
    return list->currentIndex() >= 0 ? list->itemText(list->currentIndex())
           : state                   ? state->original
                                     : QString();
}

bool ChannelDelegate::HoldsChange(QWidget* editor) {
    if (IsRefused(editor)) {
        return true;
    }
    if (!IsEditable(editor)) {
        return false;
    }
    const EditState* state = StateOf(editor);
    return state && (state->typed || EditorValue(editor) != state->original);
}

void ChannelDelegate::Type(QWidget* editor, const QString& typed) {
    QLineEdit* line = TextLine(editor);
    if (line == nullptr || typed.isEmpty()) {
        return;
    }
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->setEditText(typed);
    } else {
        line->setText(typed);
    }
    line->deselect();
    line->setCursorPosition(static_cast<int>(typed.size()));
    if (EditState* state = StateOf(editor)) {
        state->typed = true;
    }
}

bool ChannelDelegate::IsRefused(const QWidget* editor) {
    const EditState* state = StateOf(editor);
    return state && state->refused.has_value();
}

QModelIndex ChannelDelegate::RefusedCell(const QWidget* editor) {
    return IsRefused(editor) ? QModelIndex(StateOf(editor)->cell) : QModelIndex();
}

ChannelDelegate::ChannelDelegate(ChannelTableModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_Model(model) {}

void ChannelDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                   const QModelIndex& index) const {
    Commit(editor, index, ChannelTableModel::CommitWay::Leave);
}

bool ChannelDelegate::Commit(QWidget* editor, const QModelIndex& index,
                             ChannelTableModel::CommitWay way) const {
    EditState* state = StateOf(editor);
    if (state == nullptr) {
        return false;
    }
    if (m_bCommitting || !index.isValid()) {
        return state->refused.has_value();
    }
    const QString value = EditorValue(editor);
    // An unchanged editor writes nothing: looking at a cell never changes it.
    if (value == state->original) {
        state->refused.reset();
        return false;
    }
    // A refused text is told once; it waits in the editor to be corrected.
    if (state->refused == value) {
        return true;
    }
    m_bCommitting = true;
    const ChannelTableModel::Outcome outcome = m_Model.Commit(index, value, way);
    m_bCommitting = false;
    if (outcome.refused) {
        state->refused = value;
        return true;
    }
    state->refused.reset();
    state->original = index.data(Qt::EditRole).toString();
    state->typed = false;
    return false;
}

void ChannelDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                           const QModelIndex&) const {
    editor->setGeometry(option.rect); // exactly over the cell
}

bool ChannelDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor == nullptr) {
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        // A message box of the commit takes the focus; the edit is being
        // committed already. A list's own pop-up is part of the editor.
        if (m_bCommitting || static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) {
            return false;
        }
        const QWidget* focus = QApplication::focusWidget();
        if (focus && (editor->isAncestorOf(focus) || focus == editor)) {
            return false;
        }
        if (auto* list = qobject_cast<QComboBox*>(editor); list && list->view()->isVisible()) {
            return false;
        }
        Commit(editor, EditedCell(editor), ChannelTableModel::CommitWay::Leave);
        emit closeEditor(editor, NoHint);
        return false;
    }
    if (event->type() == QEvent::ShortcutOverride &&
        IsTableKey(static_cast<const QKeyEvent&>(*event)) && !HoldsChange(editor) &&
        !(TextLine(editor) && PastesIntoTheText(static_cast<const QKeyEvent&>(*event)))) {
        // The text box would claim the key for its own text; left unclaimed,
        // it goes to the window's shortcut (Undo, Paste...) if one takes it.
        event->ignore();
        return true;
    }
    if (event->type() != QEvent::KeyPress) {
        return QStyledItemDelegate::eventFilter(object, event);
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (IsTableKey(key) && !HoldsChange(editor) && !(TextLine(editor) && PastesIntoTheText(key))) {
        // No shortcut took it: the table has it, as with no editor open.
        if (Commit(editor, EditedCell(editor), ChannelTableModel::CommitWay::Leave)) {
            return true;
        }
        emit closeEditor(editor, NoHint);
        emit TableKeyRequested(key.key(), key.modifiers());
        return true;
    }
    switch (key.key()) {
    case Qt::Key_Escape:
        emit closeEditor(editor, RevertModelCache);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (Commit(editor, EditedCell(editor), ChannelTableModel::CommitWay::Enter)) {
            return true; // the text stays to be corrected
        }
        emit closeEditor(editor, NoHint);
        emit EnterCommitted();
        return true;
    default:
        break;
    }
    if (MovesAlways(key) || (!IsEditable(editor) && MovesFromAList(key))) {
        if (Commit(editor, EditedCell(editor), ChannelTableModel::CommitWay::Leave)) {
            return true;
        }
        emit closeEditor(editor, NoHint);
        emit MoveRequested(key.key(), key.modifiers());
        return true;
    }
    return false;
}
