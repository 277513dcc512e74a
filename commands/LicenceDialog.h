#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "image/MemoryImage.h"
#include "plans/LicenceCheck.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// Program > "Check Channels Against Licence…": the licence to check against
// (a plan, or none), what falls outside it channel by channel, and the two
// repairs of the selected rows, each one undo step. Notes (High power where
// the plan limits the power) are listed apart and never repaired: the radio's
// watts are not in its memory.
class LicenceDialog : public QDialog {
    Q_OBJECT
public:
    // The document's image as it is now.
    using ImageSource = std::function<MemoryImage()>;
    // Applies a repair as one undo step named after it.
    enum class Repair { ReceiveOnly, Narrow };
    using Repairer = std::function<void(Repair, const std::vector<int>& channels)>;

    LicenceDialog(const std::string& licence, ImageSource image, Repairer repair,
                  QWidget* parent = nullptr);

    // The licence chosen now; empty for none.
    std::string Licence() const;
    // The channels (1-128) of the selected rows that show this kind of finding:
    // what a repair works on (receive only: TxOutside; narrow: Wide).
    std::vector<int> SelectedChannels(LicenceCheck::Kind kind) const;
    // Checks the image again and lists the result, every channel outside selected.
    void Refresh();

    QComboBox* LicenceBox() const { return m_Licence; }
    QListWidget* List() const { return m_List; }
    QListWidget* Notes() const { return m_Notes; }
    QPushButton* ReceiveOnlyButton() const { return m_ReceiveOnly; }
    QPushButton* NarrowButton() const { return m_Narrow; }

private:
    void UpdateButtons();

    ImageSource m_Image;
    Repairer m_Repair;
    std::vector<LicenceCheck::Finding> m_Findings; // the rows of m_List: no notes
    QComboBox* m_Licence;
    QListWidget* m_List;
    QLabel* m_NotesLabel;
    QListWidget* m_Notes;
    QLabel* m_Summary;
    QPushButton* m_ReceiveOnly;
    QPushButton* m_Narrow;
};
