#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "link/RadioLink.h"

// Wraps the link of one transfer and notes every frame sent and received with
// its time, so that a failing cable or radio can be diagnosed afterwards.
class LoggingLink final : public RadioLink {
public:
    struct Entry {
        double ms = 0;    // since the link was created
        std::string what; // "open", "sent", "received", "purge", ...
        std::vector<std::uint8_t> bytes;
        std::string note;
    };

    explicit LoggingLink(RadioLink& inner);

    bool Open(const std::string& name) override;
    std::string OpenError() const override { return m_Inner.OpenError(); }
    OpenProblem OpenFailure() const override { return m_Inner.OpenFailure(); }
    void Configure() override;
    void Purge(bool bAbort) override;
    bool Write(const std::uint8_t* data, std::size_t n) override;
    ReadResult Read(std::uint8_t* buffer, std::size_t n) override;
    std::size_t Waiting() override;
    void Close() override;

    const std::vector<Entry>& Entries() const { return m_Entries; }
    // One line per entry: time in ms, what happened, the bytes in hex.
    std::string Text() const;

private:
    void Add(const std::string& what, std::vector<std::uint8_t> bytes, const std::string& note);

    RadioLink& m_Inner;
    std::chrono::steady_clock::time_point m_Start;
    std::vector<Entry> m_Entries;
};
