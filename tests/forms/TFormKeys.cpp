#include "TFormKeys.h"

#include "TCheckBoxEdit.h"
#include "TStateEdit.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

bool EnterField(QWidget *Field)
{
    Field->setFocus(Qt::TabFocusReason);
    return QTest::qWaitFor([Field] { return Field->hasFocus(); });
}

namespace {

void ChooseState(TStateEdit *Selector, const QString &Code)
{
    if (Code.isEmpty()) {
        QTest::keyClick(Selector, Qt::Key_Delete);
        return;
    }
    // The letter key walks that letter's states; a few turns reach any of them.
    for (int Turn = 0; Turn < 10 && Selector->State() != Code; ++Turn)
        QTest::keyClick(Selector, Code.at(0).toLatin1());
}

} // namespace

void TypeInto(QWidget *Field, const QString &Text)
{
    if (!EnterField(Field))
        return;
    if (auto *Selector = qobject_cast<TStateEdit *>(Field)) {
        ChooseState(Selector, Text);
        return;
    }
    if (auto *Check = qobject_cast<TCheckBoxEdit *>(Field)) {
        if (Check->Checked() != (Text == QLatin1String("X")))
            QTest::keyClick(Check, Qt::Key_Space);
        return;
    }
    auto *Edit = qobject_cast<QLineEdit *>(Field);
    if (!Edit)
        return;
    Edit->selectAll();
    QTest::keyClick(Edit, Qt::Key_Backspace);
    QTest::keyClicks(Edit, Text);
}

void LeaveField()
{
    if (QWidget *Focused = QApplication::focusWidget())
        QTest::keyClick(Focused, Qt::Key_Tab);
}

bool ShowActive(QWidget *Window)
{
    Window->show();
    Window->activateWindow();
    return QTest::qWaitForWindowActive(Window);
}

QString FocusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

QStringList VisitWithEnter(int Count)
{
    QStringList Visited = { FocusName() };
    while (Visited.size() < Count) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        Visited.append(FocusName());
    }
    return Visited;
}
