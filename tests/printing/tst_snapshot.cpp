#include "Crc32.h"
#include "ESnapshotException.h"
#include "QmrkTestMain.h"
#include "TLeBytes.h"
#include "TSnapshotReader.h"
#include "TSnapshotWriter.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <limits>

namespace {

TReportPage FixturePage()
{
    TReportPage Page(8.5, 11.0);
    TReportFont Font;
    Font.Family = QStringLiteral("Arial");
    Font.Size = 10;
    Font.Bold = true;
    Page.Fonts.append(Font);
    TPageItem Line;
    Line.Kind = TPageItem::TKind::Line;
    Line.X = 0.5;
    Line.Y = 1.0;
    Line.X2 = 8.0;
    Line.Y2 = 1.0;
    Line.PenWidth = 0.01;
    Line.Color = 0xFF000000;
    TPageItem Rect;
    Rect.Kind = TPageItem::TKind::Rect;
    Rect.Flags = TPageItem::Filled | TPageItem::PreviewOnly;
    Rect.X = 1.0;
    Rect.Y = 2.0;
    Rect.W = 3.0;
    Rect.H = 0.5;
    Rect.RadiusX = 0.1;
    Rect.RadiusY = 0.1;
    Rect.PenWidth = 0.02;
    Rect.Color = 0xFFFF0000;
    Rect.FillColor = 0xFFC0C0C0;
    TPageItem Text;
    Text.Kind = TPageItem::TKind::Text;
    Text.Flags = TPageItem::Clipped;
    Text.X = 1.0;
    Text.Y = 3.0;
    Text.W = 2.0;
    Text.H = 0.15;
    Text.FontIndex = 0;
    Text.Align = TTextAlign::Right;
    Text.Color = 0xFF000000;
    Text.Text = QStringLiteral("Zo\u00EB 1");
    Page.Items = { Line, Rect, Text };
    return Page;
}

TJobSettings FixtureJob()
{
    TJobSettings Job;
    Job.Title = QStringLiteral("Test job");
    Job.PrinterName = QStringLiteral("Office");
    Job.PaperName = QStringLiteral("Letter");
    Job.Orientation = TOrientation::Landscape;
    Job.Duplex = TDuplex::Vertical;
    Job.Collate = true;
    Job.Copies = 2;
    return Job;
}

// The page above, byte by byte as the format describes it.
QByteArray FixturePagePayload()
{
    TLeBytes Out;
    Out.F64(8.5).F64(11.0);
    Out.U16(1).Str("Arial").F64(10.0).U8(0x01);
    Out.U32(3);
    Out.U8(1).U8(0x00).F64(0.5).F64(1.0).F64(8.0).F64(1.0).F64(0.01).U32(0xFF000000);
    Out.U8(2).U8(0x03).F64(1.0).F64(2.0).F64(3.0).F64(0.5).F64(0.1).F64(0.1).F64(0.02);
    Out.U32(0xFFFF0000).U32(0xFFC0C0C0);
    Out.U8(3).U8(0x04).F64(1.0).F64(3.0).F64(2.0).F64(0.15).U16(0).U8(2).U32(0xFF000000).Str("Zo\xC3\xAB 1");
    return Out.Bytes();
}

QByteArray FixtureJobPayload()
{
    return TLeBytes()
        .Str("Test job")
        .Str("Office")
        .Str("Letter")
        .Str("")
        .U8(1)
        .U8(1)
        .U8(1)
        .U8(0)
        .U32(2)
        .Bytes();
}

// A whole snapshot from the given page payloads and job payload.
QByteArray SnapshotBytes(const QList<QByteArray> &Pages, const QByteArray &Job)
{
    QByteArray Body;
    QList<quint64> Offsets;
    for (const QByteArray &Page : Pages) {
        Offsets.append(32 + Body.size());
        Body += TLeBytes::Block("PAGE", Page);
    }
    const quint64 JobOffset = 32 + Body.size();
    Body += TLeBytes::Block("JOBS", Job);
    const quint64 IndexOffset = 32 + Body.size();
    TLeBytes Index;
    for (quint64 Offset : Offsets)
        Index.U64(Offset);
    Index.U64(JobOffset);
    Body += TLeBytes::Block("INDX", Index.Bytes());
    return TLeBytes::Header(1, quint32(Pages.size()), IndexOffset) + Body;
}

QByteArray FixtureFile()
{
    return SnapshotBytes({ FixturePagePayload() }, FixtureJobPayload());
}

QByteArray Written(const QList<TReportPage> &Pages, const TJobSettings &Job)
{
    QBuffer Buffer;
    Buffer.open(QIODevice::ReadWrite);
    TSnapshotWriter Writer(Buffer, QStringLiteral("memory"));
    Writer.BeginDoc();
    for (const TReportPage &Page : Pages)
        Writer.AddPage(Page);
    Writer.EndDoc(Job);
    return Buffer.data();
}

// Opens Bytes and reads every page; the message of the refusal, or empty.
QString Refusal(const QByteArray &Bytes)
{
    QByteArray Copy = Bytes;
    QBuffer Buffer(&Copy);
    Buffer.open(QIODevice::ReadOnly);
    try {
        const TSnapshotReader Reader(Buffer, QStringLiteral("/tmp/x.ndr"));
        for (int Page = 1; Page <= Reader.PageCount(); ++Page)
            Reader.Page(Page);
    } catch (const ESnapshotException &Error) {
        return Error.Message();
    }
    return QString();
}

QByteArray WithPageItems(const QByteArray &Items, quint32 Count, quint16 Fonts = 1)
{
    TLeBytes Page;
    Page.F64(8.5).F64(11.0).U16(Fonts);
    for (int I = 0; I < Fonts; ++I)
        Page.Str("Arial").F64(10.0).U8(0);
    Page.U32(Count).Raw(Items);
    return SnapshotBytes({ Page.Bytes() }, FixtureJobPayload());
}

QByteArray Patched(QByteArray Bytes, int Offset, const QByteArray &With)
{
    Bytes.replace(Offset, With.size(), With);
    return Bytes;
}

} // namespace

class TstSnapshot : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void crcKnownAnswer();
    void writerMatchesTheFixtureByteForByte();
    void readerReadsTheFixture();
    void pagesComeBackAsWritten();
    void refused_data();
    void refused();
    void everyTruncationIsRefused();
    void everyFlippedByteIsRefused();
    void aRunThatBreaksOffIsIncomplete();
    void pagesOutsideTheSnapshotAreRefused();
    void aFileOnDiskOpensAndReadsPagesOnDemand();
};

void TstSnapshot::crcKnownAnswer()
{
    QCOMPARE(TLeBytes::Crc("123456789"), 0xCBF43926u);
    QCOMPARE(Crc32("123456789"), 0xCBF43926u);
    QCOMPARE(Crc32(""), 0u);
}

void TstSnapshot::writerMatchesTheFixtureByteForByte()
{
    const QByteArray Bytes = Written({ FixturePage() }, FixtureJob());
    QCOMPARE(Bytes.toHex(' '), FixtureFile().toHex(' '));
}

void TstSnapshot::readerReadsTheFixture()
{
    QByteArray Bytes = FixtureFile();
    QBuffer Buffer(&Bytes);
    QVERIFY(Buffer.open(QIODevice::ReadOnly));
    const TSnapshotReader Reader(Buffer, QStringLiteral("fixture"));
    QCOMPARE(Reader.PageCount(), 1);
    QVERIFY(Reader.Page(1) == FixturePage());
    QVERIFY(Reader.Job() == FixtureJob());
}

void TstSnapshot::pagesComeBackAsWritten()
{
    QList<TReportPage> Pages;
    for (int I = 0; I < 25; ++I) {
        TReportPage Page = FixturePage();
        Page.Items.last().Text = QStringLiteral("page %1").arg(I + 1);
        if (I % 3 == 0) {
            Page.Width = 11.0;
            Page.Height = 8.5;
        }
        if (I == 7)
            Page.Items.clear();
        Pages.append(Page);
    }
    QByteArray Bytes = Written(Pages, TJobSettings());
    QCOMPARE(Written(Pages, TJobSettings()), Bytes);
    QBuffer Buffer(&Bytes);
    Buffer.open(QIODevice::ReadOnly);
    const TSnapshotReader Reader(Buffer, QStringLiteral("memory"));
    QCOMPARE(Reader.PageCount(), Pages.size());
    // Out of order, as the preview jumps about.
    for (int Number : { 25, 1, 8, 13, 2, 24 })
        QVERIFY2(Reader.Page(Number) == Pages.at(Number - 1), qPrintable(QString::number(Number)));
    QVERIFY(Reader.Job() == TJobSettings());
}

void TstSnapshot::refused_data()
{
    QTest::addColumn<QByteArray>("Bytes");
    QTest::addColumn<QString>("Expected");
    const QByteArray Good = FixtureFile();
    const int JobOffset = 32 + 12 + int(FixturePagePayload().size());
    const int IndexOffset = JobOffset + 12 + int(FixtureJobPayload().size());

    QTest::newRow("empty file") << QByteArray() << "/tmp/x.ndr is not a snapshot of this program.";
    QTest::newRow("another kind of file") << QByteArray("%PDF-1.4\n") << "is not a snapshot of this program";
    QTest::newRow("header cut short") << Good.left(20) << "is damaged: it is shorter than its header.";
    QTest::newRow("newer format") << TLeBytes::Header(2, 1, IndexOffset) + Good.mid(32)
                                  << "is of format 2, which this version of the program cannot read.";
    QTest::newRow("header check sum")
        << Patched(Good, 12, TLeBytes().U32(2).Bytes()) << "is damaged: its header fails its check sum.";
    QTest::newRow("run never finished")
        << TLeBytes::Header(1, 0, 0) + Good.mid(32) << "is incomplete: the run that wrote it did not finish.";
    QTest::newRow("more pages than bytes")
        << TLeBytes::Header(1, 1000, IndexOffset) + Good.mid(32) << "1000 pages cannot fit in its";
    QTest::newRow("index offset wrong") << TLeBytes::Header(1, 1, IndexOffset - 4) + Good.mid(32)
                                        << "is damaged: the page index does not start with its mark.";
    QTest::newRow("index past the end") << TLeBytes::Header(1, 1, Good.size() + 100) + Good.mid(32)
                                        << "is damaged: the page index lies outside the file.";
    QTest::newRow("bytes after the end") << Good + "x"
                                         << "is damaged: bytes follow its end.";
    QTest::newRow("page count unlike the index") << TLeBytes::Header(1, 2, IndexOffset) + Good.mid(32)
                                                 << "is damaged: the page index does not list 2 pages.";
    QTest::newRow("page check sum") << Patched(Good, 32 + 8 + 3, "\x7F")
                                    << "is damaged: page 1 fails its check sum.";
    QTest::newRow("page mark") << Patched(Good, 32, "PAGF")
                               << "is damaged: page 1 does not start with its mark.";
    QTest::newRow("page length") << Patched(Good, 36, TLeBytes().U32(0x7FFFFFF0).Bytes())
                                 << "is damaged: page 1 is longer than the file.";
    QTest::newRow("job check sum") << Patched(Good, JobOffset + 9, "\x01")
                                   << "is damaged: the printer settings block fails its check sum.";

    const QByteArray Line = TLeBytes().U8(1).U8(0).F64(0).F64(0).F64(1).F64(1).F64(0.01).U32(0).Bytes();
    QTest::newRow("item of unknown kind")
        << WithPageItems(TLeBytes().U8(9).U8(0).Bytes(), 1) << "is damaged: page 1: unknown item kind 9";
    QTest::newRow("unknown item flags")
        << WithPageItems(Patched(Line, 1, "\x80"), 1) << "unknown item flags 128";
    QTest::newRow("coordinate not a number") << WithPageItems(
        TLeBytes()
            .U8(1)
            .U8(0)
            .F64(std::numeric_limits<double>::quiet_NaN())
            .F64(0)
            .F64(1)
            .F64(1)
            .F64(0.01)
            .U32(0)
            .Bytes(),
        1) << "a number is not finite";
    QTest::newRow("coordinate far off the page")
        << WithPageItems(TLeBytes().U8(1).U8(0).F64(1e9).F64(0).F64(1).F64(1).F64(0.01).U32(0).Bytes(), 1)
        << "a position of 1e+09 inches is out of range";
    QTest::newRow("font that does not exist") << WithPageItems(
        TLeBytes().U8(3).U8(0).F64(1).F64(1).F64(1).F64(0.1).U16(4).U8(0).U32(0).Str("x").Bytes(), 1)
                                              << "font 4 of 1 does not exist";
    QTest::newRow("text not UTF-8") << WithPageItems(
        TLeBytes().U8(3).U8(0).F64(1).F64(1).F64(1).F64(0.1).U16(0).U8(0).U32(0).Str("\xFF\xFE").Bytes(), 1)
                                    << "a text is not valid UTF-8";
    QTest::newRow("more items than bytes") << WithPageItems(Line, 100000) << "100000 items cannot fit";
    QTest::newRow("fewer items than bytes") << WithPageItems(Line + Line, 1) << "bytes follow the last item";
    QTest::newRow("item cut short") << WithPageItems(Line.left(20), 1) << "the data ends too soon";
    QTest::newRow("page without size") << SnapshotBytes({ TLeBytes().F64(0).F64(11).U16(0).U32(0).Bytes() },
        FixtureJobPayload()) << "the page has no size";
    QTest::newRow("zero copies") << SnapshotBytes({ FixturePagePayload() },
        TLeBytes().Str("").Str("").Str("").Str("").U8(0).U8(0).U8(0).U8(0).U32(0).Bytes())
                                 << "0 copies is out of range";
    QTest::newRow("unknown duplex") << SnapshotBytes({ FixturePagePayload() },
        TLeBytes().Str("").Str("").Str("").Str("").U8(0).U8(7).U8(0).U8(0).U32(1).Bytes())
                                    << "unknown printer settings";
}

void TstSnapshot::refused()
{
    QFETCH(QByteArray, Bytes);
    QFETCH(QString, Expected);
    const QString Message = Refusal(Bytes);
    QVERIFY2(Message.contains(Expected), qPrintable(Message));
    QVERIFY(Message.contains(QLatin1String("/tmp/x.ndr")));
}

void TstSnapshot::everyTruncationIsRefused()
{
    const QByteArray Good
        = SnapshotBytes({ FixturePagePayload(), FixturePagePayload() }, FixtureJobPayload());
    QVERIFY(Refusal(Good).isEmpty());
    for (int Length = 0; Length < Good.size(); ++Length)
        QVERIFY2(!Refusal(Good.left(Length)).isEmpty(), qPrintable(QString::number(Length)));
}

void TstSnapshot::everyFlippedByteIsRefused()
{
    const QByteArray Good
        = SnapshotBytes({ FixturePagePayload(), FixturePagePayload() }, FixtureJobPayload());
    for (int Offset = 0; Offset < Good.size(); ++Offset) {
        for (const char Mask : { char(0x01), char(0x80), char(0xFF) }) {
            QByteArray Bad = Good;
            Bad[Offset] = char(Bad[Offset] ^ Mask);
            // The header's two zero fields and the page payloads are all
            // covered by check sums: no change may pass.
            QVERIFY2(!Refusal(Bad).isEmpty(),
                qPrintable(QStringLiteral("byte %1 mask %2").arg(Offset).arg(int(quint8(Mask)))));
        }
    }
}

void TstSnapshot::aRunThatBreaksOffIsIncomplete()
{
    QBuffer Buffer;
    Buffer.open(QIODevice::ReadWrite);
    TSnapshotWriter Writer(Buffer, QStringLiteral("memory"));
    Writer.BeginDoc();
    Writer.AddPage(FixturePage());
    QVERIFY(Refusal(Buffer.data()).contains(QLatin1String("is incomplete")));
}

void TstSnapshot::pagesOutsideTheSnapshotAreRefused()
{
    QByteArray Bytes = FixtureFile();
    QBuffer Buffer(&Bytes);
    Buffer.open(QIODevice::ReadOnly);
    const TSnapshotReader Reader(Buffer, QStringLiteral("fixture"));
    QVERIFY_THROWS_EXCEPTION(ESnapshotException, Reader.Page(0));
    QVERIFY_THROWS_EXCEPTION(ESnapshotException, Reader.Page(2));
}

void TstSnapshot::aFileOnDiskOpensAndReadsPagesOnDemand()
{
    QTemporaryDir Dir;
    QFile File(Dir.filePath(QStringLiteral("x.ndr")));
    QVERIFY(File.open(QIODevice::ReadWrite));
    TSnapshotWriter Writer(File, File.fileName());
    Writer.BeginDoc();
    for (int I = 0; I < 3; ++I)
        Writer.AddPage(FixturePage());
    Writer.EndDoc(FixtureJob());
    File.close();
    QVERIFY(File.open(QIODevice::ReadOnly));
    const TSnapshotReader Reader(File, File.fileName());
    QCOMPARE(Reader.PageCount(), 3);
    QVERIFY(Reader.Page(3) == FixturePage());
    QVERIFY(Reader.Job() == FixtureJob());
}

QMRK_TEST_MAIN(TstSnapshot)
#include "tst_snapshot.moc"
