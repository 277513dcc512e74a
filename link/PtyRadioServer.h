#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class SimulatedRadio;

// Puts a SimulatedRadio behind a pseudo-terminal: the program opens
// SlavePath() like a serial port. With the radio's line timing on, every
// byte takes as long as on a 9600-baud line in both directions.
class PtyRadioServer {
public:
    explicit PtyRadioServer(SimulatedRadio& radio);
    PtyRadioServer(const PtyRadioServer&) = delete;
    PtyRadioServer& operator=(const PtyRadioServer&) = delete;
    ~PtyRadioServer();

    // Creates the pseudo-terminal; false with error set when that fails.
    bool Start(std::string& error);
    const std::string& SlavePath() const { return m_SlavePath; }

    // Answers the program until Stop(); afterWrite runs after every completed
    // write session (the radio's memory is then worth keeping).
    void Serve(const std::function<void()>& afterWrite = {});
    // Ends Serve from another thread or a signal handler.
    void Stop();
    // The descriptor a signal handler may write a byte to, to end Serve.
    int StopFd() const { return m_StopPipe[1]; }

private:
    using Clock = std::chrono::steady_clock;
    struct Outgoing {
        Clock::time_point due;
        std::vector<std::uint8_t> bytes;
    };

    void TakeInput(const std::uint8_t* data, std::size_t n);
    void SendDue();

    SimulatedRadio& m_Radio;
    int m_Master = -1;
    int m_Slave = -1; // kept open so the master never reads EIO between sessions
    int m_StopPipe[2] = {-1, -1};
    std::string m_SlavePath;
    std::deque<Outgoing> m_Outgoing;
    Clock::time_point m_InClock{};  // when the last received byte has crossed the line
    Clock::time_point m_OutClock{}; // when the last reply byte will have crossed it
    long m_BytesIn = 0;
};
