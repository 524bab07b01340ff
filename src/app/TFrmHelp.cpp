#include "TFrmHelp.h"

#include "AppInfo.h"
#include "THelpSystem.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

QString TopicText(int Context)
{
    QFile Topic(QStringLiteral(":/help/topic%1.html").arg(Context));
    if (!Topic.open(QIODevice::ReadOnly))
        return QString();
    QTextDocument Document;
    Document.setHtml(QString::fromUtf8(Topic.readAll()));
    return Document.toPlainText();
}

int ContextFromUrl(const QUrl &Url)
{
    static const QRegularExpression Name(QStringLiteral("topic(\\d+)\\.html$"));
    return Name.match(Url.path()).captured(1).toInt();
}

} // namespace

TFrmHelp::TFrmHelp(QWidget *Owner)
    : QWidget(Owner, Qt::Window)
{
    setObjectName(QStringLiteral("FrmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(AppTitle() + QStringLiteral(" Help"));
    resize(820, 560);

    FindEdit = new QLineEdit(this);
    FindEdit->setObjectName(QStringLiteral("FindEdit"));
    FindEdit->setPlaceholderText(QStringLiteral("Find"));
    FindEdit->setAccessibleName(QStringLiteral("Find in help"));
    FindEdit->setClearButtonEnabled(true);
    TopicList = new QListWidget(this);
    TopicList->setObjectName(QStringLiteral("TopicList"));
    TopicList->setAccessibleName(QStringLiteral("Help topics"));
    for (int Context : THelpSystem::Contexts()) {
        auto *Item = new QListWidgetItem(THelpSystem::TopicTitle(Context), TopicList);
        Item->setData(Qt::UserRole, Context);
    }
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setAccessibleName(QStringLiteral("Help topic"));
    Browser->setOpenLinks(false);

    auto *Left = new QWidget(this);
    auto *LeftLayout = new QVBoxLayout(Left);
    LeftLayout->setContentsMargins(0, 0, 0, 0);
    LeftLayout->addWidget(FindEdit);
    LeftLayout->addWidget(TopicList);
    auto *Splitter = new QSplitter(this);
    Splitter->addWidget(Left);
    Splitter->addWidget(Browser);
    Splitter->setStretchFactor(1, 3);
    Splitter->setSizes({ 230, 590 });
    auto *Layout = new QHBoxLayout(this);
    Layout->addWidget(Splitter);

    connect(FindEdit, &QLineEdit::textChanged, this, &TFrmHelp::FindChanged);
    connect(FindEdit, &QLineEdit::returnPressed, this, &TFrmHelp::FindConfirmed);
    connect(TopicList, &QListWidget::itemSelectionChanged, this, &TFrmHelp::TopicChosen);
    connect(Browser, &QTextBrowser::anchorClicked, this, &TFrmHelp::LinkFollowed);
    auto *Close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(Close, &QShortcut::activated, this, &QWidget::close);
}

void TFrmHelp::ShowTopic(int Context)
{
    if (!THelpSystem::HasTopic(Context))
        Context = 1;
    FCurrentContext = Context;
    Browser->setSource(QUrl(THelpSystem::TopicUrl(Context)));
    SelectInList(Context);
}

void TFrmHelp::SelectInList(int Context)
{
    for (int Row = 0; Row < TopicList->count(); ++Row) {
        QListWidgetItem *Item = TopicList->item(Row);
        if (Item->data(Qt::UserRole).toInt() == Context && !Item->isHidden()) {
            const QSignalBlocker Quiet(TopicList);
            TopicList->setCurrentItem(Item);
            return;
        }
    }
    TopicList->clearSelection();
}

// Shows only the topics that hold every word typed.
void TFrmHelp::FindChanged(const QString &Words)
{
    const QStringList Wanted = Words.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int Row = 0; Row < TopicList->count(); ++Row) {
        QListWidgetItem *Item = TopicList->item(Row);
        const QString Text = TopicText(Item->data(Qt::UserRole).toInt());
        bool Match = true;
        for (const QString &Word : Wanted)
            Match = Match && Text.contains(Word, Qt::CaseInsensitive);
        Item->setHidden(!Match);
    }
}

void TFrmHelp::FindConfirmed()
{
    for (int Row = 0; Row < TopicList->count(); ++Row) {
        QListWidgetItem *Item = TopicList->item(Row);
        if (Item->isHidden())
            continue;
        ShowTopic(Item->data(Qt::UserRole).toInt());
        const QString First = FindEdit->text().simplified().section(QLatin1Char(' '), 0, 0);
        if (!First.isEmpty())
            Browser->find(First);
        return;
    }
}

void TFrmHelp::TopicChosen()
{
    if (QListWidgetItem *Item = TopicList->currentItem())
        ShowTopic(Item->data(Qt::UserRole).toInt());
}

void TFrmHelp::LinkFollowed(const QUrl &Url)
{
    if (const int Context = ContextFromUrl(Url))
        ShowTopic(Context);
}
