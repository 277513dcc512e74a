#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
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
// input, when given, is its standard input; out names where its standard
// output goes: a file in dir, or a device by its full path. The files made in
// dir are removed once read (the next run may be another user's).
inline CliRun Orinctl(const ScratchDir& dir, const std::vector<std::string>& args,
                      const std::string& input = {}, const std::string& out = "stdout.txt") {
    std::string command = "cd '" + dir.Path().string() + "' && timeout 60 '" ORINCTL_PATH "'";
    for (const std::string& a : args) {
        command += " '" + a + "'";
    }
    if (!input.empty()) {
        dir.Write("stdin.txt", input);
        command += " <stdin.txt";
    }
    command += " >'" + out + "' 2>stderr.txt";
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ScratchDir::Read(dir.File("stderr.txt"));
    std::vector<std::string> made = {"stderr.txt", "stdin.txt"};
    if (out.find('/') == std::string::npos) { // a file of dir, not a device such as /dev/full
        run.out = ScratchDir::Read(dir.File(out));
        made.push_back(out);
    }
    for (const std::string& name : made) {
        std::error_code ignored;
        std::filesystem::remove(dir.File(name), ignored);
    }
    return run;
}

// The lines of a program's output, without their line breaks.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}
