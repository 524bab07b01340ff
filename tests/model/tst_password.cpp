#include "AppInfo.h"
#include "PasswordCipher.h"
#include "QmrkTestMain.h"
#include "TPasswordDialog.h"
#include "TScriptedInteraction.h"

#include <QSet>

#include <optional>

// The stored form of the file password and the prompt that checks it.
class TstPassword : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void cipherAlphabetIsAScrambledPermutation();
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void everyCharacterRoundTrips();
    void execute_data();
    void execute();
    void executeCaptionAndPrompt_data();
    void executeCaptionAndPrompt();
    void cancelIsClearedByTheNextPrompt();

private:
    TScriptedInteraction FUser;
};

void TstPassword::cleanup()
{
    QCOMPARE(FUser.Problems(), QString());
    FUser.Clear();
}

void TstPassword::cipherAlphabetIsAScrambledPermutation()
{
    const QByteArray Plain(PasswordPlainAlphabet);
    const QByteArray Cipher(PasswordCipherAlphabet);
    QCOMPARE(Plain, QByteArray("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"));
    QCOMPARE(Cipher.size(), 62);
    QSet<char> Seen;
    for (const char Ch : Cipher) {
        QVERIFY2(Ch > 0x20 && Ch < 0x7F, "printable ASCII");
        Seen.insert(Ch);
    }
    QCOMPARE(Seen.size(), 62);
    QVERIFY(Cipher != Plain);
    for (int Shift = 0; Shift < 62; ++Shift)
        QVERIFY2(Cipher != Plain.mid(Shift) + Plain.left(Shift), "not a rotation of the plain alphabet");
}

void TstPassword::encode_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("abc") << QStringLiteral("abc") << QStringLiteral("T8h");
    QTest::newRow("Secret1") << QStringLiteral("Secret1") << QStringLiteral("PshQsdf");
    QTest::newRow("ZZtop2025") << QStringLiteral("ZZtop2025") << QStringLiteral("zzdJVojoq");
    QTest::newRow("others dropped") << QStringLiteral("a-b c!é") << QStringLiteral("T8h");
}

void TstPassword::encode()
{
    QFETCH(QString, plain);
    QFETCH(QString, stored);
    QCOMPARE(EncodePassword(plain), stored);
}

void TstPassword::decode_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("plain");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("T8h") << QStringLiteral("T8h") << QStringLiteral("abc");
    QTest::newRow("PshQsdf") << QStringLiteral("PshQsdf") << QStringLiteral("Secret1");
    QTest::newRow("others dropped") << QStringLiteral("T-8 h!") << QStringLiteral("abc");
}

void TstPassword::decode()
{
    QFETCH(QString, stored);
    QFETCH(QString, plain);
    QCOMPARE(DecodePassword(stored), plain);
}

void TstPassword::everyCharacterRoundTrips()
{
    const QString Plain = QLatin1String(PasswordPlainAlphabet);
    QCOMPARE(DecodePassword(EncodePassword(Plain)), Plain);
    QCOMPARE(EncodePassword(Plain), QLatin1String(PasswordCipherAlphabet));
}

void TstPassword::execute_data()
{
    QTest::addColumn<QString>("expected");
    QTest::addColumn<std::optional<QString>>("typed");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("right") << QStringLiteral("Secret1") << std::optional<QString>(QStringLiteral("Secret1"))
                           << true << false;
    QTest::newRow("letter case differs")
        << QStringLiteral("Secret1") << std::optional<QString>(QStringLiteral("secret1")) << false << false;
    QTest::newRow("wrong") << QStringLiteral("Secret1") << std::optional<QString>(QStringLiteral("Guess"))
                           << false << false;
    QTest::newRow("nothing typed") << QStringLiteral("Secret1") << std::optional<QString>(QString()) << false
                                   << false;
    QTest::newRow("cancelled") << QStringLiteral("Secret1") << std::optional<QString>() << false << true;
}

void TstPassword::execute()
{
    QFETCH(QString, expected);
    QFETCH(std::optional<QString>, typed);
    QFETCH(bool, result);
    QFETCH(bool, cancelled);
    TPasswordDialog Dialog;
    Dialog.Password = expected;
    FUser.AnswerPassword(typed);
    QCOMPARE(Dialog.Execute(), result);
    QCOMPARE(Dialog.Cancel(), cancelled);
    QCOMPARE(FUser.Calls().size(), 1);
    QCOMPARE(FUser.Calls().first().Kind, QStringLiteral("AskPassword"));
}

void TstPassword::executeCaptionAndPrompt_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("letterCase");
    QTest::addColumn<QString>("shownCaption");
    QTest::addColumn<QString>("shownPrompt");
    QTest::newRow("defaults") << QString() << QString() << 0 << AppTitle() << QStringLiteral("Enter pasword");
    QTest::newRow("file password") << QString() << QStringLiteral("Enter File Password") << 0 << AppTitle()
                                   << QStringLiteral("Enter File Password");
    QTest::newRow("own caption, upper case") << QStringLiteral("Locked") << QStringLiteral("Key?") << 1
                                             << QStringLiteral("Locked") << QStringLiteral("Key?");
}

void TstPassword::executeCaptionAndPrompt()
{
    QFETCH(QString, caption);
    QFETCH(QString, prompt);
    QFETCH(int, letterCase);
    QFETCH(QString, shownCaption);
    QFETCH(QString, shownPrompt);
    TPasswordDialog Dialog;
    Dialog.Caption = caption;
    Dialog.Prompt = prompt;
    Dialog.PasswordCase = TPasswordCase(letterCase);
    FUser.AnswerPassword(std::nullopt);
    Dialog.Execute();
    QCOMPARE(FUser.Calls().size(), 1);
    QCOMPARE(FUser.Calls().first().Caption, shownCaption);
    QCOMPARE(FUser.Calls().first().Text, shownPrompt);
    QCOMPARE(FUser.Calls().first().Flags, letterCase);
}

void TstPassword::cancelIsClearedByTheNextPrompt()
{
    TPasswordDialog Dialog;
    Dialog.Password = QStringLiteral("Secret1");
    FUser.AnswerPassword(std::nullopt);
    FUser.AnswerPassword(QStringLiteral("Secret1"));
    QVERIFY(!Dialog.Execute());
    QVERIFY(Dialog.Cancel());
    QVERIFY(Dialog.Execute());
    QVERIFY(!Dialog.Cancel());
}

QMRK_TEST_MAIN(TstPassword)
#include "tst_password.moc"
