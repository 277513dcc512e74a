#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fleet/FleetNumbering.h"
#include "fleet/FleetRecord.h"
#include "image/MemoryImage.h"
#include "link/RadioLink.h"

// One radio of a fleet: the port its cable is on and the ID it gets (empty
// without numbering).
struct FleetRadio {
    std::string port;
    std::string id;
};

struct FleetOptions {
    FleetNumbering::Field field = FleetNumbering::Field::None;
    bool bVerify = true;
    int retries = 0; // answers to the communication prompt with Retry, per radio
    // Waits ms milliseconds: the real clock, or a virtual one in tests.
    std::function<void(int ms)> sleep;
};

// Writes one channel image into many radios, each with its own ID: a copy of
// the image per radio (the image itself never changes), the write, and with
// bVerify a full read back compared with what was written, so a radio counts
// as done only when it holds exactly that. Every radio has its own link and
// thread; one that fails does not stop the others.
class FleetWriter {
public:
    using LinkFactory = std::function<std::unique_ptr<RadioLink>(const std::string& port)>;
    // Called from the radio's thread as its blocks go (done of total).
    using Progress = std::function<void(std::size_t index, int done, int total)>;
    // Called as each radio finishes, one call at a time.
    using Finished = std::function<void(std::size_t index, const FleetResult& result)>;

    FleetWriter(const MemoryImage& image, FleetOptions options, LinkFactory links);

    // Writes every radio at once and returns when all have finished.
    void Run(const std::vector<FleetRadio>& radios, const Progress& progress,
             const Finished& finished);
    // One radio on the calling thread.
    FleetResult WriteOne(const FleetRadio& radio, std::size_t index, const Progress& progress);

    // Stops every radio at its next block; they are recorded as incomplete.
    // Holds until ResetCancel.
    void Cancel() { m_bCancel = true; }
    void ResetCancel() { m_bCancel = false; }
    bool Cancelled() const { return m_bCancel; }

    // Blocks per radio: the write, and the read back when verifying.
    int TotalBlocks() const;

private:
    MemoryImage m_Image;
    FleetOptions m_Options;
    LinkFactory m_Links;
    std::atomic<bool> m_bCancel{false};
};
