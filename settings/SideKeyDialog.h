#pragma once

#include <QDialog>
#include <array>

#include "base/Lang.h"
#include "image/MemoryImage.h"
#include "settings/SideKeyCodec.h"

class QComboBox;

// "Side Key": the short- and long-press functions of the two side keys.
// Opening fills the four lists from the image; OK writes the half bytes of
// 0x81D and 0x81E whose list the user changed; Cancel writes nothing.
class SideKeyDialog : public QDialog {
    Q_OBJECT
public:
    SideKeyDialog(MemoryImage& image, QWidget* parent = nullptr);

    void accept() override;

private:
    std::array<std::string, SideKeyListCount> Texts() const;

    MemoryImage& m_Image;
    Lang m_Lang; // the names' language, chosen when the dialog opens
    std::array<QComboBox*, SideKeyListCount> m_Lists{};
    std::array<std::string, SideKeyListCount> m_Opened; // the lists as they were filled
};
