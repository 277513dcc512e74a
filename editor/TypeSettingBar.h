#pragma once

#include <QGroupBox>
#include <QString>

#include "base/Lang.h"

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

    // Shows band edges (whole MHz) in the boxes as decimal text.
    void ShowBandEdges(unsigned lower, unsigned upper);

    // The bar's texts in the language now loaded.
    void Retranslate();

protected:
    void changeEvent(QEvent* event) override;

private:
    QLabel* m_TypeLabel = nullptr;
    QLabel* m_FieldLabel = nullptr;
    QLabel* m_ManualLabel = nullptr;
    QLabel* m_Dashes = nullptr;
    QComboBox* m_TypeList = nullptr;
    QComboBox* m_ManualList = nullptr;
    QLineEdit* m_LowerBox = nullptr;
    QLineEdit* m_UpperBox = nullptr;
};
