#pragma once

#include <QString>

#include <functional>

class TBaseReport;

// The label layout: sheets of equal labels in a grid, filled row by row and
// left to right, a new page after the last label of a sheet. For each label
// the origin is set to its top-left corner and the section to the label less
// its inner border; the label print event draws it, and the label after event
// says whether another label follows. Lengths in inches; the defaults are an
// Avery 5160 sheet.
class TLabelShell {
public:
    QString LabelBrand = QStringLiteral("Avery 5160");
    int LabelsAcross = 3;
    int LabelsDown = 10;
    double LabelWidth = 2.625;
    double LabelHeight = 1.0;
    // The top-left corner of the first label, from the page's top-left corner.
    double LeftMargin = 0.188;
    double TopMargin = 0.5;
    // From one label's left (top) edge to the next one's.
    double HorizPitch = 2.75;
    double VertPitch = 1.0;
    double InnerBorder = 0.13;
    // Outlines of every label of a sheet, in the preview only: they show where
    // the labels fall, and paper or a PDF must not carry them.
    bool ShowOutlines = true;
    double OutlineCorner = 0.2;

    std::function<void(TBaseReport &)> OnReportBefore;
    std::function<void(TBaseReport &)> OnLabelPrint;
    // True when another label follows.
    std::function<bool(TBaseReport &)> OnLabelAfter;

    int LabelsPerPage() const { return LabelsAcross * LabelsDown; }
    // The label's top-left corner; Row and Column counted from 1.
    double LabelLeft(int Column) const;
    double LabelTop(int Row) const;

    // Lays the labels out on Output, from the first label of its current page.
    void Execute(TBaseReport &Output);

private:
    void DrawOutlines(TBaseReport &Output) const;
    // False when the last label was drawn.
    bool PrintLabel(TBaseReport &Output, int Row, int Column);
};
