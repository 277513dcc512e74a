#pragma once

#include <QDialog>
#include <array>

#include "base/Lang.h"
#include "image/MemoryImage.h"
#include "settings/SideKeyCodec.h"

class QComboBox;

// "Side Key": the short- and long-press functions of the two side keys.
// Opening fills the four lists from the image; OK writes bytes 0x81D and
// 0x81E; Cancel writes nothing.
class SideKeyDialog : public QDialog {
    Q_OBJECT
public:
    SideKeyDialog(MemoryImage& image, QWidget* parent = nullptr);

    void accept() override;

private:
    MemoryImage& m_Image;
    Lang m_Lang; // the names' language, chosen when the dialog opens
    std::array<QComboBox*, SideKeyListCount> m_Lists{};
};
