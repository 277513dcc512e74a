#include "cli/TransferCommand.h"

#include <iostream>

#include "cli/ConsoleTransferHost.h"
#include "link/SystemSerialLink.h"

TransferOutcome RunConsoleTransfer(TransferDirection direction, const std::string& port,
                                   int retries, MemoryImage& image) {
    ConsoleTransferHost::CatchInterrupts();
    ConsoleTransferHost host(retries);
    SystemSerialLink link;
    TransferSession session(link, host);
    const TransferOutcome outcome = session.Run(direction, port, image);
    if (outcome == TransferOutcome::Cancelled) {
        std::cerr << "cancelled\n";
    }
    return outcome;
}

int ParseRetries(const std::string& text) {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return -1;
    }
    return std::stoi(text);
}
