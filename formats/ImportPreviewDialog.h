#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "formats/ChannelImport.h"
#include "image/BandLimits.h"

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

// What an import of a channel list will do, before it does it: every row of
// the file with the channel it goes to and its status, the choice of where the
// rows go, whether the other channels are emptied, and Import or Cancel.
class ImportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    // The rows for a placement; called again whenever the user changes it.
    using Placer = std::function<std::vector<ChannelImport::Row>(ChannelImport::Placement)>;

    // canPlace is false for a file whose rows name their channels themselves.
    ImportPreviewDialog(const QString& fileName, bool canPlace, Placer placer,
                        QWidget* parent = nullptr);

    // The band edges the rows' frequencies were checked against and how many
    // refused rows wider edges would bring in; the dialog names both.
    void SetBandEdges(const BandEdges& band, int admittedByWiderBand);

    const std::vector<ChannelImport::Row>& Rows() const { return m_Rows; }
    ChannelImport::Placement CurrentPlacement() const;
    bool EmptyOthers() const;

    QTableWidget* Table() const { return m_Table; }
    QRadioButton* InOrderButton() const { return m_InOrder; }
    QRadioButton* ByLocationButton() const { return m_ByLocation; }
    QSpinBox* StartBox() const { return m_Start; }
    QCheckBox* EmptyOthersBox() const { return m_EmptyOthers; }
    QPushButton* ImportButton() const;
    QLabel* Summary() const { return m_Summary; }
    QLabel* BandNote() const { return m_BandNote; }

    // Table columns.
    enum Column { ColLine, ColLocation, ColFrequency, ColName, ColChannel, ColStatus, ColCount };

protected:
    void changeEvent(QEvent* event) override;

private:
    void Replace();
    void FillTable();
    void Retranslate();
    void ShowBandNote();

    QString m_FileName;
    bool m_CanPlace;
    Placer m_Placer;
    std::vector<ChannelImport::Row> m_Rows;
    QLabel* m_FileLabel = nullptr;
    QTableWidget* m_Table = nullptr;
    QRadioButton* m_InOrder = nullptr;
    QRadioButton* m_ByLocation = nullptr;
    QSpinBox* m_Start = nullptr;
    QCheckBox* m_EmptyOthers = nullptr;
    QLabel* m_Summary = nullptr;
    QLabel* m_BandNote = nullptr;
    std::optional<BandEdges> m_Band;
    int m_AdmittedByWiderBand = 0;
    QDialogButtonBox* m_Buttons = nullptr;
};
