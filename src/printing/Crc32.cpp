#include "Crc32.h"

#include <array>

namespace {

std::array<quint32, 256> MakeTable()
{
    std::array<quint32, 256> Table {};
    for (quint32 N = 0; N < 256; ++N) {
        quint32 C = N;
        for (int K = 0; K < 8; ++K)
            C = (C & 1) ? 0xEDB88320u ^ (C >> 1) : C >> 1;
        Table[N] = C;
    }
    return Table;
}

} // namespace

quint32 Crc32(QByteArrayView Bytes, quint32 Previous)
{
    static const std::array<quint32, 256> Table = MakeTable();
    quint32 C = Previous ^ 0xFFFFFFFFu;
    for (const char Byte : Bytes)
        C = Table[(C ^ quint8(Byte)) & 0xFF] ^ (C >> 8);
    return C ^ 0xFFFFFFFFu;
}
