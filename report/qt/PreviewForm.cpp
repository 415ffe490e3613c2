#include "report/qt/PreviewForm.h"

#include "platform/SafeFile.h"
#include "report/RendererRegistry.h"
#include "report/ReportError.h"
#include "report/ReportRender.h"
#include "report/ReportStream.h"
#include "report/ReportSystem.h"
#include "report/qt/PreviewZoom.h"
#include "report/qt/PrinterDevice.h"
#include "report/qt/RenderPrinter.h"
#include "report/qt/SetupForm.h"

#include <QAction>
#include <QDoubleValidator>
#include <QFileDialog>
#include <QInputDialog>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <fstream>
#include <iterator>

TPreviewForm::TPreviewForm(TReportSystem& System, QWidget* Parent) : QDialog(Parent), System_(System) {
    setObjectName("PreviewForm");
    setWindowTitle(QString::fromStdString(System.TitlePreview));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    const TSystemPreview& p = System.SystemPreview;
    resize(p.FormWidth, p.FormHeight);
    if (p.FormState == wsMaximized)
        setWindowState(Qt::WindowMaximized);
    else if (p.FormState == wsMinimized)
        setWindowState(Qt::WindowMinimized);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    ScrollBox = new QScrollArea;
    ScrollBox->setAlignment(Qt::AlignCenter);
    ScrollBox->setBackgroundRole(QPalette::Dark);
    StatusBar = new QStatusBar;
    StatusBar->setSizeGripEnabled(false);
    BuildActions();
    BuildToolBar();
    layout->addWidget(ToolBar);
    layout->addWidget(ScrollBox, 1);
    layout->addWidget(StatusBar);

    Preview.ScrollBox = ScrollBox;
    Preview.ZoomInc = p.ZoomInc;
    Preview.Monochrome = p.Monochrome;
    Preview.MarginMethod = p.MarginMethod;
    Preview.MarginPercent = p.MarginPercent;
    Preview.RulerType = p.RulerType;
    Preview.GridHoriz = p.GridHoriz;
    Preview.GridVert = p.GridVert;
    Preview.GridPenColor = TRenderCanvas::ToQColor(p.GridPen.Color, Qt::lightGray);
    Preview.ShadowDepth = p.ShadowDepth;
    Preview.PageInc = p.PageInc;
    Preview.OnPageChange = [this] { Refresh(); };
    Preview.OnZoomChange = [this] { Refresh(); };
    Refresh();
}

TPreviewForm::~TPreviewForm() = default;

QAction* TPreviewForm::MakeAction(const QString& Caption, const QString& Hint, const QKeySequence& Shortcut) {
    auto* action = new QAction(Caption, this);
    action->setToolTip(Hint);
    action->setStatusTip(Hint);
    action->setShortcut(Shortcut);
    addAction(action);
    return action;
}

void TPreviewForm::BuildActions() {
    actnFile_Open = MakeAction("&Open", "Open another report", QKeySequence("Ctrl+O"));
    actnFile_Save = MakeAction("&Save As", "Save report", QKeySequence("Ctrl+S"));
    actnFile_Print = MakeAction("&Print", "Print report", QKeySequence("Ctrl+P"));
    actnFile_SavePdf = MakeAction("Save as P&DF", "Save report as PDF", QKeySequence("Ctrl+D"));
    actnFile_Exit = MakeAction("E&xit", "Exit viewer", {});
    actnPage_First = MakeAction("&First", "Move to first page", QKeySequence("Ctrl+Home"));
    actnPage_Previous = MakeAction("&Previous", "Move to previous page", QKeySequence("Ctrl+PgUp"));
    actnPage_Next = MakeAction("&Next", "Move to next page", QKeySequence("Ctrl+PgDown"));
    actnPage_Last = MakeAction("&Last", "Move to last page", QKeySequence("Ctrl+End"));
    actnPage_GoTo = MakeAction("&Go to Page...", "Go to Page", QKeySequence("Ctrl+G"));
    actnZoom_In = MakeAction("Zoom &In", "Zoom In (+)", {});
    actnZoom_Out = MakeAction("Zoom &Out", "Zoom Out (-)", {});
    actnZoom_PageWidth = MakeAction("Fit to Page &Width", "Zoom to fit page width", QKeySequence("Ctrl+W"));
    actnZoom_Page = MakeAction("Fit to &Page", "Zoom to fit page", QKeySequence("Ctrl+F"));

    connect(actnFile_Open, &QAction::triggered, this, [this] {
        const QString name = QFileDialog::getOpenFileName(this, "Open", {}, "Report Snapshot Files (*.ndr)");
        if (!name.isEmpty()) OpenFile(name);
    });
    connect(actnFile_Save, &QAction::triggered, this, [this] {
        const QString name =
            QFileDialog::getSaveFileName(this, "Save As", {}, "Report Snapshot Files (*.ndr)");
        if (!name.isEmpty()) SaveFile(name);
    });
    connect(actnFile_SavePdf, &QAction::triggered, this, [this] {
        const QString name = QFileDialog::getSaveFileName(this, "Save as PDF", {}, "PDF Files (*.pdf)");
        if (!name.isEmpty()) SavePdf(name);
    });
    connect(actnFile_Print, &QAction::triggered, this, &TPreviewForm::PrintReport);
    connect(actnFile_Exit, &QAction::triggered, this, &QDialog::close);
    connect(actnPage_First, &QAction::triggered, this, [this] { Show([this] { Preview.FirstPage(); }); });
    connect(actnPage_Previous, &QAction::triggered, this, [this] { Show([this] { Preview.PrevPage(); }); });
    connect(actnPage_Next, &QAction::triggered, this, [this] { Show([this] { Preview.NextPage(); }); });
    connect(actnPage_Last, &QAction::triggered, this, [this] { Show([this] { Preview.LastPage(); }); });
    connect(actnPage_GoTo, &QAction::triggered, this, [this] {
        bool ok = false;
        const int page =
            QInputDialog::getInt(this, "Go to Page", "Enter page to move to:", Preview.CurrentPage(), 1,
                                 Preview.PageCount(), 1, &ok);
        if (ok) Show([this, page] { Preview.RenderPage(page); });
    });
    connect(actnZoom_In, &QAction::triggered, this, [this] { Show([this] { Preview.ZoomIn(); }); });
    connect(actnZoom_Out, &QAction::triggered, this, [this] { Show([this] { Preview.ZoomOut(); }); });
    connect(actnZoom_PageWidth, &QAction::triggered, this,
            [this] { Show([this] { Preview.SetZoomFactor(ZoomFitWidth); }); });
    connect(actnZoom_Page, &QAction::triggered, this,
            [this] { Show([this] { Preview.SetZoomFactor(ZoomFitPage); }); });

    auto* menu = new QMenuBar(this);
    QMenu* file = menu->addMenu("&File");
    file->addActions({actnFile_Open, actnFile_Save, actnFile_SavePdf, actnFile_Print});
    file->addSeparator();
    file->addAction(actnFile_Exit);
    QMenu* page = menu->addMenu("&Page");
    page->addActions({actnPage_First, actnPage_Previous, actnPage_Next, actnPage_Last});
    page->addSeparator();
    page->addAction(actnPage_GoTo);
    QMenu* zoom = menu->addMenu("&Zoom");
    zoom->addActions({actnZoom_In, actnZoom_Out, actnZoom_PageWidth, actnZoom_Page});
    static_cast<QVBoxLayout*>(layout())->setMenuBar(menu);

    const bool canPrint = System_.SystemOptions.Contains(soAllowPrintFromPreview);
    actnFile_Print->setVisible(canPrint);
}

namespace {

// Tool-bar pictures for the actions the style has no icon for, drawn on a 32-pixel square.
QIcon DrawnIcon(const std::function<void(QPainter&)>& Draw) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 3));
    Draw(p);
    return QIcon(pixmap);
}

QIcon GlyphIcon(const QString& Glyph, const QFont& Font, int PixelSize = 26) {
    return DrawnIcon([&](QPainter& p) {
        QFont font = Font;
        font.setPixelSize(PixelSize);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, Glyph);
    });
}

QIcon PrinterIcon() {
    return DrawnIcon([](QPainter& p) {
        p.drawRect(9, 3, 14, 10); // paper going in
        p.setBrush(QColor(40, 40, 40));
        p.drawRect(3, 12, 26, 12); // the printer
        p.setBrush(Qt::white);
        p.drawRect(9, 20, 14, 9); // the printed sheet
    });
}

QIcon PageIcon() {
    return DrawnIcon([](QPainter& p) { p.drawRect(8, 3, 16, 26); });
}

} // namespace

void TPreviewForm::BuildToolBar() {
    // Pictures instead of captions, so every action and box fits the window's default width;
    // the captions show as tool tips and in the menus.
    const auto styleIcon = [this](QStyle::StandardPixmap Pixmap) { return style()->standardIcon(Pixmap); };
    actnFile_Print->setIcon(PrinterIcon());
    actnFile_Open->setIcon(styleIcon(QStyle::SP_DialogOpenButton));
    actnFile_Save->setIcon(styleIcon(QStyle::SP_DialogSaveButton));
    actnFile_SavePdf->setIcon(GlyphIcon(QStringLiteral("PDF"), font(), 12));
    actnPage_First->setIcon(styleIcon(QStyle::SP_MediaSkipBackward));
    actnPage_Previous->setIcon(styleIcon(QStyle::SP_MediaSeekBackward));
    actnPage_Next->setIcon(styleIcon(QStyle::SP_MediaSeekForward));
    actnPage_Last->setIcon(styleIcon(QStyle::SP_MediaSkipForward));
    actnZoom_In->setIcon(GlyphIcon(QStringLiteral("+"), font()));
    actnZoom_Out->setIcon(GlyphIcon(QStringLiteral("\u2212"), font()));
    actnZoom_PageWidth->setIcon(GlyphIcon(QStringLiteral("\u2194"), font()));
    actnZoom_Page->setIcon(PageIcon());

    ToolBar = new QToolBar;
    ToolBar->setIconSize(QSize(16, 16));
    ToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar->addActions({actnFile_Print, actnFile_Open, actnFile_Save, actnFile_SavePdf});
    ToolBar->addSeparator();
    ToolBar->addActions({actnPage_First, actnPage_Previous, actnPage_Next, actnPage_Last});
    ToolBar->addSeparator();
    ToolBar->addWidget(new QLabel(" Page "));
    editPage = new QLineEdit("1");
    editPage->setValidator(new QIntValidator(1, 9999, editPage));
    editPage->setMaximumWidth(40);
    ToolBar->addWidget(editPage);
    labelPageCount = new QLabel(" of 1 ");
    ToolBar->addWidget(labelPageCount);
    ToolBar->addSeparator();
    ToolBar->addWidget(new QLabel(" Zoom "));
    editZoom = new QLineEdit("100.0");
    auto* zoomValidator = new QDoubleValidator(0, 9999, 1, editZoom);
    zoomValidator->setLocale(QLocale::c());
    editZoom->setValidator(zoomValidator);
    editZoom->setMaximumWidth(48);
    ToolBar->addWidget(editZoom);
    ToolBar->addWidget(new QLabel(" % "));
    ToolBar->addActions({actnZoom_In, actnZoom_Out, actnZoom_PageWidth, actnZoom_Page});
    connect(editPage, &QLineEdit::returnPressed, this,
            [this] { Show([this] { Preview.RenderPage(editPage->text().toInt()); }); });
    connect(editZoom, &QLineEdit::returnPressed, this, [this] {
        bool ok = false;
        const double zoom = QLocale::c().toDouble(editZoom->text(), &ok);
        Show([this, ok, zoom] {
            if (ok && zoom > 0) Preview.SetZoomFactor(zoom);
        });
    });
}

QString TPreviewForm::StatusText() const {
    return QStringLiteral("Page %1 of %2").arg(Preview.CurrentPage()).arg(Preview.PageCount());
}

void TPreviewForm::Refresh() {
    const int page = Preview.CurrentPage(), count = Preview.PageCount();
    editPage->setText(QString::number(page));
    labelPageCount->setText(QStringLiteral(" of %1 ").arg(count));
    editZoom->setText(QString::number(Preview.ZoomFactor(), 'f', 1));
    StatusBar->showMessage(StatusText());
    actnPage_First->setEnabled(page > 1);
    actnPage_Previous->setEnabled(page > 1);
    actnPage_Next->setEnabled(page < count);
    actnPage_Last->setEnabled(page < count);
    actnFile_Print->setEnabled(Preview.Stream() && System_.Platform().HasPrinter());
    actnFile_Save->setEnabled(Preview.Stream() != nullptr);
    actnFile_SavePdf->setEnabled(Preview.Stream() && PdfRenderer());
}

void TPreviewForm::Start(TStream& Stream) {
    if (System_.OnPreviewSetup) System_.OnPreviewSetup(System_, Preview);
    Preview.SetZoomFactor(System_.SystemPreview.ZoomFactor);
    Preview.RenderStream(&Stream);
    Refresh();
    // Typed keys (B, E, N, P, W, F, +, -) reach the window while the page has the focus.
    ScrollBox->setFocus();
}

void TPreviewForm::ShowError(const QString& Title, const std::exception& Error) {
    QMessageBox::warning(this, Title, QString::fromStdString(Error.what()));
}

void TPreviewForm::Show(const std::function<void()>& Step) {
    // The preview keeps its last good page when a step fails; the reader's message is shown.
    try {
        Step();
    } catch (const std::exception& e) {
        Refresh();
        ShowError(windowTitle(), e);
        return;
    }
    Refresh();
}

bool TPreviewForm::OpenFile(const QString& FileName) {
    auto opened = std::make_unique<TMemoryStream>();
    try {
        // Refuses a FIFO, a device or an oversized file at once rather than hanging or filling memory.
        const platform::FileResult read =
            platform::SafeFile::ReadAll(FileName.toStdString(), opened->Bytes(), MaxPageStreamBytes);
        if (!read) throw EReportError("Cannot open file \"" + FileName.toStdString() + "\". " + read.Error);
        // A damaged file leaves the report that was shown (or none).
        Preview.RenderStream(opened.get());
    } catch (const std::exception& e) {
        Refresh();
        ShowError("Open", e);
        return false;
    }
    Opened_ = std::move(opened);
    Refresh();
    return true;
}

bool TPreviewForm::SaveFile(const QString& FileName) {
    TStream* stream = Preview.Stream();
    if (!stream) return false;
    try {
        std::vector<uint8_t> bytes(static_cast<size_t>(stream->Size()));
        stream->Seek(0);
        if (stream->Read(bytes.data(), bytes.size()) != bytes.size())
            throw EReportError("Cannot read the report.");
        SaveBytesToFile(FileName.toStdString(), bytes);
    } catch (const std::exception& e) {
        ShowError("Save As", e);
        return false;
    }
    return true;
}

TReportRender* TPreviewForm::PdfRenderer() {
    // The PDF writer the program registered as a file format; the preview needs no printer for it.
    for (const TRegisteredRenderer& r : ActiveRenderers())
        if (QString::fromStdString(r.Render->FileExtension()).toLower() == "*.pdf") return r.Render;
    return nullptr;
}

bool TPreviewForm::SavePdf(const QString& FileName) {
    TStream* stream = Preview.Stream();
    TReportRender* pdf = PdfRenderer();
    if (!stream || !pdf) return false;
    try {
        stream->Seek(0);
        TMemoryStream copy;
        copy.CopyFrom(*stream);
        copy.Seek(0);
        pdf->RenderToFile(&copy, FileName.toStdString());
    } catch (const std::exception& e) {
        ShowError("Save as PDF", e);
        return false;
    }
    return true;
}

void TPreviewForm::PrintReport() {
    TStream* stream = Preview.Stream();
    if (!stream || !System_.SystemOptions.Contains(soAllowPrintFromPreview)) return;
    TRenderPrinter printer(ProcessPrinter());
    printer.JobTitle = System_.SystemPrinter.Title;
    printer.Copies = System_.SystemPrinter.Copies;
    printer.Collate = System_.SystemPrinter.Collate;
    printer.Duplex = System_.SystemPrinter.Duplex != 0;
    printer.PageCount = Preview.PageCount();
    if (System_.SystemSetups.Contains(ssAllowPreviewSetup)) {
        TSetupForm setup(System_, TSetupForm::smPrintRange, Preview.PageCount(), this);
        if (setup.exec() != QDialog::Accepted) return;
        const TPrintRangeResult range = setup.RangeResult();
        printer.FirstPage = range.FirstPage;
        printer.LastPage = range.LastPage;
        printer.Selection = range.Selection;
        printer.Copies = range.Copies.value_or(printer.Copies);
        printer.Collate = range.Collate.value_or(printer.Collate);
        printer.Duplex = range.Duplex.value_or(printer.Duplex);
    }
    try {
        printer.PrintCopies(*stream);
    } catch (const std::exception& e) {
        ShowError("Print", e);
    }
    Show([this] { Preview.RenderPage(Preview.CurrentPage()); });
}

void TPreviewForm::keyPressEvent(QKeyEvent* Event) {
    if (Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QDialog::keyPressEvent(Event);
        return;
    }
    const QString key = Event->text().toUpper();
    const std::function<void()> step = [this, c = key.isEmpty() ? 0 : key.at(0).unicode()]() {
        switch (c) {
        case 'B':
            Preview.FirstPage();
            break;
        case 'E':
            Preview.LastPage();
            break;
        case 'N':
            Preview.NextPage();
            break;
        case 'P':
            Preview.PrevPage();
            break;
        case 'W':
            Preview.SetZoomFactor(ZoomFitWidth);
            break;
        case 'F':
            Preview.SetZoomFactor(ZoomFitPage);
            break;
        case '+':
            Preview.ZoomIn();
            break;
        case '-':
            Preview.ZoomOut();
            break;
        }
    };
    if (key.size() != 1 || !QStringLiteral("BENPWF+-").contains(key)) {
        QDialog::keyPressEvent(Event);
        return;
    }
    Show(step);
}
