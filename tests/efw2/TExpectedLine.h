#pragma once

#include <QByteArray>
#include <QString>

// An EFW2 line as the record layout tables give it, written by hand: 512
// blanks with each value placed at its 1-based position.
class TExpectedLine {
public:
    TExpectedLine();
    TExpectedLine &At(int Position, const QByteArray &Value);
    // Width zeros at Position, as an amount of 0 is written.
    TExpectedLine &Zeros(int Position, int Width);
    const QByteArray &Line() const { return FLine; }

private:
    QByteArray FLine;
};

// Empty when Actual is Expected, else where they first differ.
QString LineDifference(const QString &Actual, const QByteArray &Expected);

#define QCOMPARE_LINE(Actual, Expected)                                                                      \
    do {                                                                                                     \
        const QString Difference = LineDifference((Actual), (Expected));                                     \
        QVERIFY2(Difference.isEmpty(), qPrintable(Difference));                                              \
    } while (false)
