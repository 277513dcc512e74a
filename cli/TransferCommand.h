#pragma once

#include <optional>
#include <string>
#include <vector>

#include "compare/ImageCompare.h"
#include "image/MemoryImage.h"
#include "link/TransferSession.h"

// What orinctl read and orinctl write share: one transfer over the serial
// link with a console host that reports in lang.
TransferOutcome RunConsoleTransfer(TransferDirection direction, const std::string& port,
                                   int retries, MemoryImage& image, Lang lang = Lang::English);

// Each retry may take minutes against a dead line; more than this is a typo.
inline constexpr int MaxRetries = 100;

// --retries N as a count from 0 to MaxRetries, or -1 otherwise.
int ParseRetries(const std::string& text);

// Reads the radio on port into memory (nothing is written to disk) and
// compares it with written over the bytes a transfer carries. The comparison
// is set only when the read completed.
TransferOutcome ReadBackAndCompare(const std::string& port, int retries, const MemoryImage& written,
                                   Lang lang, std::optional<ImageComparison>& comparison);
