#pragma once

#include <QString>

#include "base/Lang.h"

class CellEditorSet;
class ChannelGrid;
class TypeSettingBar;

// What the language switch rewrites on the form that is already on the screen:
// the bar's labels, the column titles, the option texts in the channel cells,
// and the entries of the option lists. The image is never touched.
class LanguageRelabeler {
public:
    LanguageRelabeler(ChannelGrid& grid, TypeSettingBar& bar, CellEditorSet& editors)
        : m_Grid(grid), m_Bar(bar), m_Editors(editors) {}

    // Relabels for the language just switched to.
    void Relabel(Lang newLang);

    // The cell texts of one language that have a counterpart in the other, by
    // column: a cell changes only when its whole text equals one of them.
    static void TranslateCells(ChannelGrid& grid, Lang newLang);
    // The text a cell of column would show after the switch to newLang.
    static QString TranslatedText(int column, const QString& text, Lang newLang);

private:
    void RefillLists(Lang newLang);

    ChannelGrid& m_Grid;
    TypeSettingBar& m_Bar;
    CellEditorSet& m_Editors;
};
