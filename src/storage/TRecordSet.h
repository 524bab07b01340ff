#pragma once

#include "TRecordSetComponent.h"

#include <QByteArray>
#include <QString>

#include <functional>

enum class TFileOpenMode : quint8 { omOpenRead, omOpenWrite, omOpenReadWrite };
enum class TFileShareMode : quint8 {
    smShareCompat,
    smShareExclusive,
    smShareDenyWrite,
    smShareDenyRead,
    smShareDenyNone
};

class TRecordSet;
using TRecordSetEvent = std::function<void(TRecordSet *Sender)>;

// One file of headerless fixed-size records, record n at (n - 1) * RecSize,
// with one record in memory, a cursor, and before/after notifications through
// which the owner copies records in and out and may veto with Cancel().
//
// Failed reads, writes, truncations and reopens raise ERecordFileException
// naming the file and the system's reason; LastRecord and the cursor stay
// true to what is on disk, and a move whose read fails leaves the cursor
// where it was. A post while BrowseOnly is skipped on purpose. DeleteRec
// replaces the file whole: it fails with every old record in place, or
// succeeds with all but the deleted one.
class TRecordSet : public TRecordSetComponent {
    Q_OBJECT
public:
    explicit TRecordSet(QObject *Owner = nullptr);
    ~TRecordSet() override;

    virtual void OpenRecSet();
    virtual void CloseRecSet();
    virtual void RootRec();
    virtual void PostRec();
    virtual void NewRec();
    virtual void GetRec();
    virtual void FirstRec();
    virtual void LastRec();
    virtual void NextRec();
    virtual void PriorRec();
    virtual void PushRec();
    virtual void PopRec();
    virtual void NewRecData();
    virtual void DeleteRec();
    void Cancel() { FCancel = true; }
    // Reads the first Count records in order, calling Visit with each one's
    // index from 0 after its read, then reads again the record that was
    // current (RootRec, NextRec, PopRec). A walk cut short by an exception
    // puts the cursor back on that record without reading it: the read could
    // fail again, and would replace the owner's copy of that record with the
    // last one walked.
    void ScanRecords(int Count, const std::function<void(int Index)> &Visit);

    int RecSize() const { return FRecSize; }
    void SetRecSize(int Value);
    char *RecordBuffer() { return FBuffer.data(); }
    const char *RecordBuffer() const { return FBuffer.constData(); }
    QString FileName() const { return FFileName; }
    void SetFileName(const QString &Value) { FFileName = Value; }
    TFileOpenMode FileOpenMode() const { return FFileOpenMode; }
    void SetFileOpenMode(TFileOpenMode Value) { FFileOpenMode = Value; }
    TFileShareMode FileShareMode() const { return FFileShareMode; }
    void SetFileShareMode(TFileShareMode Value) { FFileShareMode = Value; }
    int MaxRec() const { return FMaxRec; }
    void SetMaxRec(int Value) { FMaxRec = Value; }
    bool AutoCreate() const { return FAutoCreate; }
    void SetAutoCreate(bool Value) { FAutoCreate = Value; }
    bool ShowOpenMode() const { return FShowOpenMode; }
    void SetShowOpenMode(bool Value) { FShowOpenMode = Value; }

    int CurrentRecord() const { return FCurRec; }
    void SetCurrentRecord(int Value);
    int FirstRecord() const { return FFirstRec; }
    int PriorRecord() const { return FPriorRec; }
    int LastRecord() const { return FLastRec; }
    int RecordCount();
    bool Active() const { return FActive; }
    bool Bof() const { return FCurRec == FFirstRec; }
    bool Eof() const { return FCurRec == FLastRec; }
    bool BrowseOnly() const { return FBrowseOnly; }
    // The descriptor of the open file, -1 when closed.
    int FileHandle() const { return FFileHandle; }
    // Why the last open failed (file name and system reason), for callers
    // that report it as text; empty after a successful open.
    QString LastOpenError() const { return FLastOpenError; }
    // The largest file a set of at most MaxRec records opens: MaxRec records
    // and one more, so a record cut short at the end is still opened. Larger
    // files are none of this program's.
    static qint64 FileSizeLimit(int MaxRec, int RecSize);
    // What the person is told when the file falls back to browse only.
    QString BrowseOnlyMessage() const;

    QString OpenErrText, OpenErrCaption;
    QString NewErrText, NewErrCaption;
    QString DelErrText, DelErrCaption;
    QString DelMsgText, DelMsgCaption;
    QString AppTitle;

    TRecordSetEvent OnCreateFile, OnAfterClose, OnAfterDelete, OnAfterNewRec, OnAfterOpen, OnAfterPost,
        OnAfterRead, OnBeforeClose, OnBeforeDelete, OnBeforeNewRec, OnBeforeOpen, OnBeforePost;

private:
    void Fire(const TRecordSetEvent &Event);
    bool ConsumeCancel();
    quint32 AccessCode() const;
    quint32 ShareCode() const;
    bool OpenExisting(quint32 Access, quint32 Share);
    int CreateFile();
    void OpenFailed();
    void BecomeActive();
    QByteArray ReadAllRecords() const;
    void ReplaceFileWith(const QByteArray &Bytes);
    [[noreturn]] void RaiseReopenError(const QString &Reason);
    void ReadAtPosition();
    void ReadMovedFrom(int OldCur, qint64 OldPos);
    void WriteAtPosition();
    void EnsureWritable(const QString &What) const;
    [[noreturn]] void RaiseIoError(const QString &What, int Error) const;

    int FRecSize = 32;
    QByteArray FBuffer;
    QString FFileName;
    TFileOpenMode FFileOpenMode = TFileOpenMode::omOpenReadWrite;
    TFileShareMode FFileShareMode = TFileShareMode::smShareDenyNone;
    quint32 FOpenMode = 0;
    quint32 FShareMode = 0;
    int FFileHandle = -1;
    qint64 FFilePos = 0;
    int FFirstRec = 1;
    int FPriorRec = 0;
    int FLastRec = 0;
    int FCurRec = 0;
    int FMaxRec = 10000;
    bool FActive = false;
    bool FAutoCreate = true;
    bool FCancel = false;
    bool FShowOpenMode = true;
    bool FBrowseOnly = false;
    QString FLastOpenError;
};
