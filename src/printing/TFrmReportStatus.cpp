#include "TFrmReportStatus.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

TFrmReportStatus::TFrmReportStatus(const QString &Caption, QWidget *Parent)
    : QWidget(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmReportStatus"));
    setWindowTitle(Caption);
    setWindowModality(Qt::ApplicationModal);
    LblStatus = new QLabel(this);
    LblStatus->setObjectName(QStringLiteral("LblStatus"));
    LblStatus->setMinimumWidth(260);
    LblStatus->setAlignment(Qt::AlignCenter);
    auto *Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(24, 18, 24, 18);
    Layout->addWidget(LblStatus);
    FSincePaint.start();
}

void TFrmReportStatus::SetStatus(const QString &Text)
{
    LblStatus->setText(Text);
    // Runs draw thousands of pages; the line is brought to the screen a few
    // times a second, not once per page.
    if (FSincePaint.elapsed() >= 100) {
        FSincePaint.restart();
        LblStatus->repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}
