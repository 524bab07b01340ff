#include "AppInfo.h"
#include "EDownloadException.h"
#include "QmrkGuiTestMain.h"
#include "QmrkRequiredTool.h"
#include "TAppGlobals.h"
#include "TDesktop.h"
#include "TFrmDataModule.h"
#include "TFrmMain.h"
#include "TLocalHttpsServer.h"
#include "TScriptedInteraction.h"
#include "TTestAuthority.h"
#include "TWebUpdate.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>

#include <memory>

namespace {

const QString VersionPath = QStringLiteral("/public/update.txt");
const QString SetupPath = QStringLiteral("/public/QMRK_25.EXE");
const QString UpToDate = QStringLiteral("Your current version is up-to-date.");
const QString Offer
    = QStringLiteral("There is an update available.\rWould you like to download and install it?");
const QString ShutDown = QStringLiteral("The program must shut down in order to install the update.");
const QString NoServer = QStringLiteral("Unable to contact server.");
const QString NoDownload = QStringLiteral("Unable to download update.");
const QString NoConnection = QStringLiteral("An internet connection was not detected. Proceed anyway?");

// A setup program of a few blocks, not a text, so that a digest of the wrong
// bytes cannot pass by chance.
QByteArray SetupProgram()
{
    QByteArray Bytes("MZ\x90\x00", 4);
    for (int I = 0; I < 70000; ++I)
        Bytes.append(char(I * 7 % 251));
    return Bytes;
}

QByteArray HexDigest(const QByteArray &Bytes)
{
    return QCryptographicHash::hash(Bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray VersionFile(const QByteArray &Version, const QByteArray &Sha256)
{
    return "[QMRK2025]\r\nVersion=" + Version + "\r\nSha256=" + Sha256 + "\r\n";
}

// The message a step raised; empty when it raised none.
QString RaisedBy(bool (*Step)())
{
    try {
        Step();
    } catch (const EDownloadException &Error) {
        return Error.Message();
    }
    return {};
}

QByteArray ReadFile(const QString &Path)
{
    QFile File(Path);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

} // namespace

class TstWebUpdate : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FCertificates;
    TTestAuthority FTrusted;
    TTestAuthority FStranger;
    std::unique_ptr<QTemporaryDir> Dir;
    std::unique_ptr<TScriptedInteraction> Person;
    std::unique_ptr<TLocalHttpsServer> Server;
    std::unique_ptr<TFrmMain> Main;
    std::unique_ptr<TFrmDataModule> Data;
    QStringList Started;

    QString ProgramDir() const { return Dir->filePath(QStringLiteral("prog")) + QLatin1Char('/'); }
    QString VersionFileOnDisk() const { return ProgramDir() + QStringLiteral("update.ini"); }
    QString SetupOnDisk() const { return ProgramDir() + QStringLiteral("QMRK_25.EXE"); }
    QStringList ProgramFiles() const { return QDir(ProgramDir()).entryList(QDir::Files | QDir::Hidden); }
    void StartServer(const TTestAuthority &Identity);
    void StartMain();
    void ExitMain();
    QStringList WaitTexts() const;
    int WaitWindowsHidden() const;
    QList<int> MessageFlags() const;

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void noNewerVersion_data();
    void noNewerVersion();
    void newerVersionAcceptedAndStarted_data();
    void newerVersionAcceptedAndStarted();
    void declinedLeavesTheVersionFileUntilTheNextStart();
    void setupProgramNotAsTheVersionFileSays_data();
    void setupProgramNotAsTheVersionFileSays();
    void unreachableServer();
    void programFolderThatCannotBeWritten();
    void certificateOfAnotherAuthorityIsRefused_data();
    void certificateOfAnotherAuthorityIsRefused();
    void noConnectionDetectedAsksFirst_data();
    void noConnectionDetectedAsksFirst();
    void plainHttpIsNeverFetched();
    void redirectsStayOnHttps_data();
    void redirectsStayOnHttps();
};

void TstWebUpdate::initTestCase()
{
    QMRK_REQUIRE_TOOL(!QStandardPaths::findExecutable(QStringLiteral("openssl")).isEmpty(),
        "the openssl command makes the test certificates (Debian package openssl)");
    QVERIFY(QSslSocket::supportsSsl());
    QVERIFY(FCertificates.isValid());
    QString Error;
    QVERIFY2(FTrusted.Make(FCertificates.path(), QStringLiteral("trusted"), Error), qPrintable(Error));
    QVERIFY2(FStranger.Make(FCertificates.path(), QStringLiteral("stranger"), Error), qPrintable(Error));
}

void TstWebUpdate::init()
{
    Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(ProgramDir()));
    TDesktop::SetProgramDirForTest(ProgramDir());
    TDesktop::SetWelcomePauseForTest(0);
    TDesktop::SetScreenSizeForTest(QSize(1280, 1024));
    TAppGlobals::Instance().Reset();
    TAppGlobals::Instance().ProgramDir = ProgramDir();
    Person = std::make_unique<TScriptedInteraction>();
    Started.clear();
    TWebUpdate::SetAuthoritiesForTest({ FTrusted.Authority });
    TWebUpdate::SetInternetConnectedForTest(true);
    TWebUpdate::SetStartProgramForTest([this](const QString &Program) { Started.append(Program); });
    StartServer(FTrusted);
}

void TstWebUpdate::cleanup()
{
    ExitMain();
    Server.reset();
    TWebUpdate::SetServerForTest({});
    TWebUpdate::SetAuthoritiesForTest({});
    TWebUpdate::SetInternetConnectedForTest(std::nullopt);
    TWebUpdate::SetStartProgramForTest({});
    TDesktop::SetProgramDirForTest({});
    const QString Problems = Person->Problems();
    Person.reset();
    Dir.reset();
    QVERIFY2(Problems.isEmpty(), qPrintable(Problems));
}

void TstWebUpdate::StartServer(const TTestAuthority &Identity)
{
    Server = std::make_unique<TLocalHttpsServer>(Identity);
    QVERIFY(Server->Start());
    TWebUpdate::SetServerForTest(Server->Address());
}

void TstWebUpdate::StartMain()
{
    Main = std::make_unique<TFrmMain>();
    Data = std::make_unique<TFrmDataModule>();
    Main->show();
    QVERIFY(QTest::qWaitForWindowExposed(Main.get()));
}

void TstWebUpdate::ExitMain()
{
    if (Main)
        Main->close();
    Main.reset();
    Data.reset();
}

QStringList TstWebUpdate::WaitTexts() const
{
    QStringList Texts;
    for (const TAskedCall &Call : Person->Calls())
        if (Call.Kind == QLatin1String("ShowWaitMessage"))
            Texts.append(Call.Caption + QStringLiteral(": ") + Call.Text);
    return Texts;
}

int TstWebUpdate::WaitWindowsHidden() const
{
    int Count = 0;
    for (const TAskedCall &Call : Person->Calls())
        Count += Call.Kind == QLatin1String("HideWaitMessage");
    return Count;
}

QList<int> TstWebUpdate::MessageFlags() const
{
    QList<int> Flags;
    // A box under another caption shows as -1.
    for (const TAskedCall &Box : Person->MessageBoxes())
        Flags.append(Box.Caption == AppTitle() ? Box.Flags : -1);
    return Flags;
}

void TstWebUpdate::noNewerVersion_data()
{
    const QByteArray Digest = HexDigest(SetupProgram());
    QTest::addColumn<QByteArray>("Offered");
    QTest::newRow("this version") << VersionFile("2025.00", Digest);
    QTest::newRow("an older version") << VersionFile("2024.99", Digest);
    QTest::newRow("no section QMRK2025")
        << QByteArray("[QMRK2024]\r\nVersion=2025.01\r\nSha256=" + Digest + "\r\n");
    QTest::newRow("no key Version") << QByteArray(
        "[QMRK2025]\r\nRelease=2025.01\r\nSha256=" + Digest + "\r\n");
    QTest::newRow("no key Sha256") << QByteArray("[QMRK2025]\r\nVersion=2025.01\r\n");
    QTest::newRow("Sha256 in another section")
        << QByteArray("[QMRK2025]\r\nVersion=2025.01\r\n[Other]\r\nSha256=" + Digest + "\r\n");
    QTest::newRow("empty digest") << VersionFile("2025.01", "");
    QTest::newRow("digest one digit short") << VersionFile("2025.01", Digest.left(63));
    QTest::newRow("digest not hexadecimal") << VersionFile("2025.01", Digest.left(63) + "g");
    QTest::newRow("version not a number") << VersionFile("next", Digest);
    QTest::newRow("empty file") << QByteArray();
}

void TstWebUpdate::noNewerVersion()
{
    QFETCH(QByteArray, Offered);
    Server->Serve(VersionPath, Offered);
    Server->Serve(SetupPath, SetupProgram());
    QVERIFY(!TWebUpdate::Run());
    QCOMPARE(Person->MessageTexts(), QStringList({ UpToDate }));
    QCOMPARE(MessageFlags(), QList<int>({ 64 }));
    QCOMPARE(WaitTexts(), QStringList({ AppTitle() + QStringLiteral(": Contacting Server... Please Wait") }));
    QCOMPARE(WaitWindowsHidden(), 1);
    QCOMPARE(Person->WaitCursorDepth(), 0);
    QCOMPARE(Server->Requests(), QStringList({ VersionPath }));
    QCOMPARE(ReadFile(VersionFileOnDisk()), Offered);
    QVERIFY(!QFile::exists(SetupOnDisk()));
    QVERIFY(Started.isEmpty());
}

void TstWebUpdate::newerVersionAcceptedAndStarted_data()
{
    const QByteArray Digest = HexDigest(SetupProgram());
    QTest::addColumn<QByteArray>("Offered");
    QTest::newRow("2025.01") << VersionFile("2025.01", Digest);
    QTest::newRow("names in other letter case, digest in capitals")
        << QByteArray("; next release\n[qmrk2025]\nversion = 2025.01\nSHA256 = " + Digest.toUpper() + "\n");
    QTest::newRow("2026.00 without a line end")
        << QByteArray("[QMRK2025]\nSha256=" + Digest + "\nVersion=2026");
}

void TstWebUpdate::newerVersionAcceptedAndStarted()
{
    QFETCH(QByteArray, Offered);
    Server->Serve(VersionPath, Offered);
    Server->Serve(SetupPath, SetupProgram());
    StartMain();
    Person->AnswerMsgBox(1);
    Main->MnuWebUpdate->trigger();

    QCOMPARE(Person->MessageTexts(), QStringList({ Offer, ShutDown }));
    QCOMPARE(MessageFlags(), QList<int>({ 33, 0 }));
    QCOMPARE(WaitTexts(),
        QStringList({ AppTitle() + QStringLiteral(": Contacting Server... Please Wait"),
            AppTitle() + QStringLiteral(": Downloading Update... Please Wait") }));
    QCOMPARE(WaitWindowsHidden(), 2);
    QCOMPARE(Person->WaitCursorShown(), 2);
    QCOMPARE(Person->WaitCursorDepth(), 0);
    QCOMPARE(Server->Requests(), QStringList({ VersionPath, SetupPath }));
    QCOMPARE(ReadFile(SetupOnDisk()), SetupProgram());
    QVERIFY(QFile::permissions(SetupOnDisk()) & QFile::ExeOwner);
    QCOMPARE(ProgramFiles(), QStringList({ "QMRK_25.EXE", "update.ini" }));
    QCOMPARE(Started, QStringList({ SetupOnDisk() }));
    // The program shuts down so that the setup program can replace it.
    QTRY_VERIFY(!Main->isVisible());

    // The next start clears what the update left.
    ExitMain();
    StartMain();
    QVERIFY(ProgramFiles().isEmpty());
}

void TstWebUpdate::declinedLeavesTheVersionFileUntilTheNextStart()
{
    const QByteArray Offered = VersionFile("2025.01", HexDigest(SetupProgram()));
    Server->Serve(VersionPath, Offered);
    Server->Serve(SetupPath, SetupProgram());
    StartMain();
    Person->AnswerMsgBox(2);
    Main->MnuWebUpdate->trigger();
    QCOMPARE(Person->MessageTexts(), QStringList({ Offer }));
    QCOMPARE(Server->Requests(), QStringList({ VersionPath }));
    QCOMPARE(ProgramFiles(), QStringList({ "update.ini" }));
    QCOMPARE(ReadFile(VersionFileOnDisk()), Offered);
    QVERIFY(Started.isEmpty());
    QVERIFY(Main->isVisible());

    ExitMain();
    QVERIFY(QFile::exists(VersionFileOnDisk()));
    StartMain();
    QVERIFY(ProgramFiles().isEmpty());
}

void TstWebUpdate::setupProgramNotAsTheVersionFileSays_data()
{
    QTest::addColumn<QByteArray>("Served");
    QTest::addColumn<bool>("Found");
    QByteArray Changed = SetupProgram();
    Changed[Changed.size() / 2] = char(Changed.at(Changed.size() / 2) ^ 1);
    QTest::newRow("one bit changed") << Changed << true;
    QTest::newRow("cut short") << SetupProgram().left(4096) << true;
    QTest::newRow("another program") << QByteArray("#!/bin/sh\nrm -rf ~\n") << true;
    QTest::newRow("not on the server") << QByteArray() << false;
}

void TstWebUpdate::setupProgramNotAsTheVersionFileSays()
{
    QFETCH(QByteArray, Served);
    QFETCH(bool, Found);
    Server->Serve(VersionPath, VersionFile("2025.01", HexDigest(SetupProgram())));
    if (Found)
        Server->Serve(SetupPath, Served);
    StartMain();
    Person->AnswerMsgBox(1);
    Main->MnuWebUpdate->trigger();

    QCOMPARE(Person->MessageTexts(), QStringList({ Offer, NoDownload }));
    QCOMPARE(MessageFlags(), QList<int>({ 33, 16 }));
    QCOMPARE(Server->Requests(), QStringList({ VersionPath, SetupPath }));
    // Nothing of the download is left, not even under a temporary name.
    QCOMPARE(ProgramFiles(), QStringList({ "update.ini" }));
    QVERIFY(Started.isEmpty());
    QVERIFY(!Person->WaitMessageShown());
    QCOMPARE(WaitWindowsHidden(), 2);
    QCOMPARE(Person->WaitCursorDepth(), 0);
    QVERIFY(Main->isVisible());
}

void TstWebUpdate::unreachableServer()
{
    // A port that was free a moment ago: nothing answers there.
    QTcpServer Probe;
    QVERIFY(Probe.listen(QHostAddress::LocalHost, 0));
    const quint16 Port = Probe.serverPort();
    Probe.close();
    TWebUpdate::SetServerForTest(QStringLiteral("https://127.0.0.1:%1").arg(Port));
    StartMain();
    Main->MnuWebUpdate->trigger();
    QCOMPARE(Person->MessageTexts(), QStringList({ NoServer }));
    QCOMPARE(MessageFlags(), QList<int>({ 16 }));
    QCOMPARE(WaitWindowsHidden(), 1);
    QVERIFY(!Person->WaitMessageShown());
    QCOMPARE(Person->WaitCursorDepth(), 0);
    QVERIFY(ProgramFiles().isEmpty());
    QVERIFY(Main->isVisible());
}

// The downloads are kept beside the program: a folder that cannot take
// them is named before the server is asked anything.
void TstWebUpdate::programFolderThatCannotBeWritten()
{
    const QString InTheWay = Dir->filePath(QStringLiteral("file"));
    QFile Blocker(InTheWay);
    QVERIFY(Blocker.open(QIODevice::WriteOnly));
    Blocker.close();
    const QString Folder = InTheWay + QStringLiteral("/prog/");
    TAppGlobals::Instance().ProgramDir = Folder;
    TDesktop::SetProgramDirForTest(Folder);
    StartMain();
    TAppGlobals::Instance().ProgramDir = Folder;
    Main->MnuWebUpdate->trigger();
    const QStringList Texts = Person->MessageTexts();
    QCOMPARE(Texts.size(), 1);
    QVERIFY2(Texts.first().startsWith(
                 QStringLiteral("Unable to download update: %1 cannot be written (").arg(Folder)),
        qPrintable(Texts.first()));
    QCOMPARE(MessageFlags(), QList<int>({ 16 }));
    QVERIFY(Server->Requests().isEmpty());
    QVERIFY(Started.isEmpty());
    QCOMPARE(Person->WaitCursorDepth(), 0);
    QVERIFY(!Person->WaitMessageShown());
    QVERIFY(Main->isVisible());
}

void TstWebUpdate::certificateOfAnotherAuthorityIsRefused_data()
{
    QTest::addColumn<bool>("StrangerTrusted");
    QTest::newRow("server of an authority not trusted") << false;
    // The same server is fine once its authority is trusted: the refusal is the certificate's.
    QTest::newRow("its authority trusted") << true;
}

void TstWebUpdate::certificateOfAnotherAuthorityIsRefused()
{
    QFETCH(bool, StrangerTrusted);
    StartServer(FStranger);
    Server->Serve(VersionPath, VersionFile("2025.00", HexDigest(SetupProgram())));
    if (StrangerTrusted)
        TWebUpdate::SetAuthoritiesForTest({ FStranger.Authority });
    if (StrangerTrusted) {
        QVERIFY(!TWebUpdate::Run());
        QCOMPARE(Person->MessageTexts(), QStringList({ UpToDate }));
        QCOMPARE(Server->Requests(), QStringList({ VersionPath }));
        return;
    }
    QCOMPARE(RaisedBy(&TWebUpdate::Run), NoServer);
    QVERIFY(ProgramFiles().isEmpty());
    // No request got through the handshake.
    QVERIFY(Server->Requests().isEmpty());
    QTRY_VERIFY(Server->RefusedHandshakes() > 0);
    QVERIFY(!TWebUpdate::DownloadFile(QUrl(Server->Address() + VersionPath), VersionFileOnDisk()));
    QVERIFY(ProgramFiles().isEmpty());
}

void TstWebUpdate::noConnectionDetectedAsksFirst_data()
{
    QTest::addColumn<int>("Answer");
    QTest::addColumn<QStringList>("Messages");
    QTest::addColumn<QStringList>("Requests");
    QTest::newRow("Cancel ends the command") << 2 << QStringList({ NoConnection }) << QStringList();
    QTest::newRow("OK goes on") << 1 << QStringList({ NoConnection, UpToDate })
                                << QStringList({ VersionPath });
}

void TstWebUpdate::noConnectionDetectedAsksFirst()
{
    QFETCH(int, Answer);
    QFETCH(QStringList, Messages);
    QFETCH(QStringList, Requests);
    TWebUpdate::SetInternetConnectedForTest(false);
    Server->Serve(VersionPath, VersionFile("2025.00", HexDigest(SetupProgram())));
    Person->AnswerMsgBox(Answer);
    QVERIFY(!TWebUpdate::Run());
    QCOMPARE(Person->MessageTexts(), Messages);
    QCOMPARE(MessageFlags().first(), 33);
    QCOMPARE(Server->Requests(), Requests);
}

void TstWebUpdate::plainHttpIsNeverFetched()
{
    QTcpServer Plain;
    QVERIFY(Plain.listen(QHostAddress::LocalHost, 0));
    const QString Address = QStringLiteral("http://127.0.0.1:%1").arg(Plain.serverPort());
    QVERIFY(!TWebUpdate::DownloadFile(QUrl(Address + VersionPath), VersionFileOnDisk()));
    TWebUpdate::SetServerForTest(Address);
    QCOMPARE(RaisedBy(&TWebUpdate::CheckForUpdate), NoServer);
    QTest::qWait(50);
    QVERIFY(!Plain.hasPendingConnections());
    QVERIFY(ProgramFiles().isEmpty());
}

void TstWebUpdate::redirectsStayOnHttps_data()
{
    QTest::addColumn<bool>("ToPlainHttp");
    QTest::newRow("to plain HTTP: refused") << true;
    QTest::newRow("to HTTPS on the same server: followed") << false;
}

void TstWebUpdate::redirectsStayOnHttps()
{
    QFETCH(bool, ToPlainHttp);
    QTcpServer Plain;
    QVERIFY(Plain.listen(QHostAddress::LocalHost, 0));
    const QByteArray Moved = "/public/moved.txt";
    const QByteArray Target = ToPlainHttp
        ? "http://127.0.0.1:" + QByteArray::number(Plain.serverPort()) + Moved
        : Server->Address().toLatin1() + Moved;
    Server->Redirect(VersionPath, Target);
    Server->Serve(QString::fromLatin1(Moved), VersionFile("2025.00", HexDigest(SetupProgram())));
    if (ToPlainHttp) {
        QCOMPARE(RaisedBy(&TWebUpdate::Run), NoServer);
        QTest::qWait(50);
        QVERIFY(!Plain.hasPendingConnections());
        QVERIFY(ProgramFiles().isEmpty());
        QCOMPARE(Server->Requests(), QStringList({ VersionPath }));
        return;
    }
    QVERIFY(!TWebUpdate::Run());
    QCOMPARE(Person->MessageTexts(), QStringList({ UpToDate }));
    QCOMPARE(Server->Requests(), QStringList({ VersionPath, QString::fromLatin1(Moved) }));
}

QMRK_GUI_TEST_MAIN(TstWebUpdate)
#include "tst_webupdate.moc"
