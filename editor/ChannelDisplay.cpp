#include "editor/ChannelDisplay.h"

#include <QComboBox>
#include <cstdio>

#include "editor/ChannelGrid.h"
#include "editor/TypeSettingBar.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"

void ChannelDisplay::Display(const MemoryImage& image, Lang lang) {
    for (int n = 0; n < ImageMap::ChannelCount; ++n) {
        const ChannelRecord record = DecodeChannel(image, n, lang);
        for (int column = 1; column <= RecordTextCount; ++column) {
            m_Grid.SetCellText(n + 1, column, QString::fromStdString(record[column]));
        }
    }

    // Type codes above the known ones still show the one radio type; codes
    // below it, or between, leave the list without a selection.
    const int type = static_cast<int>(image[ImageMap::RadioTypeCode]) - ImageMap::RadioTypeBase;
    const int typeEntry = type > 2 ? 0 : type;
    m_Bar.TypeList()->setCurrentIndex(
        typeEntry >= 0 && typeEntry < m_Bar.TypeList()->count() ? typeEntry : -1);

    const bool manual = (image[ImageMap::ManualSettingByte] & ImageMap::ManualSettingFlag) != 0;
    m_Bar.ManualList()->setCurrentIndex(manual ? 0 : 1);

    const std::uint8_t nibbles = image[ImageMap::BandLimits + 2];
    m_Bar.SetBandEdges(BandEdgeFromBytes(image[ImageMap::BandLimits], nibbles >> 4),
                       BandEdgeFromBytes(image[ImageMap::BandLimits + 1], nibbles & 0x0F));
    m_Bar.MoveMembersToControls();
}

void ChannelDisplay::Commit(MemoryImage& image) {
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

    m_Bar.MoveControlsToMembers();
    StoreBandEdges(m_Bar.LowerBandEdge(), m_Bar.UpperBandEdge(), image);
}

unsigned ChannelDisplay::BandEdgeFromBytes(std::uint8_t edge, std::uint8_t nibble) {
    char text[8];
    std::snprintf(text, sizeof text, "%X%X", static_cast<unsigned>(edge),
                  static_cast<unsigned>(nibble & 0x0F));
    unsigned value = 0;
    for (const char* p = text; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + static_cast<unsigned>(*p - '0');
    }
    return value;
}

void ChannelDisplay::StoreBandEdges(unsigned lower, unsigned upper, MemoryImage& image) {
    // Three BCD digits per edge: the hundreds and tens in the edge's own byte,
    // the units in one nibble of the shared third byte. Edges above 999 keep
    // only what fits; nothing outside the three bytes is written.
    const auto bcd = [](unsigned tens) {
        const unsigned a = tens & 0xFF;
        return static_cast<std::uint8_t>(((a / 10) * 16 + a % 10) & 0xFF);
    };
    image[ImageMap::BandLimits] = bcd(lower / 10);
    image[ImageMap::BandLimits + 1] = bcd(upper / 10);
    image[ImageMap::BandLimits + 2] = static_cast<std::uint8_t>(((lower % 10) * 16 + upper % 10));
}
