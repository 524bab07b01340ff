#pragma once

#include <Qt>

// Horizontal alignment of the text in a single-line entry field.
enum class TAlignment { LeftJustify, RightJustify, Center };

inline Qt::Alignment ToQtAlignment(TAlignment Alignment)
{
    switch (Alignment) {
    case TAlignment::RightJustify:
        return Qt::AlignRight | Qt::AlignVCenter;
    case TAlignment::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
