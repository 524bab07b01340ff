#include "THelpSystem.h"

#include "TFrmHelp.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QWidget>

namespace {

constexpr const char *ContextProperty = "HelpContext";

// The order of the contents list: overview and workflow first, then the
// file commands, the forms, printing, filing and the rest.
const QList<int> ContentsOrder = { 1, 13, 2, 3, 4, 5, 6, 14, 10, 9, 16, 11, 18, 7, 8, 19, 12, 15, 17 };

} // namespace

QList<int> THelpSystem::Contexts()
{
    return ContentsOrder;
}

bool THelpSystem::HasTopic(int Context)
{
    return ContentsOrder.contains(Context);
}

QString THelpSystem::TopicUrl(int Context)
{
    return QStringLiteral("qrc:/help/topic%1.html").arg(HasTopic(Context) ? Context : 1);
}

QString THelpSystem::TopicTitle(int Context)
{
    QFile Topic(QStringLiteral(":/help/topic%1.html").arg(HasTopic(Context) ? Context : 1));
    if (!Topic.open(QIODevice::ReadOnly))
        return QString();
    static const QRegularExpression Title(QStringLiteral("<title>(.*)</title>"));
    return Title.match(QString::fromUtf8(Topic.readAll()))
        .captured(1)
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

void THelpSystem::ShowTopic(int Context)
{
    // A child of the modal window in front stays usable while that window waits.
    QWidget *Owner = QApplication::activeModalWidget();
    if (!Owner)
        Owner = QApplication::activeWindow();
    TFrmHelp *Help = nullptr;
    for (QWidget *Window : QApplication::topLevelWidgets())
        if (auto *Candidate = qobject_cast<TFrmHelp *>(Window);
            Candidate && Candidate->parentWidget() == Owner)
            Help = Candidate;
    if (!Help)
        Help = new TFrmHelp(Owner);
    Help->ShowTopic(Context);
    Help->show();
    Help->raise();
    Help->activateWindow();
}

void THelpSystem::SetHelpContext(QWidget *Widget, int Context)
{
    Widget->setProperty(ContextProperty, Context);
}

int THelpSystem::HelpContextOf(const QWidget *Widget)
{
    for (const QWidget *W = Widget; W; W = W->parentWidget()) {
        const int Context = W->property(ContextProperty).toInt();
        if (Context > 0)
            return Context;
    }
    return 0;
}

void THelpSystem::InstallF1Handler()
{
    static THelpSystem Filter;
    qApp->installEventFilter(&Filter);
}

bool THelpSystem::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(Event)->key() != Qt::Key_F1
        || static_cast<QKeyEvent *>(Event)->modifiers() != Qt::NoModifier)
        return false;
    auto *Target = qobject_cast<QWidget *>(Watched);
    if (!Target || qobject_cast<TFrmHelp *>(Target->window()))
        return false;
    // In an open menu, F1 tells about the highlighted item.
    if (auto *Menu = qobject_cast<QMenu *>(Target)) {
        const int Context
            = Menu->activeAction() ? Menu->activeAction()->property(ContextProperty).toInt() : 0;
        if (Context <= 0)
            return false;
        Menu->close();
        ShowTopic(Context);
        return true;
    }
    const int Context = HelpContextOf(QApplication::focusWidget() ? QApplication::focusWidget() : Target);
    if (Context <= 0)
        return false;
    ShowTopic(Context);
    return true;
}
