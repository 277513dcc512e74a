#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/Lang.h"
#include "link/PortFacts.h"
#include "link/RadioLink.h"

// One step of the connection check and how it went, in both languages.
struct CheckStep {
    enum class Kind { Port, Cable, Radio, Line };

    Kind kind = Kind::Port;
    bool ok = false;
    std::string english;
    std::string chinese;

    const std::string& Reason(Lang lang) const { return lang == Lang::Chinese ? chinese : english; }
    // "Port", "端口"
    static const char* Name(Kind kind, Lang lang);
    // "✓ Port: /dev/ttyUSB0 opens", the line the report shows and copies.
    std::string Line(Lang lang) const;
};

// The steps run, up to the first that failed.
struct ConnectionReport {
    std::vector<CheckStep> steps;
    bool bCancelled = false;

    // Every step passed: the radio answered.
    bool RadioAnswered() const;
    // One line per step.
    std::string Text(Lang lang) const;
};

// Tells why a radio does not answer, before a read or write fails: the port
// (it exists, its USB identity, it opens), the cable (does it echo), the radio
// (wake-up, identity, acknowledgement: the opening of a transfer, done by
// TransferSession itself) and the line (how fast the radio answers). Nothing
// of the radio's memory is written, and nothing read is kept.
class ConnectionCheck {
public:
    // Milliseconds on a steady clock; tests give a virtual one.
    using Clock = std::function<double()>;
    using Sleeper = std::function<void(int ms)>;
    using CancelFlag = std::function<bool()>;

    // A good line answers the wake-up within this; a transfer waits 590 ms.
    static constexpr double SlowWakeUpMs = 100;
    // Gaps between a reply's bytes longer than this on average are slow: a
    // good line carries a byte in about 1 ms, and a transfer takes longer.
    static constexpr double SlowByteGapMs = 8;

    ConnectionCheck(RadioLink& link, Sleeper sleep, Clock now, CancelFlag cancel = {});

    ConnectionReport Run(const std::string& portName, const PortFacts& facts);

private:
    RadioLink& m_Link;
    Sleeper m_Sleep;
    Clock m_Now;
    CancelFlag m_Cancel;
};
