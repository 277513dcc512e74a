#pragma once

#include <string>
#include <vector>

#include "image/MemoryImage.h"
#include "link/TransferSession.h"

// What orinctl read and orinctl write share: one transfer over the serial
// link with a console host.
TransferOutcome RunConsoleTransfer(TransferDirection direction, const std::string& port,
                                   int retries, MemoryImage& image);

// --retries N as a count, or -1 when the text is no count.
int ParseRetries(const std::string& text);
