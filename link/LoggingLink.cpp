#include "link/LoggingLink.h"

#include <cstdio>

LoggingLink::LoggingLink(RadioLink& inner)
    : m_Inner(inner), m_Start(std::chrono::steady_clock::now()) {}

bool LoggingLink::Open(const std::string& name) {
    const bool ok = m_Inner.Open(name);
    Add("open", {}, name + (ok ? "" : " failed: " + m_Inner.OpenError()));
    return ok;
}

void LoggingLink::Configure() {
    m_Inner.Configure();
    Add("configure", {}, "");
}

void LoggingLink::Purge(bool bAbort) {
    m_Inner.Purge(bAbort);
    // Purges come before nearly every frame; only the aborting one is worth a line.
    if (bAbort) {
        Add("purge", {}, "abort");
    }
}

bool LoggingLink::Write(const std::uint8_t* data, std::size_t n) {
    const bool ok = m_Inner.Write(data, n);
    Add("sent", {data, data + n}, ok ? "" : "write failed");
    return ok;
}

RadioLink::ReadResult LoggingLink::Read(std::uint8_t* buffer, std::size_t n) {
    const ReadResult result = m_Inner.Read(buffer, n);
    std::string note = std::to_string(result.count) + " of " + std::to_string(n);
    if (!result.ok) {
        note += ", port error";
    }
    Add("received", {buffer, buffer + result.count}, note);
    return result;
}

std::size_t LoggingLink::Waiting() {
    const std::size_t waiting = m_Inner.Waiting();
    // Only bytes nobody asked for are worth a line in the log.
    if (waiting > 0) {
        Add("waiting", {}, std::to_string(waiting) + " bytes beyond the reply");
    }
    return waiting;
}

void LoggingLink::Close() {
    m_Inner.Close();
    Add("close", {}, "");
}

void LoggingLink::Add(const std::string& what, std::vector<std::uint8_t> bytes,
                      const std::string& note) {
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - m_Start;
    m_Entries.push_back({elapsed.count(), what, std::move(bytes), note});
}

std::string LoggingLink::Text() const {
    std::string text;
    char head[48];
    for (const Entry& e : m_Entries) {
        std::snprintf(head, sizeof head, "%10.3f ms  %-9s", e.ms, e.what.c_str());
        text += head;
        for (std::uint8_t b : e.bytes) {
            char hex[4];
            std::snprintf(hex, sizeof hex, " %02X", b);
            text += hex;
        }
        if (!e.note.empty()) {
            text += e.bytes.empty() ? " " : "  ";
            text += "(" + e.note + ")";
        }
        text += '\n';
    }
    return text;
}
