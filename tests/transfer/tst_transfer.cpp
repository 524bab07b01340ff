#include "QmrkTestMain.h"
#include "TCliInProcess.h"
#include "THostileFiles.h"
#include "TRecordBytes.h"
#include "TScriptedInteraction.h"
#include "TTransferFixtures.h"
#include "TTransferRun.h"
#include "TUnprivilegedFiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <sys/resource.h>

using namespace TTransferFixtures;

namespace {

using TRun = TCliInProcess::TRun<QString>;
using TCliInProcess::RunCli;

QString KindText(TTransferOutcome::TKind Kind)
{
    switch (Kind) {
    case TTransferOutcome::TKind::Transferred:
        return QStringLiteral("transferred");
    case TTransferOutcome::TKind::Skipped:
        return QStringLiteral("skipped");
    case TTransferOutcome::TKind::Failed:
        break;
    }
    return QStringLiteral("failed");
}

const QFile::Permissions OpenToAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
    | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

} // namespace

class TstTransfer : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Dir;
    std::unique_ptr<TScriptedInteraction> Person;
    QString Old() const { return Dir->filePath(QStringLiteral("old")); }
    QString New() const { return Dir->filePath(QStringLiteral("new")); }
    QString OldFile(const QString &Name) const { return Old() + QLatin1Char('/') + Name; }
    QString NewFile(const QString &Name) const { return New() + QLatin1Char('/') + Name; }
    void WriteThreeCompanies();

private Q_SLOTS:
    void init();
    void cleanup();
    void carriesThePairByteForByte_data();
    void carriesThePairByteForByte();
    void lastYearFilesAreOnlyRead();
    void lastYearFilesAreListedWhateverTheirCase();
    void existingCompanyIsSkipped_data();
    void existingCompanyIsSkipped();
    void overwriteReplacesThePair();
    void failingCompanyInTheMiddle_data();
    void failingCompanyInTheMiddle();
    void unwritableDataFolder();
    void runShowsTheWaitWindowAroundTheTransfer();
    void cliTransfersAFolder();
    void cliSkipsAndOverwrites();
    void cliReportsAFailureAndGoesOn();
    void cliIntoThisYearsDataFolder();
    void cliRefusals_data();
    void cliRefusals();
    void cliRealExecutable();
};

void TstTransfer::init()
{
    Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(Old()));
    QVERIFY(QDir().mkpath(New()));
    Person = std::make_unique<TScriptedInteraction>();
}

void TstTransfer::cleanup()
{
    QCOMPARE(Person->Problems(), QString());
    Person.reset();
    if (Dir)
        QFile::setPermissions(New(), OpenToAll);
    Dir.reset();
}

void TstTransfer::carriesThePairByteForByte_data()
{
    QTest::addColumn<QString>("W3Name");
    QTest::addColumn<QString>("W2Name");
    QTest::addColumn<bool>("Tail");
    QTest::addColumn<QString>("Base");
    QTest::newRow("upper case") << "ACME.W324"
                                << "ACME.W224" << false << "ACME";
    QTest::newRow("copied from Windows in lower case") << "acme.w324"
                                                       << "acme.w224" << false << "acme";
    QTest::newRow("mixed case, employee file in lower") << "Acme.W324"
                                                        << "acme.w224" << false << "Acme";
    QTest::newRow("bytes after the last whole record") << "ACME.W324"
                                                       << "ACME.W224" << true << "ACME";
}

void TstTransfer::carriesThePairByteForByte()
{
    QFETCH(QString, W3Name);
    QFETCH(QString, W2Name);
    QFETCH(bool, Tail);
    QFETCH(QString, Base);
    WriteOldCompany(Old(), W3Name, W2Name, 12, Tail);

    TTransferRun Run(Old(), New(), true);
    const TTransferOutcome Outcome = Run.TransferCompany(W3Name);

    QCOMPARE(KindText(Outcome.Kind), QStringLiteral("transferred"));
    QCOMPARE(Outcome.Reason, QString());
    QCOMPARE(Outcome.Employees, 12);
    QCOMPARE(Outcome.NewW2File, NewFile(Base + QStringLiteral(".W225")));
    QCOMPARE(FilesIn(New()), QStringList({ Base + QStringLiteral(".W225"), Base + QStringLiteral(".W325") }));
    QCOMPARE(TRecordBytes::ReadFile(NewFile(Base + QStringLiteral(".W325"))), NewEmployer("ACME HARDWARE"));
    const QByteArray Employees = TRecordBytes::ReadFile(NewFile(Base + QStringLiteral(".W225")));
    QCOMPARE(Employees.size(), 12 * 480);
    for (int I = 0; I < 12; ++I)
        QVERIFY2(Employees.mid(I * 480, 480) == NewEmployee(I),
            qPrintable(QStringLiteral("record %1").arg(I + 1)));
    QCOMPARE(Employees.mid(2 * 480, 480), QByteArray(480, '\0'));
    // A new company file is read and written by its owner like any other.
    QVERIFY(QFileInfo(NewFile(Base + QStringLiteral(".W325"))).permissions() & QFile::WriteOwner);
}

void TstTransfer::lastYearFilesAreOnlyRead()
{
    WriteOldCompany(Old(), QStringLiteral("ACME.W324"), QStringLiteral("ACME.W224"));
    WriteOldCompany(Old(), QStringLiteral("BETA.W324"), QStringLiteral("BETA.W224"));
    // Last year's files and folder without write permission, as on a read-only medium.
    for (const QString &Name : FilesIn(Old()))
        QVERIFY(QFile::setPermissions(OldFile(Name), QFile::ReadOwner | QFile::ReadOther));
    QVERIFY(QFile::setPermissions(
        Old(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    QVERIFY(QFile::setPermissions(Dir->path(), OpenToAll));
    QVERIFY(QFile::setPermissions(New(), OpenToAll));
    const QMap<QString, QString> Before = Fingerprint(Old());
    QTest::qWait(20); // a change would show in the modification times

    int Transferred = 0;
    {
        TUnprivilegedFiles AsUser;
        TTransferRun Run(Old(), New(), false);
        Transferred = Run.Run({ QStringLiteral("ACME.W324"), QStringLiteral("BETA.W324") }, {});
    }
    QFile::setPermissions(Old(), OpenToAll);
    QCOMPARE(Transferred, 2);
    QCOMPARE(Fingerprint(Old()), Before);
    QCOMPARE(TRecordBytes::ReadFile(NewFile(QStringLiteral("BETA.W325"))), NewEmployer("BETA HARDWARE"));
}

void TstTransfer::lastYearFilesAreListedWhateverTheirCase()
{
    WriteOldCompany(Old(), QStringLiteral("acme.w324"), QStringLiteral("acme.w224"));
    WriteOldCompany(Old(), QStringLiteral("Zeta.W324"), QStringLiteral("Zeta.W224"));
    WriteOldCompany(Old(), QStringLiteral("BETA.W324"), QStringLiteral("BETA.W224"));
    TRecordBytes::WriteFile(OldFile(QStringLiteral("BETA.W325")), { NewEmployer("THIS YEAR") });
    TRecordBytes::WriteFile(OldFile(QStringLiteral("notes.txt")), { "x" });
    QCOMPARE(TTransferRun::LastYearFiles(Old()),
        QStringList(
            { QStringLiteral("acme.w324"), QStringLiteral("BETA.W324"), QStringLiteral("Zeta.W324") }));
}

void TstTransfer::existingCompanyIsSkipped_data()
{
    QTest::addColumn<QStringList>("Existing");
    QTest::newRow("the pair") << QStringList { "ACME.W325", "ACME.W225" };
    QTest::newRow("the employer file alone") << QStringList { "ACME.W325" };
    QTest::newRow("the employee file alone") << QStringList { "ACME.W225" };
}

void TstTransfer::existingCompanyIsSkipped()
{
    QFETCH(QStringList, Existing);
    WriteOldCompany(Old(), QStringLiteral("ACME.W324"), QStringLiteral("ACME.W224"));
    for (const QString &Name : Existing)
        TRecordBytes::WriteFile(NewFile(Name), { QByteArray(480, 'n') });
    const QMap<QString, QString> Before = Fingerprint(New());

    QVERIFY(TTransferRun::CompanyExists(New(), QStringLiteral("ACME.W324")));
    TTransferRun Run(Old(), New(), true);
    const TTransferOutcome Outcome = Run.TransferCompany(QStringLiteral("ACME.W324"));

    QCOMPARE(KindText(Outcome.Kind), QStringLiteral("skipped"));
    QCOMPARE(Fingerprint(New()), Before);
}

void TstTransfer::overwriteReplacesThePair()
{
    WriteOldCompany(Old(), QStringLiteral("ACME.W324"), QStringLiteral("ACME.W224"), 3);
    TRecordBytes::WriteFile(NewFile(QStringLiteral("ACME.W325")), { QByteArray(608, 'n') });
    TRecordBytes::WriteFile(
        NewFile(QStringLiteral("ACME.W225")), { QByteArray(480, 'n'), QByteArray(480, 'n') });

    TTransferRun Run(Old(), New(), false);
    QCOMPARE(Run.Run({ QStringLiteral("ACME.W324") }, {}), 1);

    QCOMPARE(FilesIn(New()), QStringList({ "ACME.W225", "ACME.W325" }));
    QCOMPARE(TRecordBytes::ReadFile(NewFile(QStringLiteral("ACME.W325"))), NewEmployer("ACME HARDWARE"));
    QCOMPARE(TRecordBytes::ReadFile(NewFile(QStringLiteral("ACME.W225"))), NewEmployeeFile(3));
}

void TstTransfer::WriteThreeCompanies()
{
    WriteOldCompany(Old(), QStringLiteral("ALPHA.W324"), QStringLiteral("ALPHA.W224"), 3);
    WriteOldCompany(Old(), QStringLiteral("BETA.W324"), QStringLiteral("BETA.W224"), 300);
    WriteOldCompany(Old(), QStringLiteral("GAMMA.W324"), QStringLiteral("GAMMA.W224"), 3);
    // This year's BETA holds work already, which no failure may touch.
    TRecordBytes::WriteFile(NewFile(QStringLiteral("BETA.W325")), { QByteArray(608, 'w') });
    TRecordBytes::WriteFile(NewFile(QStringLiteral("BETA.W225")), { QByteArray(480, 'w') });
}

void TstTransfer::failingCompanyInTheMiddle_data()
{
    QTest::addColumn<QString>("Break");
    QTest::addColumn<QString>("Reason");
    QTest::newRow("employee file missing") << "no W224"
                                           << "cannot read %old/BETA.W224: No such file or directory";
    QTest::newRow("employer file missing") << "no W324"
                                           << "cannot read %old/BETA.W324: No such file or directory";
    QTest::newRow("employee file unreadable") << "unreadable W224"
                                              << "cannot read %old/BETA.W224: Permission denied";
    QTest::newRow("employee file a named pipe")
        << "fifo W224"
        << "%old/BETA.W224 is not a regular file (it is a named pipe)";
    QTest::newRow("employer file shorter than a record")
        << "short W324"
        << "%old/BETA.W324 holds no whole employer record (100 bytes)";
    QTest::newRow("this year's employer file a folder, met after the employee file is in place")
        << "W325 folder"
        << "cannot put the new %new/BETA.W225 and BETA.W325 in place: Is a directory";
    QTest::newRow("disk full while the employee file is written")
        << "disk full"
        << "cannot write %new/BETA.W225: File too large";
}

void TstTransfer::failingCompanyInTheMiddle()
{
    QFETCH(QString, Break);
    QFETCH(QString, Reason);
    WriteThreeCompanies();
    if (Break == QLatin1String("no W224"))
        QVERIFY(QFile::remove(OldFile(QStringLiteral("BETA.W224"))));
    if (Break == QLatin1String("no W324"))
        QVERIFY(QFile::remove(OldFile(QStringLiteral("BETA.W324"))));
    if (Break == QLatin1String("unreadable W224"))
        QVERIFY(QFile::setPermissions(OldFile(QStringLiteral("BETA.W224")), {}));
    if (Break == QLatin1String("fifo W224")) {
        QVERIFY(QFile::remove(OldFile(QStringLiteral("BETA.W224"))));
        THostileFiles::Make(OldFile(QStringLiteral("BETA.W224")), QStringLiteral("fifo"));
    }
    if (Break == QLatin1String("short W324"))
        TRecordBytes::WriteFile(OldFile(QStringLiteral("BETA.W324")), { QByteArray(100, 'e') });
    if (Break == QLatin1String("W325 folder")) {
        QVERIFY(QFile::remove(NewFile(QStringLiteral("BETA.W325"))));
        QVERIFY(QDir().mkpath(NewFile(QStringLiteral("BETA.W325"))));
    }
    const bool AsUser = Break == QLatin1String("unreadable W224");
    if (AsUser) {
        QVERIFY(QFile::setPermissions(Dir->path(), OpenToAll));
        QVERIFY(QFile::setPermissions(Old(), OpenToAll));
        QVERIFY(QFile::setPermissions(New(), OpenToAll));
    }
    const QMap<QString, QString> OldBefore = Fingerprint(Old());
    // This year's BETA as it was: put back whole even when the new employee file was in place already.
    const auto BetaNow = [this] {
        return TRecordBytes::ReadFile(NewFile(QStringLiteral("BETA.W225"))) + '|'
            + TRecordBytes::ReadFile(NewFile(QStringLiteral("BETA.W325")))
            + (QFileInfo(NewFile(QStringLiteral("BETA.W325"))).isDir() ? "<folder>" : "");
    };
    const QByteArray BetaBefore = BetaNow();

    rlimit Saved;
    ::getrlimit(RLIMIT_FSIZE, &Saved);
    rlimit Limit = Saved;
    // Room for a small company's files, not for BETA's 300 employees.
    Limit.rlim_cur = 100000;
    QStringList Told;
    int Transferred = 0;
    {
        std::optional<TUnprivilegedFiles> Unprivileged;
        if (AsUser)
            Unprivileged.emplace();
        if (Break == QLatin1String("disk full"))
            QVERIFY(::setrlimit(RLIMIT_FSIZE, &Limit) == 0);
        TTransferRun Run(Old(), New(), false);
        Transferred = Run.Run(
            { QStringLiteral("ALPHA.W324"), QStringLiteral("BETA.W324"), QStringLiteral("GAMMA.W324") },
            [&](const TTransferOutcome &Outcome) {
                Told.append(Outcome.Name + QLatin1Char(' ') + KindText(Outcome.Kind) + QLatin1Char(' ')
                    + Outcome.Reason);
            });
        ::setrlimit(RLIMIT_FSIZE, &Saved);
    }

    Reason.replace(QLatin1String("%old"), Old()).replace(QLatin1String("%new"), New());
    QCOMPARE(Told,
        QStringList({ "ALPHA.W324 transferred ", "BETA.W324 failed " + Reason, "GAMMA.W324 transferred " }));
    QCOMPARE(Transferred, 2);
    QCOMPARE(FilesIn(New()),
        QStringList({ "ALPHA.W225", "ALPHA.W325", "BETA.W225", "BETA.W325", "GAMMA.W225", "GAMMA.W325" }));
    QCOMPARE(BetaNow(), BetaBefore);
    QCOMPARE(TRecordBytes::ReadFile(NewFile(QStringLiteral("GAMMA.W325"))), NewEmployer("GAMMA HARDWARE"));
    QCOMPARE(TRecordBytes::ReadFile(NewFile(QStringLiteral("GAMMA.W225"))), NewEmployeeFile(3));
    QCOMPARE(Fingerprint(Old()), OldBefore);
}

void TstTransfer::unwritableDataFolder()
{
    WriteOldCompany(Old(), QStringLiteral("ACME.W324"), QStringLiteral("ACME.W224"));
    QVERIFY(QFile::setPermissions(Dir->path(), OpenToAll));
    QVERIFY(QFile::setPermissions(Old(), OpenToAll));
    QVERIFY(QFile::setPermissions(
        New(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    TTransferOutcome Outcome;
    {
        TUnprivilegedFiles AsUser;
        Outcome = TTransferRun(Old(), New(), true).TransferCompany(QStringLiteral("ACME.W324"));
    }
    QCOMPARE(KindText(Outcome.Kind), QStringLiteral("failed"));
    QCOMPARE(Outcome.Reason, QStringLiteral("cannot write %1: Permission denied").arg(NewFile("ACME.W325")));
    QCOMPARE(FilesIn(New()), QStringList());
}

void TstTransfer::runShowsTheWaitWindowAroundTheTransfer()
{
    WriteThreeCompanies();
    QVERIFY(QFile::remove(OldFile(QStringLiteral("BETA.W224"))));
    QStringList Order;
    TTransferRun Run(Old(), New(), false);
    Run.Run({ QStringLiteral("ALPHA.W324"), QStringLiteral("BETA.W324"), QStringLiteral("GAMMA.W324") },
        [&](const TTransferOutcome &Outcome) {
            Order.append(QStringLiteral("%1 (wait window %2, cursor depth %3)")
                             .arg(Outcome.Name, Person->WaitMessageShown() ? "up" : "down")
                             .arg(Person->WaitCursorDepth()));
        });
    QCOMPARE(Order,
        QStringList({ "ALPHA.W324 (wait window up, cursor depth 1)",
            "BETA.W324 (wait window down, cursor depth 0)", "GAMMA.W324 (wait window up, cursor depth 1)" }));
    QStringList Calls;
    for (const TAskedCall &Call : Person->Calls())
        Calls.append(Call.Kind + QLatin1Char(' ') + Call.Caption + QLatin1Char(' ') + Call.Text);
    const QString Show
        = QStringLiteral("ShowWaitMessage Quillmark W-2 2025 Transferring files... please wait");
    QCOMPARE(Calls.count(Show), 2);
    QCOMPARE(Person->WaitMessageShown(), false);
    QCOMPARE(Person->WaitCursorDepth(), 0);
}

void TstTransfer::cliTransfersAFolder()
{
    WriteOldCompany(Old(), QStringLiteral("acme.w324"), QStringLiteral("acme.w224"));
    WriteOldCompany(Old(), QStringLiteral("BETA.W324"), QStringLiteral("BETA.W224"), 1);
    const TRun Run = RunCli({ "transfer", "--from", Old(), "--to", New() });
    QCOMPARE(Run.Err, QString());
    QCOMPARE(Run.Out,
        QStringLiteral("acme.w324: transferred to %1/acme.W325 and acme.W225 (12 employee records)\n"
                       "BETA.W324: transferred to %1/BETA.W325 and BETA.W225 (1 employee record)\n"
                       "2 companies transferred\n")
            .arg(New()));
    QCOMPARE(Run.Code, 0);
    QCOMPARE(TRecordBytes::ReadFile(NewFile(QStringLiteral("acme.W325"))), NewEmployer("ACME HARDWARE"));
    QCOMPARE(TRecordBytes::ReadFile(NewFile(QStringLiteral("acme.W225"))), NewEmployeeFile());
}

void TstTransfer::cliSkipsAndOverwrites()
{
    WriteOldCompany(Old(), QStringLiteral("ACME.W324"), QStringLiteral("ACME.W224"));
    WriteOldCompany(Old(), QStringLiteral("BETA.W324"), QStringLiteral("BETA.W224"));
    TRecordBytes::WriteFile(NewFile(QStringLiteral("ACME.W325")), { QByteArray(608, 'w') });
    TRecordBytes::WriteFile(NewFile(QStringLiteral("ACME.W225")), { QByteArray(480, 'w') });

    const TRun Skipping = RunCli({ "transfer", "--from", Old(), "--to", New(), "ACME.W324" });
    QCOMPARE(Skipping.Out,
        QStringLiteral("ACME.W324: skipped, %1/ACME.W325 already exists (--overwrite replaces it)\n"
                       "0 companies transferred\n")
            .arg(New()));
    QCOMPARE(Skipping.Code, 0);
    QCOMPARE(TRecordBytes::ReadFile(NewFile(QStringLiteral("ACME.W325"))), QByteArray(608, 'w'));

    const TRun Overwriting
        = RunCli({ "transfer", "--overwrite", "--from", Old(), "--to", New(), "acme.w324" });
    QCOMPARE(Overwriting.Out,
        QStringLiteral("acme.w324: transferred to %1/acme.W325 and acme.W225 (12 employee records)\n"
                       "1 company transferred\n")
            .arg(New()));
    QCOMPARE(Overwriting.Code, 0);
}

void TstTransfer::cliReportsAFailureAndGoesOn()
{
    WriteThreeCompanies();
    QVERIFY(QFile::remove(OldFile(QStringLiteral("BETA.W224"))));
    const TRun Run = RunCli({ "transfer", "--from", Old(), "--to", New(), "--overwrite" });
    QCOMPARE(Run.Out,
        QStringLiteral("ALPHA.W324: transferred to %2/ALPHA.W325 and ALPHA.W225 (3 employee records)\n"
                       "BETA.W324: failed: cannot read %1/BETA.W224: No such file or directory\n"
                       "GAMMA.W324: transferred to %2/GAMMA.W325 and GAMMA.W225 (3 employee records)\n"
                       "2 companies transferred\n")
            .arg(Old(), New()));
    QCOMPARE(Run.Code, 1);
    QCOMPARE(TRecordBytes::ReadFile(NewFile(QStringLiteral("BETA.W325"))), QByteArray(608, 'w'));
}

void TstTransfer::cliIntoThisYearsDataFolder()
{
    WriteOldCompany(Old(), QStringLiteral("ACME.W324"), QStringLiteral("ACME.W224"));
    const QString DataDir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        + QStringLiteral("/QMRK/2025/Data");
    QDir(DataDir).removeRecursively();
    const TRun Run = RunCli({ "transfer", "--from", Old() });
    QCOMPARE(Run.Code, 0);
    QCOMPARE(TRecordBytes::ReadFile(DataDir + QStringLiteral("/ACME.W325")), NewEmployer("ACME HARDWARE"));
    QCOMPARE(TRecordBytes::ReadFile(DataDir + QStringLiteral("/ACME.W225")), NewEmployeeFile());
    QDir(DataDir).removeRecursively();
}

void TstTransfer::cliRefusals_data()
{
    QTest::addColumn<QStringList>("Args");
    QTest::addColumn<int>("Code");
    QTest::addColumn<QString>("Err");
    QTest::newRow("no --from") << QStringList { "--to", "%new" } << 2
                               << "qmrk-w2-cli: transfer needs --from DIR, the folder of last year's files\n"
                                  "Try 'qmrk-w2-cli transfer --help'.\n";
    QTest::newRow("--from without a folder") << QStringList { "--from" } << 2
                                             << "qmrk-w2-cli: --from needs a folder\n"
                                                "Try 'qmrk-w2-cli transfer --help'.\n";
    QTest::newRow("unknown option") << QStringList { "--from", "%old", "--force" } << 2
                                    << "qmrk-w2-cli: unknown option '--force'\n"
                                       "Try 'qmrk-w2-cli transfer --help'.\n";
    QTest::newRow("a name with a folder")
        << QStringList { "--from", "%old", "x/ACME.W324" } << 2
        << "qmrk-w2-cli: 'x/ACME.W324' is not a file name ending in .W324 (the "
           "folder is given by --from)\nTry 'qmrk-w2-cli transfer --help'.\n";
    QTest::newRow("this year's file named")
        << QStringList { "--from", "%old", "ACME.W325" } << 2
        << "qmrk-w2-cli: 'ACME.W325' is not a file name ending in .W324 (the "
           "folder is given by --from)\nTry 'qmrk-w2-cli transfer --help'.\n";
    QTest::newRow("missing folder") << QStringList { "--from", "%old/none", "--to", "%new" } << 1
                                    << "qmrk-w2-cli: %old/none is not a folder\n";
    QTest::newRow("missing target") << QStringList { "--from", "%old", "--to", "%new/none" } << 1
                                    << "qmrk-w2-cli: %new/none is not a folder\n";
    QTest::newRow("nothing to transfer")
        << QStringList { "--from", "%new", "--to", "%new" } << 1 << "qmrk-w2-cli: no .W324 files in %new\n";
}

void TstTransfer::cliRefusals()
{
    QFETCH(QStringList, Args);
    QFETCH(int, Code);
    QFETCH(QString, Err);
    WriteOldCompany(Old(), QStringLiteral("ACME.W324"), QStringLiteral("ACME.W224"));
    for (QString &Arg : Args)
        Arg.replace(QLatin1String("%old"), Old()).replace(QLatin1String("%new"), New());
    const TRun Run = RunCli(QStringList { QStringLiteral("transfer") } + Args);
    QCOMPARE(Run.Err, Err.replace(QLatin1String("%old"), Old()).replace(QLatin1String("%new"), New()));
    QCOMPARE(Run.Out, QString());
    QCOMPARE(Run.Code, Code);
    QCOMPARE(FilesIn(New()), QStringList());
}

void TstTransfer::cliRealExecutable()
{
    WriteOldCompany(Old(), QStringLiteral("ACME.W324"), QStringLiteral("ACME.W224"));
    const THostileFiles::TCliRun Run = THostileFiles::RunCli(
        QStringLiteral(QMRK_CLI_PATH), { "transfer", "--from", Old(), "--to", New(), "ACME.W324" });
    QVERIFY(Run.Finished);
    QCOMPARE(Run.Code, 0);
    QCOMPARE(Run.Out,
        QStringLiteral("ACME.W324: transferred to %1/ACME.W325 and ACME.W225 (12 employee records)\n"
                       "1 company transferred\n")
            .arg(New())
            .toUtf8());
    QCOMPARE(TRecordBytes::ReadFile(NewFile(QStringLiteral("ACME.W225"))), NewEmployeeFile());
}

QMRK_TEST_MAIN(TstTransfer)
#include "tst_transfer.moc"
