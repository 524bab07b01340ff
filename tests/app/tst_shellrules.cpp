#include "QmrkTestMain.h"
#include "ShellRules.h"
#include "TAppRegistry.h"
#include "THostileFiles.h"
#include "TMemoryStatus.h"
#include "TRecentFileList.h"
#include "TScriptedInteraction.h"
#include "TUnprivilegedFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

class TstShellRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addRecentFile_data();
    void addRecentFile();
    void recentListLoadsOnlyAnExistingKey();
    void registryFileIsPlainIni();
    void unfitSettingsFileIsLeftAlone_data();
    void unfitSettingsFileIsLeftAlone();
    void saveAsTargetName_data();
    void saveAsTargetName();
    void companyExtension_data();
    void companyExtension();
    void dataFoldersAreCreated();
    void dataFoldersBelowAMissingDocumentsFolder();
    void uncreatableDataFolderIsReportedOnce_data();
    void uncreatableDataFolderIsReportedOnce();
    void updateLeftoversAreDeleted();
    void memoryStatus_data();
    void memoryStatus();
};

void TstShellRules::addRecentFile_data()
{
    QTest::addColumn<QStringList>("Before");
    QTest::addColumn<QString>("Closed");
    QTest::addColumn<QStringList>("After");
    QTest::newRow("into an empty list") << QStringList() << "A" << QStringList({ "A" });
    QTest::newRow("B closed after A") << QStringList({ "A", "B" }) << "B" << QStringList({ "B", "A" });
    QTest::newRow("new one pushes the others down")
        << QStringList({ "A", "B" }) << "C" << QStringList({ "C", "A", "B" });
    QTest::newRow("the most recent again") << QStringList({ "A", "B" }) << "A" << QStringList({ "A", "B" });
    QTest::newRow("letter case counts") << QStringList({ "a" }) << "A" << QStringList({ "A", "a" });
    QTest::newRow("a full list drops the oldest")
        << QStringList({ "0", "1", "2", "3", "4", "5", "6", "7", "8", "9" }) << "X"
        << QStringList({ "X", "0", "1", "2", "3", "4", "5", "6", "7", "8" });
    QTest::newRow("gaps keep their places")
        << QStringList({ "A", "", "C" }) << "C" << QStringList({ "C", "A", "" });
}

void TstShellRules::addRecentFile()
{
    QFETCH(QStringList, Before);
    QFETCH(QString, Closed);
    QFETCH(QStringList, After);
    TRecentFileList List;
    List.SetEntries(Before);
    List.AddRecentFile(Closed);
    while (After.size() < TRecentFileList::Size)
        After.append(QString());
    QCOMPARE(List.Entries(), After);
}

void TstShellRules::recentListLoadsOnlyAnExistingKey()
{
    QTemporaryDir Dir;
    const QString Key = QStringLiteral("Software\\QMRK\\2025\\RecentFiles");
    TAppRegistry Registry(Dir.filePath(QStringLiteral("settings.ini")));
    TRecentFileList List;
    List.SetEntries({ QStringLiteral("stale") });
    List.Load(Registry, Key);
    QCOMPARE(List.Entries(), QStringList(10, QString()));
    QVERIFY(!Registry.KeyExists(Key));

    Registry.WriteString(Key, QStringLiteral("0"), QStringLiteral("/data/A.W225"));
    Registry.WriteString(Key, QStringLiteral("2"), QStringLiteral("/data/C.W225"));
    List.Load(Registry, Key);
    QCOMPARE(List.Entries().mid(0, 4), QStringList({ "/data/A.W225", "", "/data/C.W225", "" }));
}

// The settings file is read by people and by other copies of the program:
// registry paths become keys of the first group, one value per line.
void TstShellRules::registryFileIsPlainIni()
{
    QTemporaryDir Dir;
    const QString File = Dir.filePath(QStringLiteral("qmrk-w2.ini"));
    {
        TAppRegistry Registry(File);
        TRecentFileList List;
        List.SetEntries({ QStringLiteral("/home/ann/Acme & Sons.W225") });
        List.Store(Registry, QStringLiteral("Software\\QMRK\\2025\\RecentFiles"));
        Registry.WriteString(QStringLiteral("Software\\QMRK\\2025\\Backup\\"), QStringLiteral("Path"),
            QStringLiteral("/media/usb"));
        Registry.WriteInteger(QStringLiteral("Software\\QMRK\\2025\\Printer"), QStringLiteral("Copies"), 2);
        QVERIFY(Registry.Flush());
        QCOMPARE(
            Registry.ReadInteger(QStringLiteral("Software\\QMRK\\2025\\Printer"), QStringLiteral("Copies")),
            2);
        QCOMPARE(
            Registry.ReadInteger(QStringLiteral("Software\\QMRK\\2025\\Printer"), QStringLiteral("Tray"), -1),
            -1);
    }
    QByteArray Expected = "[Software]\n"
                          "QMRK\\2025\\Backup\\Path=/media/usb\n"
                          "QMRK\\2025\\Printer\\Copies=2\n"
                          "QMRK\\2025\\RecentFiles\\0=/home/ann/Acme & Sons.W225\n";
    for (int I = 1; I < 10; ++I)
        Expected += "QMRK\\2025\\RecentFiles\\" + QByteArray::number(I) + "=\n";
    QFile Written(File);
    QVERIFY(Written.open(QIODevice::ReadOnly));
    QCOMPARE(Written.readAll(), Expected);
}

void TstShellRules::unfitSettingsFileIsLeftAlone_data()
{
    QTest::addColumn<QString>("Kind");
    QTest::addColumn<qint64>("Size");
    QTest::newRow("named pipe") << "fifo" << qint64(0);
    QTest::newRow("folder") << "folder" << qint64(0);
    QTest::newRow("endless device") << "zero" << qint64(0);
    QTest::newRow("far too large") << "oversized" << qint64(1024 * 1024 + 1);
}

// A pipe in place of the settings file would hang the start: the store
// starts empty instead, keeps what is written while it lives, says why, and
// leaves the file as it is.
void TstShellRules::unfitSettingsFileIsLeftAlone()
{
    QFETCH(QString, Kind);
    QFETCH(qint64, Size);
    QTemporaryDir Dir;
    const QString File = Dir.filePath(QStringLiteral("qmrk-w2.ini"));
    THostileFiles::Make(File, Kind, Size);
    const QFileInfo Before(File);
    {
        TAppRegistry Registry(File);
        QCOMPARE(Registry.Problem(),
            QStringLiteral(
                "The settings file %1%2; the program starts with its default settings and keeps the "
                "changes made now only until it ends.")
                .arg(File, THostileFiles::Problem(Kind, Size, 1024 * 1024)));
        QCOMPARE(Registry.ReadString(QStringLiteral("Software\\QMRK\\2025\\Backup"), QStringLiteral("Path"),
                     QStringLiteral("none")),
            QStringLiteral("none"));
        Registry.WriteString(QStringLiteral("Software\\QMRK\\2025\\Backup"), QStringLiteral("Path"),
            QStringLiteral("/media/usb"));
        QVERIFY(Registry.Flush());
        QCOMPARE(Registry.ReadString(QStringLiteral("Software\\QMRK\\2025\\Backup"), QStringLiteral("Path")),
            QStringLiteral("/media/usb"));
    }
    const QFileInfo After(File);
    QCOMPARE(After.isFile(), Before.isFile());
    QCOMPARE(After.isDir(), Before.isDir());
    QCOMPARE(After.size(), Before.size());
    QCOMPARE(QDir(Dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
        QStringList { QStringLiteral("qmrk-w2.ini") });
}

void TstShellRules::saveAsTargetName_data()
{
    QTest::addColumn<QString>("Chosen");
    QTest::addColumn<QString>("Target");
    QTest::newRow("two dots") << "/copies/Acme 2025.old.W225"
                              << "Acme 2025.W225";
    QTest::newRow("plain") << "/copies/Acme.W225"
                           << "Acme.W225";
    QTest::newRow("no extension") << "/copies/Acme"
                                  << "Acme.W225";
    QTest::newRow("other extension") << "/copies/Acme.txt"
                                     << "Acme.W225";
    QTest::newRow("dot in the folder only") << "/my.copies/Acme"
                                            << "Acme.W225";
}

void TstShellRules::saveAsTargetName()
{
    QFETCH(QString, Chosen);
    QFETCH(QString, Target);
    QCOMPARE(SaveAsTargetName(Chosen), Target);
}

void TstShellRules::companyExtension_data()
{
    QTest::addColumn<QString>("Path");
    QTest::addColumn<bool>("Open");
    QTest::addColumn<bool>("CommandLine");
    QTest::newRow("upper case") << "Acme.W225" << true << true;
    QTest::newRow("lower case") << "acme.w225" << true << false;
    QTest::newRow("employer file") << "Acme.W325" << false << false;
    QTest::newRow("last year's") << "Acme.W224" << false << false;
    QTest::newRow("no extension") << "W225" << false << false;
}

void TstShellRules::companyExtension()
{
    QFETCH(QString, Path);
    QFETCH(bool, Open);
    QFETCH(bool, CommandLine);
    QTemporaryDir Dir;
    const QString Full = Dir.filePath(Path);
    QFile File(Full);
    QVERIFY(File.open(QIODevice::WriteOnly));
    File.close();
    QCOMPARE(HasCompanyExtension(Full), Open);
    QCOMPARE(CommandLineCompanyFile({ Full }) == Full, CommandLine);
}

void TstShellRules::dataFoldersAreCreated()
{
    QTemporaryDir Documents;
    const QString DataDir = PrepareDataDir(Documents.path());
    QCOMPARE(DataDir, Documents.path() + QStringLiteral("/QMRK/2025/Data/"));
    QVERIFY(QDir(DataDir).exists());
    QCOMPARE(PrepareDataDir(Documents.path()), DataDir);
    QCOMPARE(PrepareDataDir(QString()), QDir::homePath() + QStringLiteral("/QMRK/2025/Data/"));
}

// A fresh account: the system names a Documents folder that is not there.
void TstShellRules::dataFoldersBelowAMissingDocumentsFolder()
{
    QTemporaryDir Home;
    const QString Documents = Home.filePath(QStringLiteral("Documents"));
    TScriptedInteraction Person;
    QCOMPARE(PrepareDataDir(Documents), Documents + QStringLiteral("/QMRK/2025/Data/"));
    QVERIFY(QFileInfo(Documents + QStringLiteral("/QMRK/2025/Data")).isDir());
    QVERIFY(Person.MessageBoxes().isEmpty());
}

void TstShellRules::uncreatableDataFolderIsReportedOnce_data()
{
    QTest::addColumn<QString>("Blocker"); // made a regular file, or a folder without write permission
    QTest::addColumn<bool>("ReadOnly");
    QTest::addColumn<QString>("Failing"); // the folder the message names
    QTest::addColumn<QString>("Reason");
    QTest::newRow("Documents is a file") << "Documents" << false << "Documents"
                                         << "Not a directory";
    QTest::newRow("QMRK is a file") << "Documents/QMRK" << false << "Documents/QMRK"
                                    << "Not a directory";
    QTest::newRow("Data is a file") << "Documents/QMRK/2025/Data" << false << "Documents/QMRK/2025/Data"
                                    << "Not a directory";
    QTest::newRow("read-only Documents") << "Documents" << true << "Documents/QMRK"
                                         << "Permission denied";
    QTest::newRow("read-only home") << "" << true << "Documents"
                                    << "Permission denied";
}

void TstShellRules::uncreatableDataFolderIsReportedOnce()
{
    QFETCH(QString, Blocker);
    QFETCH(bool, ReadOnly);
    QFETCH(QString, Failing);
    QFETCH(QString, Reason);
    QTemporaryDir Home;
    const QDir Root(Home.path());
    const QFile::Permissions Open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    const QFile::Permissions Closed = Open & ~QFile::Permissions(QFile::WriteOwner);
    const QString Blocked = Root.filePath(Blocker);
    QVERIFY(QFile::setPermissions(Home.path(), Open));
    if (ReadOnly) {
        QVERIFY(Root.mkpath(Blocked));
        QVERIFY(QFile::setPermissions(Blocked, Closed));
    } else {
        QVERIFY(Root.mkpath(QFileInfo(Blocked).path()));
        QFile File(Blocked);
        QVERIFY(File.open(QIODevice::WriteOnly));
    }
    TScriptedInteraction Person;
    {
        TUnprivilegedFiles AsUser;
        PrepareDataDir(Root.filePath(QStringLiteral("Documents")));
    }
    if (ReadOnly)
        QFile::setPermissions(Blocked, Open);
    QCOMPARE(Person.MessageTexts(),
        QStringList({ QStringLiteral("The folder %1 could not be created:\r%2")
                          .arg(Root.filePath(Failing), Reason) }));
    QCOMPARE(Person.MessageBoxes().first().Flags, 16);
}

void TstShellRules::updateLeftoversAreDeleted()
{
    QTemporaryDir Program;
    for (const char *Name : { "QMRK_25.EXE", "update.ini", "TaxForms.RAV" }) {
        QFile File(Program.filePath(QLatin1String(Name)));
        QVERIFY(File.open(QIODevice::WriteOnly));
    }
    DeleteUpdateLeftovers(Program.path() + QLatin1Char('/'));
    QCOMPARE(QDir(Program.path()).entryList(QDir::Files), QStringList({ "TaxForms.RAV" }));
}

QMRK_TEST_MAIN(TstShellRules)
void TstShellRules::memoryStatus_data()
{
    QTest::addColumn<QByteArray>("Meminfo");
    QTest::addColumn<QString>("Total");
    QTest::addColumn<QString>("Load");
    QTest::newRow("a desktop") << QByteArray("MemTotal:       16318412 kB\nMemFree:         1022312 kB\n"
                                             "MemAvailable:    9464678 kB\nBuffers:          200000 kB\n")
                               << "16,318,412 KB"
                               << "42 %";
    QTest::newRow("whole percent cut, not rounded")
        << QByteArray("MemTotal: 1000 kB\nMemAvailable: 1 kB\n") << "1,000 KB"
        << "99 %";
    QTest::newRow("all free") << QByteArray("MemAvailable: 512 kB\nMemTotal: 512 kB\n") << "512 KB"
                              << "0 %";
    QTest::newRow("no MemAvailable line") << QByteArray("MemTotal: 2048 kB\n") << "2,048 KB"
                                          << "100 %";
    QTest::newRow("available above the total")
        << QByteArray("MemTotal: 100 kB\nMemAvailable: 200 kB\n") << "100 KB"
        << "0 %";
    QTest::newRow("unreadable") << QByteArray() << "0 KB"
                                << "0 %";
    QTest::newRow("a terabyte") << QByteArray("MemTotal: 1073741824 kB\nMemAvailable: 536870912 kB\n")
                                << "1,073,741,824 KB"
                                << "50 %";
}

void TstShellRules::memoryStatus()
{
    QFETCH(QByteArray, Meminfo);
    QFETCH(QString, Total);
    QFETCH(QString, Load);
    const TMemoryStatus Status = TMemoryStatus::FromMeminfo(Meminfo);
    QCOMPARE(Status.TotalText(), Total);
    QCOMPARE(Status.LoadText(), Load);
}

#include "tst_shellrules.moc"
