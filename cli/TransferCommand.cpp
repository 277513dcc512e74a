#include "cli/TransferCommand.h"

#include <iostream>

#include "cli/ConsoleTransferHost.h"
#include "link/SystemSerialLink.h"

TransferOutcome RunConsoleTransfer(TransferDirection direction, const std::string& port,
                                   int retries, MemoryImage& image, Lang lang) {
    ConsoleTransferHost::CatchInterrupts();
    ConsoleTransferHost host(retries, lang);
    SystemSerialLink link;
    TransferSession session(link, host);
    const TransferOutcome outcome = session.Run(direction, port, image);
    if (outcome == TransferOutcome::Cancelled) {
        std::cerr << BiText{"cancelled", "已取消"}.In(lang) << '\n';
    }
    if (outcome == TransferOutcome::SyncFailed || outcome == TransferOutcome::PortNotOpened) {
        std::cerr << "'orinctl probe --port " << port << "' "
                  << BiText{"tells why, step by step", "会逐步查明原因"}.In(lang) << '\n';
    }
    return outcome;
}

int ParseRetries(const std::string& text) {
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return -1;
    }
    const int count = std::stoi(text);
    return count <= MaxRetries ? count : -1;
}

TransferOutcome ReadBackAndCompare(const std::string& port, int retries, const MemoryImage& written,
                                   Lang lang, std::optional<ImageComparison>& comparison) {
    // The bytes a read does not carry come from the file, so only the carried
    // ones can differ.
    MemoryImage radio = written;
    const TransferOutcome outcome =
        RunConsoleTransfer(TransferDirection::Read, port, retries, radio, lang);
    comparison.reset();
    if (outcome == TransferOutcome::Completed) {
        comparison = CompareImages(written, radio, CompareScope::Transferred, lang);
    }
    return outcome;
}
