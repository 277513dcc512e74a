#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "link/RadioLink.h"

class SimulatedRadio;

// A RadioLink without a port: what is written goes to a responder (usually a
// SimulatedRadio), its answer waits in the receive queue. Time passes only
// through the waiter, so tests run on a virtual clock and the window's
// built-in simulated radio on the real one. Counts and records everything, and
// can be told to fail.
class InMemoryLink final : public RadioLink {
public:
    using Bytes = std::vector<std::uint8_t>;
    using Responder = std::function<Bytes(const Bytes& written)>;
    using Waiter = std::function<void(double ms)>;

    // byteGapMs: the radio leaves this long before each byte of its answers,
    // as a slow radio does; the reads then wait for the bytes as a port would.
    InMemoryLink(Responder responder, Waiter waiter, bool bLineTiming = false,
                 double byteGapMs = 0);
    // A responder that hands the bytes to radio (which must outlive it).
    static Responder Over(SimulatedRadio& radio);

    bool Open(const std::string& name) override;
    std::string OpenError() const override { return m_OpenFailure; }
    OpenProblem OpenFailure() const override { return m_OpenProblem; }
    void Configure() override { ++m_Configures; }
    void Purge(bool bAbort) override;
    bool Write(const std::uint8_t* data, std::size_t n) override;
    ReadResult Read(std::uint8_t* buffer, std::size_t n) override;
    std::size_t Waiting() override;
    void Close() override;

    // Fault injection: Open fails with this reason (empty: Open succeeds).
    void SetOpenFailure(const std::string& reason, OpenProblem problem = OpenProblem::Other) {
        m_OpenFailure = reason;
        m_OpenProblem = problem;
    }
    // A write fails (nothing sent) when this returns true for its bytes.
    void SetWriteFailure(std::function<bool(const Bytes&)> fails) { m_WriteFails = fails; }
    // A read fails as a port error when this returns true for its length.
    void SetReadFailure(std::function<bool(std::size_t)> fails) { m_ReadFails = fails; }

    const std::string& PortName() const { return m_PortName; }
    int Opens() const { return m_Opens; }
    int Closes() const { return m_Closes; }
    int Configures() const { return m_Configures; }
    int AbortPurges() const { return m_AbortPurges; }
    bool IsOpen() const { return m_bOpen; }
    // Every successful write, in order, as it was handed over.
    const std::vector<Bytes>& Written() const { return m_Written; }

private:
    void Wait(double ms) {
        m_NowMs += ms;
        m_Waiter(ms);
    }
    ReadResult ReadPaced(std::uint8_t* buffer, std::size_t n);

    Responder m_Responder;
    Waiter m_Waiter;
    bool m_bLineTiming;
    double m_ByteGapMs;
    double m_NowMs = 0; // the time the link has waited, on the waiter's clock
    std::deque<std::uint8_t> m_Incoming;
    std::deque<double> m_Arrivals; // when each incoming byte is there, with a byte gap
    std::string m_OpenFailure;
    OpenProblem m_OpenProblem = OpenProblem::Other;
    std::function<bool(const Bytes&)> m_WriteFails;
    std::function<bool(std::size_t)> m_ReadFails;
    std::string m_PortName;
    bool m_bOpen = false;
    int m_Opens = 0;
    int m_Closes = 0;
    int m_Configures = 0;
    int m_AbortPurges = 0;
    std::vector<Bytes> m_Written;
};
