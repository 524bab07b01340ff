#include "TFrmCalendar.h"

#include "DateUtils.h"
#include "TClock.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString MonthName(int Month)
{
    static const char *Names[] = { "January", "February", "March", "April", "May", "June", "July", "August",
        "September", "October", "November", "December" };
    return QString::fromLatin1(Names[Month - 1]);
}

} // namespace

TFrmCalendar::TFrmCalendar(QWidget *Parent)
    : QDialog(Parent)
{
    setObjectName(QStringLiteral("FrmCalendar"));
    setWindowTitle(QStringLiteral("CALENDAR"));
    setModal(true);

    Panel = new QLabel(this);
    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->setAlignment(Qt::AlignCenter);
    Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    BtnPrior = new QPushButton(QStringLiteral("<"), this);
    BtnPrior->setObjectName(QStringLiteral("BtnPrior"));
    BtnPrior->setAccessibleName(QStringLiteral("Prior month"));
    BtnPrior->setToolTip(QStringLiteral("Prior month (Page Up)"));
    BtnNext = new QPushButton(QStringLiteral(">"), this);
    BtnNext->setObjectName(QStringLiteral("BtnNext"));
    BtnNext->setAccessibleName(QStringLiteral("Next month"));
    BtnNext->setToolTip(QStringLiteral("Next month (Page Down)"));
    for (QPushButton *Button : { BtnPrior, BtnNext }) {
        Button->setAutoDefault(false);
        Button->setFixedWidth(32);
    }

    Calendar = new QCalendarWidget(this);
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->setAccessibleName(QStringLiteral("Calendar"));
    Calendar->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    Calendar->setFirstDayOfWeek(Qt::Sunday);
    Calendar->setNavigationBarVisible(false);
    Calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    Calendar->setGridVisible(true);
    Calendar->setSelectedDate(TClock::Today());
    for (QWidget *Child : Calendar->findChildren<QWidget *>())
        Child->installEventFilter(this);

    BtnPasteDate = new QPushButton(QStringLiteral("Paste &Date"), this);
    BtnPasteDate->setObjectName(QStringLiteral("BtnPasteDate"));
    BtnPasteDate->setDefault(true);
    BtnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setAutoDefault(false);

    auto *Heading = new QHBoxLayout;
    Heading->addWidget(BtnPrior);
    Heading->addWidget(Panel, 1);
    Heading->addWidget(BtnNext);
    auto *Buttons = new QHBoxLayout;
    Buttons->addStretch(1);
    Buttons->addWidget(BtnPasteDate);
    Buttons->addWidget(BtnCancel);
    auto *Layout = new QVBoxLayout(this);
    Layout->addLayout(Heading);
    Layout->addWidget(Calendar, 1);
    Layout->addLayout(Buttons);

    connect(BtnPrior, &QPushButton::clicked, this, [this] { MoveMonths(-1); });
    connect(BtnNext, &QPushButton::clicked, this, [this] { MoveMonths(1); });
    connect(BtnPasteDate, &QPushButton::clicked, this, &TFrmCalendar::PasteAndClose);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Calendar, &QCalendarWidget::activated, this, &TFrmCalendar::PasteAndClose);
    connect(Calendar, &QCalendarWidget::selectionChanged, this, &TFrmCalendar::UpdateHeading);
    connect(Calendar, &QCalendarWidget::currentPageChanged, this, &TFrmCalendar::UpdateHeading);
    UpdateHeading();
}

void TFrmCalendar::PutDate(const QString &Text)
{
    if (!IsValidDateText(Text))
        return;
    int Month = 0;
    int Day = 0;
    int Year = 0;
    SplitDateText(Text, Month, Day, Year);
    Calendar->setSelectedDate(QDate(Year, Month, Day));
    UpdateHeading();
}

QString TFrmCalendar::GetDate() const
{
    return MakeDateText(
        Calendar->selectedDate().month(), Calendar->selectedDate().day(), Calendar->selectedDate().year());
}

void TFrmCalendar::MoveMonths(int Months)
{
    // addMonths keeps the day where the month has it, else takes the last.
    const QDate Moved = Calendar->selectedDate().addMonths(Months);
    if (Moved.isValid() && Moved >= Calendar->minimumDate() && Moved <= Calendar->maximumDate())
        Calendar->setSelectedDate(Moved);
    UpdateHeading();
}

void TFrmCalendar::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    UpdateHeading();
    FPaste = false;
    Calendar->setFocus();
}

void TFrmCalendar::keyPressEvent(QKeyEvent *Event)
{
    if (!MoveByKey(Event))
        QDialog::keyPressEvent(Event);
}

bool TFrmCalendar::eventFilter(QObject *Watched, QEvent *Event)
{
    // The grid would move by itself on Page Up and Down, but not by a year
    // with Alt; the window takes those keys first.
    if (Event->type() == QEvent::KeyPress && MoveByKey(static_cast<QKeyEvent *>(Event)))
        return true;
    return QDialog::eventFilter(Watched, Event);
}

bool TFrmCalendar::MoveByKey(const QKeyEvent *Event)
{
    const bool Alt = Event->modifiers() & Qt::AltModifier;
    switch (Event->key()) {
    case Qt::Key_PageUp:
        MoveMonths(Alt ? -12 : -1);
        return true;
    case Qt::Key_PageDown:
        MoveMonths(Alt ? 12 : 1);
        return true;
    default:
        return false;
    }
}

void TFrmCalendar::UpdateHeading()
{
    Panel->setText(
        MonthName(Calendar->monthShown()) + QStringLiteral(", ") + QString::number(Calendar->yearShown()));
}

void TFrmCalendar::PasteAndClose()
{
    FPaste = true;
    accept();
}
