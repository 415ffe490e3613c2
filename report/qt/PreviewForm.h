// The preview window: the recorded pages at any zoom, page by page, with open, save and print.
#pragma once

#include "report/qt/RenderPreview.h"

#include <QDialog>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QScrollArea;
class QStatusBar;
class QToolBar;
class TMemoryStream;
class TReportRender;
class TReportSystem;

class TPreviewForm : public QDialog {
    Q_OBJECT
  public:
    explicit TPreviewForm(TReportSystem& System, QWidget* Parent = nullptr);
    ~TPreviewForm() override;

    // Shows Stream (kept, not owned) from its first page.
    void Start(TStream& Stream);

    TRenderPreview Preview;
    QScrollArea* ScrollBox;
    QToolBar* ToolBar;
    QStatusBar* StatusBar;
    QLineEdit *editPage, *editZoom;
    QLabel* labelPageCount;
    QAction *actnFile_Open, *actnFile_Save, *actnFile_SavePdf, *actnFile_Print, *actnFile_Exit;
    QAction *actnPage_First, *actnPage_Previous, *actnPage_Next, *actnPage_Last, *actnPage_GoTo;
    QAction *actnZoom_In, *actnZoom_Out, *actnZoom_PageWidth, *actnZoom_Page;

    // The status bar's text and the tool bar's boxes, refreshed after every page or zoom change.
    QString StatusText() const;

    // The commands behind the actions (the tests call them directly).
    bool OpenFile(const QString& FileName);
    bool SaveFile(const QString& FileName);
    bool SavePdf(const QString& FileName);
    void PrintReport();

  protected:
    void keyPressEvent(QKeyEvent* Event) override;

  private:
    QAction* MakeAction(const QString& Caption, const QString& Hint, const QKeySequence& Shortcut);
    void BuildActions();
    static TReportRender* PdfRenderer();
    void BuildToolBar();
    void Refresh();
    void ShowError(const QString& Title, const std::exception& Error);
    // Runs a step that draws the page again, showing its failure in a message box.
    void Show(const std::function<void()>& Step);

    TReportSystem& System_;
    std::unique_ptr<TMemoryStream> Opened_; // a page stream opened in the window
};
