#pragma once

#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <memory>
#include <string>
#include <vector>

// A program started by a test, with its stdout and stderr on pipes. Waiting
// is done on the pipes and on the child with time limits, never by sleeping.
class ChildProcess {
public:
    // With bStdin the child reads a pipe the test holds open (WriteStdin);
    // without, the test's own standard input.
    explicit ChildProcess(const std::vector<std::string>& argv, bool bStdin = false);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The next line of stdout, or "" when none came within the limit.
    std::string ReadLine(std::chrono::milliseconds limit);
    // Collects stderr until it contains text or the limit passes.
    bool WaitForStderr(const std::string& text, std::chrono::milliseconds limit);
    // Waits for the exit; the exit code, or -1 on timeout or a signal.
    int Wait(std::chrono::milliseconds limit);
    void Terminate() { Signal(SIGTERM); }
    void Signal(int signal);
    void WriteStdin(const std::string& text);
    // Closes the reading end of the child's stdout, as `| head -n 1` does.
    void CloseStdout();
    // Whether the child ended by a signal (Wait returned -1 with it gone).
    bool Killed() const { return m_bExited && WIFSIGNALED(m_Status); }
    const std::string& Stderr() const { return m_Err; }

private:
    bool Collect(std::chrono::milliseconds limit);

    int m_Pid = -1;
    int m_OutFd = -1;
    int m_ErrFd = -1;
    int m_InFd = -1;
    int m_Status = -1;
    bool m_bExited = false;
    std::string m_Out;
    std::string m_Err;
};

// Starts `orinctl simulate args` into radio and returns the pseudo-terminal it
// announced ("" when none came within 10 s).
std::string StartSimulate(std::unique_ptr<ChildProcess>& radio,
                          const std::vector<std::string>& args = {});
