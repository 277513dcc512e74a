#include "e2e/ChildProcess.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

ChildProcess::ChildProcess(const std::vector<std::string>& argv, bool bStdin) {
    int out[2];
    int err[2];
    int in[2] = {-1, -1};
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0 ||
        (bStdin && pipe2(in, O_CLOEXEC) != 0)) {
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (bStdin) {
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    }
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    std::vector<char*> args;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    if (posix_spawn(&m_Pid, args[0], &actions, nullptr, args.data(), environ) != 0) {
        m_Pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);
    if (bStdin) {
        close(in[0]);
        m_InFd = in[1];
    }
    m_OutFd = out[0];
    m_ErrFd = err[0];
}

ChildProcess::~ChildProcess() {
    if (m_Pid > 0 && !m_bExited) {
        Terminate();
        if (Wait(std::chrono::milliseconds(5000)) < 0 && !m_bExited) {
            kill(m_Pid, SIGKILL);
            waitpid(m_Pid, &m_Status, 0);
        }
    }
    for (int fd : {m_OutFd, m_ErrFd, m_InFd}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

bool ChildProcess::Collect(std::chrono::milliseconds limit) {
    pollfd fds[2] = {{m_OutFd, POLLIN, 0}, {m_ErrFd, POLLIN, 0}}; // -1 is left out
    if (poll(fds, 2, static_cast<int>(limit.count())) <= 0) {
        return false;
    }
    bool bGot = false;
    for (int i = 0; i < 2; ++i) {
        if (fds[i].revents & (POLLIN | POLLHUP)) {
            char buffer[4096];
            const ssize_t r = read(fds[i].fd, buffer, sizeof buffer);
            if (r > 0) {
                (i == 0 ? m_Out : m_Err).append(buffer, static_cast<std::size_t>(r));
                bGot = true;
            }
        }
    }
    return bGot;
}

std::string ChildProcess::ReadLine(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (m_Out.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !Collect(left)) {
            if (std::chrono::steady_clock::now() >= deadline) {
                return {};
            }
        }
    }
    const std::size_t end = m_Out.find('\n');
    std::string line = m_Out.substr(0, end);
    m_Out.erase(0, end + 1);
    return line;
}

bool ChildProcess::WaitForStderr(const std::string& text, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (m_Err.find(text) == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        Collect(left);
    }
    return true;
}

int ChildProcess::Wait(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!m_bExited) {
        if (waitpid(m_Pid, &m_Status, WNOHANG) == m_Pid) {
            m_bExited = true;
            break;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return -1;
        }
        // Draining the pipes is the wait: the child's exit closes them.
        if (!Collect(std::min(left, std::chrono::milliseconds(50)))) {
            continue;
        }
    }
    while (Collect(std::chrono::milliseconds(0))) {
    }
    return WIFEXITED(m_Status) ? WEXITSTATUS(m_Status) : -1;
}

void ChildProcess::Signal(int signal) {
    if (m_Pid > 0 && !m_bExited) {
        kill(m_Pid, signal);
    }
}

void ChildProcess::WriteStdin(const std::string& text) {
    [[maybe_unused]] const ssize_t n = write(m_InFd, text.data(), text.size());
}

void ChildProcess::CloseStdout() {
    close(m_OutFd);
    m_OutFd = -1;
}

std::string StartSimulate(std::unique_ptr<ChildProcess>& radio,
                          const std::vector<std::string>& args) {
    std::vector<std::string> argv = {ORINCTL_PATH, "simulate"};
    argv.insert(argv.end(), args.begin(), args.end());
    radio = std::make_unique<ChildProcess>(argv);
    return radio->ReadLine(std::chrono::seconds(10));
}
