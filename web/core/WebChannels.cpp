// The page's whole-channel commands: the channel clipboard and the channel
// lists (our CSV and CHIRP's), over the same core code as the window's
// commands, with the window's messages.
#include <emscripten.h>

#include <cstdint>
#include <optional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "formats/ChannelClipboard.h"
#include "formats/ChannelCsv.h"
#include "formats/ChannelImport.h"
#include "formats/ChirpExport.h"
#include "formats/ChirpImport.h"
#include "image/BandLimits.h"
#include "image/ChannelOperations.h"
#include "image/CommandTexts.h"
#include "web/core/WebOut.h"

using namespace WebOut;

namespace {

using namespace CommandTexts;

// The text with %1, %2, ... filled in one pass, as Qt's arg() does: a value
// that holds "%2" (a file name) stays as it is.
std::string Args(std::string_view text, std::initializer_list<std::string> values) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '0') : 0;
        if (text[i] == '%' && n >= 1 && n <= values.size() && n <= 9) {
            out += values.begin()[n - 1];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string Hex(const std::string& bytes) {
    static const char* const Digits = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        out += Digits[u >> 4];
        out += Digits[u & 15];
    }
    return out;
}

std::optional<std::string> Unhex(std::string_view hex) {
    if (hex.size() % 2 != 0) {
        return std::nullopt;
    }
    const auto digit = [](char c) -> int {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    };
    std::string out;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = digit(hex[i]);
        const int low = digit(hex[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        out += static_cast<char>(high * 16 + low);
    }
    return out;
}

std::string PasteResult(int count, const std::string& message, const std::string& details) {
    return "{\"count\":" + std::to_string(count) + ",\"message\":" + Quoted(message) +
           ",\"details\":" + Quoted(details) + "}";
}

// The file an import reads, kept between its preview and its apply.
struct PendingImport {
    bool chirp = false;
    ChirpImport::ReadResult read;
    std::vector<ChannelImport::Row> rows;
} g_Import;

} // namespace

extern "C" {

// Copy: the channels (0-127, "3,4,5") as the window's clipboard text, in the
// language asked for.
EMSCRIPTEN_KEEPALIVE const char* orin_clip_text(const std::uint8_t* bytes, const char* channels,
                                                int lang) {
    return Out(ChannelClipboard::PlainText(Copy(bytes), Numbers(channels), LangOf(lang)));
}

// The same channels byte for byte, in hexadecimal, for a paste into the page.
EMSCRIPTEN_KEEPALIVE const char* orin_clip_payload(const std::uint8_t* bytes,
                                                   const char* channels) {
    return Out(Hex(ChannelClipboard::Payload(ChannelOps::Copy(Copy(bytes), Numbers(channels)))));
}

// Cut, after the copy: the channels emptied. Returns whether a byte changed.
EMSCRIPTEN_KEEPALIVE int orin_clip_clear(std::uint8_t* bytes, const char* channels) {
    MemoryImage image = Copy(bytes);
    ChannelOps::Clear(image, Numbers(channels));
    return Store(image, bytes);
}

// Insert Empty Channel (0), Delete Channel (1), Move Up (2), Move Down (3)
// and Sort By Rx Frequency (4) over the channels (0-127, "3,4,5"), as the
// window's Edit menu does them. JSON: the channels to select after it, and
// for an insert that would lose a channel, refused (nothing changes).
EMSCRIPTEN_KEEPALIVE const char* orin_channel_op(std::uint8_t* bytes, int op, const char* list) {
    MemoryImage image = Copy(bytes);
    ChannelOps::Channels channels = Numbers(list);
    bool refused = false;
    if (channels.empty()) {
        return Out("{\"refused\":false,\"select\":[]}");
    }
    switch (op) {
    case 0:
        refused = !ChannelOps::InsertEmpty(image, channels.front());
        channels = {channels.front()};
        break;
    case 1:
        ChannelOps::Delete(image, channels);
        channels = {channels.front()};
        break;
    case 2:
    case 3:
        if (const auto moved = ChannelOps::Move(image, channels, op == 2 ? -1 : 1)) {
            channels = *moved;
        }
        break;
    default:
        ChannelOps::SortByRxFrequency(image, channels);
        break;
    }
    if (!refused) {
        Store(image, bytes);
    }
    std::string select;
    for (const int n : channels) {
        select += (select.empty() ? "" : ",") + std::to_string(n);
    }
    return Out(std::string("{\"refused\":") + (refused ? "true" : "false") + ",\"select\":[" +
               select + "]}");
}

// Paste from channel first (0-127): the page's own bytes when payload holds
// them, else the text as a spreadsheet or the window puts it. JSON: the
// channels pasted, or 0 with the window's message (and details).
EMSCRIPTEN_KEEPALIVE const char* orin_clip_paste(std::uint8_t* bytes, int first, const char* text,
                                                 const char* payload, int lang) {
    const Lang l = LangOf(lang);
    MemoryImage image = Copy(bytes);
    std::optional<std::vector<RawChannel>> raw;
    if (const auto data = Unhex(payload); data && !data->empty()) {
        raw = ChannelClipboard::ReadPayload(*data);
    }
    std::vector<ChannelRecord> records;
    if (!raw) {
        const ChannelClipboard::PastedText parsed =
            ChannelClipboard::ParseText(text, DecodeBandLimits(image));
        const auto& problems = parsed.problems;
        if (problems.size() > ProblemsShown) {
            const std::vector<ChannelClipboard::PasteProblem> shown(
                problems.begin(), problems.begin() + ProblemsShown);
            return Out(PasteResult(
                0,
                ChannelClipboard::ProblemsText(shown, l) + "\n" +
                    Args(MoreProblems.In(l), {std::to_string(problems.size() - ProblemsShown)}),
                ChannelClipboard::ProblemsText(problems, l)));
        }
        if (!problems.empty()) {
            return Out(PasteResult(0, ChannelClipboard::ProblemsText(problems, l), ""));
        }
        records = parsed.records;
    }
    const std::size_t count = raw ? raw->size() : records.size();
    if (count == 0) {
        return Out(PasteResult(0, NothingToPaste.In(l), ""));
    }
    const bool fits =
        raw ? ChannelOps::Paste(image, first, *raw) : ChannelOps::Paste(image, first, records);
    if (!fits) {
        return Out(PasteResult(0,
                               Args(PastePastEnd.In(l), {std::to_string(count), std::to_string(first + 1)}),
                               ""));
    }
    Store(image, bytes);
    return Out(PasteResult(static_cast<int>(count), "", ""));
}

// Import, first step: reads a channel list (CHIRP's or ours, told apart as the
// window does) against the image's band edges. JSON: the window's refusal of
// the whole file, or what the preview shows of the file.
EMSCRIPTEN_KEEPALIVE const char* orin_import_read(const std::uint8_t* bytes, const char* csv,
                                                  const char* name, int lang) {
    const Lang l = LangOf(lang);
    const MemoryImage current = Copy(bytes);
    const BandEdges band = DecodeBandLimits(current);
    g_Import = {};
    g_Import.chirp = ChirpImport::LooksLikeChirp(csv);
    ChannelImport::Note error;
    std::vector<ChannelImport::Row> widest;
    if (g_Import.chirp) {
        g_Import.read = ChirpImport::Read(csv, band);
        error = g_Import.read.error;
        widest = ChirpImport::Read(csv, ChannelImport::WidestBand).rows;
    } else {
        g_Import.rows = ChannelCsv::PreviewRows(csv, current, error);
        MemoryImage widened = current;
        EncodeBandLimits(ChannelImport::WidestBand.lower, ChannelImport::WidestBand.upper, widened);
        ChannelImport::Note ignored;
        widest = ChannelCsv::PreviewRows(csv, widened, ignored);
    }
    if (!error.english.empty()) {
        return Out("{\"error\":" + Quoted(Args(ImportRefused.In(l), {name, std::string(error.In(l))})) + "}");
    }
    const int admitted = ChannelImport::AdmittedByWidestBand(
        g_Import.chirp ? g_Import.read.rows : g_Import.rows, widest);
    return Out("{\"chirp\":" + std::string(g_Import.chirp ? "true" : "false") +
               ",\"lower\":" + std::to_string(band.lower) +
               ",\"upper\":" + std::to_string(band.upper) +
               ",\"admitted\":" + std::to_string(admitted) + "}");
}

// The rows of the file read with the placement chosen (a CHIRP file only; our
// own names its channels): line, location, frequency, name, channel (0: none)
// and the status text, as the preview's table shows them.
EMSCRIPTEN_KEEPALIVE const char* orin_import_rows(int byLocation, int start, int lang) {
    const Lang l = LangOf(lang);
    if (g_Import.chirp) {
        g_Import.rows = ChirpImport::Place(g_Import.read, {byLocation != 0, start});
    }
    std::string json = "[";
    for (const ChannelImport::Row& row : g_Import.rows) {
        std::string status = ChannelImport::StatusText(row.status, l);
        const std::string why = ChannelImport::NotesText(row, l);
        if (!why.empty()) {
            status += (l == Lang::Chinese ? "：" : ": ") + why;
        }
        json += std::string(json.size() > 1 ? "," : "") + "[" + std::to_string(row.line) + "," +
                std::to_string(row.location) + "," + Quoted(row.frequency) + "," +
                Quoted(row.name) + "," + std::to_string(row.channel) + "," + Quoted(status) +
                "," + std::to_string(static_cast<int>(row.status)) + "]";
    }
    return Out(json + "]");
}

// Import: the rows placed last go into the image, one change.
EMSCRIPTEN_KEEPALIVE int orin_import_apply(std::uint8_t* bytes, int emptyOthers) {
    MemoryImage image = Copy(bytes);
    ChannelImport::Apply(g_Import.rows, emptyOthers != 0, image);
    return Store(image, bytes);
}

// Export: the channels as CHIRP's CSV or ours. JSON: the file's text and,
// for CHIRP, the window's message with the channels left out or changed.
EMSCRIPTEN_KEEPALIVE const char* orin_export(const std::uint8_t* bytes, int chirp,
                                             const char* name, int lang) {
    const Lang l = LangOf(lang);
    const MemoryImage image = Copy(bytes);
    if (!chirp) {
        return Out("{\"csv\":" + Quoted(ChannelCsv::Dump(image, l)) + "}");
    }
    const ChirpExport::ExportResult exported = ChirpExport::Export(image);
    std::string details;
    for (const ChannelImport::Row& note : exported.notes) {
        details += (details.empty() ? "" : "\n") + ChannelImport::NotesText(note, l);
    }
    return Out("{\"csv\":" + Quoted(exported.csv) + ",\"message\":" +
               Quoted(exported.notes.empty() ? "" : Args(ExportLeftOut.In(l), {name})) +
               ",\"details\":" + Quoted(details) + "}");
}

} // extern "C"
