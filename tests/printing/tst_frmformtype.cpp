#include "QmrkGuiTestMain.h"
#include "TAppGlobals.h"
#include "TFrmFormType.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

class TstFrmFormType : public QObject {
    Q_OBJECT

private:
    // Opens the window as Print All does and lets Act work it with real input.
    bool RunWindow(const std::function<void(TFrmFormType &)> &Act, bool &MaskSSN)
    {
        QTimer::singleShot(0, this, [&Act] {
            TFrmFormType *Window = nullptr;
            QTRY_VERIFY(Window = qobject_cast<TFrmFormType *>(QApplication::activeModalWidget()));
            Act(*Window);
        });
        return TFrmFormType::Execute(nullptr, MaskSSN);
    }

private Q_SLOTS:
    void init() { TAppGlobals::Instance().W2FormType = 0; }

    void preselectsTheLastChoice_data()
    {
        QTest::addColumn<int>("FormType");
        QTest::addColumn<QString>("Radio");
        QTest::newRow("employee") << 0 << "RbEmployee";
        QTest::newRow("employer") << 1 << "RbEmployer";
        QTest::newRow("state") << 2 << "RbState";
        QTest::newRow("SSA") << 3 << "RbSSA";
        QTest::newRow("unknown") << 7 << "RbEmployee";
    }
    void preselectsTheLastChoice()
    {
        QFETCH(int, FormType);
        QFETCH(QString, Radio);
        TAppGlobals::Instance().W2FormType = quint8(FormType);
        bool Checked = false;
        bool Mask = false;
        RunWindow(
            [&](TFrmFormType &W) {
                Checked = W.findChild<QRadioButton *>(Radio)->isChecked() && W.ChkMaskSSN->isChecked();
                QTest::keyClick(&W, Qt::Key_Escape);
            },
            Mask);
        QVERIFY(Checked);
    }

    void okKeepsTheChoiceAndPrints()
    {
        bool Mask = false;
        const bool Ok = RunWindow(
            [](TFrmFormType &W) {
                QTest::mouseClick(W.RbSSA, Qt::LeftButton);
                QTest::mouseClick(W.BtnOk, Qt::LeftButton);
            },
            Mask);
        QVERIFY(Ok);
        QVERIFY(Mask);
        QCOMPARE(int(TAppGlobals::Instance().W2FormType), 3);
    }

    void cancelPrintsNothingButKeepsTheChoice()
    {
        bool Mask = false;
        const bool Ok = RunWindow(
            [](TFrmFormType &W) {
                QTest::mouseClick(W.RbState, Qt::LeftButton);
                QTest::mouseClick(W.BtnCancel, Qt::LeftButton);
            },
            Mask);
        QVERIFY(!Ok);
        QCOMPARE(int(TAppGlobals::Instance().W2FormType), 2);
    }

    void clearedMaskUnmasksOneRunOnly()
    {
        bool Mask = true;
        QVERIFY(RunWindow(
            [](TFrmFormType &W) {
                QTest::mouseClick(W.ChkMaskSSN, Qt::LeftButton);
                QTest::mouseClick(W.BtnOk, Qt::LeftButton);
            },
            Mask));
        QVERIFY(!Mask);
        bool CheckedAgain = false;
        QVERIFY(RunWindow(
            [&](TFrmFormType &W) {
                CheckedAgain = W.ChkMaskSSN->isChecked();
                QTest::mouseClick(W.BtnOk, Qt::LeftButton);
            },
            Mask));
        QVERIFY(CheckedAgain);
        QVERIFY(Mask);
    }
};

QMRK_GUI_TEST_MAIN(TstFrmFormType)
#include "tst_frmformtype.moc"
