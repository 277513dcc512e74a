#include "editor/CellEditorSet.h"

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>
#include <span>

#include "image/ChannelTexts.h"
#include "image/ToneTable.h"

namespace {

// Channel names hold digits, capital letters, "-" and blanks: letters are
// turned into capitals as they are typed, anything else never gets in.
class ChannelNameValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        for (const QChar ch : input) {
            const bool allowed = (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) ||
                                 (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) ||
                                 ch == QLatin1Char('-') || ch == QLatin1Char(' ');
            if (!allowed) {
                return Invalid;
            }
        }
        return Acceptable;
    }
};

template <typename Widget> Widget* Make(QWidget* parent, const char* name, int id) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setProperty("controlId", id);
    widget->hide();
    return widget;
}

} // namespace

void CellEditorSet::Create(QWidget* parent, Lang lang) {
    m_FrequencyEdit = Make<QLineEdit>(parent, "FrequencyEdit", FrequencyEditId);
    m_NameEdit = Make<QLineEdit>(parent, "NameEdit", NameEditId);
    m_NameEdit->setValidator(new ChannelNameValidator(m_NameEdit));
    m_NameEdit->setMaxLength(6);
    m_OptSignalCombo = Make<QComboBox>(parent, "OptSignalCombo", OptSignalComboId);
    m_PowerCombo = Make<QComboBox>(parent, "PowerCombo", PowerComboId);
    m_ScanCombo = Make<QComboBox>(parent, "ScanCombo", ScanComboId);
    m_WidthCombo = Make<QComboBox>(parent, "WidthCombo", WidthComboId);
    m_BusyLockCombo = Make<QComboBox>(parent, "BusyLockCombo", BusyLockComboId);
    m_PttIdCombo = Make<QComboBox>(parent, "PttIdCombo", PttIdComboId);
    m_RepeatCombo = Make<QComboBox>(parent, "RepeatCombo", RepeatComboId);
    m_ScramCombo = Make<QComboBox>(parent, "ScramCombo", ScramComboId);
    m_ToneCombo = Make<QComboBox>(parent, "ToneCombo", ToneComboId);
    m_ToneCombo->setEditable(true);
    // The field keeps what the user typed: no completion into another case,
    // no new entries on Enter.
    m_ToneCombo->setCompleter(nullptr);
    m_ToneCombo->setInsertPolicy(QComboBox::NoInsert);
    m_ToneCombo->setMaxVisibleItems(16);
    m_ToneCombo->lineEdit()->setObjectName(QStringLiteral("ToneComboField"));

    QStringList tones;
    for (const std::string& text : ToneTable::Texts()) {
        tones << QString::fromStdString(text);
    }
    Fill(m_ToneCombo, tones);
    for (int column = ColWidth; column <= ColScram; ++column) {
        Fill(OptionListForColumn(column), ChannelTexts::EntriesForColumn(column), lang);
    }
}

QWidget* CellEditorSet::EditorForColumn(int column) const {
    switch (column) {
    case ColRxTone:
    case ColTxTone:
        return m_ToneCombo;
    case ColName:
        return m_NameEdit;
    default:
        break;
    }
    if (QComboBox* list = OptionListForColumn(column)) {
        return list;
    }
    return m_FrequencyEdit;
}

QComboBox* CellEditorSet::OptionListForColumn(int column) const {
    switch (column) {
    case ColWidth:
        return m_WidthCombo;
    case ColScan:
        return m_ScanCombo;
    case ColPower:
        return m_PowerCombo;
    case ColOptSignal:
        return m_OptSignalCombo;
    case ColPttId:
        return m_PttIdCombo;
    case ColBusyLock:
        return m_BusyLockCombo;
    case ColRepeat:
        return m_RepeatCombo;
    case ColScram:
        return m_ScramCombo;
    default:
        return nullptr;
    }
}

std::array<QWidget*, CellEditorSet::Count> CellEditorSet::All() const {
    return {m_FrequencyEdit, m_NameEdit,   m_OptSignalCombo, m_PowerCombo,
            m_ScanCombo,     m_WidthCombo, m_BusyLockCombo,  m_PttIdCombo,
            m_RepeatCombo,   m_ScramCombo, m_ToneCombo};
}

bool CellEditorSet::IsEditBox(const QWidget* editor) const {
    return editor != nullptr && (editor == m_FrequencyEdit || editor == m_NameEdit);
}

bool CellEditorSet::IsOptionList(const QWidget* editor) const {
    if (editor == nullptr) {
        return false;
    }
    for (int column = ColWidth; column <= ColScram; ++column) {
        if (OptionListForColumn(column) == editor) {
            return true;
        }
    }
    return false;
}

int CellEditorSet::IdOf(const QWidget* editor) {
    return editor ? editor->property("controlId").toInt() : 0;
}

void CellEditorSet::Fill(QComboBox* list, const QStringList& entries) {
    list->clear();
    list->addItems(entries);
}

void CellEditorSet::Fill(QComboBox* list, std::span<const BiText> entries, Lang lang) {
    QStringList texts;
    for (const BiText& entry : entries) {
        texts << QString::fromUtf8(entry.In(lang));
    }
    Fill(list, texts);
}
