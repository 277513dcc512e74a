#include "editor/LanguageRelabeler.h"

#include <QComboBox>
#include <QStringList>
#include <span>

#include "editor/CellEditorSet.h"
#include "editor/ChannelGrid.h"
#include "editor/TypeSettingBar.h"
#include "image/ChannelTexts.h"

namespace {

struct CellTranslation {
    int column;
    BiText text;
};

// Texts the same in both languages ("QT/DQT", "MSK", "DTMF", ...) are absent,
// and so are the frequency, tone and name columns.
constexpr CellTranslation CellTranslations[] = {
    {ColWidth, {"Wide", "宽"}},         {ColWidth, {"Narrow", "窄"}},
    {ColScan, {"Yes", "是"}},           {ColScan, {"No", "否"}},
    {ColPower, {"High", "高"}},         {ColPower, {"Low", "低"}},
    {ColOptSignal, {"None", "无"}},     {ColPttId, {"OFF", "关"}},
    {ColPttId, {"ON", "开"}},           {ColBusyLock, {"Close", "关闭"}},
    {ColBusyLock, {"Carrier", "载波"}}, {ColRepeat, {"Forward", "正向"}},
    {ColRepeat, {"Reverse", "反向"}},   {ColScram, {"Off", "关"}},
};

// The lists as a switch fills them. Positions keep their meaning; the second
// optional-signal entry is named "MDC1200" here and stored as MSK's code.
constexpr BiText SwitchedOptSignal[] = {
    {"None", "无"}, {"MDC1200", "MDC1200"}, {"DTMF", "DTMF"}, {"CCIR", "CCIR"}};
constexpr BiText SwitchedPower[] = {{"Low", "低"}, {"High", "高"}};
constexpr BiText SwitchedScan[] = {{"Yes", "是"}, {"No", "否"}};
constexpr BiText SwitchedPttId[] = {{"OFF", "关"}, {"ON", "开"}};
constexpr BiText SwitchedWidth[] = {{"Wide", "宽"}, {"Narrow", "窄"}};
constexpr BiText SwitchedBusyLock[] = {
    {"Close", "关闭"}, {"Carrier", "载波"}, {"QT/DQT", "QT/DQT"}};
constexpr BiText SwitchedRepeat[] = {{"Forward", "正向"}, {"Reverse", "反向"}};
constexpr BiText SwitchedScram[] = {{"Off", "关"}, {"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"},
                                    {"5", "5"},    {"6", "6"}, {"7", "7"}, {"8", "8"}};

QStringList Entries(std::span<const BiText> texts, Lang lang) {
    QStringList list;
    for (const BiText& text : texts) {
        list << QString::fromUtf8(text.In(lang));
    }
    return list;
}

} // namespace

void LanguageRelabeler::Relabel(Lang newLang) {
    m_Bar.Relabel(newLang == Lang::Chinese);
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
    for (const CellTranslation& pair : CellTranslations) {
        if (pair.column == column && text == QString::fromUtf8(pair.text.In(oldLang))) {
            return QString::fromUtf8(pair.text.In(newLang));
        }
    }
    return text;
}

void LanguageRelabeler::RefillLists(Lang newLang) {
    struct Refill {
        QComboBox* list;
        std::span<const BiText> entries;
        bool bKeepPosition;
    };
    const Refill refills[] = {
        {m_Editors.OptSignalCombo(), SwitchedOptSignal, true},
        {m_Editors.PowerCombo(), SwitchedPower, true},
        {m_Editors.ScanCombo(), SwitchedScan, true},
        {m_Editors.PttIdCombo(), SwitchedPttId, true},
        {m_Editors.WidthCombo(), SwitchedWidth, true},
        {m_Editors.BusyLockCombo(), SwitchedBusyLock, true},
        // These two get a selection whenever their cell becomes current.
        {m_Editors.RepeatCombo(), SwitchedRepeat, false},
        {m_Editors.ScramCombo(), SwitchedScram, false},
    };
    for (const Refill& refill : refills) {
        const int position = refill.list->currentIndex();
        CellEditorSet::Fill(refill.list, Entries(refill.entries, newLang));
        refill.list->setCurrentIndex(refill.bKeepPosition ? position : -1);
    }
}
