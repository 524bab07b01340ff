#pragma once

#include "TJobSettings.h"
#include "TReportPage.h"

#include <QByteArray>

// The payloads of the snapshot blocks: one page, and the job settings.
// Decoding checks every value, so a damaged block is refused, never half read.
class TSnapshotCodec {
public:
    static QByteArray EncodePage(const TReportPage &Page);
    // What names the block in messages ("page 7 of /path/x.ndr").
    static TReportPage DecodePage(QByteArrayView Payload, const QString &What);
    static QByteArray EncodeJob(const TJobSettings &Job);
    static TJobSettings DecodeJob(QByteArrayView Payload, const QString &What);
};
