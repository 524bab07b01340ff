#include "TLabelShell.h"

#include "TBaseReport.h"

namespace {

constexpr double OutlinePen = 0.005;

// Puts the output's pen, brush and preview flag back after the outlines.
class TPenState {
public:
    explicit TPenState(TBaseReport &Output)
        : FOutput(Output)
        , FPenWidth(Output.PenWidth)
        , FBrush(Output.Brush)
        , FPreviewOnly(Output.PreviewOnly)
    {
    }
    ~TPenState()
    {
        FOutput.PenWidth = FPenWidth;
        FOutput.Brush = FBrush;
        FOutput.PreviewOnly = FPreviewOnly;
    }
    TPenState(const TPenState &) = delete;
    TPenState &operator=(const TPenState &) = delete;

private:
    TBaseReport &FOutput;
    double FPenWidth;
    std::optional<QRgb> FBrush;
    bool FPreviewOnly;
};

} // namespace

double TLabelShell::LabelLeft(int Column) const
{
    return LeftMargin + (Column - 1) * HorizPitch;
}

double TLabelShell::LabelTop(int Row) const
{
    return TopMargin + (Row - 1) * VertPitch;
}

void TLabelShell::DrawOutlines(TBaseReport &Output) const
{
    const TPenState Keep(Output);
    Output.PreviewOnly = true;
    Output.PenWidth = OutlinePen;
    Output.Brush.reset();
    Output.SetOrigin(0, 0);
    for (int Row = 1; Row <= LabelsDown; ++Row)
        for (int Column = 1; Column <= LabelsAcross; ++Column)
            Output.RoundRect(LabelLeft(Column), LabelTop(Row), LabelLeft(Column) + LabelWidth,
                LabelTop(Row) + LabelHeight, OutlineCorner, OutlineCorner);
}

bool TLabelShell::PrintLabel(TBaseReport &Output, int Row, int Column)
{
    Output.SetOrigin(LabelLeft(Column), LabelTop(Row));
    Output.SetSection(InnerBorder, InnerBorder, LabelWidth - InnerBorder, LabelHeight - InnerBorder);
    Output.Home();
    if (OnLabelPrint)
        OnLabelPrint(Output);
    return OnLabelAfter && OnLabelAfter(Output);
}

void TLabelShell::Execute(TBaseReport &Output)
{
    if (OnReportBefore)
        OnReportBefore(Output);
    for (bool More = true; More;) {
        if (ShowOutlines)
            DrawOutlines(Output);
        for (int Label = 0; More && Label < LabelsPerPage(); ++Label)
            More = PrintLabel(Output, Label / LabelsAcross + 1, Label % LabelsAcross + 1);
        if (More)
            Output.NewPage();
    }
    Output.SetOrigin(0, 0);
    Output.SetSection(0, 0, Output.PageWidth(), Output.PageHeight());
    Output.Home();
}
