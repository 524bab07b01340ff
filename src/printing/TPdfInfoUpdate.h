#pragma once

#include "TPdfDocInfo.h"

#include <QByteArray>
#include <QString>

// Qt writes only a title and a creator into a PDF and names itself as the
// producer. This appends an incremental update (a new information dictionary,
// cross-reference section and trailer, as the PDF standard allows) so the
// document carries all of Info. Raises EReportException naming FileName when
// Pdf is not a PDF it can extend.
class TPdfInfoUpdate {
public:
    static void Apply(QByteArray &Pdf, const TPdfDocInfo &Info, const QString &FileName);
    // A PDF text string: literal when ASCII, else UTF-16 with a byte order mark.
    static QByteArray TextString(const QString &Text);
};
