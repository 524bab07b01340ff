#pragma once

#include <QtGlobal>

// How the bytes of one record field are read.
enum class TFieldType : quint8 {
    Str, // one length byte, then Length single-byte characters (Windows-1252)
    Money, // IEEE 754 double, little-endian, in dollars
    Flag, // one byte, 0 or 1
    Int32 // four bytes, little-endian, signed
};

// One named field of a fixed-size record layout. For Str, Length is the n of
// Str[n] and the field occupies n + 1 bytes; for the others it is the size.
struct TFieldDef {
    const char *Name;
    int Offset;
    TFieldType Type;
    int Length;

    constexpr int Size() const { return Type == TFieldType::Str ? Length + 1 : Length; }
};

constexpr TFieldDef StrField(const char *Name, int Offset, int N)
{
    return { Name, Offset, TFieldType::Str, N };
}

constexpr TFieldDef MoneyField(const char *Name, int Offset)
{
    return { Name, Offset, TFieldType::Money, 8 };
}

constexpr TFieldDef FlagField(const char *Name, int Offset)
{
    return { Name, Offset, TFieldType::Flag, 1 };
}

constexpr TFieldDef Int32Field(const char *Name, int Offset)
{
    return { Name, Offset, TFieldType::Int32, 4 };
}
