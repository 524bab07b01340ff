#pragma once

#include <QString>

class TBaseReport;

// The POSTNET bar code object of a report output: draws the bars of Text
// (digits, with the check digit when UseChecksum is set) as filled
// rectangles, so they stay vector in a PDF and sharp on paper. Lengths in
// inches, positions from the output's origin. The defaults are the USPS
// nominal sizes: tall bars 0.125, short bars 0.050, bars 0.020 wide, 22 a
// inch.
class TRPBarsPostNet {
public:
    explicit TRPBarsPostNet(TBaseReport &Output);

    QString Text;
    double BarHeight = 0.125; // a tall bar
    double HalfBarHeight = 0.05; // a short bar
    double BarWidth = 0.02;
    double BarPitch = 1.0 / 22; // from one bar's left edge to the next one's
    bool UseChecksum = true;
    // The digits printed under the bars; the labels show none.
    bool PrintReadable = false;
    double Left = 0; // the first bar's left edge
    double Bottom = 0; // the bars' common bottom edge

    // The length from the first bar's left edge to the last one's right edge.
    double Width() const;
    // Draws the bars with their bottom at Y; nothing for a text that is not
    // all digits.
    void PrintXY(double X, double Y);
    void Print() { PrintXY(Left, Bottom); }

private:
    TBaseReport &FOutput;
};
