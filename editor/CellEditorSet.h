#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <span>

#include "base/Lang.h"

class QComboBox;
class QLineEdit;
class QWidget;

// The eleven in-place editors of the channel grid: created once, hidden, as
// children of the grid; each with its own control id and object name.
class CellEditorSet {
public:
    // Control ids, one per editor (the "controlId" property, see IdOf): the
    // numbers the form has always given its in-place editors.
    enum Id : int {
        FrequencyEditId = 61446,
        NameEditId = 61454,
        ToneComboId = 1000,
        OptSignalComboId = 61448,
        PowerComboId = 61449,
        ScanComboId = 61450,
        PttIdComboId = 61451,
        WidthComboId = 61452,
        BusyLockComboId = 61453,
        RepeatComboId = 1120,
        ScramComboId = 1121,
    };
    static constexpr int Count = 11;

    // Creates the editors in the order the form always has, hidden, and fills
    // the lists: the tone texts, the option entries of the given language,
    // then "1" to "8" for the scrambler.
    void Create(QWidget* parent, Lang lang);
    bool IsCreated() const { return m_FrequencyEdit != nullptr; }

    QLineEdit* FrequencyEdit() const { return m_FrequencyEdit; }
    QLineEdit* NameEdit() const { return m_NameEdit; }
    QComboBox* ToneCombo() const { return m_ToneCombo; }
    QComboBox* OptSignalCombo() const { return m_OptSignalCombo; }
    QComboBox* PowerCombo() const { return m_PowerCombo; }
    QComboBox* ScanCombo() const { return m_ScanCombo; }
    QComboBox* PttIdCombo() const { return m_PttIdCombo; }
    QComboBox* WidthCombo() const { return m_WidthCombo; }
    QComboBox* BusyLockCombo() const { return m_BusyLockCombo; }
    QComboBox* RepeatCombo() const { return m_RepeatCombo; }
    QComboBox* ScramCombo() const { return m_ScramCombo; }

    // The editor of a grid column; FrequencyEdit for any column outside 3-13.
    QWidget* EditorForColumn(int column) const;
    // The option list of a column 5-12, else nullptr.
    QComboBox* OptionListForColumn(int column) const;
    // Every editor, in creation order.
    std::array<QWidget*, Count> All() const;

    bool IsEditBox(const QWidget* editor) const;
    bool IsOptionList(const QWidget* editor) const;
    static int IdOf(const QWidget* editor);

    // Replaces the entries of a list.
    static void Fill(QComboBox* list, const QStringList& entries);
    static void Fill(QComboBox* list, std::span<const BiText> entries, Lang lang);

private:
    QLineEdit* m_FrequencyEdit = nullptr;
    QLineEdit* m_NameEdit = nullptr;
    QComboBox* m_ToneCombo = nullptr;
    QComboBox* m_OptSignalCombo = nullptr;
    QComboBox* m_PowerCombo = nullptr;
    QComboBox* m_ScanCombo = nullptr;
    QComboBox* m_PttIdCombo = nullptr;
    QComboBox* m_WidthCombo = nullptr;
    QComboBox* m_BusyLockCombo = nullptr;
    QComboBox* m_RepeatCombo = nullptr;
    QComboBox* m_ScramCombo = nullptr;
};
