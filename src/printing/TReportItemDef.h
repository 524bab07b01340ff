#pragma once

#include "ReportTypes.h"
#include "TReportFont.h"

#include <QRgb>
#include <QString>

// One drawing item of a report in a report project, in inches from the
// page's top-left corner. A field prints the value of a named parameter.
struct TReportItemDef {
    enum class TKind { Line, Rect, Text, Field };
    enum class TVAlign { Top, Center, Bottom };

    TKind Kind = TKind::Line;
    double X = 0, Y = 0, X2 = 0, Y2 = 0;
    double Width = 0, Height = 0; // Height 0: one line of the font
    double Radius = 0;
    double Pen = 0.01;
    QRgb Color = 0xFF000000;
    bool Filled = false;
    QRgb Fill = 0xFF000000;
    bool PreviewOnly = false;
    // Pre-printed matter of a form (rules, captions, titles): left out when
    // the run prints the data alone onto a printed form.
    bool Background = false;
    TReportFont Font;
    TTextAlign Align = TTextAlign::Left;
    TVAlign VAlign = TVAlign::Top;
    bool Clip = false;
    // Fit: a text wider than Width is drawn in a smaller font, down to
    // MinFontSize; what is still too wide at that size is clipped.
    bool Fit = false;
    double MinFontSize = 6.0;
    QString Text; // text: the text; field: the parameter's name
};
