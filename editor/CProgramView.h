#pragma once

#include <QWidget>
#include <functional>

#include "base/ViewHooks.h"
#include "editor/ImageHistory.h"
#include "editor/ImageStep.h"

class CProgramDoc;
class ChannelCommands;
class ChannelTable;
class ChannelTableModel;
class TypeSettingBar;

// The form of the main window: the type bar above the channel table, both
// showing the document's image, which is the one copy of the data. Every
// change the user makes goes into the image at once as one step of the
// document's undo history.
class CProgramView : public QWidget, public ViewHooks, public StepRestorer {
    Q_OBJECT
public:
    explicit CProgramView(CProgramDoc& doc, QWidget* parent = nullptr);
    ~CProgramView() override;

    // After New, Open and at start-up: shows the document with a new history.
    void OnInitialUpdate() override;
    // Before every save and every write to the radio: what is being typed
    // into a cell or a band box goes into the image.
    void CommitGrid() override;
    void CommitCellEdit() override;
    void RelabelForLanguage() override;

    QWidget* Widget() override { return this; }
    QWidget* GridWidget() override;
    MemoryImage& DocumentImage() override;

    // Commits an open editor, applies change to a copy of the image and, when
    // it returns true and changed a byte, makes the copy the document's image
    // as one undo step named stepName. Undo and redo of the step make focus
    // current (by default the first cell it changed). Returns whether a step
    // was recorded.
    bool ApplyImageChange(const BiText& stepName, const std::function<bool(MemoryImage&)>& change,
                          GridCell focus);
    bool ApplyImageChange(const BiText& stepName,
                          const std::function<bool(MemoryImage&)>& change) override;

    ImageHistory& History() override { return m_History; }
    void Undo() override;
    void Redo() override;
    void SettleEdits() override;
    void MarkClean() override;
    void MarkSafe(const MemoryImage& image) override;
    MemoryImage ImageToSave() override;
    void SetImageCommandsEnabled(bool enabled) override;
    QList<QAction*> EditMenuActions() override;
    int RowCount() override;
    int ColumnCount() override;
    QString CellText(int row, int col) override;

    void RestoreStep(const MemoryImage& image, GridCell focus) override;

    ChannelTable* Grid() { return m_Table; }
    ChannelTableModel& Model() { return *m_Model; }
    TypeSettingBar* Bar() { return m_Bar; }
    ChannelCommands& Channels() { return *m_Channels; }

    // The width every column's share is taken of, chosen so that the longest
    // title and value of each column fit in either language.
    int BaseColumnWidth() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The type bar shows the image's type, band edges and manual flag.
    void ShowBar();
    // The band boxes into the image, when they hold whole numbers.
    void CommitBandBoxes();
    // Enter in a bar control: the focus goes on along the form's order.
    void MoveFocusOn(QWidget* from);

    CProgramDoc& m_Doc;
    ImageHistory m_History;
    ChannelTableModel* m_Model = nullptr;
    TypeSettingBar* m_Bar = nullptr;
    ChannelTable* m_Table = nullptr;
    ChannelCommands* m_Channels = nullptr;
    bool m_bShown = false; // a document has been shown
};
