#pragma once

#include "TPageSink.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QString>

#include <memory>

class QPdfWriter;
struct TPdfDocInfo;

// Paints each page into a PDF document in memory as the page is finished, so
// a run straight to PDF needs no snapshot in between. The caller writes the
// document out once it is complete.
class TPdfPageSink : public TPageSink {
public:
    // FileName names the document in messages.
    TPdfPageSink(
        const QString &FileName, int Resolution, const TPdfDocInfo &Info, const QByteArray &XmpMetadata);
    ~TPdfPageSink() override;

    void BeginDoc() override { }
    void AddPage(const TReportPage &Page) override;
    void EndDoc(const TJobSettings &Job) override;

    int PageCount() const { return FPageCount; }
    // The whole document, once EndDoc has run, handed over without a copy
    // (a long run's document is hundreds of megabytes).
    QByteArray TakeDocument();

private:
    [[noreturn]] void Fail() const;

    QString FFileName;
    QByteArray FPdf;
    QBuffer FBuffer;
    std::unique_ptr<QPdfWriter> FWriter;
    QPainter FPainter;
    int FPageCount = 0;
};
