#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QAction;
class QFile;
class QIODevice;
class QKeyEvent;
class QLabel;
class QMenu;
class QScrollArea;
class QStatusBar;
class QToolBar;
class QToolButton;
class TPreviewPageWidget;
class TRvRenderPreview;
class TRvRenderPrinter;
class TRvSystem;

// The report preview ("Report Preview"): shows the pages of a run or of a
// saved snapshot, and prints them, saves them as a snapshot, exports them to
// PDF or HTML and opens an earlier snapshot. It takes the place of the
// engine's preview for every report system of the program.
class TFrmReportPreview : public QDialog {
    Q_OBJECT
public:
    explicit TFrmReportPreview(QWidget *Parent = nullptr);
    ~TFrmReportPreview() override;

    // The preview override of a report system, the same for every window
    // that prints: mode 0 creates the window (owned by Owner) and hands it
    // back in Form, 1 shows it, 2 waits for a preview that is not modal, 3
    // frees it.
    static void OverridePreview(TRvSystem &System, int Mode, QObject *&Form, QWidget *Owner);

    TRvSystem *ReportSystem = nullptr; // not owned
    TRvRenderPreview *RvRenderPreview = nullptr;
    std::unique_ptr<TRvRenderPrinter> RvRenderPrinter;
    QIODevice *FInputStream = nullptr; // not owned
    bool FAlternateNDRLoaded = false;
    bool fFormClosed = false;
    int FPageNum = 1;
    std::function<void()> OnAfterPreviewPrint;

    QString InputFileName() const { return FInputFileName; }
    void SetInputFileName(const QString &FileName) { FInputFileName = FileName; }

    QToolBar *ToolBar = nullptr;
    QToolButton *BtnOpen = nullptr;
    QToolButton *BtnSave = nullptr;
    QToolButton *BtnPrint = nullptr;
    QToolButton *BtnFirst = nullptr;
    QToolButton *BtnPrior = nullptr;
    QToolButton *BtnNext = nullptr;
    QToolButton *BtnLast = nullptr;
    QToolButton *BtnZoomIn = nullptr;
    QToolButton *BtnZoomOut = nullptr;
    QToolButton *BtnExportPDF = nullptr;
    QToolButton *BtnExportHTML = nullptr;
    QToolButton *BtnExit = nullptr;
    QMenu *PopupMenu = nullptr;
    QScrollArea *ScrollBox = nullptr;
    TPreviewPageWidget *PageView = nullptr;
    QStatusBar *StatusBar = nullptr;
    QLabel *StatusText = nullptr;

    // The menu item that shares each button's handler.
    QAction *MenuItemOf(QToolButton *Button) const;

    void InitFromRPSystem();
    void OpenFile(const QString &FileName);
    void UpdateButtons();

    void BtnOpenClick();
    void BtnSaveClick();
    void BtnPrintClick();
    void BtnFirstClick();
    void BtnPriorClick();
    void BtnNextClick();
    void BtnLastClick();
    void BtnExportPDFClick();
    void BtnExportHTMLClick();
    void BtnZoomInClick();
    void BtnZoomOutClick();
    void BtnExitClick();
    void NDRPreviewPageChange();
    void NDRPreviewZoomChange();
    void PopupMenuPopup();
    // True when the key was used.
    bool FormKeyDown(QKeyEvent *Event);
    bool FormKeyPress(QKeyEvent *Event);
    void FormMouseWheelDown();
    void FormMouseWheelUp();

    // Scroll steps of the keys and the wheel, in pixels.
    static constexpr int LineStep = 20;

protected:
    void showEvent(QShowEvent *Event) override;
    void closeEvent(QCloseEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    void FormCreate();
    void FormShow();
    void CreateToolBar();
    void CreateScrollBox();
    QToolButton *AddButton(const char *Name, const QString &Caption, const QString &Hint,
        const QString &MenuText, const QString &Icon, void (TFrmReportPreview::*Handler)());
    void AddSeparator();
    int SystemOptions() const;
    int SystemSetups() const;
    bool HasSnapshot() const;
    void ApplyPreviewSettings();
    void ShowPage(int Number, bool AtBottom);
    void ScrollVertically(int Delta);
    void ScrollHorizontally(int Delta);
    bool AtTop() const;
    bool AtBottom() const;
    void CopySnapshotTo(const QString &FileName);

    QString FInputFileName;
    std::unique_ptr<QFile> FOwnedStream;
    QList<QPair<QToolButton *, QAction *>> FCommands;
    bool FShown = false;
};
