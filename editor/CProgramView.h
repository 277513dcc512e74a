#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "base/ViewHooks.h"
#include "editor/CellEditorSet.h"
#include "editor/ImageHistory.h"
#include "editor/ImageStep.h"

class CProgramDoc;
class CellEditController;
class ChannelCommands;
class ChangeRecorder;
class ChannelDisplay;
class ChannelGrid;
class EnterKeyFilter;
class LanguageRelabeler;
class TypeSettingBar;

// The one form of the main window: the type bar above the channel grid. It
// coordinates; display and commit, cell editing, key handling and relabelling
// each live in their own class.
class CProgramView : public QWidget, public ViewHooks {
    Q_OBJECT
public:
    explicit CProgramView(CProgramDoc& doc, QWidget* parent = nullptr);
    ~CProgramView() override;

    // After New, Open and at start-up: the one-time set-up on the first call,
    // then the per-document steps.
    void OnInitialUpdate() override;
    void DisplayImage() override;
    // Before every save and every write to the radio.
    void CommitGrid() override;
    void CommitCellEdit() override;
    // After the language flag and name have flipped: bar labels, column titles,
    // cell texts and option lists in the new language.
    void RelabelForLanguage() override;

    QWidget* Widget() override { return this; }

    // Commits an open in-place editor, applies change to the image a save
    // would write (the grid committed into a copy), shows the result in the
    // grid and records it as one undo step named stepName. When change returns
    // false nothing changes and no step is recorded; neither is one when
    // neither the bytes nor the grid's texts changed. Undo and redo of the
    // step make focus current (by default the first cell whose text it
    // changed). Returns whether a step was recorded.
    bool ApplyImageChange(const BiText& stepName, const std::function<bool(MemoryImage&)>& change,
                          GridCell focus);
    bool ApplyImageChange(const BiText& stepName,
                          const std::function<bool(MemoryImage&)>& change) override;

    ImageHistory& History() override;
    void Undo() override;
    void Redo() override;
    void SettleEdits() override;
    void MarkClean() override;
    void MarkSafe(const MemoryImage& image) override;
    MemoryImage ImageToSave() override;
    QWidget* GridWidget() override;
    MemoryImage& DocumentImage() override;
    void SetImageCommandsEnabled(bool enabled) override;
    QList<QAction*> EditMenuActions() override;
    int RowCount() override;
    int ColumnCount() override;
    QString CellText(int row, int col) override;

    // The in-place editor of the current column.
    QWidget* EditorForColumn() const;

    ChannelGrid* Grid() { return m_Grid; }
    TypeSettingBar* Bar() { return m_Bar; }
    CellEditorSet& Editors() { return m_Editors; }
    ChannelCommands& Channels() { return *m_Channels; }

    // The width every column's share is taken of, chosen so that the longest
    // title and value of each column fit in either language.
    int BaseColumnWidth() const;

private:
    void OneTimeSetup();

    CProgramDoc& m_Doc;
    TypeSettingBar* m_Bar = nullptr;
    ChannelGrid* m_Grid = nullptr;
    CellEditorSet m_Editors;
    std::unique_ptr<ChannelDisplay> m_Display;
    CellEditController* m_Editing = nullptr;
    EnterKeyFilter* m_Keys = nullptr;
    ChannelCommands* m_Channels = nullptr;
    std::unique_ptr<LanguageRelabeler> m_Relabeler;
    ChangeRecorder* m_Recorder = nullptr;
    bool m_bSetupDone = false;
};
