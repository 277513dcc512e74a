#pragma once

#include <QList>
#include <QWidget>
#include <functional>

#include "base/Lang.h"
#include "document/ChannelDocument.h"
#include "document/PendingEdits.h"

class ChannelTable;
class ChannelTableModel;
class QAction;
class TypeSettingBar;

// The form of the main window: the type bar above the channel table, both
// showing the document. Every change the user makes goes into the document
// at once as one step of its undo history; undo, redo and every other change
// of the document come back through its signals. What is still being typed
// (a cell editor, a band box) the document asks for as its PendingEdits.
class ChannelEditor : public QWidget, public PendingEdits {
    Q_OBJECT
public:
    explicit ChannelEditor(ChannelDocument& doc, QWidget* parent = nullptr);
    ~ChannelEditor() override;

    ChannelDocument& Document() { return m_Doc; }

    // What is being typed into a cell or the band boxes goes into the
    // document (the document asks for it before it is read or changed).
    void commitPendingEdits() override;
    // After the language flag flipped: the view's own labels, titles and lists.
    void RelabelForLanguage();

    ChannelTable* Grid() { return m_Table; }
    ChannelTableModel& Model() { return *m_Model; }
    TypeSettingBar* Bar() { return m_Bar; }

    // The width every column's share is taken of, chosen so that the longest
    // title and value of each column fit in either language.
    int BaseColumnWidth() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A new document (New, Open, start-up): shown from the start.
    void ShowNewDocument();
    // The type bar shows the image's type, band edges and manual flag.
    void ShowBar();
    // The band boxes into the image, when they hold whole numbers.
    void CommitBandBoxes();
    // Enter in a bar control: the focus goes on along the form's order.
    void MoveFocusOn(QWidget* from);

    ChannelDocument& m_Doc;
    ChannelTableModel* m_Model = nullptr;
    TypeSettingBar* m_Bar = nullptr;
    ChannelTable* m_Table = nullptr;
};
