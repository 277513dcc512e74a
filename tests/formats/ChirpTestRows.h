#pragma once

#include <map>
#include <string>
#include <vector>

#include "formats/ChirpExport.h"
#include "formats/ChirpImport.h"

// CHIRP CSV rows for tests: every column of the current header with the value
// CHIRP writes for a plain simplex FM channel, changed where a test says so.
namespace ChirpTestRows {

using Fields = std::map<std::string, std::string>;

inline std::string HeaderLine() {
    std::string line;
    for (const char* name : ChirpExport::Header) {
        line += (line.empty() ? "" : ",") + std::string(name);
    }
    return line + "\n";
}

inline std::string Line(const Fields& changes) {
    Fields fields = {{"Location", "1"},      {"Name", "RPT"},        {"Frequency", "146.520000"},
                     {"Duplex", ""},         {"Offset", "0.000000"}, {"Tone", ""},
                     {"rToneFreq", "88.5"},  {"cToneFreq", "88.5"},  {"DtcsCode", "023"},
                     {"DtcsPolarity", "NN"}, {"RxDtcsCode", "023"},  {"CrossMode", "Tone->Tone"},
                     {"Mode", "FM"},         {"TStep", "5.00"},      {"Skip", ""},
                     {"Power", "5.0W"}};
    for (const auto& [name, value] : changes) {
        fields[name] = value;
    }
    std::string line;
    for (const char* name : ChirpExport::Header) {
        line += (line.empty() ? "" : ",") + fields[name];
    }
    return line + "\n";
}

inline std::string File(const std::vector<Fields>& rows) {
    std::string text = HeaderLine();
    for (const Fields& row : rows) {
        text += Line(row);
    }
    return text;
}

// The band most tests read against: wide enough for every frequency below.
inline constexpr BandEdges WideBand{100, 500};

} // namespace ChirpTestRows
