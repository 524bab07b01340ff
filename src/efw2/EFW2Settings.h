#pragma once

#include "EFW2SettingsLayout.h"
#include "TSubmitterData.h"

#include <QByteArray>
#include <QString>

// The EFW2 window's settings record: the submitter data and the counters of
// the submission under way, kept as the 564 bytes of "QMRK.W2S". Bytes no
// setter touches (fillers, the characters after a text's length) keep what
// was read, so the file is written back byte for byte as it came.
class EFW2Settings {
public:
    static constexpr int RecSize = EFW2SettingsLayout::RecSize;
    // The largest settings file read: the record, and room for bytes after
    // it, which saving keeps.
    static constexpr qint64 MaxFileSize = 64 << 10;

    // All zeros: every text empty, no records, both boxes clear.
    EFW2Settings();
    // A record from the bytes of a file; fewer bytes are completed with zeros.
    static EFW2Settings FromBytes(const QByteArray &Bytes);
    const QByteArray &Bytes() const { return FData; }

    QString Text(const TFieldDef &Slot) const;
    void SetText(const TFieldDef &Slot, const QString &Value);

    qint32 TotalRecords() const;
    void SetTotalRecords(qint32 Value);
    bool ExcludeSubmitter() const;
    void SetExcludeSubmitter(bool Value);
    bool ExcludeFinal() const;
    void SetExcludeFinal(bool Value);
    bool LastClientConfirmed() const;
    void SetLastClientConfirmed(bool Value);

    // The window-backed slots as submitter data, and back: the resubmission
    // slot holds "1" or "0".
    TSubmitterData Submitter() const;
    void SetSubmitter(const TSubmitterData &Data);

    // Copies each field of a built RA line into its slot: the final texts,
    // padded, digits only where the RA takes digits.
    void StoreRA(const QString &RALine);

    friend bool operator==(const EFW2Settings &, const EFW2Settings &) = default;

private:
    QByteArray FData;
};

// Reads Path; a missing file is first created holding a zero record.
// EInOutError when the file cannot be created or read.
EFW2Settings LoadEFW2Settings(const QString &Path);
// Reads Path without ever creating it; EInOutError when it cannot be read.
EFW2Settings ReadEFW2Settings(const QString &Path);
// Writes the record over the first 564 bytes of Path, creating it when
// missing; EInOutError when that fails.
void SaveEFW2Settings(const QString &Path, const EFW2Settings &Settings);
