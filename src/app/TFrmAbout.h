#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: product, version, the maker's web site and the memory figures.
class TFrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAbout(QWidget *Parent = nullptr);

    QLabel *ProgramIcon = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QLabel *LblWebSite = nullptr;
    QLabel *PhysMem = nullptr;
    QLabel *MemLoad = nullptr;
    QPushButton *BtnOK = nullptr;

    // Opens the maker's web site in the browser and closes the box.
    void LblWebSiteClick();

    // Fills the figures before the box is laid out for showing.
    void setVisible(bool Visible) override;

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    void FormShow();
};
