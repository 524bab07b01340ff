#pragma once

#include "TLabelShell.h"
#include "TRvSystem.h"

#include <functional>
#include <memory>

class EmployeeRecord;
class TBaseReport;
class TRPBarsPostNet;
class TW2PrintSource;

// The employee mailing labels: the report system RptW2Labels and its label
// layout LabelShell, one label for every employee record from the first to
// the last on Avery 5160 sheets, with a POSTNET bar code for a ZIP+4
// address. The main window and the command-line tool both print through it;
// they only choose where the pages go.
class TW2LabelPrinting {
public:
    TW2LabelPrinting();
    ~TW2LabelPrinting();
    TW2LabelPrinting(const TW2LabelPrinting &) = delete;
    TW2LabelPrinting &operator=(const TW2LabelPrinting &) = delete;

    TRvSystem RptW2Labels;
    TLabelShell LabelShell;

    // The top of the first text line below the label's top edge, with and
    // without a bar code under the address.
    static constexpr double TextTopWithBarCode = 0.25;
    static constexpr double TextTopWithoutBarCode = 0.38;
    // The bar code's bottom edge below the line after the address.
    static constexpr double BarCodeDrop = 0.13;
    // The bar code's left edge from the label's left edge.
    static constexpr double BarCodeLeft = 0.13;

    // Prints a label for every record of Source. False when the output
    // options were cancelled. Source ends on the record that was current.
    bool Print(TW2PrintSource &Source);

    // The before-print event: the printer settings are applied here.
    std::function<void(TBaseReport &)> OnBeforePrint;

    void RptW2LabelsBeforePrint(TBaseReport &Output);
    void RptW2LabelsPrint(TBaseReport &Output);
    void RptW2LabelsAfterPrint();
    void LabelShellReportBefore(TBaseReport &Output);
    void LabelShellLabelPrint(TBaseReport &Output);
    bool LabelShellLabelAfter(TBaseReport &Output);

private:
    void EndRun();

    TW2PrintSource *FSource = nullptr;
    std::unique_ptr<TRPBarsPostNet> FBarCode;
    bool FRemembered = false;
    int FRecNo = 0;
    // The current record as the last read left it.
    const EmployeeRecord *FEmployee = nullptr;
};
