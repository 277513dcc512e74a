#pragma once

#include <QGroupBox>
#include <QString>

#include "base/Lang.h"
#include "image/BandLimits.h"

class QComboBox;
class QLabel;
class QLineEdit;

// The framed row above the channel grid: radio type, band edges and the
// "Manul Setting" switch. It has no behaviour of its own; the view shows the
// image in it and writes what the user chooses or types back.
class TypeSettingBar : public QGroupBox {
    Q_OBJECT
public:
    explicit TypeSettingBar(QWidget* parent = nullptr);

    QComboBox* TypeList() const { return m_TypeList; }
    QComboBox* ManualList() const { return m_ManualList; }
    QLineEdit* LowerBox() const { return m_LowerBox; }
    QLineEdit* UpperBox() const { return m_UpperBox; }
    QLabel* TypeLabel() const { return m_TypeLabel; }
    QLabel* FieldLabel() const { return m_FieldLabel; }
    QLabel* ManualLabel() const { return m_ManualLabel; }

    // Band edges in whole MHz, as last exchanged with the boxes.
    unsigned LowerBandEdge() const { return m_LowerBandEdge; }
    unsigned UpperBandEdge() const { return m_UpperBandEdge; }
    void SetBandEdges(unsigned lower, unsigned upper);

    // Writes the band edges into the boxes as decimal text.
    void MoveMembersToControls();
    // Reads the boxes back, upper box first. A box that does not hold an
    // unsigned whole number is refused with a message, gets the focus, and
    // ends the exchange: its edge (and an edge not yet read) keeps its value.
    // Returns false when a box was refused.
    bool MoveControlsToMembers();
    // The edges MoveControlsToMembers would leave, without its message and
    // without changing anything.
    BandEdges PeekBandEdges() const;

    // The bar's texts in the language now loaded.
    void Retranslate();

    // An unsigned whole number with optional blanks around it, as the form's
    // exchange accepts it; nothing when the text is anything else.
    static bool ParseUnsigned(const QString& text, unsigned* value);

protected:
    void changeEvent(QEvent* event) override;

private:
    bool ExchangeBox(QLineEdit* box, unsigned* member);

    QLabel* m_TypeLabel = nullptr;
    QLabel* m_FieldLabel = nullptr;
    QLabel* m_ManualLabel = nullptr;
    QLabel* m_Dashes = nullptr;
    QComboBox* m_TypeList = nullptr;
    QComboBox* m_ManualList = nullptr;
    QLineEdit* m_LowerBox = nullptr;
    QLineEdit* m_UpperBox = nullptr;
    unsigned m_LowerBandEdge = 0;
    unsigned m_UpperBandEdge = 0;
};
