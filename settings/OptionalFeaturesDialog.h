#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "base/Lang.h"
#include "image/MemoryImage.h"
#include "settings/OptionalFeaturesCodec.h"

class QCheckBox;
class QComboBox;
class IdEdit;
class TimeoutTimerSpin;

// "Optional Features": the radio-wide settings except the side keys. Opening
// fills the controls from the image; OK writes into the same image the fields
// whose control the user changed, and nothing else; Cancel writes nothing.
class OptionalFeaturesDialog : public QDialog {
    Q_OBJECT
public:
    OptionalFeaturesDialog(MemoryImage& image, QWidget* parent = nullptr);

    void accept() override;

private:
    void BuildControls();
    void LayOut();
    void FillLists();
    void Show(const OptionalFeaturesState& state);
    OptionalFeaturesState Shown() const;

    // Entries that come from the dialog's resources, in the interface language.
    QStringList Translated(const std::vector<std::string>& entries) const;

    MemoryImage& m_Image;
    Lang m_Lang;                    // the interface language when the dialog opened
    OptionalFeaturesState m_Opened; // the controls as they were filled

    // "Function Set"
    TimeoutTimerSpin* m_TimeoutTimer = nullptr;
    QComboBox* m_SquelchLevel = nullptr;
    QComboBox* m_LanguageChoose = nullptr;
    QComboBox* m_VoxSwitch = nullptr;
    QComboBox* m_VoxGainLevel = nullptr;
    QComboBox* m_PriorityChannel = nullptr;
    QComboBox* m_Roger = nullptr;
    QComboBox* m_ScramblerActivation = nullptr;
    QCheckBox* m_Beep = nullptr;
    QCheckBox* m_BatterySave = nullptr;

    // " ID" and "Frequent Mode Option"
    IdEdit* m_GroupId = nullptr;
    IdEdit* m_Id = nullptr;
    IdEdit* m_CallId = nullptr;
    IdEdit* m_KillId = nullptr;
    IdEdit* m_CheckId = nullptr;
    IdEdit* m_ListenId = nullptr;
    QCheckBox* m_BeginOfTx = nullptr;
    QCheckBox* m_EndOfTx = nullptr;
    QComboBox* m_OptSignal = nullptr;
    QComboBox* m_RepeatInvert = nullptr;

    // Audio levels and switches
    QComboBox* m_MicGain = nullptr;
    QComboBox* m_AudioReceiveGain = nullptr;
    QComboBox* m_ModulationGain = nullptr;
    QComboBox* m_AudioOutputGain = nullptr;
    QComboBox* m_Compander = nullptr;
    QComboBox* m_PreDeEmphasis = nullptr;
};
