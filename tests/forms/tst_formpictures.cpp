#include "QmrkGuiTestMain.h"
#include "TDollarEdit.h"
#include "TFormKeys.h"
#include "TFormsFixture.h"
#include "TFrmIRSBox12Codes.h"
#include "TFrmRecList.h"
#include "TFrmW2.h"
#include "TFrmW3.h"
#include "TVisualStyle.h"

#include <QImage>

#include <memory>

namespace {

// Where a person looks at the pictures beside the paper forms.
const QString W2Png = QStringLiteral("/tmp/qmrk-form-w2.png");
const QString W3Png = QStringLiteral("/tmp/qmrk-form-w3.png");
const QString ListPng = QStringLiteral("/tmp/qmrk-employee-list.png");
const QString CodesPng = QStringLiteral("/tmp/qmrk-box12-codes.png");

EmployeeRecord PictureEmployee()
{
    EmployeeRecord E
        = TFormsFixture::SampleEmployee(QStringLiteral("Maria J"), QStringLiteral("Gonzalez"), 61250.75);
    E.SetSuffix(QStringLiteral("Jr"));
    E.SetControlNumber(QStringLiteral("A-1042"));
    E.SetBox2FedIncomeTax(6840.12);
    E.SetBox7SocSecTips(0);
    E.SetBox10DependentCare(1500);
    E.SetBox12Code_a(QStringLiteral("D"));
    E.SetBox12Amt_a(3675.05);
    E.SetBox12Code_b(QStringLiteral("DD"));
    E.SetBox12Amt_b(8420.00);
    E.SetBox13Retirement(true);
    E.SetBox14Desc_a(QStringLiteral("UNION"));
    E.SetBox14Amt_a(480);
    E.SetBox17StateTax_a(3031.91);
    E.SetBox18LocalWages_a(61250.75);
    E.SetBox19LocalTax_a(612.51);
    E.SetBox20Locality_a(QStringLiteral("SPFLD"));
    return E;
}

// Fields that overlap one another, as "A/B"; none on a form drawn box by box.
QStringList Overlaps(const QList<QWidget *> &Fields)
{
    QStringList Result;
    for (int I = 0; I < Fields.size(); ++I)
        for (int J = I + 1; J < Fields.size(); ++J)
            if (Fields[I]->parentWidget() == Fields[J]->parentWidget()
                && Fields[I]->geometry().intersects(Fields[J]->geometry()))
                Result.append(Fields[I]->objectName() + QLatin1Char('/') + Fields[J]->objectName());
    return Result;
}

} // namespace

class TstFormPictures : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TFormsFixture> F;

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void w2Picture();
    void w3Picture();
    void listPictures();
};

void TstFormPictures::initTestCase()
{
    QString Error;
    QVERIFY2(TVisualStyle::Apply(*qApp, Error), qPrintable(Error));
}

void TstFormPictures::init()
{
    F = std::make_unique<TFormsFixture>();
    F->OpenCompany(
        TFormsFixture::SampleEmployer(), { PictureEmployee(), TFormsFixture::SampleEmployee("Bob", "Ray") });
}

void TstFormPictures::cleanup()
{
    const QString Problems = F->Person.Problems();
    F.reset();
    QVERIFY2(Problems.isEmpty(), qPrintable(Problems));
}

void TstFormPictures::w2Picture()
{
    TFrmW2 W(F->Data);
    QVERIFY(ShowActive(&W));
    QVERIFY(EnterField(W.Amount2));
    QCOMPARE(Overlaps(W.Fields()), QStringList());
    for (QWidget *Field : W.Fields())
        QVERIFY2(Field->parentWidget()->rect().contains(Field->geometry()), qPrintable(Field->objectName()));
    // The window fits the smallest screen the program runs on.
    QVERIFY(W.width() <= 1280 && W.height() <= 760);
    const QImage Picture = W.grab().toImage();
    QVERIFY(Picture.save(W2Png));
}

void TstFormPictures::w3Picture()
{
    TFrmW3 W(F->Data);
    QVERIFY(ShowActive(&W));
    QCOMPARE(Overlaps(W.Fields()), QStringList());
    for (QWidget *Field : W.Fields())
        QVERIFY2(Field->parentWidget()->rect().contains(Field->geometry()), qPrintable(Field->objectName()));
    QVERIFY(W.width() <= 1280 && W.height() <= 760);
    QVERIFY(W.grab().toImage().save(W3Png));
}

void TstFormPictures::listPictures()
{
    TFrmRecList List(
        { QStringLiteral("adams\tmary"), QStringLiteral("Smith\tJohn"), QStringLiteral("Smith\tJohn") });
    QVERIFY(ShowActive(&List));
    QVERIFY(List.grab().toImage().save(ListPng));
    TFrmIRSBox12Codes Codes;
    QVERIFY(ShowActive(&Codes));
    QVERIFY(Codes.grab().toImage().save(CodesPng));
}

QMRK_GUI_TEST_MAIN(TstFormPictures)
#include "tst_formpictures.moc"
