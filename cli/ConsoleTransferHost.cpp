#include "cli/ConsoleTransferHost.h"

#include <chrono>
#include <csignal>
#include <iostream>
#include <thread>

#include "image/ImageMap.h"
#include "link/TransferTexts.h"

namespace {

volatile std::sig_atomic_t g_Interrupted = 0;

void OnInterrupt(int) {
    g_Interrupted = 1;
}

} // namespace

ConsoleTransferHost::ConsoleTransferHost(int retries, Lang lang)
    : m_RetriesLeft(retries), m_Lang(lang) {}

void ConsoleTransferHost::CatchInterrupts() {
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
}

void ConsoleTransferHost::SetStatusText(const std::string& text) {
    // Block numbers come 397 times; every 50th and the last are enough.
    const bool bNumber = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    if (bNumber) {
        const int block = std::stoi(text);
        if (block % 50 != 0 && block != ImageMap::BlockCount) {
            return;
        }
        const std::string count = std::to_string(block);
        const std::string all = std::to_string(ImageMap::BlockCount);
        std::cerr << BiText{"block ", "第 "}.In(m_Lang) << count
                  << BiText{" of ", " 块，共 "}.In(m_Lang) << all << BiText{"", " 块"}.In(m_Lang)
                  << '\n';
        return;
    }
    for (const BiText& line : TransferTexts::StatusLines) {
        if (text == line.english) {
            std::cerr << line.In(m_Lang) << '\n';
            return;
        }
    }
    std::cerr << text << '\n';
}

bool ConsoleTransferHost::CancelRequested() {
    return g_Interrupted != 0;
}

void ConsoleTransferHost::Sleep(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void ConsoleTransferHost::ShowMessage(const HostMessage& message) {
    std::cerr << message.text.In(m_Lang) << '\n';
    if (message.note) {
        std::cerr << message.note->In(m_Lang) << '\n';
    }
    if (!message.details.empty()) {
        std::cerr << message.details << '\n';
    }
}

bool ConsoleTransferHost::AskRetryCancel(const BiText& text) {
    std::cerr << text.In(m_Lang) << '\n';
    if (m_RetriesLeft > 0) {
        --m_RetriesLeft;
        std::cerr << BiText{"retrying", "重试"}.In(m_Lang) << '\n';
        return true;
    }
    return false;
}
