#pragma once

#include "TJobSettings.h"
#include "TReportFont.h"
#include "TReportPage.h"

#include <QStringList>

#include <functional>
#include <optional>

class TPageSink;

// The output of a report run: the page being drawn, its fonts, text lines and
// print positions, sections and origins, lines, rectangles and bars, and the
// printer choices of the run. Finished pages go to a sink (a snapshot, which
// the preview, the printer and the exports read).
//
// Lengths are in inches. Positions are taken from the origin (OriginX,
// OriginY, itself from the page's top-left corner); the section is the
// printable rectangle, also from the origin. YPos is the top of the next text
// line: a line's baseline lies the font's ascent below it.
class TBaseReport {
public:
    explicit TBaseReport(TPageSink &Sink);
    TBaseReport(const TBaseReport &) = delete;
    TBaseReport &operator=(const TBaseReport &) = delete;

    // Document: BeginDoc starts page 1, NewPage finishes a page and starts
    // the next, EndDoc finishes the last.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    int CurrentPage() const { return FPageNumber; }
    bool Printing() const { return FPrinting; }
    // Told the number of each page as it starts (status lines).
    std::function<void(int)> OnPageStart;

    // The page being drawn. Its size applies to the pages after it too.
    TReportPage &Page() { return FPage; }
    double PageWidth() const { return FPage.Width; }
    double PageHeight() const { return FPage.Height; }
    void SetPageSize(double Width, double Height);

    void SetOrigin(double X, double Y);
    double OriginX() const { return FOriginX; }
    double OriginY() const { return FOriginY; }
    void SetSection(double Left, double Top, double Right, double Bottom);
    double SectionLeft() const { return FSectionLeft; }
    double SectionTop() const { return FSectionTop; }
    double SectionRight() const { return FSectionRight; }
    double SectionBottom() const { return FSectionBottom; }
    // To the section's top-left corner.
    void Home();
    void GotoXY(double X, double Y);
    double XPos = 0;
    double YPos = 0;

    // Font and text.
    void SetFont(const QString &Name, double Size);
    TReportFont Font;
    QRgb FontColor = 0xFF000000;
    // From one text line to the next, for the current font.
    double LineHeight() const;
    double TextWidth(const QString &Text) const;
    // At XPos, YPos; XPos moves past the text.
    void Print(const QString &Text);
    // Print, then NewLine.
    void PrintLn(const QString &Text);
    // XPos to the section's left edge, YPos one line down.
    void NewLine();
    // At YPos: starting at X, centred on X, ending at X.
    void PrintLeft(const QString &Text, double X);
    void PrintCenter(const QString &Text, double X);
    void PrintRight(const QString &Text, double X);
    void PrintXY(double X, double Y, const QString &Text);
    // One line in the box from X to X + Width, its top at Y, aligned in it and
    // cut at its edges when Clip is set.
    void TextBox(const QString &Text, double X, double Y, double Width, TTextAlign Align, bool Clip);

    // Drawing. The pen draws lines and outlines; the brush, when set, fills.
    double PenWidth = 0.01;
    QRgb PenColor = 0xFF000000;
    std::optional<QRgb> Brush;
    // Items drawn while set show in the preview only, never on paper or in
    // exports (label outlines).
    bool PreviewOnly = false;
    void MoveTo(double X, double Y);
    void LineTo(double X, double Y);
    void Line(double X1, double Y1, double X2, double Y2);
    void Rectangle(double X1, double Y1, double X2, double Y2);
    // Corners rounded by ellipses CornerWidth wide and CornerHeight high.
    void RoundRect(double X1, double Y1, double X2, double Y2, double CornerWidth, double CornerHeight);
    // A filled bar without outline (bar codes), in the brush's colour or black.
    void FillRect(double X1, double Y1, double X2, double Y2);
    // An item in page coordinates, as it is (report projects).
    void AddItem(const TPageItem &Item);

    // Printer choices; they travel with the pages to the printer.
    QStringList Printers() const;
    // False, and nothing changed, when no such printer is installed.
    bool SelectPrinter(const QString &Name);
    // The chosen printer, or the default printer when none was chosen.
    QString PrinterName() const;
    QStringList Papers() const;
    bool SelectPaper(const QString &Name);
    QStringList Bins() const;
    bool SelectBin(const QString &Name);
    TOrientation Orientation() const { return FJob.Orientation; }
    void SetOrientation(TOrientation Orientation);
    int Copies() const { return FJob.Copies; }
    void SetCopies(int Copies);
    bool Collate() const { return FJob.Collate; }
    void SetCollate(bool Collate) { FJob.Collate = Collate; }
    TDuplex Duplex() const { return FJob.Duplex; }
    void SetDuplex(TDuplex Duplex) { FJob.Duplex = Duplex; }
    bool SupportCollate() const;
    bool SupportDuplex() const;
    int MaxCopies() const;
    const TJobSettings &Job() const { return FJob; }
    void SetJob(const TJobSettings &Job);

private:
    void StartPage();
    void RequirePage() const;
    void AddText(const QString &Text, double X, double Width, TTextAlign Align, bool Clip);
    void AddRect(double X1, double Y1, double X2, double Y2, double Rx, double Ry, bool Outline,
        std::optional<QRgb> Fill);
    quint8 ItemFlags() const;
    void ApplyOrientation();

    TPageSink &FSink;
    TJobSettings FJob;
    TReportPage FPage;
    double FNextWidth = 8.5;
    double FNextHeight = 11.0;
    int FPageNumber = 0;
    bool FPrinting = false;
    double FOriginX = 0, FOriginY = 0;
    double FSectionLeft = 0, FSectionTop = 0, FSectionRight = 8.5, FSectionBottom = 11.0;
};
