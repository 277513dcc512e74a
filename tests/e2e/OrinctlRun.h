#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/ScratchDir.h"

// orinctl run as a user runs it, from a shell in a scratch directory.
struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs orinctl with args (each quoted for the shell) in dir. A run that has
// not ended after 60 s is stopped (exit code 124): a hang fails the test.
inline CliRun Orinctl(const ScratchDir& dir, const std::vector<std::string>& args) {
    std::string command = "cd '" + dir.Path().string() + "' && timeout 60 '" ORINCTL_PATH "'";
    for (const std::string& a : args) {
        command += " '" + a + "'";
    }
    command += " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ScratchDir::Read(dir.File("stdout.txt"));
    run.err = ScratchDir::Read(dir.File("stderr.txt"));
    return run;
}
