#include "formats/ChirpExport.h"

#include "formats/ChirpFields.h"
#include "formats/Csv.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"
#include "image/ToneTable.h"

namespace ChirpExport {
namespace {

using ChannelImport::Note;

// Farther apart than this, Tx is written as a split frequency, not a shift.
constexpr std::int64_t LargestShiftHz = 15000000;
// What CHIRP writes into tone columns a row does not use.
constexpr const char* UnusedTone = "88.5";
constexpr const char* UnusedCode = "023";

// One side of a channel's tone setting, from the grid's text.
struct Tone {
    enum class Kind { None, Ctcss, Dcs } kind = Kind::None;
    std::string value; // "67.0", or the three code digits
    char polarity = 'N';
    bool operator==(const Tone&) const = default;
};

Tone ParseTone(const std::string& text) {
    if (text.empty() || text == "OFF" || ToneTable::IndexOf(text) < 0) {
        return {};
    }
    if (text[0] == 'D') {
        return {Tone::Kind::Dcs, text.substr(1, 3), text[4] == 'I' ? 'R' : 'N'};
    }
    return {Tone::Kind::Ctcss, text, 'N'};
}

std::int64_t Hz(const std::string& text) {
    const ChirpFields::Frequency f = ChirpFields::ParseFrequency(text);
    return f.kind == ChirpFields::Frequency::Kind::Ok ? f.hz : 0;
}

const char* StepText(std::int64_t hz) {
    for (const auto& [step, text] : {std::pair{6250, "6.25"}, {5000, "5.00"}, {2500, "2.50"}}) {
        if (hz % step == 0) {
            return text;
        }
    }
    return "5.00";
}

struct ToneColumns {
    std::string mode, rTone = UnusedTone, cTone = UnusedTone, code = UnusedCode,
                      rxCode = UnusedCode, polarity = "NN", cross = "Tone->Tone";
};

ToneColumns ToneColumnsFor(const Tone& tx, const Tone& rx) {
    using Kind = Tone::Kind;
    ToneColumns c;
    c.polarity = {tx.polarity, rx.polarity};
    if (tx.kind == Kind::None && rx.kind == Kind::None) {
        return c;
    }
    if (tx.kind == Kind::Ctcss && rx.kind == Kind::None) {
        c.mode = "Tone";
        c.rTone = tx.value;
        return c;
    }
    if (tx.kind == Kind::Ctcss && rx == tx) {
        c.mode = "TSQL";
        c.rTone = c.cTone = tx.value;
        return c;
    }
    if (tx.kind == Kind::Dcs && rx.kind == Kind::Dcs && tx.value == rx.value) {
        c.mode = "DTCS";
        c.code = tx.value;
        return c;
    }
    c.mode = "Cross";
    const auto part = [](const Tone& t) {
        return t.kind == Kind::None ? "" : t.kind == Kind::Ctcss ? "Tone" : "DTCS";
    };
    c.cross = std::string(part(tx)) + "->" + part(rx);
    if (tx.kind == Kind::Ctcss) {
        c.rTone = tx.value;
    } else if (tx.kind == Kind::Dcs) {
        c.code = tx.value;
    }
    if (rx.kind == Kind::Ctcss) {
        c.cTone = rx.value;
    } else if (rx.kind == Kind::Dcs) {
        c.rxCode = rx.value;
    }
    return c;
}

} // namespace

ExportResult Export(const MemoryImage& image) {
    ExportResult result;
    std::vector<std::string> header(std::begin(Header), std::end(Header));
    result.csv = Csv::Line(header);
    for (int n = 0; n < ImageMap::ChannelCount; ++n) {
        const ChannelRecord record = DecodeChannel(image, n, Lang::English);
        ChannelImport::Row note;
        note.line = n + 1;
        note.channel = n + 1;
        if (record[ColRxFrequency].empty()) {
            if (!record[ColTxFrequency].empty()) {
                note.Skip({"channel " + std::to_string(n + 1) + " has no Rx frequency",
                           "频道 " + std::to_string(n + 1) + " 没有接收频率"});
                result.notes.push_back(note);
            }
            continue;
        }
        for (int column : {ColRxTone, ColTxTone}) {
            const std::string& text = record[column];
            if (text != "OFF" && ToneTable::IndexOf(text) < 0) {
                note.Change({"tone " + text + " is not in the tone table: written as none",
                             "信令 " + text + " 不在信令表中：按无信令写出"});
            }
        }
        if (!note.notes.empty()) {
            result.notes.push_back(note);
        }
        const std::int64_t rx = Hz(record[ColRxFrequency]);
        std::string duplex = "off";
        std::int64_t offset = 0;
        if (!record[ColTxFrequency].empty()) {
            const std::int64_t tx = Hz(record[ColTxFrequency]);
            const std::int64_t shift = tx > rx ? tx - rx : rx - tx;
            duplex = tx == rx ? "" : shift > LargestShiftHz ? "split" : tx > rx ? "+" : "-";
            offset = duplex == "split" ? tx : shift;
        }
        const ToneColumns tones =
            ToneColumnsFor(ParseTone(record[ColTxTone]), ParseTone(record[ColRxTone]));
        std::vector<std::string> fields = {
            std::to_string(n + 1),
            record[ColName],
            ChirpFields::MegahertzText(rx),
            duplex,
            ChirpFields::MegahertzText(offset),
            tones.mode,
            tones.rTone,
            tones.cTone,
            tones.code,
            tones.polarity,
            tones.rxCode,
            tones.cross,
            record[ColWidth] == "Wide" ? "FM" : "NFM",
            StepText(rx),
            record[ColScan] == "Yes" ? "" : "S",
            record[ColPower] == "High" ? "5.0W" : "1.0W",
        };
        fields.resize(std::size(Header));
        result.csv += Csv::Line(fields);
    }
    // CHIRP writes CRLF; the fields themselves never hold a line break here.
    std::string crlf;
    for (char c : result.csv) {
        if (c == '\n') {
            crlf += '\r';
        }
        crlf += c;
    }
    result.csv = std::move(crlf);
    return result;
}

} // namespace ChirpExport
