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

#include "base/AppLanguage.h"
#include "editor/ChannelTableModel.h"
#include "formats/ChannelClipboard.h"
#include "image/ChannelCodec.h"
#include "image/ChannelRules.h"
#include "image/ChannelTexts.h"
#include "image/ImageMap.h"
#include "image/ToneTable.h"

namespace {

constexpr const char* OriginalProperty = "originalText";
constexpr const char* RefusedProperty = "refusedText";
constexpr const char* RefusedRowProperty = "refusedRow";
constexpr const char* RefusedColumnProperty = "refusedColumn";
constexpr const char* TypedProperty = "typedInto";
constexpr int TypedNameLimit = ChannelRules::NewNameLimit;

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
        auto* line = new QLineEdit(parent);
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
        auto* list = new QComboBox(parent);
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
        connect(line, &QLineEdit::textEdited, editor,
                [editor] { editor->setProperty(TypedProperty, true); });
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
    editor->setProperty(OriginalProperty, text);
    editor->setProperty(TypedProperty, false);
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

QString ChannelDelegate::EditorValue(QWidget* editor, bool) {
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
    return list->currentIndex() >= 0 ? list->itemText(list->currentIndex())
                                     : editor->property(OriginalProperty).toString();
}

bool ChannelDelegate::HoldsChange(QWidget* editor) {
    if (IsRefused(editor)) {
        return true;
    }
    if (!IsEditable(editor)) {
        return false;
    }
    return editor->property(TypedProperty).toBool() ||
           EditorValue(editor, false) != editor->property(OriginalProperty).toString();
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
    editor->setProperty(TypedProperty, true);
}

bool ChannelDelegate::IsRefused(const QWidget* editor) {
    return editor && editor->property(RefusedProperty).isValid();
}

QModelIndex ChannelDelegate::RefusedCell(const QWidget* editor, const QAbstractItemModel* model) {
    return IsRefused(editor) ? model->index(editor->property(RefusedRowProperty).toInt(),
                                            editor->property(RefusedColumnProperty).toInt())
                             : QModelIndex();
}

void ChannelDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const {
    const QString value = EditorValue(editor, m_bEnter);
    // An unchanged editor writes nothing: looking at a cell never changes it.
    if (value == editor->property(OriginalProperty).toString()) {
        editor->setProperty(RefusedProperty, QVariant());
        return;
    }
    // A refused text is told once; it waits in the editor to be corrected.
    if (IsRefused(editor) && editor->property(RefusedProperty).toString() == value) {
        return;
    }
    model->setData(index, value, m_bEnter ? ChannelTableModel::EnterRole : Qt::EditRole);
    const auto* channels = qobject_cast<const ChannelTableModel*>(model);
    if (channels && channels->LastEditRefused()) {
        editor->setProperty(RefusedProperty, value);
        editor->setProperty(RefusedRowProperty, index.row());
        editor->setProperty(RefusedColumnProperty, index.column());
        return;
    }
    editor->setProperty(RefusedProperty, QVariant());
    editor->setProperty(OriginalProperty, index.data(Qt::EditRole).toString());
    editor->setProperty(TypedProperty, false);
}

void ChannelDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                           const QModelIndex&) const {
    editor->setGeometry(option.rect); // exactly over the cell
}

void ChannelDelegate::Commit(QWidget* editor, bool enter) {
    if (m_bCommitting) {
        return;
    }
    m_bCommitting = true;
    m_bEnter = enter;
    emit commitData(editor);
    m_bEnter = false;
    m_bCommitting = false;
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
        Commit(editor, false);
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
        Commit(editor, false);
        if (IsRefused(editor)) {
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
        Commit(editor, true);
        if (IsRefused(editor)) {
            return true; // the text stays to be corrected
        }
        emit closeEditor(editor, NoHint);
        emit EnterCommitted();
        return true;
    default:
        break;
    }
    if (MovesAlways(key) || (!IsEditable(editor) && MovesFromAList(key))) {
        Commit(editor, false);
        if (IsRefused(editor)) {
            return true;
        }
        emit closeEditor(editor, NoHint);
        emit MoveRequested(key.key(), key.modifiers());
        return true;
    }
    return false;
}
