#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <optional>

// A CUPS server of the test's own: its configuration, spool and socket in a
// temporary folder, started without systemd and stopped by its own process
// id. It serves two queues: "PDF", the virtual PDF printer (cups-pdf), and
// "Office", a stopped queue on a file with a two-sided driver, whose jobs stay
// for their options to be read. By default the server makes no copies of a
// job (MaxCopies 1), as a printer without its own copies.
class TCupsTestServer {
public:
    explicit TCupsTestServer(int MaxCopies = 1);
    ~TCupsTestServer();

    // Empty when the server cannot run here, with the reason in Why.
    bool Start(QString &Why);
    // One look whether the scheduler answers (for QTRY_*).
    bool Ready() const;
    // Adds the two queues; false and the tool's complaint in Why on failure.
    bool AddQueues(QString &Why) const;
    void Stop();

    QString Socket() const;
    // The driver file CUPS keeps for Queue.
    QString QueuePpd(const QString &Queue) const;
    // The attributes of the printer Queue, as ipptool lists them.
    QString PrinterAttributes(const QString &Queue) const;
    // The attributes ipptool reads of the jobs waiting on Queue (job-name,
    // sides, media, media-source, copies, multiple-document-handling and the
    // driver's Collate).
    QString WaitingJobs(const QString &Queue) const;
    // The folder cups-pdf writes the jobs of this process's user to.
    static QString PdfOutputFolder();
    // Runs a CUPS tool against this server; its standard output, or nothing
    // and Why filled.
    std::optional<QString> Tool(const QString &Name, const QStringList &Args, QString *Why = nullptr) const;

private:
    std::unique_ptr<QTemporaryDir> FRoot;
    QProcess FDaemon;
    int FMaxCopies;
};
