#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QLabel;

// The status window of a report run: its caption and one status line
// ("Generating page 12"), shown without waiting for it.
class TFrmReportStatus : public QWidget {
    Q_OBJECT
public:
    explicit TFrmReportStatus(const QString &Caption, QWidget *Parent = nullptr);

    void SetStatus(const QString &Text);

    QLabel *LblStatus = nullptr;

private:
    QElapsedTimer FSincePaint;
};
