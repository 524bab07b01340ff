#include "FieldColors.h"
#include "QmrkGuiTestMain.h"
#include "TCalculator.h"
#include "TCheckBoxEdit.h"
#include "TClock.h"
#include "TDateEdit.h"
#include "TDollarEdit.h"
#include "TFieldHighlight.h"
#include "TFilterEdit.h"
#include "TFrmCalendar.h"
#include "TMaskedEdit.h"
#include "TScriptedInteraction.h"
#include "TStateEdit.h"

#include <QAccessible>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QStyleFactory>

namespace {

// Where a person looks at the pictures.
const QString GalleryPng = QStringLiteral("/tmp/qmrk-controls-gallery.png");
const QString CalculatorPng = QStringLiteral("/tmp/qmrk-controls-calculator.png");
const QString CalendarPng = QStringLiteral("/tmp/qmrk-controls-calendar.png");

// Columns of Image (inside Area) holding dark text pixels.
QPair<int, int> InkColumns(const QImage &Image, const QRect &Area)
{
    int First = -1;
    int Last = -1;
    for (int X = Area.left(); X <= Area.right(); ++X)
        for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
            if (qGray(Image.pixel(X, Y)) < 110) {
                if (First < 0)
                    First = X;
                Last = X;
                break;
            }
    return { First, Last };
}

} // namespace

class TstControlsGallery : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void gallery();
    void calculatorPicture();
    void calendarPicture();

private:
    QWidget *AddRow(const QString &Caption, QWidget *Control);
    QImage Grab(QWidget *Control) const;

    QWidget *FWindow = nullptr;
    QGridLayout *FGrid = nullptr;
    TScriptedInteraction *FPerson = nullptr;
};

void TstControlsGallery::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    TClock::SetToday(QDate(2025, 5, 14));
    FPerson = new TScriptedInteraction;
}

void TstControlsGallery::cleanupTestCase()
{
    delete FWindow;
    QVERIFY2(FPerson->Problems().isEmpty(), qPrintable(FPerson->Problems()));
    delete FPerson;
    TClock::SetToday(QDate());
}

QWidget *TstControlsGallery::AddRow(const QString &Caption, QWidget *Control)
{
    auto *Label = new QLabel(Caption + QLatin1Char(':'), FWindow);
    Label->setBuddy(Control);
    Control->setAccessibleName(Caption);
    // The forms place their fields at fixed sizes; so does the gallery.
    Control->setFixedSize(Control->size());
    const int Row = FGrid->rowCount();
    FGrid->addWidget(Label, Row, 0);
    FGrid->addWidget(Control, Row, 1, Qt::AlignLeft);
    return Control;
}

QImage TstControlsGallery::Grab(QWidget *Control) const
{
    return Control->grab().toImage();
}

void TstControlsGallery::gallery()
{
    FWindow = new QWidget;
    FWindow->setWindowTitle(QStringLiteral("Entry controls"));
    FWindow->setFont(QFont(QStringLiteral("Arial"), 9));
    FGrid = new QGridLayout(FWindow);
    FGrid->setHorizontalSpacing(12);

    auto *Typing = new TDollarEdit;
    Typing->setObjectName(QStringLiteral("Amount1"));
    Typing->SetValue(48500.5);
    AddRow(QStringLiteral("Wages, tips, other compensation"), Typing);
    auto *Shown = new TDollarEdit;
    Shown->setObjectName(QStringLiteral("Amount2"));
    Shown->SetCurrency(true);
    Shown->SetValue(12345.675);
    AddRow(QStringLiteral("Federal income tax withheld"), Shown);
    auto *Negative = new TDollarEdit;
    Negative->SetValue(-1234.5);
    AddRow(QStringLiteral("Negative amount"), Negative);
    auto *Total = new TDollarEdit;
    Total->setObjectName(QStringLiteral("W3Amount1"));
    Total->setReadOnly(true);
    Total->SetValue(999999999999.99);
    Total->resize(140, 21);
    AddRow(QStringLiteral("W-3 total (read-only)"), Total);
    auto *Date = new TDateEdit;
    Date->setObjectName(QStringLiteral("W3Date"));
    Date->SetText(QStringLiteral("05/14/2025"));
    AddRow(QStringLiteral("Date"), Date);
    auto *EmptyDate = new TDateEdit;
    AddRow(QStringLiteral("Empty date"), EmptyDate);
    auto *State = new TStateEdit;
    State->setObjectName(QStringLiteral("Boxf_c"));
    State->setCurrentIndex(State->findText(QStringLiteral("TX")));
    AddRow(QStringLiteral("State"), State);
    auto *Checked = new TCheckBoxEdit;
    Checked->setObjectName(QStringLiteral("Box13a"));
    Checked->SetChecked(true);
    AddRow(QStringLiteral("Statutory employee"), Checked);
    auto *Unchecked = new TCheckBoxEdit;
    Unchecked->setObjectName(QStringLiteral("Box13b"));
    AddRow(QStringLiteral("Retirement plan"), Unchecked);
    auto *Zip = new TFilterEdit;
    Zip->setObjectName(QStringLiteral("Boxf_d"));
    Zip->SetValidChars(QStringLiteral("[0..9,-]"));
    Zip->setText(QStringLiteral("12345-6789"));
    AddRow(QStringLiteral("ZIP code"), Zip);
    auto *Code = new TFilterEdit;
    Code->setObjectName(QStringLiteral("Box12Code_a"));
    Code->SetValidChars(QStringLiteral("[A..I, J..N, P..T,V,W,Y,Z]"));
    Code->SetCharCase(TFilterEdit::TCharCase::UpperCase);
    Code->SetAlignment(TAlignment::Center);
    Code->setMaxLength(2);
    Code->setText(QStringLiteral("DD"));
    Code->resize(40, 21);
    AddRow(QStringLiteral("Box 12a code"), Code);
    auto *Ssn = new TMaskedEdit;
    Ssn->setObjectName(QStringLiteral("Boxa"));
    Ssn->SetEditMask(QStringLiteral("999-99-9999"));
    Ssn->SetStoredText(QStringLiteral("123-45-6788"));
    Ssn->resize(121, 21);
    AddRow(QStringLiteral("Employee's SSN"), Ssn);
    auto *Missing = new TFilterEdit;
    Missing->setObjectName(QStringLiteral("Boxe_a"));
    SetFieldColor(Missing, MarkColor());
    AddRow(QStringLiteral("First name (marked)"), Missing);

    new TFieldHighlight(FWindow);
    FWindow->show();
    FWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FWindow));
    Typing->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(Typing, QStringLiteral("52750.2"));
    QCOMPARE(Typing->text(), QStringLiteral("52750.2"));
    // The caret blinks; hide it so the picture is the same on every run.
    QApplication::setCursorFlashTime(0);
    QVERIFY(FWindow->grab().save(GalleryPng));
    qInfo("gallery saved as %s", qPrintable(GalleryPng));

    // The focused field shows the highlight, the marked one the mark colour.
    const QImage Focused = Grab(Typing);
    QCOMPARE(QColor(Focused.pixel(6, Focused.height() / 2)), HighlightColor());
    const QImage Marked = Grab(Missing);
    QCOMPARE(QColor(Marked.pixel(Marked.width() / 2, Marked.height() / 2)), MarkColor());

    // Right alignment: the amount ends at the right edge, with more room on
    // its left than on its right.
    for (TDollarEdit *Amount : { Typing, Shown, Negative, Total }) {
        const QImage Image = Grab(Amount);
        const auto Ink = InkColumns(Image, Image.rect().adjusted(2, 3, -2, -3));
        QVERIFY2(Ink.second > Image.width() - 12, qPrintable(Amount->text()));
        QVERIFY2(Ink.first > Image.width() - 1 - Ink.second, qPrintable(Amount->text()));
    }
    // Centring: the X and the code sit in the middle of their boxes.
    for (QWidget *Centred : std::initializer_list<QWidget *> { Checked, Code }) {
        const QImage Image = Grab(Centred);
        const auto Ink = InkColumns(Image, Image.rect().adjusted(2, 3, -2, -3));
        QVERIFY(Ink.first > 0);
        const int Middle = (Ink.first + Ink.second) / 2;
        QVERIFY2(qAbs(Middle - Image.width() / 2) <= 2, qPrintable(QString::number(Middle)));
    }
    // Left alignment: the date starts at the left edge.
    const QImage DateImage = Grab(Date);
    QVERIFY(InkColumns(DateImage, DateImage.rect().adjusted(2, 3, -2, -3)).first < 10);
    // Negative amounts are red.
    const QImage NegativeImage = Grab(Negative);
    bool Red = false;
    for (int X = 0; X < NegativeImage.width() && !Red; ++X)
        for (int Y = 0; Y < NegativeImage.height() && !Red; ++Y) {
            const QColor Pixel = NegativeImage.pixel(X, Y);
            Red = Pixel.red() > 200 && Pixel.green() < 80 && Pixel.blue() < 80;
        }
    QVERIFY(Red);

    // Every control reads out its caption.
    for (QWidget *Control : FWindow->findChildren<QWidget *>()) {
        if (qobject_cast<QLabel *>(Control) || Control->parentWidget() != FWindow)
            continue;
        QAccessibleInterface *Interface = QAccessible::queryAccessibleInterface(Control);
        QVERIFY(Interface);
        QVERIFY2(!Interface->text(QAccessible::Name).isEmpty(), Control->metaObject()->className());
    }
}

void TstControlsGallery::calculatorPicture()
{
    TCalculator Calculator(QStringLiteral("52750.2"), 2);
    Calculator.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Calculator));
    QTest::keyClicks(&Calculator, QStringLiteral("1234.5*12s"));
    QVERIFY(Calculator.grab().save(CalculatorPng));
    qInfo("calculator saved as %s", qPrintable(CalculatorPng));
}

void TstControlsGallery::calendarPicture()
{
    TFrmCalendar Calendar;
    Calendar.PutDate(QStringLiteral("05/14/2025"));
    Calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Calendar));
    QVERIFY(Calendar.grab().save(CalendarPng));
    qInfo("calendar saved as %s", qPrintable(CalendarPng));
}

QMRK_GUI_TEST_MAIN(TstControlsGallery)
#include "tst_controls_gallery.moc"
