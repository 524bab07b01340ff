#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

// The help window: a contents list with a find box beside the topic.
class TFrmHelp : public QWidget {
    Q_OBJECT
public:
    explicit TFrmHelp(QWidget *Owner = nullptr);
    void ShowTopic(int Context);
    int CurrentContext() const { return FCurrentContext; }

    QLineEdit *FindEdit = nullptr;
    QListWidget *TopicList = nullptr;
    QTextBrowser *Browser = nullptr;

private:
    void FindChanged(const QString &Words);
    void FindConfirmed();
    void TopicChosen();
    void LinkFollowed(const QUrl &Url);
    void SelectInList(int Context);

    int FCurrentContext = 0;
};
