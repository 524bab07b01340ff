#pragma once

#include <QByteArrayView>

// CRC-32 as zlib and PNG compute it (reflected polynomial 0xEDB88320, start
// and final value 0xFFFFFFFF); Previous continues an earlier sum.
quint32 Crc32(QByteArrayView Bytes, quint32 Previous = 0);
