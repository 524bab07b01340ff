#pragma once

#include "TFormKeys.h"
#include "TFormsFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QSet>
#include <QTest>

#include <memory>

// What the tests of an entry window share: a company on disk with the
// scripted person answering, and the window of type TWindow opened on it.
// The test's init() calls Start() and its cleanup() Finish(), which fails
// the test when the person was asked something unscripted or a scripted
// answer was left.
template <typename TWindow> class TFormWindowTest {
protected:
    std::unique_ptr<TFormsFixture> F;
    std::unique_ptr<TWindow> W;

    void Start() { F = std::make_unique<TFormsFixture>(); }
    void Finish()
    {
        W.reset();
        const QString Problems = F->Person.Problems();
        F.reset();
        QVERIFY2(Problems.isEmpty(), qPrintable(Problems));
    }
    // Opens the window on the company the data module holds.
    void ShowWindow()
    {
        W = std::make_unique<TWindow>(F->Data);
        QVERIFY(ShowActive(W.get()));
    }
    QWidget *Field(const QString &Name) const { return W->template findChild<QWidget *>(Name); }

    // Escape closes the window when Message is empty and shows nothing;
    // otherwise the window stays open with Message as its one stop message
    // and the focus goes to Focus.
    void ExpectEscape(const QString &Focus, const QString &Message)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        if (Message.isEmpty()) {
            QVERIFY(F->Person.MessageTexts().isEmpty());
            QVERIFY(!W->isVisible());
            return;
        }
        QCOMPARE(F->Person.MessageTexts(), QStringList { Message });
        QCOMPARE(F->Person.MessageBoxes().first().Flags, 16);
        QVERIFY(W->isVisible());
        QTRY_COMPARE(FocusName(), Focus);
    }
    // What a screen reader says for the field or button Name.
    void ExpectSpoken(const QString &Name, const QString &Spoken)
    {
        QWidget *Target = Field(Name);
        QVERIFY(Target);
        QCOMPARE(QAccessible::queryAccessibleInterface(Target)->text(QAccessible::Name), Spoken);
    }
    // Every field has its own name for a screen reader, starting with Prefix;
    // Count names in all.
    void ExpectNamedOnce(const QString &Prefix, int Count)
    {
        QSet<QString> Seen;
        for (QWidget *Each : W->Fields()) {
            const QString Read = QAccessible::queryAccessibleInterface(Each)->text(QAccessible::Name);
            QVERIFY2(!Read.isEmpty() && Read.startsWith(Prefix), qPrintable(Each->objectName()));
            QVERIFY2(!Seen.contains(Read), qPrintable(Read));
            Seen.insert(Read);
        }
        QCOMPARE(Seen.size(), Count);
    }
};
