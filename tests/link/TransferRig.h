#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "RecordingHost.h"
#include "image/MemoryImage.h"
#include "link/InMemoryLink.h"
#include "link/SimulatedRadio.h"
#include "link/TransferSession.h"

// Passes every call on to another link and notes it in a trace, in the words
// "purge", "abort purge", "write 52 00 08 08", "read 12"; the host's sleeps
// go into the same trace as "sleep 15".
class TracingLink final : public RadioLink {
public:
    TracingLink(RadioLink& link, std::vector<std::string>& trace) : m_Link(link), m_Trace(trace) {}

    bool Open(const std::string& name) override { return m_Link.Open(name); }
    std::string OpenError() const override { return m_Link.OpenError(); }
    void Configure() override { m_Link.Configure(); }
    void Purge(bool bAbort) override {
        m_Trace.push_back(bAbort ? "abort purge" : "purge");
        m_Link.Purge(bAbort);
    }
    bool Write(const std::uint8_t* data, std::size_t n) override {
        static const char Hex[] = "0123456789abcdef";
        std::string text = "write";
        for (std::size_t i = 0; i < n; ++i) {
            text += {' ', Hex[data[i] >> 4], Hex[data[i] & 15]};
        }
        m_Trace.push_back(text);
        return m_Link.Write(data, n);
    }
    ReadResult Read(std::uint8_t* buffer, std::size_t n) override {
        m_Trace.push_back("read " + std::to_string(n));
        return m_Link.Read(buffer, n);
    }
    std::size_t Waiting() override { return m_Link.Waiting(); }
    void Close() override { m_Link.Close(); }

private:
    RadioLink& m_Link;
    std::vector<std::string>& m_Trace;
};

// The engine, a simulated radio and an in-memory link on the host's virtual
// clock. filter, when set, sits between the link and the radio and may
// change or drop what the radio says.
struct TransferRig {
    using Bytes = InMemoryLink::Bytes;

    RecordingHost host;
    SimulatedRadio radio;
    std::function<Bytes(const Bytes& written, Bytes reply)> filter;
    InMemoryLink link;
    std::vector<std::string> trace; // of the last Run, see TracingLink

    explicit TransferRig(const SimulatedRadioOptions& options = {},
                         const MemoryImage& memory = SimulatedRadio::DemoMemory())
        : radio(memory, options),
          link(
              [this](const Bytes& written) {
                  Bytes reply = radio.Receive(written);
                  return filter ? filter(written, reply) : reply;
              },
              [this](double ms) { host.clockMs += ms; }, options.bLineTiming, options.byteGapMs) {}

    TransferOutcome Run(TransferDirection direction, MemoryImage& image) {
        trace.clear();
        host.trace = &trace;
        TracingLink tracing(link, trace);
        TransferSession session(tracing, host);
        return session.Run(direction, "COM1", image);
    }

    // The part of the trace from the first entry equal to from (searching
    // from index start), count entries long; empty when from never came.
    std::vector<std::string> TraceFrom(const std::string& from, std::size_t count,
                                       std::size_t start = 0) const {
        for (std::size_t i = start; i < trace.size(); ++i) {
            if (trace[i] == from) {
                const std::size_t end = std::min(trace.size(), i + count);
                return std::vector<std::string>(trace.begin() + long(i), trace.begin() + long(end));
            }
        }
        return {};
    }

    // The last byte of every wake-up frame sent, in order.
    std::string WakeUpEndings() const {
        std::string endings;
        const auto& w = link.Written();
        for (std::size_t i = 0; i + 6 < w.size(); ++i) {
            if (w[i] == Bytes{0x02} && w[i + 1] == Bytes{'P'} && w[i + 5] == Bytes{'R'}) {
                endings += static_cast<char>(w[i + 6].at(0));
            }
        }
        return endings;
    }

    // Every 4-byte request frame ('R' or 'W' header), in order.
    std::vector<Bytes> Requests() const {
        std::vector<Bytes> requests;
        for (const Bytes& w : link.Written()) {
            if (w.size() == 4 && (w[0] == 'R' || w[0] == 'W')) {
                requests.push_back(w);
            }
        }
        return requests;
    }

    // Index in Written() of the first write equal to bytes, or -1.
    int FirstWrite(const Bytes& bytes, std::size_t from = 0) const {
        const auto& w = link.Written();
        for (std::size_t i = from; i < w.size(); ++i) {
            if (w[i] == bytes) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
};
