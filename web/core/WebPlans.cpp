// The page's channel plans and licence check, and the questions before a
// write, over the same core code and with the window's texts.
#include <emscripten.h>

#include <cstdint>
#include <string>
#include <vector>

#include "image/BandLimits.h"
#include "image/ChannelOperations.h"
#include "image/CommandTexts.h"
#include "plans/ChannelPlans.h"
#include "plans/LicenceCheck.h"
#include "plans/PlanInsert.h"
#include "web/core/WebOut.h"

using namespace WebOut;

namespace {

using namespace CommandTexts;

std::string Replace(std::string text, const std::vector<std::string>& args) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' &&
            text[i + 1] <= '0' + static_cast<int>(args.size())) {
            out += args[text[i + 1] - '1'];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

const ChannelPlan* Plan(const char* key) {
    return key && *key ? FindPlan(key) : nullptr;
}

} // namespace

extern "C" {

// Every plan: key, title (with the plan's summary, as the window's lists
// show it) and whether it is a band (for a licence only).
EMSCRIPTEN_KEEPALIVE const char* orin_plans(int lang) {
    const Lang l = LangOf(lang);
    std::string json = "[";
    for (const ChannelPlan& plan : AllPlans()) {
        json += std::string(json.size() > 1 ? "," : "") + "{\"key\":" + Quoted(plan.key) +
                ",\"title\":" + Quoted(plan.title.In(l)) + ",\"line\":" +
                Quoted(std::string(plan.title.In(l)) + TitleSeparator.In(l) +
                       PlanSummary(plan, l)) +
                ",\"band\":" + (plan.IsBand() ? "true" : "false") + "}";
    }
    return Out(json + "]");
}

// The check against a licence: each finding (channel, whether a note, what
// it can be repaired by: 1 receive only, 2 narrow, 0 nothing) and the summary.
EMSCRIPTEN_KEEPALIVE const char* orin_licence_check(const std::uint8_t* bytes, const char* key,
                                                    int lang) {
    const ChannelPlan* plan = Plan(key);
    if (!plan) {
        return Out("null");
    }
    const Lang l = LangOf(lang);
    const std::vector<LicenceCheck::Finding> findings = LicenceCheck::Check(Copy(bytes), *plan);
    std::string json = "{\"findings\":[";
    bool first = true;
    for (const LicenceCheck::Finding& f : findings) {
        const int repair = f.kind == LicenceCheck::Kind::TxOutside ? 1
                           : f.kind == LicenceCheck::Kind::Wide    ? 2
                                                                   : 0;
        json += std::string(first ? "" : ",") + "{\"channel\":" + std::to_string(f.channel) +
                ",\"note\":" + (f.IsNote() ? "true" : "false") +
                ",\"repair\":" + std::to_string(repair) +
                ",\"text\":" + Quoted(LicenceCheck::FindingText(f, *plan, l)) + "}";
        first = false;
    }
    return Out(json + "],\"summary\":" +
               Quoted(LicenceCheck::OutsideText(LicenceCheck::ChannelsOutside(findings), *plan, l)) +
               "}");
}

// The two repairs on the channels (1-128) chosen: 1 receive only, 2 narrow.
EMSCRIPTEN_KEEPALIVE int orin_licence_repair(std::uint8_t* bytes, int repair,
                                             const char* channels) {
    MemoryImage image = Copy(bytes);
    if (repair == 2) {
        LicenceCheck::SetNarrow(image, Numbers(channels));
    } else {
        LicenceCheck::MakeReceiveOnly(image, Numbers(channels));
    }
    return Store(image, bytes);
}

// What the window asks before a write: channels outside the band edges (a
// Yes/No question), then with a licence chosen the channels transmitting
// outside it (the "Write anyway" button's name with it). Empty texts: nothing
// to ask.
EMSCRIPTEN_KEEPALIVE const char* orin_before_write(const std::uint8_t* bytes, const char* key,
                                                   int lang) {
    const Lang l = LangOf(lang);
    const MemoryImage image = Copy(bytes);
    const BandEdges band = DecodeBandLimits(image);
    std::string numbers;
    int listed = 0;
    for (const int n : ChannelOps::OutsideBand(image, band)) {
        if (listed == 20) {
            numbers += ", …";
            break;
        }
        numbers += (listed++ ? ", " : "") + std::to_string(n + 1);
    }
    std::string question;
    if (!numbers.empty()) {
        question = Replace(OutsideBandQuestion.In(l),
                           {numbers, std::to_string(band.lower), std::to_string(band.upper)});
    }
    std::string licence;
    if (const ChannelPlan* plan = Plan(key)) {
        const std::vector<int> outside =
            LicenceCheck::ChannelsOutside(LicenceCheck::Check(image, *plan));
        if (!outside.empty()) {
            licence = LicenceCheck::OutsideText(outside, *plan, l);
        }
    }
    return Out("{\"band\":" + Quoted(question) + ",\"licence\":" + Quoted(licence) +
               ",\"anyway\":" + Quoted(WriteAnyway.In(l)) + "}");
}

// Insert Channel Plan from channel from (0-127): the refusal (the plan's
// frequencies outside the band edges, no empty channel), the question when
// only some fit, or nothing to say; count: the channels that go in.
EMSCRIPTEN_KEEPALIVE const char* orin_plan_place(const std::uint8_t* bytes, const char* key,
                                                 int from, int lang) {
    const ChannelPlan* plan = Plan(key);
    if (!plan || plan->IsBand()) {
        return Out("null");
    }
    const Lang l = LangOf(lang);
    const MemoryImage image = Copy(bytes);
    if (const auto outside = PlanInsert::OutsideBandEdges(*plan, DecodeBandLimits(image), l)) {
        return Out("{\"refusal\":" + Quoted(*outside) + ",\"count\":0}");
    }
    const PlanInsert::Placement placement = PlanInsert::Place(image, *plan, from);
    const int count = static_cast<int>(placement.channels.size());
    std::string json = "{\"count\":" + std::to_string(count);
    if (!placement.Complete()) {
        const std::string room = PlanInsert::RoomText(placement, *plan, from, l);
        json += count == 0 ? ",\"refusal\":" + Quoted(room)
                           : ",\"question\":" +
                                 Quoted(room + " " +
                                        Replace(InsertFitting.In(l), {std::to_string(count)}));
    }
    return Out(json + "}");
}

EMSCRIPTEN_KEEPALIVE int orin_plan_insert(std::uint8_t* bytes, const char* key, int from) {
    const ChannelPlan* plan = Plan(key);
    if (!plan || plan->IsBand()) {
        return 0;
    }
    MemoryImage image = Copy(bytes);
    PlanInsert::Insert(image, *plan, PlanInsert::Place(image, *plan, from).channels);
    return Store(image, bytes);
}

} // extern "C"
