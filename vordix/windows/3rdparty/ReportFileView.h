#pragma once
// How the detail dialog presents a report file: its size, and its first
// bytes as text or, for binary data, as a hex dump.

#include <QByteArray>
#include <QString>

namespace crash {

// "1023 Byte", "2 KB" (thousands), or "?" when the file cannot be found.
QString sizeText(const QString& path);
// Binary when the first bytes (at most 10000) hold more than four bytes that
// are neither printable, tab, line or page breaks, nor parts of UTF-8 text.
bool looksBinary(const QByteArray& data);
// 16 bytes a line: "0x" offset, four little-endian words, the characters.
QString hexDump(const QByteArray& data);
// The first 32768 bytes of a file; empty when it cannot be read.
QByteArray fileStart(const QString& path);

} // namespace crash
