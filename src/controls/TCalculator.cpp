#include "TCalculator.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QToolButton>

namespace {

// Buttons named after what they do; captions as printed on them.
struct TButtonDef {
    const char *Name;
    const char *Caption;
    const char *Hint;
    int Row;
    int Column;
    int RowSpan;
    int ColumnSpan;
};

const TButtonDef ButtonDefs[] = {
    { "BtnSto", "Sto", "Store the display in the memory (S)", 1, 0, 1, 1 },
    { "BtnSum", "suM", "Add the display to the memory (M)", 1, 1, 1, 1 },
    { "BtnRcl", "rcL", "Recall the memory (L)", 1, 2, 1, 1 },
    { "BtnGet", "Get", "Get the amount of the field (G)", 1, 3, 1, 1 },
    { "BtnPut", "Put", "Put the display into the field (P)", 1, 4, 1, 1 },
    { "BtnBack", "Backspace", "Remove the last character (Backspace)", 2, 0, 1, 2 },
    { "BtnRnd", "Rnd", "Round to a whole number (R)", 2, 2, 1, 1 },
    { "BtnClear", "C", "Clear the entry (C)", 2, 3, 1, 1 },
    { "BtnAllClear", "AC", "Clear all but the memory (A)", 2, 4, 1, 1 },
    { "Btn7", "7", "", 3, 0, 1, 1 },
    { "Btn8", "8", "", 3, 1, 1, 1 },
    { "Btn9", "9", "", 3, 2, 1, 1 },
    { "BtnDivide", "/", "Divide (/)", 3, 3, 1, 1 },
    { "BtnPercent", "%", "Percent (%)", 3, 4, 1, 1 },
    { "Btn4", "4", "", 4, 0, 1, 1 },
    { "Btn5", "5", "", 4, 1, 1, 1 },
    { "Btn6", "6", "", 4, 2, 1, 1 },
    { "BtnMultiply", "*", "Multiply (*)", 4, 3, 1, 1 },
    { "BtnSign", "+/-", "Change the sign (_)", 4, 4, 1, 1 },
    { "Btn1", "1", "", 5, 0, 1, 1 },
    { "Btn2", "2", "", 5, 1, 1, 1 },
    { "Btn3", "3", "", 5, 2, 1, 1 },
    { "BtnSubtract", "-", "Subtract (-)", 5, 3, 1, 1 },
    { "BtnEquals", "=", "Equals (= or Enter)", 5, 4, 2, 1 },
    { "Btn0", "0", "", 6, 0, 1, 2 },
    { "BtnDecimal", ".", "Decimal point (.)", 6, 2, 1, 1 },
    { "BtnAdd", "+", "Add (+)", 6, 3, 1, 1 },
};

// The button each typed character stands for.
QString ButtonNameForChar(QChar Ch)
{
    if (Ch >= QLatin1Char('0') && Ch <= QLatin1Char('9'))
        return QStringLiteral("Btn") + Ch;
    switch (Ch.toUpper().unicode()) {
    case '.':
        return QStringLiteral("BtnDecimal");
    case '+':
        return QStringLiteral("BtnAdd");
    case '-':
        return QStringLiteral("BtnSubtract");
    case '*':
        return QStringLiteral("BtnMultiply");
    case '/':
        return QStringLiteral("BtnDivide");
    case '=':
        return QStringLiteral("BtnEquals");
    case '%':
        return QStringLiteral("BtnPercent");
    case '_':
        return QStringLiteral("BtnSign");
    case 'A':
        return QStringLiteral("BtnAllClear");
    case 'C':
        return QStringLiteral("BtnClear");
    case 'G':
        return QStringLiteral("BtnGet");
    case 'L':
        return QStringLiteral("BtnRcl");
    case 'M':
        return QStringLiteral("BtnSum");
    case 'P':
        return QStringLiteral("BtnPut");
    case 'R':
        return QStringLiteral("BtnRnd");
    case 'S':
        return QStringLiteral("BtnSto");
    default:
        return QString();
    }
}

} // namespace

TCalculator::TCalculator(const QString &FieldText, int Precision, QWidget *Parent)
    : QDialog(Parent)
    , FEngine(Precision, FieldText)
{
    setObjectName(QStringLiteral("Calculator"));
    setWindowTitle(QStringLiteral("CALCULATOR"));
    setModal(true);
    FDisplay = new QLabel(this);
    FDisplay->setObjectName(QStringLiteral("Display"));
    FDisplay->setAccessibleName(QStringLiteral("Calculator display"));
    FDisplay->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FDisplay->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    FDisplay->setAutoFillBackground(true);
    FDisplay->setBackgroundRole(QPalette::Base);
    FDisplay->setMargin(4);
    QFont DisplayFont(QStringLiteral("Arial"), 13, QFont::Bold);
    FDisplay->setFont(DisplayFont);
    // Room for the longest display of iMaxChars characters.
    FDisplay->setMinimumWidth(QFontMetrics(DisplayFont).horizontalAdvance(QString(20, QLatin1Char('8'))));
    BuildButtons();
    LayOut();
    Refresh();
}

QToolButton *TCalculator::AddButton(
    const QString &Name, const QString &Caption, const QString &Hint, const std::function<void()> &Action)
{
    auto *Button = new QToolButton(this);
    Button->setText(Caption);
    Button->setObjectName(Name);
    // Speed buttons: the keys keep going to the calculator.
    Button->setFocusPolicy(Qt::NoFocus);
    if (!Hint.isEmpty())
        Button->setToolTip(Hint);
    connect(Button, &QToolButton::clicked, this, [this, Action] {
        Action();
        Refresh();
    });
    FButtons.insert(Name, Button);
    return Button;
}

void TCalculator::BuildButtons()
{
    TCalculatorEngine &E = FEngine;
    for (const TButtonDef &Def : ButtonDefs) {
        const QString Name = QString::fromLatin1(Def.Name);
        const QString Caption = QString::fromLatin1(Def.Caption);
        std::function<void()> Action;
        if (Caption.size() == 1 && Caption.at(0).isDigit())
            Action = [&E, Caption] { E.Digit(Caption.at(0)); };
        else if (Caption.size() == 1 && QStringLiteral("+-*/=%").contains(Caption))
            Action = [&E, Caption] { E.Operator(Caption.at(0)); };
        else if (Name == QLatin1String("BtnDecimal"))
            Action = [&E] { E.Decimal(); };
        else if (Name == QLatin1String("BtnSto"))
            Action = [&E] { E.Store(); };
        else if (Name == QLatin1String("BtnSum"))
            Action = [&E] { E.Sum(); };
        else if (Name == QLatin1String("BtnRcl"))
            Action = [&E] { E.Recall(); };
        else if (Name == QLatin1String("BtnGet"))
            Action = [&E] { E.Get(); };
        else if (Name == QLatin1String("BtnPut"))
            Action = [this] {
                FEngine.Put();
                accept();
            };
        else if (Name == QLatin1String("BtnBack"))
            Action = [&E] { E.Backspace(); };
        else if (Name == QLatin1String("BtnRnd"))
            Action = [&E] { E.RoundDisplay(); };
        else if (Name == QLatin1String("BtnClear"))
            Action = [&E] { E.ClearEntry(); };
        else if (Name == QLatin1String("BtnAllClear"))
            Action = [&E] { E.AllClear(); };
        else if (Name == QLatin1String("BtnSign"))
            Action = [&E] { E.ChangeSign(); };
        AddButton(Name, Caption, QString::fromLatin1(Def.Hint), Action);
    }
}

void TCalculator::LayOut()
{
    auto *Grid = new QGridLayout(this);
    Grid->setSpacing(4);
    Grid->addWidget(FDisplay, 0, 0, 1, 5);
    for (const TButtonDef &Def : ButtonDefs) {
        QToolButton *Button = FButtons.value(QString::fromLatin1(Def.Name));
        Button->setMinimumSize(46, 28);
        Button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        Grid->addWidget(Button, Def.Row, Def.Column, Def.RowSpan, Def.ColumnSpan);
    }
    setFixedSize(sizeHint());
}

void TCalculator::Refresh()
{
    FDisplay->setText(FEngine.Display());
    FButtons.value(QStringLiteral("BtnRcl"))->setEnabled(FEngine.RecallEnabled());
}

QToolButton *TCalculator::ButtonForKey(const QKeyEvent *Event) const
{
    switch (Event->key()) {
    case Qt::Key_Backspace:
        return FButtons.value(QStringLiteral("BtnBack"));
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return FButtons.value(QStringLiteral("BtnEquals"));
    default:
        break;
    }
    const QString Text = Event->text();
    if (Text.isEmpty() || (Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return nullptr;
    return FButtons.value(ButtonNameForChar(Text.at(0)));
}

void TCalculator::keyPressEvent(QKeyEvent *Event)
{
    if (Event->key() == Qt::Key_Home) {
        if (const QScreen *Screen = screen())
            move(Screen->availableGeometry().topLeft());
        return;
    }
    if (QToolButton *Button = ButtonForKey(Event)) {
        // A disabled button (rcL with nothing stored) does nothing.
        Button->click();
        return;
    }
    // Esc closes without putting anything back.
    QDialog::keyPressEvent(Event);
}
