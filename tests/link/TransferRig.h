#pragma once

#include <functional>
#include <string>
#include <vector>

#include "RecordingHost.h"
#include "image/MemoryImage.h"
#include "link/InMemoryLink.h"
#include "link/SimulatedRadio.h"
#include "link/TransferSession.h"

// The engine, a simulated radio and an in-memory link on the host's virtual
// clock. filter, when set, sits between the link and the radio and may
// change or drop what the radio says.
struct TransferRig {
    using Bytes = InMemoryLink::Bytes;

    RecordingHost host;
    SimulatedRadio radio;
    std::function<Bytes(const Bytes& written, Bytes reply)> filter;
    InMemoryLink link;

    explicit TransferRig(const SimulatedRadioOptions& options = {},
                         const MemoryImage& memory = SimulatedRadio::DemoMemory())
        : radio(memory, options),
          link(
              [this](const Bytes& written) {
                  Bytes reply = radio.Receive(written);
                  return filter ? filter(written, reply) : reply;
              },
              [this](double ms) { host.clockMs += ms; }, options.bLineTiming) {}

    TransferOutcome Run(TransferDirection direction, MemoryImage& image) {
        TransferSession session(link, host);
        return session.Run(direction, "COM1", image);
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
