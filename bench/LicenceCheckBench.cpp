// The licence check of a full channel list, as it runs before every write:
// 128 channels that all transmit, each with a finding.
#include <chrono>
#include <iostream>

#include "image/Channel.h"
#include "image/ImageMap.h"
#include "plans/LicenceCheck.h"

int main() {
    MemoryImage image = ImageMap::NewDocumentImage();
    for (int n = 0; n < ImageMap::ChannelCount; ++n) {
        Channel c = ReadChannel(EmptyRawChannel());
        c.rxFrequency = 46255000;
        c.txFrequency = 46255000 + static_cast<std::uint32_t>(n) * 1250;
        c.width = Width::Wide;
        c.power = Power::High;
        WriteChannel(c, n, image);
    }
    for (const ChannelPlan& plan : AllPlans()) {
        constexpr int Runs = 1000;
        std::size_t found = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int k = 0; k < Runs; ++k) {
            found += LicenceCheck::Check(image, plan).size();
        }
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        std::cout << plan.key << ": " << took.count() / Runs << " us per check of 128 channels ("
                  << found / Runs << " findings)\n";
    }
    return 0;
}
