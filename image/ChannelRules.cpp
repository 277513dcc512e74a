#include "image/ChannelRules.h"

#include <algorithm>

#include "image/ChannelTexts.h"
#include "image/FrequencyCheck.h"
#include "image/ImageMap.h"
#include "image/RawChannel.h"
#include "image/ToneTable.h"

namespace ChannelRules {
namespace {

Outcome Changed(bool changed) {
    return {changed, Refusal::None, {}, {}};
}

Outcome Refused(Refusal refusal, const BiText& message) {
    return {false, refusal, message.english, message.chinese};
}

Tone& ToneOf(Channel& c, int frequencyColumn) {
    return frequencyColumn == ColRxFrequency ? c.rxTone : c.txTone;
}

bool IsNew(const Channel& c) {
    return !c.HasFrequency() && c.rxTone.kind == Tone::Kind::None &&
           c.txTone.kind == Tone::Kind::None;
}

// A channel left with no frequency, tone or name is stored as a new file's
// empty channel, whatever option bits it had.
void SettleEmpty(Channel& c) {
    if (IsNew(c) && c.name.empty()) {
        c = ReadChannel(EmptyRawChannel());
    }
}

Outcome TypeFrequency(Channel& c, int column, std::string_view text, Way way,
                      const BandEdges& band) {
    if (!text.empty()) {
        const FrequencyCheckResult check = CheckFrequency(text, band.lower, band.upper);
        switch (check.verdict) {
        case FrequencyVerdict::Accepted:
            break;
        case FrequencyVerdict::Empty:
            return Changed(false);
        case FrequencyVerdict::Format:
            return Refused(Refusal::Format, FrequencyMessages::Format);
        case FrequencyVerdict::Range:
            return Refused(Refusal::Range, FrequencyMessages::Range);
        case FrequencyVerdict::Step:
            return Refused(Refusal::Step, way == Way::Leave ? FrequencyMessages::StepOnLeave
                                                            : FrequencyMessages::StepOnEnter);
        }
        if (IsNew(c)) {
            // Enter goes on to the Name cell itself, so it leaves the name alone.
            TakeNewChannelDefaults(c, way == Way::Leave ? ColName : ColScram);
            if (column == ColRxFrequency) {
                ParseChannelText(c, ColTxFrequency, check.text); // Tx starts equal to Rx
            }
        }
        ParseChannelText(c, column, check.text);
        return Changed(true);
    }
    // A frequency and its tone go together.
    ParseChannelText(c, column, "");
    ToneOf(c, column) = {};
    const bool emptied = way == Way::Enter ? !c.HasFrequency() : IsNew(c);
    if (emptied) {
        c.ClearOptions();
    }
    return Changed(true);
}

// Whether text reads as what the channel shows in column, in either language.
bool Shows(const Channel& c, int column, const std::string& text) {
    return text == ChannelText(c, column, Lang::English) ||
           text == ChannelText(c, column, Lang::Chinese);
}

bool OnlyRxAndName(const ChannelRecord& row) {
    for (int column = ColTxFrequency; column < ColName; ++column) {
        if (!row[column].empty()) {
            return false;
        }
    }
    return !row[ColRxFrequency].empty();
}

} // namespace

void TakeNewChannelDefaults(Channel& c, int lastColumn) {
    for (int column = ColRxTone; column <= std::min<int>(lastColumn, ColName); ++column) {
        ParseChannelText(c, column, ChannelTexts::NewChannelDefaults[column - ColRxTone].english);
    }
}

Outcome ToneRefusal(std::string_view shown) {
    const std::string text(shown);
    return {false, Refusal::Tone, "\"" + text + "\" is not OFF, empty or a tone of the tone table",
            "“" + text + "”不是OFF、空白或信令表中的信令"};
}

int TypedNameLimit(const Channel& channel) {
    return std::max(NewNameLimit, static_cast<int>(channel.name.size()));
}

Outcome Type(Channel& c, int column, std::string_view text, Way way, const BandEdges& band) {
    const Channel was = c;
    switch (column) {
    case ColRxFrequency:
    case ColTxFrequency:
        if (Outcome outcome = TypeFrequency(c, column, text, way, band); outcome.Refused()) {
            return outcome;
        }
        break;
    case ColRxTone:
    case ColTxTone: {
        if (!c.HasFrequency()) {
            ParseChannelText(c, column, ""); // a channel without a frequency has no tone
            break;
        }
        const int tone = text.empty() ? 0 : ToneTable::IndexOfNamed(text);
        if (tone < 0) {
            return ToneRefusal(text);
        }
        ParseChannelText(c, column, ToneTable::Texts()[static_cast<std::size_t>(tone)]);
        break;
    }
    case ColName: {
        if (!c.HasFrequency()) {
            ParseChannelText(c, column, "");
            break;
        }
        // Letters are typed as capitals; the alphabet is ASCII, so a
        // character is a byte.
        std::string upper(text);
        for (char& ch : upper) {
            ch = ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
        }
        ParseChannelText(c, column, upper);
        const auto limit = static_cast<std::size_t>(TypedNameLimit(was));
        if (c.name.size() > limit) {
            c.name.resize(limit);
        }
        break;
    }
    default:
        if (column < ColWidth || column > ColScram || !c.HasFrequency()) {
            return Changed(false); // a list value on a row without a frequency stays empty
        }
        ParseChannelText(c, column, text);
        break;
    }
    if (c.SameFields(was)) {
        c = was;
        return Changed(false);
    }
    SettleEmpty(c);
    return Changed(true);
}

Outcome TxFromRx(Channel& channel, const BandEdges& band) {
    if (!channel.rxFrequency) {
        return Changed(false);
    }
    return Type(channel, ColTxFrequency, FrequencyText(*channel.rxFrequency), Way::Leave, band);
}

bool ApplyRow(const ChannelRecord& row, int n, MemoryImage& image) {
    const Channel was = ReadChannel(image, n);
    if (ChannelTextsOf(was, Lang::English) == row || ChannelTextsOf(was, Lang::Chinese) == row) {
        return false; // the bytes stay as they are, bits no text shows included
    }
    Channel c = was;
    const bool holdsData = was.HasFrequency();
    if (!holdsData) {
        TakeNewChannelDefaults(c, ColScram);
    }
    if (!holdsData && OnlyRxAndName(row)) {
        // What typing the frequency gives: Tx = Rx.
        ParseChannelText(c, ColRxFrequency, row[ColRxFrequency]);
        ParseChannelText(c, ColTxFrequency, row[ColRxFrequency]);
        ParseChannelText(c, ColName, row[ColName]);
    } else {
        for (int column = ColRxFrequency; column <= ColName; ++column) {
            const std::string& text = row[column];
            const bool option = column >= ColWidth && column <= ColScram;
            // A blank option keeps the channel's value or the default just
            // taken; a text that reads as the channel shows it keeps the
            // bytes' own form.
            if ((option && text.empty()) || (holdsData && Shows(was, column, text))) {
                continue;
            }
            ParseChannelText(c, column, text);
        }
    }
    if (!c.HasFrequency()) {
        c.rxTone = {}; // a tone goes with its frequency
        c.txTone = {};
    }
    if (c.SameFields(was)) {
        return false;
    }
    SettleEmpty(c);
    const RawChannel before = ReadRawChannel(image, n);
    WriteChannel(c, n, image);
    return ReadRawChannel(image, n) != before;
}

} // namespace ChannelRules
