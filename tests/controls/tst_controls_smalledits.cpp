#include "AppInfo.h"
#include "FieldColors.h"
#include "MsgBox.h"
#include "QmrkGuiTestMain.h"
#include "StateCodes.h"
#include "TCheckBoxEdit.h"
#include "TControlHost.h"
#include "TDollarEdit.h"
#include "TEnterAsTab.h"
#include "TFieldHighlight.h"
#include "TFilterEdit.h"
#include "TMaskedEdit.h"
#include "TScriptedInteraction.h"
#include "TStateEdit.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QMenu>
#include <QPushButton>

namespace {

const QString Required = QStringLiteral("This field is required!");

// A window that counts how often it was asked to close.
class TClosingWindow : public QWidget {
public:
    int CloseRequests = 0;

protected:
    void closeEvent(QCloseEvent *Event) override
    {
        ++CloseRequests;
        QWidget::closeEvent(Event);
    }
};

QString AccessibleName(QWidget *Widget)
{
    QAccessibleInterface *Interface = QAccessible::queryAccessibleInterface(Widget);
    return Interface ? Interface->text(QAccessible::Name) : QString();
}

} // namespace

class TstControlsSmallEdits : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void stateDefaults();
    void stateKeys_data();
    void stateKeys();
    void checkBoxDefaults();
    void checkBoxKeys_data();
    void checkBoxKeys();
    void checkBoxClicks();
    void checkBoxChangeOnlyOnARealChange();
    void filterValidChars_data();
    void filterValidChars();
    void filterKeys_data();
    void filterKeys();
    void filterWindowKeyHandler();
    void filterCaseShortcuts_data();
    void filterCaseShortcuts();
    void filterPaste();
    void contextMenuPaste();
    void filterRequired();
    void filterRequiredThatCannotTakeTheFocus();
    void maskedText_data();
    void maskedText();
    void maskedTyping();
    void enterAsTab();
    void enterAsTabOff();
    void enterOnAButtonPressesIt();
    void escapeAsClose();
    void escapeDoesNothingWhenOff();
    void highlight();
    void alignment();
    void accessibleNames();

private:
    template <class T> T *Make(const QString &Name);

    TScriptedInteraction *FPerson = nullptr;
    TControlHost *FHost = nullptr;
};

void TstControlsSmallEdits::init()
{
    FPerson = new TScriptedInteraction;
    FHost = new TControlHost;
}

void TstControlsSmallEdits::cleanup()
{
    delete FHost;
    FHost = nullptr;
    QVERIFY2(FPerson->Problems().isEmpty(), qPrintable(FPerson->Problems()));
    delete FPerson;
    FPerson = nullptr;
}

template <class T> T *TstControlsSmallEdits::Make(const QString &Name)
{
    auto *Control = new T;
    Control->setObjectName(Name);
    FHost->AddWidget(Control);
    if (!FHost->ShowActive())
        qWarning("the test window did not become active");
    FHost->Enter(Control);
    return Control;
}

void TstControlsSmallEdits::stateDefaults()
{
    TStateEdit Edit;
    QCOMPARE(Edit.width(), 50);
    QVERIFY(Edit.OkToDel());
    QCOMPARE(Edit.currentIndex(), -1);
    QCOMPARE(Edit.State(), QString());
    QStringList Items;
    for (int I = 0; I < Edit.count(); ++I)
        Items << Edit.itemText(I);
    QCOMPARE(Items, StateCodes());
    QVERIFY(!Edit.isEditable());
}

void TstControlsSmallEdits::stateKeys_data()
{
    QTest::addColumn<QString>("Start");
    QTest::addColumn<bool>("OkToDel");
    QTest::addColumn<QString>("Keys");
    QTest::addColumn<QStringList>("Seen");
    QTest::newRow("T cycles TN, TX, TN") << "" << true << "TTT" << QStringList { "TN", "TX", "TN" };
    QTest::newRow("lower case letters") << "" << true << "ttt" << QStringList { "TN", "TX", "TN" };
    QTest::newRow("A cycles four") << "" << true << "AAAAA" << QStringList { "AK", "AL", "AR", "AZ", "AK" };
    QTest::newRow("M cycles eight") << "" << true << "MMMMMMMMM"
                                    << QStringList { "MA", "MD", "ME", "MI", "MN", "MO", "MS", "MT", "MA" };
    QTest::newRow("W cycles four") << "" << true << "WWWWW" << QStringList { "WA", "WI", "WV", "WY", "WA" };
    QTest::newRow("one-state letter stays") << "" << true << "FF" << QStringList { "FL", "FL" };
    QTest::newRow("another state's letter starts a cycle")
        << "CA" << true << "NN" << QStringList { "NC", "ND" };
    QTest::newRow("from the middle of a cycle") << "MI" << true << "M" << QStringList { "MN" };
    QTest::newRow("letters without a state do nothing")
        << "TX" << true << "BEJQXYZ" << QStringList { "TX", "TX", "TX", "TX", "TX", "TX", "TX" };
    QTest::newRow("digits and signs do nothing") << "TX" << true << "1 ." << QStringList { "TX", "TX", "TX" };
    QTest::newRow("backspace clears") << "TX" << true << "{BS}" << QStringList { "" };
    QTest::newRow("Delete clears") << "TX" << true << "{Del}" << QStringList { "" };
    QTest::newRow("backspace kept without OkToDel") << "TX" << false << "{BS}" << QStringList { "TX" };
    QTest::newRow("Delete kept without OkToDel") << "TX" << false << "{Del}" << QStringList { "TX" };
    QTest::newRow("a letter after clearing") << "TX" << true << "{BS}T" << QStringList { "", "TN" };
}

void TstControlsSmallEdits::stateKeys()
{
    QFETCH(QString, Start);
    QFETCH(bool, OkToDel);
    QFETCH(QString, Keys);
    QFETCH(QStringList, Seen);
    auto *Edit = Make<TStateEdit>(QStringLiteral("Boxf_c"));
    Edit->setCurrentIndex(Edit->findText(Start));
    Edit->SetOkToDel(OkToDel);
    QStringList Shown;
    for (qsizetype I = 0; I < Keys.size(); ++I) {
        const qsizetype Close = Keys.at(I) == QLatin1Char('{') ? Keys.indexOf(QLatin1Char('}'), I) : I;
        TypeKeys(Edit, Keys.mid(I, Close - I + 1));
        I = Close;
        Shown << Edit->State();
    }
    QCOMPARE(Shown, Seen);
    QVERIFY(!Edit->view()->isVisible());
}

void TstControlsSmallEdits::checkBoxDefaults()
{
    TCheckBoxEdit Box;
    QCOMPARE(Box.size(), QSize(21, 21));
    QCOMPARE(Box.maxLength(), 1);
    QCOMPARE(Box.Alignment(), TAlignment::Center);
    QVERIFY(Box.alignment() & Qt::AlignHCenter);
    QCOMPARE(Box.cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(Box.font().bold());
    QCOMPARE(Box.font().pointSize(), 10);
    QVERIFY(!Box.Checked());
    QCOMPARE(Box.text(), QString());
}

void TstControlsSmallEdits::checkBoxKeys_data()
{
    QTest::addColumn<bool>("ReadOnly");
    QTest::addColumn<QString>("Keys");
    QTest::addColumn<QString>("Text");
    QTest::newRow("x does nothing") << false << "x"
                                    << "";
    QTest::newRow("X does nothing") << false << "X"
                                    << "";
    QTest::newRow("space checks") << false << " "
                                  << "X";
    QTest::newRow("space again unchecks") << false << "  "
                                          << "";
    QTest::newRow("backspace and Delete do nothing") << false << " {BS}{Del}"
                                                     << "X";
    QTest::newRow("moves do nothing") << false << " {Home}{Left}a"
                                      << "X";
    QTest::newRow("read-only ignores space") << true << " "
                                             << "";
}

void TstControlsSmallEdits::checkBoxKeys()
{
    QFETCH(bool, ReadOnly);
    QFETCH(QString, Keys);
    QFETCH(QString, Text);
    auto *Box = Make<TCheckBoxEdit>(QStringLiteral("Box13a"));
    Box->setReadOnly(ReadOnly);
    TypeKeys(Box, Keys);
    QCOMPARE(Box->text(), Text);
    QCOMPARE(Box->Checked(), Text == QLatin1String("X"));
}

void TstControlsSmallEdits::checkBoxClicks()
{
    auto *Box = Make<TCheckBoxEdit>(QStringLiteral("Box13b"));
    QSignalSpy Clicks(Box, &TCheckBoxEdit::Click);
    QTest::mouseClick(Box, Qt::LeftButton);
    QVERIFY(Box->Checked());
    QTest::mouseClick(Box, Qt::LeftButton);
    QVERIFY(!Box->Checked());
    Box->setReadOnly(true);
    QTest::mouseClick(Box, Qt::LeftButton);
    QVERIFY(!Box->Checked());
    QCOMPARE(Clicks.count(), 3);
}

void TstControlsSmallEdits::checkBoxChangeOnlyOnARealChange()
{
    auto *Box = Make<TCheckBoxEdit>(QStringLiteral("Box13c"));
    QSignalSpy Changes(Box, &QLineEdit::textChanged);
    Box->SetChecked(false);
    QCOMPARE(Changes.count(), 0);
    Box->SetChecked(true);
    QCOMPARE(Changes.count(), 1);
    Box->SetChecked(true);
    QCOMPARE(Changes.count(), 1);
    TypeKeys(Box, QStringLiteral(" "));
    QCOMPARE(Changes.count(), 2);
    QVERIFY(!Box->Checked());
    // A text the window put in itself counts as what is shown.
    Box->setText(QStringLiteral("X"));
    QCOMPARE(Changes.count(), 3);
    Box->SetChecked(false);
    QCOMPARE(Changes.count(), 4);
    QCOMPARE(Box->text(), QString());
}

void TstControlsSmallEdits::filterValidChars_data()
{
    QTest::addColumn<QString>("Set");
    QTest::addColumn<QString>("ReadBack");
    QTest::addColumn<QString>("Accepted");
    QTest::addColumn<QString>("Refused");
    QTest::newRow("default accepts all") << ""
                                         << "[]"
                                         << "aZ9-, "
                                         << "";
    QTest::newRow("control numbers") << "[A..Z,0..9,-]"
                                     << "[A..Z,0..9,-]"
                                     << "AZ09-"
                                     << "a ,.";
    QTest::newRow("box 12 codes, blanks do no harm") << "[A..I, J..N, P..T,V,W,Y,Z]"
                                                     << "[A..I, J..N, P..T,V,W,Y,Z]"
                                                     << "AIJNPTVWYZ"
                                                     << " OUX0";
    QTest::newRow("without brackets") << "A..Z"
                                      << "Invalid format A..Z"
                                      << "aZ9- "
                                      << "";
    QTest::newRow("without the closing bracket") << "[0..9"
                                                 << "Invalid format [0..9"
                                                 << "x"
                                                 << "";
}

void TstControlsSmallEdits::filterValidChars()
{
    QFETCH(QString, Set);
    QFETCH(QString, ReadBack);
    QFETCH(QString, Accepted);
    QFETCH(QString, Refused);
    TFilterEdit Edit;
    if (!Set.isEmpty())
        Edit.SetValidChars(Set);
    QCOMPARE(Edit.ValidChars(), ReadBack);
    for (const QChar Ch : Accepted)
        QVERIFY2(Edit.CharSet().none() || CharInSet(Ch, Edit.CharSet()), qPrintable(QString(Ch)));
    for (const QChar Ch : Refused)
        QVERIFY2(!CharInSet(Ch, Edit.CharSet()), qPrintable(QString(Ch)));
}

void TstControlsSmallEdits::filterKeys_data()
{
    QTest::addColumn<QString>("Set");
    QTest::addColumn<int>("CharCase");
    QTest::addColumn<QString>("Keys");
    QTest::addColumn<QString>("Text");
    const int Normal = int(TFilterEdit::TCharCase::Normal);
    const int Upper = int(TFilterEdit::TCharCase::UpperCase);
    const int Lower = int(TFilterEdit::TCharCase::LowerCase);
    QTest::newRow("digits: letters dropped") << "[0..9]" << Normal << "1a2B-3"
                                             << "123";
    QTest::newRow("zip codes") << "[0..9,-]" << Normal << "12345-6789x"
                               << "12345-6789";
    QTest::newRow("backspace always passes") << "[0..9]" << Normal << "12{BS}3"
                                             << "13";
    QTest::newRow("upper case into capitals only") << "[A..Z]" << Upper << "qW1"
                                                   << "QW";
    QTest::newRow("lower case into small letters only") << "[a..z]" << Lower << "QwE"
                                                        << "qwe";
    QTest::newRow("upper case leaves other characters") << "" << Upper << "a-b 1"
                                                        << "A-B 1";
    QTest::newRow("empty set takes everything") << "[]" << Normal << "a-1 Z"
                                                << "a-1 Z";
    QTest::newRow("box 12 codes upper case") << "[A..I, J..N, P..T,V,W,Y,Z]" << Upper << "d d"
                                             << "DD";
    QTest::newRow("box 12 code O refused") << "[A..I, J..N, P..T,V,W,Y,Z]" << Upper << "oaa"
                                           << "AA";
}

void TstControlsSmallEdits::filterKeys()
{
    QFETCH(QString, Set);
    QFETCH(int, CharCase);
    QFETCH(QString, Keys);
    QFETCH(QString, Text);
    auto *Edit = Make<TFilterEdit>(QStringLiteral("Boxf_d"));
    if (!Set.isEmpty())
        Edit->SetValidChars(Set);
    Edit->SetCharCase(TFilterEdit::TCharCase(CharCase));
    Edit->SetBeepOnInvalid(true);
    TypeKeys(Edit, Keys);
    QCOMPARE(Edit->text(), Text);
}

void TstControlsSmallEdits::filterWindowKeyHandler()
{
    auto *Edit = Make<TFilterEdit>(QStringLiteral("W3Box15_State"));
    Edit->SetCharCase(TFilterEdit::TCharCase::UpperCase);
    QString Seen;
    Edit->SetOnKeyPress([&Seen](QChar &Key) {
        Seen.append(Key);
        if (Key == QLatin1Char('X'))
            Key = QChar();
        else if (Key == QLatin1Char('Y'))
            Key = QLatin1Char('Z');
    });
    TypeKeys(Edit, QStringLiteral("axy{BS}b"));
    QCOMPARE(Seen, QStringLiteral("AXY\bB"));
    QCOMPARE(Edit->text(), QStringLiteral("AB"));
}

void TstControlsSmallEdits::filterCaseShortcuts_data()
{
    QTest::addColumn<int>("Key");
    QTest::addColumn<QString>("Start");
    QTest::addColumn<QString>("Text");
    QTest::newRow("Ctrl+L names") << int(Qt::Key_L) << "  joHN  mcDONALD "
                                  << "John  Mcdonald";
    QTest::newRow("Ctrl+L one word") << int(Qt::Key_L) << "SMITH"
                                     << "Smith";
    QTest::newRow("Ctrl+L empty") << int(Qt::Key_L) << ""
                                  << "";
    QTest::newRow("Ctrl+U capitals") << int(Qt::Key_U) << "Main st. 5b"
                                     << "MAIN ST. 5B";
}

void TstControlsSmallEdits::filterCaseShortcuts()
{
    QFETCH(int, Key);
    QFETCH(QString, Start);
    QFETCH(QString, Text);
    auto *Edit = Make<TFilterEdit>(QStringLiteral("Boxe_a"));
    Edit->setText(Start);
    QTest::keyClick(Edit, Qt::Key(Key), Qt::ControlModifier);
    QCOMPARE(Edit->text(), Text);
}

void TstControlsSmallEdits::filterPaste()
{
    auto *Edit = Make<TFilterEdit>(QStringLiteral("StateID_a"));
    Edit->SetValidChars(QStringLiteral("[0..9,A..Z]"));
    Edit->SetCharCase(TFilterEdit::TCharCase::UpperCase);
    QGuiApplication::clipboard()->setText(QStringLiteral("ab-12 3"));
    QTest::keyClick(Edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Edit->text(), QStringLiteral("AB123"));
}

void TstControlsSmallEdits::contextMenuPaste()
{
    auto *Edit = Make<TFilterEdit>(QStringLiteral("Boxf_d"));
    Edit->SetValidChars(QStringLiteral("[0..9,-]"));
    QGuiApplication::clipboard()->setText(QStringLiteral("12a-3 b"));
    QContextMenuEvent Event(QContextMenuEvent::Keyboard, QPoint(5, 5), Edit->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(Edit, &Event);
    QMenu *Menu = nullptr;
    QTRY_VERIFY((Menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) != nullptr);
    QAction *Paste = nullptr;
    for (QAction *Action : Menu->actions())
        if (Action->text().contains(QStringLiteral("Paste")))
            Paste = Action;
    QVERIFY(Paste);
    Paste->trigger();
    Menu->close();
    QCOMPARE(Edit->text(), QStringLiteral("12-3"));
}

void TstControlsSmallEdits::filterRequired()
{
    auto *Edit = Make<TFilterEdit>(QStringLiteral("Boxe_b"));
    Edit->SetRequiredField(true);
    Edit->setText(QStringLiteral("   "));
    QSignalSpy Exits(Edit, &TFilterEdit::Exit);
    FHost->LeaveByTab();
    QCOMPARE(FPerson->MessageTexts(), QStringList { Required });
    QCOMPARE(FPerson->MessageBoxes().first().Flags, MsgFlag::IconWarning);
    QCOMPARE(FPerson->MessageBoxes().first().Caption, AppTitle());
    QCOMPARE(Exits.count(), 1);
    QVERIFY(Edit->hasFocus());
    QVERIFY(!FHost->Spare->hasFocus());
    QCOMPARE(Edit->selectedText(), QStringLiteral("   "));
    TypeKeys(Edit, QStringLiteral("Lee"));
    FHost->LeaveByTab();
    QVERIFY(FHost->Spare->hasFocus());
    QCOMPARE(FPerson->MessageTexts().size(), 1);
}

void TstControlsSmallEdits::filterRequiredThatCannotTakeTheFocus()
{
    auto *Edit = Make<TFilterEdit>(QStringLiteral("Boxe_b"));
    Edit->SetRequiredField(true);
    Edit->setEnabled(false);
    QCOMPARE(FPerson->MessageTexts(),
        (QStringList { Required,
            QStringLiteral("A non-fatal error has occured in the\r\nprogram. Click on Ok to continue.") }));
    QCOMPARE(FPerson->MessageBoxes().last().Flags, MsgFlag::IconError);
}

void TstControlsSmallEdits::maskedText_data()
{
    QTest::addColumn<QString>("Mask");
    QTest::addColumn<QString>("Stored");
    QTest::addColumn<QString>("Read");
    QTest::newRow("untouched SSN") << "999-99-9999"
                                   << ""
                                   << "   -  -    ";
    QTest::newRow("full SSN") << "999-99-9999"
                              << "123-45-6789"
                              << "123-45-6789";
    QTest::newRow("SSN with gaps") << "999-99-9999"
                                   << "123-45-67 9"
                                   << "123-45-67 9";
    QTest::newRow("SSN with a leading gap") << "999-99-9999"
                                            << " 23- 5-678 "
                                            << " 23- 5-678 ";
    QTest::newRow("untouched EIN") << "99-9999999"
                                   << ""
                                   << "  -       ";
    QTest::newRow("untouched phone") << "999-999-9999"
                                     << ""
                                     << "   -   -    ";
    QTest::newRow("partial date") << "99/99/9999"
                                  << "01/  /2025"
                                  << "01/  /2025";
    QTest::newRow("letters refused by a digit mask") << "99/99/9999"
                                                     << "ab/cd/efgh"
                                                     << "  /  /    ";
}

void TstControlsSmallEdits::maskedText()
{
    QFETCH(QString, Mask);
    QFETCH(QString, Stored);
    QFETCH(QString, Read);
    TMaskedEdit Edit;
    Edit.SetEditMask(Mask);
    const QString Before = Edit.StoredText();
    QSignalSpy Changes(&Edit, &QLineEdit::textChanged);
    Edit.SetStoredText(Stored);
    QCOMPARE(Edit.StoredText(), Read);
    // One change notification, and none when nothing changed.
    QCOMPARE(Changes.count(), Read == Before ? 0 : 1);
}

void TstControlsSmallEdits::maskedTyping()
{
    auto *Edit = Make<TMaskedEdit>(QStringLiteral("Boxa"));
    Edit->SetEditMask(QStringLiteral("999-99-9999"));
    QCOMPARE(Edit->StoredText(), QStringLiteral("   -  -    "));
    Edit->setCursorPosition(0);
    TypeKeys(Edit, QStringLiteral("12x3456"));
    QCOMPARE(Edit->StoredText(), QStringLiteral("123-45-6   "));
    QCOMPARE(Edit->text(), QStringLiteral("123-45-6"));
}

void TstControlsSmallEdits::enterAsTab()
{
    auto *First = new TFilterEdit;
    auto *Amount = new TDollarEdit;
    auto *Box = new TCheckBoxEdit;
    auto *State = new TStateEdit;
    for (QWidget *Field : std::initializer_list<QWidget *> { First, Amount, Box, State })
        FHost->AddWidget(Field);
    auto *Enter = new TEnterAsTab(FHost);
    QCOMPARE(Enter->ParentForm(), FHost);
    QVERIFY(Enter->EnterAsTabKey());
    QVERIFY(!Enter->EscapeAsClose());
    QVERIFY(FHost->ShowActive());
    FHost->Enter(First);
    TypeKeys(First, QStringLiteral("abc{Enter}"));
    QVERIFY(Amount->hasFocus());
    QCOMPARE(First->text(), QStringLiteral("abc"));
    TypeKeys(Amount, QStringLiteral("12{Enter}"));
    QVERIFY(Box->hasFocus());
    QCOMPARE(Amount->text(), QStringLiteral("12.00"));
    TypeKeys(Box, QStringLiteral(" {Enter}"));
    QVERIFY(State->hasFocus());
    QVERIFY(Box->Checked());
    TypeKeys(State, QStringLiteral("T{Enter}"));
    QVERIFY(FHost->Spare->hasFocus());
    QCOMPARE(State->State(), QStringLiteral("TN"));
    QVERIFY(!State->view()->isVisible());
}

void TstControlsSmallEdits::enterAsTabOff()
{
    auto *Field = new TFilterEdit;
    FHost->AddWidget(Field);
    auto *Enter = new TEnterAsTab(FHost);
    Enter->SetEnterAsTabKey(false);
    QVERIFY(FHost->ShowActive());
    FHost->Enter(Field);
    TypeKeys(Field, QStringLiteral("a{Enter}"));
    QVERIFY(Field->hasFocus());
    QCOMPARE(Field->text(), QStringLiteral("a"));
}

void TstControlsSmallEdits::enterOnAButtonPressesIt()
{
    QDialog Dialog;
    auto *Field = new TFilterEdit(&Dialog);
    auto *Button = new QPushButton(QStringLiteral("&Close"), &Dialog);
    Field->move(0, 0);
    Button->move(0, 40);
    new TEnterAsTab(&Dialog);
    QSignalSpy Pressed(Button, &QPushButton::clicked);
    Dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&Dialog));
    Button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Button, Qt::Key_Return);
    QCOMPARE(Pressed.count(), 1);
}

void TstControlsSmallEdits::escapeAsClose()
{
    TClosingWindow Window;
    auto *Field = new TDollarEdit(&Window);
    auto *Enter = new TEnterAsTab(&Window);
    Enter->SetEscapeAsClose(true);
    Window.show();
    QVERIFY(QTest::qWaitForWindowActive(&Window));
    Field->setFocus(Qt::TabFocusReason);
    TypeKeys(Field, QStringLiteral("5{Esc}"));
    QCOMPARE(Window.CloseRequests, 1);
    QVERIFY(!Window.isVisible());
}

void TstControlsSmallEdits::escapeDoesNothingWhenOff()
{
    TClosingWindow Window;
    auto *Field = new TFilterEdit(&Window);
    new TEnterAsTab(&Window);
    Window.show();
    QVERIFY(QTest::qWaitForWindowActive(&Window));
    Field->setFocus(Qt::TabFocusReason);
    TypeKeys(Field, QStringLiteral("a{Esc}"));
    QCOMPARE(Window.CloseRequests, 0);
    QVERIFY(Window.isVisible());
    QCOMPARE(Field->text(), QStringLiteral("a"));
}

void TstControlsSmallEdits::highlight()
{
    auto *Name = new TFilterEdit;
    auto *State = new TStateEdit;
    FHost->AddWidget(Name);
    FHost->AddWidget(State);
    SetFieldColor(Name, MarkColor());
    new TFieldHighlight(FHost);
    QVERIFY(FHost->ShowActive());
    FHost->Enter(Name);
    QCOMPARE(FieldColor(Name), QColor(187, 255, 255));
    FHost->LeaveByTab();
    QVERIFY(State->hasFocus());
    QCOMPARE(FieldColor(Name), QColor(255, 147, 147));
    QCOMPARE(FieldColor(State), HighlightColor());
    QCOMPARE(State->palette().color(QPalette::Button), HighlightColor());
    FHost->LeaveByTab();
    QVERIFY(FieldColor(State) != HighlightColor());
    QCOMPARE(FieldColor(FHost->Spare), HighlightColor());

    // A refused exit keeps the highlight on the field that keeps the focus.
    Name->SetRequiredField(true);
    FHost->Enter(Name);
    FHost->LeaveByTab();
    QVERIFY(Name->hasFocus());
    QCOMPARE(FieldColor(Name), HighlightColor());
    QCOMPARE(FieldColor(State), FieldColor(FHost->Spare));
    QCOMPARE(FPerson->MessageTexts(), QStringList { Required });
}

void TstControlsSmallEdits::alignment()
{
    TFilterEdit Edit;
    QCOMPARE(Edit.Alignment(), TAlignment::LeftJustify);
    Edit.SetAlignment(TAlignment::Center);
    QCOMPARE(Edit.alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    Edit.SetAlignment(TAlignment::RightJustify);
    QCOMPARE(Edit.alignment(), Qt::AlignRight | Qt::AlignVCenter);
}

void TstControlsSmallEdits::accessibleNames()
{
    auto *Code = Make<TFilterEdit>(QStringLiteral("Box12Code_a"));
    Code->setAccessibleName(QStringLiteral("Box 12a code"));
    QCOMPARE(AccessibleName(Code), QStringLiteral("Box 12a code"));
    auto *State = Make<TStateEdit>(QStringLiteral("Box15a"));
    State->setAccessibleName(QStringLiteral("Box 15 state"));
    QCOMPARE(AccessibleName(State), QStringLiteral("Box 15 state"));
}

QMRK_GUI_TEST_MAIN(TstControlsSmallEdits)
#include "tst_controls_smalledits.moc"
