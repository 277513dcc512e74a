#include "editor/LanguageRelabeler.h"

#include <QComboBox>
#include <QStringList>
#include <span>
#include <string_view>

#include "editor/CellEditorSet.h"
#include "editor/ChannelGrid.h"
#include "editor/TypeSettingBar.h"
#include "image/ChannelTexts.h"

namespace {

// The lists as the language switch fills them.
constexpr BiText SwitchedOptSignalEntries[] = {ChannelTexts::OptSignalEntries[0],
                                               {"MDC1200", "MDC1200"},
                                               ChannelTexts::OptSignalEntries[2],
                                               ChannelTexts::OptSignalEntries[3]};

std::span<const BiText> SwitchedEntriesForColumn(int column) {
    return column == ColOptSignal ? std::span<const BiText>(SwitchedOptSignalEntries)
                                  : ChannelTexts::EntriesForColumn(column);
}

// A cell changes when its whole text is an entry of its column's list, either
// the first or the switched one, in the old language. Entries that read the
// same in both languages ("QT/DQT", "MSK", "1", ...) stay as they are; the
// frequency, tone and name columns have no lists and are never touched.
bool TranslateCell(QString& text, std::span<const BiText> entries, Lang oldLang, Lang newLang) {
    for (const BiText& entry : entries) {
        if (std::string_view(entry.english) != entry.chinese &&
            text == QString::fromUtf8(entry.In(oldLang))) {
            text = QString::fromUtf8(entry.In(newLang));
            return true;
        }
    }
    return false;
}

} // namespace

void LanguageRelabeler::Relabel(Lang newLang) {
    m_Bar.Relabel(newLang);
    for (int column = 0; column < ChannelColumnCount; ++column) {
        m_Grid.SetCellText(
            0, column, QString::fromUtf8(ChannelTexts::SwitchedColumnTitles[column].In(newLang)));
    }
    TranslateCells(m_Grid, newLang);
    RefillLists(newLang);
}

void LanguageRelabeler::TranslateCells(ChannelGrid& grid, Lang newLang) {
    for (int row = 1; row < ChannelGrid::Rows; ++row) {
        for (int column = ColWidth; column <= ColScram; ++column) {
            const QString text = grid.CellText(row, column); // read once per cell
            const QString translated = TranslatedText(column, text, newLang);
            if (translated != text) {
                grid.SetCellText(row, column, translated);
            }
        }
    }
}

QString LanguageRelabeler::TranslatedText(int column, const QString& text, Lang newLang) {
    const Lang oldLang = newLang == Lang::Chinese ? Lang::English : Lang::Chinese;
    QString translated = text;
    if (TranslateCell(translated, ChannelTexts::EntriesForColumn(column), oldLang, newLang) ||
        TranslateCell(translated, SwitchedEntriesForColumn(column), oldLang,
                      newLang)) {
        return translated;
    }
    return text;
}

void LanguageRelabeler::RefillLists(Lang newLang) {
    struct Refill {
        int column;
        bool bKeepPosition;
    };
    const Refill refills[] = {
        {ColOptSignal, true},
        {ColPower, true},
        {ColScan, true},
        {ColPttId, true},
        {ColWidth, true},
        {ColBusyLock, true},
        // These two get a selection whenever their cell becomes current.
        {ColRepeat, false},
        {ColScram, false},
    };
    for (const Refill& refill : refills) {
        QComboBox* list = m_Editors.OptionListForColumn(refill.column);
        const int position = list->currentIndex();
        CellEditorSet::Fill(list, SwitchedEntriesForColumn(refill.column), newLang);
        list->setCurrentIndex(refill.bKeepPosition ? position : -1);
    }
}
