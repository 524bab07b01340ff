#include "EFW2Files.h"
#include "EFW2Records.h"
#include "EFW2Settings.h"
#include "EFileReadException.h"
#include "EInOutError.h"
#include "QmrkTestMain.h"
#include "TEFW2Fixtures.h"
#include "THostileFiles.h"
#include "TRecordBytes.h"

#include <QDir>
#include <QTemporaryDir>

using namespace EFW2Fixtures;

class TstEFW2Settings : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Dir;
    QString Path() const { return Dir->filePath(QStringLiteral("QMRK.W2S")); }

private Q_SLOTS:
    void init();
    void cleanup();

    void firstUseCreatesZeroRecord();
    void roundTripIsByteExact();
    void readsEverySlot();
    void submitterBackKeepsTails();
    void shortFileReadsWithZeros();
    void saveKeepsBytesBeyondTheRecord();
    void processStoresTheRAFields();
    void unwritableFolderRaises();
    void readNeverCreates();
    void unfitFilesAreRefused_data();
    void unfitFilesAreRefused();
};

void TstEFW2Settings::init()
{
    Dir = std::make_unique<QTemporaryDir>();
}

void TstEFW2Settings::cleanup()
{
    Dir.reset();
}

void TstEFW2Settings::firstUseCreatesZeroRecord()
{
    QVERIFY(!QFile::exists(Path()));
    const EFW2Settings Settings = LoadEFW2Settings(Path());
    QCOMPARE(TRecordBytes::ReadFile(Path()), QByteArray(564, '\0'));
    QCOMPARE(Settings.Bytes(), QByteArray(564, '\0'));
    QCOMPARE(Settings.Submitter(), TSubmitterData());
    QCOMPARE(Settings.TotalRecords(), 0);
    QVERIFY(!Settings.ExcludeSubmitter() && !Settings.ExcludeFinal() && !Settings.LastClientConfirmed());
}

void TstEFW2Settings::roundTripIsByteExact()
{
    // Bytes no slot owns, and characters after the lengths, are kept too.
    const QByteArray Bytes = TRecordBytes(564)
                                 .PutBytes(0, SettingsBytes(Submitter(), 1234, true, false, true))
                                 .Fill(555, 1, char(0xAB))
                                 .Fill(563, 1, char(0xCD))
                                 .PutBytes(47 + 21, "TAIL")
                                 .PutStr(28, "     ");
    TRecordBytes::WriteFile(Path(), { Bytes });
    const EFW2Settings Settings = LoadEFW2Settings(Path());
    QFile::remove(Path());
    SaveEFW2Settings(Path(), Settings);
    QCOMPARE(TRecordBytes::ReadFile(Path()), Bytes);
}

void TstEFW2Settings::readsEverySlot()
{
    TSubmitterData D = Submitter();
    D.ResubInd = true;
    D.ResubID = QStringLiteral("Ab12");
    D.ForeignState = QStringLiteral("ONTARIO");
    D.ForeignZip = QStringLiteral("K1A 0B1");
    D.CountryCode = QStringLiteral("CA");
    D.SubmitAddr1 = QStringLiteral("FLOOR 3");
    D.SubmitZipExt = QStringLiteral("9876");
    D.SubmitFSP = QStringLiteral("QUEBEC");
    D.SubmitFPC = QStringLiteral("H2X 1Y4");
    D.SubmitCC = QStringLiteral("CA");
    TRecordBytes::WriteFile(Path(), { SettingsBytes(D, 77, false, true, false) });
    const EFW2Settings Settings = ReadEFW2Settings(Path());
    QCOMPARE(Settings.Submitter(), D);
    QCOMPARE(Settings.TotalRecords(), 77);
    QVERIFY(!Settings.ExcludeSubmitter());
    QVERIFY(Settings.ExcludeFinal());
    QVERIFY(!Settings.LastClientConfirmed());
}

void TstEFW2Settings::submitterBackKeepsTails()
{
    EFW2Settings Settings = EFW2Settings::FromBytes(SettingsBytes(Submitter()));
    TSubmitterData D = Submitter();
    D.CompanyName = QStringLiteral("ACME");
    Settings.SetSubmitter(D);
    // "ACME" over "ACME PAYROLL SERVICES": the length changes, the rest stays.
    QCOMPARE(Settings.Bytes().mid(46, 22),
        QByteArray("\x04"
                   "ACME PAYROLL SERVICES"));
    QCOMPARE(Settings.Submitter(), D);
}

void TstEFW2Settings::shortFileReadsWithZeros()
{
    TRecordBytes::WriteFile(Path(), { QByteArray("\x02RA") });
    const EFW2Settings Settings = LoadEFW2Settings(Path());
    QCOMPARE(Settings.Bytes(), QByteArray("\x02RA") + QByteArray(561, '\0'));
}

void TstEFW2Settings::saveKeepsBytesBeyondTheRecord()
{
    TRecordBytes::WriteFile(Path(), { QByteArray(564, '\0') }, "extra");
    SaveEFW2Settings(Path(), EFW2Settings::FromBytes(SettingsBytes(Submitter())));
    QCOMPARE(TRecordBytes::ReadFile(Path()), SettingsBytes(Submitter()) + "extra");
}

// Building the RA leaves its final texts in the slots, the slots only the
// RA writes included.
void TstEFW2Settings::processStoresTheRAFields()
{
    EFW2Settings Settings;
    Settings.StoreRA(BuildRA(Submitter()));
    const QByteArray Expected = TRecordBytes(564)
                                    .PutStr(0, "RA")
                                    .PutStr(3, "123456789")
                                    .PutStr(14, "AB12CD34")
                                    .PutStr(23, "    ")
                                    .PutStr(28, "     ")
                                    .PutStr(34, "0")
                                    .PutStr(36, "      ")
                                    .PutStr(43, "98")
                                    .PutStr(46, QByteArray("ACME PAYROLL SERVICES").leftJustified(57))
                                    .PutStr(104, QByteArray("SUITE 200").leftJustified(22))
                                    .PutStr(127, QByteArray("100 MAIN ST").leftJustified(22))
                                    .PutStr(150, QByteArray("SPRINGFIELD").leftJustified(22))
                                    .PutStr(173, "IL")
                                    .PutStr(176, "62701")
                                    .PutStr(182, "1234")
                                    .PutStr(187, "     ")
                                    .PutStr(193, QByteArray(23, ' '))
                                    .PutStr(217, QByteArray(15, ' '))
                                    .PutStr(233, "  ")
                                    .PutStr(236, QByteArray("ACME PAYROLL SERVICES").leftJustified(57))
                                    .PutStr(294, QByteArray(22, ' '))
                                    .PutStr(317, QByteArray("100 MAIN ST").leftJustified(22))
                                    .PutStr(340, QByteArray("SPRINGFIELD").leftJustified(22))
                                    .PutStr(363, "IL")
                                    .PutStr(366, "62701")
                                    .PutStr(372, "    ")
                                    .PutStr(377, "     ")
                                    .PutStr(383, QByteArray(23, ' '))
                                    .PutStr(407, QByteArray(15, ' '))
                                    .PutStr(423, "  ")
                                    .PutStr(426, QByteArray("PAT LEDGER").leftJustified(27))
                                    .PutStr(454, QByteArray("2175550100").leftJustified(15))
                                    .PutStr(470, "12   ")
                                    .PutStr(476, "   ")
                                    .PutStr(480, QByteArray("pat@acme.example").leftJustified(40))
                                    .PutStr(521, "   ")
                                    .PutStr(525, "2175550199")
                                    .PutStr(538, " ")
                                    .PutStr(540, "A")
                                    .PutStr(542, QByteArray(12, ' '));
    QCOMPARE(Settings.Bytes(), Expected);
}

void TstEFW2Settings::unwritableFolderRaises()
{
    const QString Missing = Dir->filePath(QStringLiteral("no such folder/QMRK.W2S"));
    QVERIFY_THROWS_EXCEPTION(EInOutError, LoadEFW2Settings(Missing));
    QVERIFY_THROWS_EXCEPTION(EInOutError, SaveEFW2Settings(Missing, EFW2Settings()));
}

void TstEFW2Settings::readNeverCreates()
{
    QVERIFY_THROWS_EXCEPTION(EInOutError, ReadEFW2Settings(Path()));
    QVERIFY(!QFile::exists(Path()));
}

void TstEFW2Settings::unfitFilesAreRefused_data()
{
    QTest::addColumn<QString>("Kind");
    QTest::addColumn<qint64>("Size");
    QTest::newRow("named pipe") << "fifo" << qint64(0);
    QTest::newRow("endless device") << "zero" << qint64(0);
    QTest::newRow("empty device") << "null" << qint64(0);
    QTest::newRow("folder") << "folder" << qint64(0);
    QTest::newRow("one byte over 64 KiB") << "oversized" << qint64(65537);
}

// What the window loads on opening: refused with the path and the reason,
// not waited on, and nothing created in its place.
void TstEFW2Settings::unfitFilesAreRefused()
{
    QFETCH(QString, Kind);
    QFETCH(qint64, Size);
    THostileFiles::Make(Path(), Kind, Size);
    TFifoReleaser Releaser(Path());
    QString Message;
    try {
        LoadEFW2Settings(Path());
    } catch (const EFileReadException &Error) {
        Message = Error.Message();
    }
    QCOMPARE(Message, Path() + THostileFiles::Problem(Kind, Size, 65536));
    QCOMPARE(Releaser.Released(), 0);
}

QMRK_TEST_MAIN(TstEFW2Settings)
#include "tst_efw2settings.moc"
