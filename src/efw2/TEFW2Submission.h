#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class EFW2Settings;

// Why Process is not available, the first that applies.
enum class TEFW2ProcessBlock {
    None, // Process is enabled
    SubmissionComplete, // the last client ran; Reset starts a new submission
    FormsNotReviewed, // the W-3 and W-2 windows not both closed after review
    ClientProcessed, // this client is already in the submission
};

// The words the window shows for a block: empty for None.
QString EFW2ProcessBlockText(TEFW2ProcessBlock Block);

// What the EFW2 window enables.
struct TEFW2ControlStates {
    bool Process = false;
    bool Reset = false;
    bool Submitter = false; // the ChkSubmitter box
    bool Final = false; // the ChkFinal box
    TEFW2ProcessBlock Block = TEFW2ProcessBlock::None;

    friend bool operator==(const TEFW2ControlStates &, const TEFW2ControlStates &) = default;
};

// The state that ties the clients of one EFW2 submission together across
// window openings and program runs: the clients processed since the last
// Reset, kept in "QMRK.CP", and the master list of every line written for
// them, kept in "FormsW2Report.txt". The master list lives for the whole
// program run; the clients-processed list while the window is open.
class TEFW2Submission {
public:
    TEFW2Submission(QStringList &MasterList, const QString &ClientsFile, const QString &MasterFile);

    // The largest files taken on loading: thousands of employer names; and
    // about 260,000 EFW2 lines of 514 bytes, many clients of the largest
    // company the program keeps.
    static constexpr qint64 MaxClientsFileSize = qint64(4) << 20;
    static constexpr qint64 MaxMasterFileSize = qint64(128) << 20;

    QString ClientsFile() const { return FClientsFile; }
    QString MasterFile() const { return FMasterFile; }
    const QStringList &ClientsProcessed() const { return FClients; }
    const QStringList &MasterList() const { return FMaster; }

    // On opening: the clients-processed list from its file, when there is
    // one; the master list from the master file, when there is one, after
    // clearing its read-only mark.
    void Load();
    // On closing: the master list to its file when it has lines, the master
    // file marked read-only, the clients-processed list to its file when it
    // has names; then the clients-processed list is let go. AlongWith (the
    // settings, which hold the count) runs once both lists are written beside
    // their files, and they take their places only when it succeeds: the
    // count and the two lists change together or not at all.
    void Save(const std::function<void()> &AlongWith = {});
    // Both lists emptied and both files deleted. Client files stay.
    void Clear();

    // A client is processed once per submission; names compare ignoring case.
    bool HasClient(const QString &EmployerName) const;
    void AddClient(const QString &EmployerName);
    void AppendToMaster(const QStringList &Lines);

    // The RF count of a client with ValidCount employees: the whole
    // submission's once the person has confirmed this is the last client.
    static qint32 RFCount(const EFW2Settings &Settings, int ValidCount);

    // The opening rules, from the settings (the boxes as they were left),
    // the open company and the lists just loaded.
    TEFW2ControlStates OpeningStates(
        int FormsReviewState, const EFW2Settings &Settings, const QString &EmployerName) const;
    // After Reset: Process as on opening without the clients list, both boxes with it.
    static TEFW2ControlStates ResetStates(int FormsReviewState);

private:
    QStringList &FMaster;
    QStringList FClients;
    QString FClientsFile;
    QString FMasterFile;
};
