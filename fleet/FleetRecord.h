#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Lang.h"
#include "fleet/FleetText.h"

// How one radio of a fleet went: the line it gets in the record, on
// orinctl's output and in the window's table.
struct FleetResult {
    std::string when; // local date and time it finished, "2026-12-08 09:41:07"
    std::string port;
    std::string id; // the ID given, empty without numbering
    std::string model;
    std::string version; // the version byte in hex, "37"
    bool bOk = false;    // written, and verified when asked
    FleetText result;    // "verified", "written" or the failure with its reason
    double seconds = 0;
    FleetText reason; // of a failure, without the words that say it failed
};

// The record of a fleet: a CSV file with one line per radio, added to as each
// finishes, by the window and by orinctl alike.
namespace FleetRecord {

// The columns, in the language of the program that starts the file.
std::vector<std::string> Header(Lang lang);
std::vector<std::string> Fields(const FleetResult& result, Lang lang);

// The local date and time now, as the record writes it.
std::string Now();

// The file the window offers beside a document: "club.sin" -> "club-fleet.csv".
std::string BesideDocument(const std::string& documentPath);

// Adds the result's line to the file at path (with the header first when the
// file is new) in one write, so a record is never left with half a line and
// two programs adding to one record keep every line. lang is the record's own
// language, the one Prepare gave. False with a reason in both languages when
// the file cannot be written: it is read-only, not a regular file, or the name
// is a symbolic link another user made in a shared folder (/tmp), which is not
// followed, as no other file this program writes follows one.
bool Append(const std::string& path, const FleetResult& result, Lang lang, FleetText& error);
// Makes sure path can be the record before any radio is touched: a new or
// empty file gets its header (in lang) now; an existing record keeps the
// language of its header, which is returned. Refused, and left as it is:
// anything Append refuses, the channel file being written, any name ending
// in .sin, and a file whose first line is not a record's header.
std::optional<Lang> Prepare(const std::string& path, Lang lang, FleetText& error,
                            const std::string& channelFile = {});

} // namespace FleetRecord
