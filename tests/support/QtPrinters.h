// How test failures print Qt values.
#pragma once

#include <QString>

#include <ostream>

// Found by argument-dependent lookup, so it sits in QString's namespace.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
