#pragma once

#include <QByteArray>
#include <QString>

// The version file of the update server: an INI text with the section
// "QMRK2025" holding "Version" (a decimal number) and "Sha256" (the digest
// of the setup program in 64 hexadecimal digits). Section and key names
// match in any letter case, as the system's INI reader has them.
class TVersionFile {
public:
    // An unreadable file reads as an empty one.
    static TVersionFile Read(const QString &Path);
    static TVersionFile FromText(const QByteArray &Text);

    // "Version" as a number; Default when it is missing or not a number.
    double Version(double Default) const;
    // The digest in lower-case hexadecimal; empty when it is missing or not
    // 64 hexadecimal digits, so that nothing unchecked is ever run.
    QByteArray Sha256() const;

private:
    QString FVersion;
    QString FSha256;
};
