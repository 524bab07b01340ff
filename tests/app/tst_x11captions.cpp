// The captions as an X server shows them: the program runs on a real X
// server (Xvfb) and the window names are read back from the server, where
// Qt may add text of its own to what the program sets.

#include "QmrkRequiredTool.h"
#include "QmrkTestMain.h"
#include "TRecordBytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const QString ProgramPath = QStringLiteral(QMRK_BIN_DIR "/qmrk-w2");

bool HaveTools()
{
    return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty();
}

// The names of the top-level windows mapped on the display, from the server.
QStringList WindowNames(const QString &Display)
{
    QProcess Info;
    QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
    Env.insert(QStringLiteral("DISPLAY"), Display);
    Info.setProcessEnvironment(Env);
    Info.start(QStringLiteral("xwininfo"), { QStringLiteral("-root"), QStringLiteral("-children") });
    if (!Info.waitForFinished(10000))
        return {};
    QStringList Names;
    static const QRegularExpression Named(QStringLiteral(R"re(^\s+0x[0-9a-f]+ "(.*)": )re"));
    for (const QString &Line : QString::fromUtf8(Info.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (const QRegularExpressionMatch Match = Named.match(Line); Match.hasMatch())
            Names.append(Match.captured(1));
    }
    return Names;
}

} // namespace

class TstX11Captions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void mainWindowCaption_data();
    void mainWindowCaption();

private:
    QProcess FServer;
    QString FDisplay;
    QTemporaryDir FFolder;
};

void TstX11Captions::initTestCase()
{
    QMRK_REQUIRE_TOOL(HaveTools(), "Xvfb and xwininfo (xvfb, x11-utils) are needed");
    QVERIFY(QFileInfo(ProgramPath).isExecutable());
    // A display number of our own; the server's socket tells when it is up.
    for (int Number = 120 + int(QCoreApplication::applicationPid() % 300); FDisplay.isEmpty(); ++Number) {
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(Number))
            && !QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(Number)))
            FDisplay = QStringLiteral(":%1").arg(Number);
    }
    FServer.start(QStringLiteral("Xvfb"),
        { FDisplay, QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1280x1024x24"),
            QStringLiteral("-nolisten"), QStringLiteral("tcp") });
    QVERIFY(FServer.waitForStarted());
    const QString Socket = QStringLiteral("/tmp/.X11-unix/X") + FDisplay.mid(1);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(Socket), 20000);
}

void TstX11Captions::cleanupTestCase()
{
    if (FServer.state() != QProcess::NotRunning) {
        FServer.terminate();
        FServer.waitForFinished(5000);
    }
}

void TstX11Captions::mainWindowCaption_data()
{
    QTest::addColumn<QByteArray>("EmployerName");
    QTest::addColumn<QString>("Caption");
    QTest::newRow("no company open") << QByteArray() << QStringLiteral("Quillmark W-2 Version 2025.00");
    QTest::newRow("a company open") << QByteArray("Acme Hardware")
                                    << QStringLiteral("Quillmark W-2 Version 2025.00 - Acme Hardware");
}

void TstX11Captions::mainWindowCaption()
{
    QFETCH(QByteArray, EmployerName);
    QFETCH(QString, Caption);

    QStringList Arguments;
    if (!EmployerName.isEmpty()) {
        const QString Base = FFolder.filePath(QStringLiteral("Acme"));
        TRecordBytes::WriteFile(
            Base + QStringLiteral(".W325"), { TRecordBytes(608).PutStr(44, EmployerName) });
        TRecordBytes::WriteFile(Base + QStringLiteral(".W225"), { TRecordBytes(480) });
        Arguments << Base + QStringLiteral(".W225");
    }
    QProcess Program;
    QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
    Env.insert(QStringLiteral("DISPLAY"), FDisplay);
    Env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    Program.setProcessEnvironment(Env);
    Program.start(ProgramPath, Arguments);
    QVERIFY(Program.waitForStarted());

    QStringList All, Names;
    QElapsedTimer Waited;
    Waited.start();
    // The caption changes once the company is open: wait for the last one.
    while (Waited.elapsed() < 30000) {
        All = WindowNames(FDisplay);
        Names = All.filter(QStringLiteral("Version"));
        if (Names == QStringList { Caption })
            break;
        QTest::qWait(100);
    }
    Program.kill();
    Program.waitForFinished(5000);
    // Every window name the server had, should one be missing or doubled.
    QVERIFY2(Names == QStringList { Caption }, qPrintable(All.join(QStringLiteral(" | "))));
}

QMRK_TEST_MAIN(TstX11Captions)
#include "tst_x11captions.moc"
