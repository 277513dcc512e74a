#pragma once

#include <string>
#include <vector>

// One function per orinctl subcommand; args exclude the program and subcommand
// names. Each returns ExitOk, ExitFailure or ExitUsage and handles --help.
int RunNew(const std::vector<std::string>& args);
int RunDump(const std::vector<std::string>& args);
int RunImport(const std::vector<std::string>& args);
int RunSettings(const std::vector<std::string>& args);
int RunDiff(const std::vector<std::string>& args);
int RunVerify(const std::vector<std::string>& args);
int RunRead(const std::vector<std::string>& args);
int RunWrite(const std::vector<std::string>& args);
int RunPlan(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);
int RunSimulate(const std::vector<std::string>& args);
int RunProbe(const std::vector<std::string>& args);
