#include "editor/ChannelDisplay.h"

#include <QComboBox>

#include "editor/ChannelGrid.h"
#include "editor/TypeSettingBar.h"
#include "image/BandLimits.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"

void ChannelDisplay::Display(const MemoryImage& image, Lang lang) {
    for (int n = 0; n < ImageMap::ChannelCount; ++n) {
        const ChannelRecord record = DecodeChannel(image, n, lang);
        for (int column = 1; column <= RecordTextCount; ++column) {
            m_Grid.SetCellText(n + 1, column, QString::fromStdString(record[column]));
        }
    }
    DisplayBar(image);
}

void ChannelDisplay::DisplayBar(const MemoryImage& image) {
    // Type codes above the known ones still show the one radio type; codes
    // below it, or between, leave the list without a selection.
    const int type = static_cast<int>(image[ImageMap::RadioTypeCode]) - ImageMap::RadioTypeBase;
    const int typeEntry = type > 2 ? 0 : type;
    m_Bar.TypeList()->setCurrentIndex(
        typeEntry >= 0 && typeEntry < m_Bar.TypeList()->count() ? typeEntry : -1);

    const bool manual = (image[ImageMap::ManualSettingByte] & ImageMap::ManualSettingFlag) != 0;
    m_Bar.ManualList()->setCurrentIndex(manual ? 0 : 1);

    const BandEdges band = DecodeBandLimits(image);
    m_Bar.SetBandEdges(band.lower, band.upper);
    m_Bar.MoveMembersToControls();
}

void ChannelDisplay::Commit(MemoryImage& image) {
    CommitRowsAndLists(image);
    m_Bar.MoveControlsToMembers();
    EncodeBandLimits(m_Bar.LowerBandEdge(), m_Bar.UpperBandEdge(), image);
}

void ChannelDisplay::CommitQuietly(MemoryImage& image) const {
    CommitRowsAndLists(image);
    const BandEdges band = m_Bar.PeekBandEdges();
    EncodeBandLimits(band.lower, band.upper, image);
}

void ChannelDisplay::CommitRowsAndLists(MemoryImage& image) const {
    for (int n = 0; n < ImageMap::ChannelCount; ++n) {
        ChannelRecord record;
        for (int column = 1; column <= RecordTextCount; ++column) {
            record[column] = m_Grid.CellText(n + 1, column).toStdString();
        }
        EncodeChannel(record, n, image);
    }

    const auto typeIndex = static_cast<std::int8_t>(m_Bar.TypeList()->currentIndex());
    image[ImageMap::RadioTypeCode] = static_cast<std::uint8_t>(typeIndex + ImageMap::RadioTypeBase);

    std::uint8_t& manual = image[ImageMap::ManualSettingByte];
    if (m_Bar.ManualList()->currentIndex() == 0) {
        manual = static_cast<std::uint8_t>(manual | ImageMap::ManualSettingFlag);
    } else {
        manual = static_cast<std::uint8_t>(manual & ~ImageMap::ManualSettingFlag);
    }

    image[ImageMap::CommitMarker] = ImageMap::CommitMarkerValue;
}
