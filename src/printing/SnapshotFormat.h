#pragma once

#include <QByteArray>

// Constants of the snapshot format (.ndr files and QMRK.RPT); the layout is
// described in SnapshotFormat.md beside this file.
namespace SnapshotFormat {
inline const QByteArray Magic = QByteArrayLiteral("QMRKSNAP");
constexpr quint16 Version = 1;
constexpr int HeaderSize = 32;
constexpr int BlockOverhead = 12; // tag, length, CRC-32
inline const QByteArray PageTag = QByteArrayLiteral("PAGE");
inline const QByteArray JobTag = QByteArrayLiteral("JOBS");
inline const QByteArray IndexTag = QByteArrayLiteral("INDX");
// A block longer than this is taken as damage rather than read into memory.
constexpr quint32 MaxBlockLength = 256u * 1024 * 1024;
} // namespace SnapshotFormat
