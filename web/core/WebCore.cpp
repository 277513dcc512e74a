// The core as the web page sees it: a small C interface over the open
// document's image, the channel rules, the channel file and the transfer
// session. Strings go out as UTF-8 in a buffer that stays valid until the
// next call; language arguments are 0 for English and 1 for Chinese.
#include <emscripten.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "base/Lang.h"
#include "compare/ImageCompare.h"
#include "image/BandLimits.h"
#include "image/Channel.h"
#include "image/ChannelCodec.h"
#include "image/ChannelFile.h"
#include "image/ChannelRules.h"
#include "image/ChannelTexts.h"
#include "image/ImageMap.h"
#include "link/ConnectionCheck.h"
#include "link/InMemoryLink.h"
#include "link/SimulatedRadio.h"
#include "link/TransferSession.h"
#include "web/core/PageLink.h"

namespace {

MemoryImage g_Image = ImageMap::NewDocumentImage();
MemoryImage g_Other = ImageMap::NewDocumentImage(); // a second image: a read, a file to compare
std::string g_Text;
std::string g_Message[2];

Lang LangOf(int lang) {
    return lang == 1 ? Lang::Chinese : Lang::English;
}

const char* Out(std::string text) {
    g_Text = std::move(text);
    return g_Text.c_str();
}

void SetMessage(const std::string& english, const std::string& chinese) {
    g_Message[0] = english;
    g_Message[1] = chinese;
}

bool ValidCell(int row, int column) {
    return row >= 1 && row <= ImageMap::ChannelCount && column >= 1 && column <= RecordTextCount;
}

// The radio of the page's Simulated radio port, kept between transfers so
// that what was written is read back.
SimulatedRadio& PageRadio() {
    static SimulatedRadio radio;
    return radio;
}

ConnectionReport g_Check; // the last connection check

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE std::uint8_t* orin_image() {
    return g_Image.data();
}

EMSCRIPTEN_KEEPALIVE std::uint8_t* orin_other_image() {
    return g_Other.data();
}

EMSCRIPTEN_KEEPALIVE void orin_new_document() {
    g_Image = ImageMap::NewDocumentImage();
    g_Image[ImageMap::CommitMarker] = ImageMap::CommitMarkerValue;
}

EMSCRIPTEN_KEEPALIVE int orin_channel_count() {
    return ImageMap::ChannelCount;
}

// Every cell of the grid: rows joined by \x1e, cells by \x1f.
EMSCRIPTEN_KEEPALIVE const char* orin_grid_texts(int lang) {
    std::string all;
    all.reserve(64 * 1024);
    for (int n = 0; n < ImageMap::ChannelCount; ++n) {
        const Channel channel = ReadChannel(g_Image, n);
        for (int column = 1; column <= RecordTextCount; ++column) {
            if (column > 1) {
                all += '\x1f';
            }
            all += ChannelText(channel, column, LangOf(lang));
        }
        all += '\x1e';
    }
    return Out(std::move(all));
}

EMSCRIPTEN_KEEPALIVE const char* orin_cell_text(int row, int column, int lang) {
    if (!ValidCell(row, column)) {
        return Out({});
    }
    return Out(ChannelText(ReadChannel(g_Image, row - 1), column, LangOf(lang)));
}

EMSCRIPTEN_KEEPALIVE const char* orin_column_title(int column, int lang) {
    if (column < 0 || column >= ChannelColumnCount) {
        return Out({});
    }
    return Out(ChannelTexts::ColumnTitles[column].In(LangOf(lang)));
}

// The entries of a column's option list, joined by \x1f; empty for a column
// typed as text.
EMSCRIPTEN_KEEPALIVE const char* orin_column_options(int column, int lang) {
    std::string all;
    for (const BiText& entry : ChannelTexts::EntriesForColumn(column)) {
        if (!all.empty()) {
            all += '\x1f';
        }
        all += entry.In(LangOf(lang));
    }
    return Out(std::move(all));
}

// A typed cell: 0 nothing changed, 1 the channel changed, 2 refused (the
// reason in orin_message).
EMSCRIPTEN_KEEPALIVE int orin_type(int row, int column, const char* text, int enter) {
    if (!ValidCell(row, column)) {
        return 0;
    }
    Channel channel = ReadChannel(g_Image, row - 1);
    const ChannelRules::Way way = enter ? ChannelRules::Way::Enter : ChannelRules::Way::Leave;
    const bool frequency = column == ColRxFrequency || column == ColTxFrequency;
    const BandEdges band = frequency ? DecodeBandLimits(g_Image) : BandEdges{0, 0};
    const ChannelRules::Outcome outcome = ChannelRules::Type(channel, column, text, way, band);
    if (outcome.Refused()) {
        SetMessage(outcome.english, outcome.chinese);
        return 2;
    }
    if (!outcome.changed) {
        return 0;
    }
    WriteChannel(channel, row - 1, g_Image);
    g_Image[ImageMap::CommitMarker] = ImageMap::CommitMarkerValue;
    return 1;
}

// Whether a frequency cell lies outside the band edges (marked in the grid).
EMSCRIPTEN_KEEPALIVE int orin_outside_band(int row, int column) {
    if (!ValidCell(row, column) || (column != ColRxFrequency && column != ColTxFrequency)) {
        return 0;
    }
    const Channel c = ReadChannel(g_Image, row - 1);
    const auto& f = column == ColRxFrequency ? c.rxFrequency : c.txFrequency;
    const BandEdges band = DecodeBandLimits(g_Image);
    constexpr std::uint64_t UnitsPerMHz = 100000;
    return f && (*f < band.lower * UnitsPerMHz || *f > band.upper * UnitsPerMHz) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int orin_band_lower() {
    return static_cast<int>(DecodeBandLimits(g_Image).lower);
}

EMSCRIPTEN_KEEPALIVE int orin_band_upper() {
    return static_cast<int>(DecodeBandLimits(g_Image).upper);
}

EMSCRIPTEN_KEEPALIVE const char* orin_message(int lang) {
    return g_Message[lang == 1 ? 1 : 0].c_str();
}

// Loads the channel file at path into image; a refused file leaves image as
// it was and keeps the file's message.
static bool LoadInto(const char* path, MemoryImage& image) {
    ChannelFile file;
    const FileOutcome outcome = file.LoadFile(path);
    if (!outcome.ok) {
        SetMessage(outcome.englishMessage, outcome.chineseMessage);
        return false;
    }
    image = file.Image();
    return true;
}

// Loads the channel file at path (in the module's file system) into the
// document; a refused file leaves the document as it was and returns 0.
EMSCRIPTEN_KEEPALIVE int orin_load(const char* path) {
    if (!LoadInto(path, g_Image))
        return 0;
    g_Image[ImageMap::CommitMarker] = ImageMap::CommitMarkerValue;
    return 1;
}

// Loads a second file into the other image, for a comparison.
EMSCRIPTEN_KEEPALIVE int orin_load_other(const char* path) {
    return LoadInto(path, g_Other) ? 1 : 0;
}

// The document against the other image, one difference a line after the
// summary line. transferred: only the bytes a transfer carries.
static std::string ComparisonText(const MemoryImage& before, const MemoryImage& after,
                                  CompareScope scope, int lang) {
    const ImageComparison comparison = CompareImages(before, after, scope, LangOf(lang));
    std::string text = ComparisonSummary(comparison, LangOf(lang));
    for (const Difference& difference : comparison.differences) {
        text += '\n';
        text += DifferenceLine(difference, LangOf(lang));
    }
    return text;
}

EMSCRIPTEN_KEEPALIVE const char* orin_compare(int transferred, int lang) {
    if (transferred) {
        return Out(ComparisonText(AsCommitted(g_Image), g_Other, CompareScope::Transferred, lang));
    }
    return Out(ComparisonText(g_Image, g_Other, CompareScope::WholeImage, lang));
}

// Two channel files against each other; the document stays as it is. An
// empty text when either file is refused (its message is kept).
EMSCRIPTEN_KEEPALIVE const char* orin_compare_files(const char* first, const char* second, int lang) {
    MemoryImage before;
    MemoryImage after;
    if (!LoadInto(first, before) || !LoadInto(second, after)) {
        return Out(std::string());
    }
    return Out(ComparisonText(before, after, CompareScope::WholeImage, lang));
}

// One transfer. direction 0 reads into the other image, 1 writes the
// document. simulated: the page's simulated radio instead of the serial
// port. Returns the TransferOutcome; the session's messages and progress go
// to the page's host object while it runs.
EMSCRIPTEN_KEEPALIVE int orin_transfer(int direction, int simulated) {
    PageHost host;
    const bool bRead = direction == 0;
    g_Other = g_Image;
    MemoryImage& image = bRead ? g_Other : g_Image;
    TransferOutcome outcome;
    if (simulated) {
        InMemoryLink link(InMemoryLink::Over(PageRadio()), [&host](double ms) {
            host.Sleep(static_cast<int>(ms + 0.5));
        });
        TransferSession session(link, host);
        outcome = session.Run(bRead ? TransferDirection::Read : TransferDirection::Write,
                              "Simulated radio", image);
    } else {
        PageSerialLink link;
        TransferSession session(link, host);
        outcome = session.Run(bRead ? TransferDirection::Read : TransferDirection::Write,
                              "Web Serial", image);
    }
    return static_cast<int>(outcome);
}

// The connection check over the page's serial port, or its simulated radio.
// vendorId and productId: the port's USB device as the browser reports it (0
// when it does not). Returns 0 when the radio answered, 1 when a step
// failed, 2 when the check was stopped; the steps in orin_check_report.
EMSCRIPTEN_KEEPALIVE int orin_check_connection(int simulated, const char* portName, int vendorId,
                                               int productId) {
    PageHost host;
    PortFacts facts;
    facts.bSimulated = simulated != 0;
    if (vendorId > 0) {
        facts.usb = UsbIdentity{static_cast<std::uint16_t>(vendorId),
                                static_cast<std::uint16_t>(productId), {}};
    }
    const auto sleep = [&host](int ms) { host.Sleep(ms); };
    const auto now = [] { return emscripten_get_now(); };
    const auto cancel = [&host] { return host.CancelRequested(); };
    if (simulated) {
        InMemoryLink link(InMemoryLink::Over(PageRadio()), [&host](double ms) {
            host.Sleep(static_cast<int>(ms + 0.5));
        });
        g_Check = ConnectionCheck(link, sleep, now, cancel).Run(portName, facts);
    } else {
        PageSerialLink link;
        g_Check = ConnectionCheck(link, sleep, now, cancel).Run(portName, facts);
    }
    return g_Check.bCancelled ? 2 : g_Check.RadioAnswered() ? 0 : 1;
}

// The four steps of the last check, joined by \x1e; each: 1 passed, 0
// failed or - not checked, the step's name, its line and its reason, joined
// by \x1f.
EMSCRIPTEN_KEEPALIVE const char* orin_check_report(int lang) {
    std::string all;
    for (int i = 0; i <= static_cast<int>(CheckStep::Kind::Line); ++i) {
        const auto kind = static_cast<CheckStep::Kind>(i);
        if (i > 0) {
            all += '\x1e';
        }
        const bool checked = i < static_cast<int>(g_Check.steps.size());
        const CheckStep* step = checked ? &g_Check.steps[static_cast<std::size_t>(i)] : nullptr;
        all += step ? (step->ok ? "1" : "0") : "-";
        all += '\x1f';
        all += CheckStep::Name(kind, LangOf(lang));
        all += '\x1f';
        all += step ? step->Line(LangOf(lang)) : std::string();
        all += '\x1f';
        all += step ? step->Reason(LangOf(lang)) : std::string();
    }
    return Out(std::move(all));
}

EMSCRIPTEN_KEEPALIVE const char* orin_outcome_name(int outcome) {
    return OutcomeName(static_cast<TransferOutcome>(outcome));
}

} // extern "C"
