#pragma once

// Readable failure output for Qt strings in GoogleTest assertions.
#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
