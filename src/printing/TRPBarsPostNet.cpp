#include "TRPBarsPostNet.h"

#include "PostNet.h"
#include "TBaseReport.h"

#include <optional>

TRPBarsPostNet::TRPBarsPostNet(TBaseReport &Output)
    : FOutput(Output)
{
}

double TRPBarsPostNet::Width() const
{
    const qsizetype Bars = PostNetBars(Text).size() - (UseChecksum ? 0 : 5);
    return Bars > 0 ? (Bars - 1) * BarPitch + BarWidth : 0;
}

void TRPBarsPostNet::PrintXY(double X, double Y)
{
    QList<bool> Bars = PostNetBars(Text);
    if (Bars.isEmpty())
        return;
    if (!UseChecksum)
        Bars.remove(Bars.size() - 6, 5);
    const std::optional<QRgb> Brush = FOutput.Brush;
    FOutput.Brush = 0xFF000000;
    for (qsizetype I = 0; I < Bars.size(); ++I) {
        const double BarLeft = X + I * BarPitch;
        FOutput.FillRect(BarLeft, Y - (Bars[I] ? BarHeight : HalfBarHeight), BarLeft + BarWidth, Y);
    }
    FOutput.Brush = Brush;
    if (PrintReadable) {
        FOutput.YPos = Y;
        FOutput.PrintCenter(Text, X + Width() / 2);
    }
}
