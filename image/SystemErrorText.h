#pragma once

#include <string>

// The Chinese words for the system errors a file or a port meets, for Chinese
// messages: the system itself says them in English. error is an errno value;
// empty for one without Chinese words here (the caller keeps the system's).
std::string ChineseSystemError(int error);
