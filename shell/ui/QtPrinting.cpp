#include "shell/ui/QtPrinting.h"

#include "fw/qt/QtText.h"
#include "shell/CommandGuard.h"
#include "shell/PrintMults.h"
#include "shell/PrintParts.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace {

const char* const kFontFamily = "Courier New";

} // namespace

QFont QtPageSink::ReportFont(const QSizeF& area, QPaintDevice* device)
{
    QFont font(QString::fromLatin1(kFontFamily));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // Start from the height that 57 lines allow and shrink until 80 columns fit across as well.
    int pixels = std::max(1, int(area.height() / kLinePositions));
    for (; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetricsF metrics(font, device);
        if (metrics.lineSpacing() * kLinePositions <= area.height() &&
            metrics.horizontalAdvance(QString(kColumns, QLatin1Char('M'))) <= area.width())
            break;
    }
    font.setPixelSize(pixels);
    return font;
}

QtPageSink::QtPageSink(QPrinter& printer) : printer_(printer)
{
    if (!painter_.begin(&printer_))
        return;
    const QRectF area = printer_.pageLayout().paintRectPixels(printer_.resolution());
    font_ = ReportFont(area.size(), &printer_);
    painter_.setFont(font_);
    const QFontMetrics metrics(font_, &printer_);
    lineHeight_ = metrics.lineSpacing();
    ascent_ = metrics.ascent();
}

QtPageSink::~QtPageSink()
{
    if (painter_.isActive())
        painter_.end();
}

void QtPageSink::StartPage()
{
    // The painter opened the first page; each later one is a new page.
    if (pages_++ > 0)
        printer_.newPage();
}

void QtPageSink::DrawLine(int line, const std::string& text)
{
    painter_.drawText(QPointF(0, (line - 1) * lineHeight_ + ascent_), fw::ToQString(text));
}

void QtPageSink::EndDocument()
{
    if (painter_.isActive())
        painter_.end();
}

QString ProposedPdfName(const QString& previous, const std::string& title)
{
    QString name;
    for (const QChar c : fw::ToQString(title))
        if (c.isLetterOrNumber() || c == u' ' || c == u'-' || c == u'_')
            name += c;
    name = name.simplified();
    if (name.isEmpty())
        name = QStringLiteral("Report");
    return QFileInfo(previous).dir().filePath(name + QStringLiteral(".pdf"));
}

QtPrinterChooser::QtPrinterChooser(QWidget* parent)
    : parent_(parent), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

QtPrinterChooser::~QtPrinterChooser() = default;

void QtPrinterChooser::SetPdfOutput(const QString& file)
{
    pdf_ = file;
}

PrinterChooser::Choice QtPrinterChooser::Choose(const std::string& title)
{
    printer_->setDocName(fw::ToQString(title));
    if (!pdf_.isEmpty()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(pdf_);
    } else {
        if (QPrinterInfo::availablePrinters().isEmpty() && printer_->outputFormat() == QPrinter::NativeFormat)
            return {nullptr, false, "no printer is installed."};
        // A report printed to a file before proposes a file of this report's own name beside it,
        // never the earlier report's file.
        if (const QString previous = printer_->outputFileName(); !previous.isEmpty())
            printer_->setOutputFileName(ProposedPdfName(previous, title));
        QPrintDialog dialog(printer_.get(), parent_);
        dialog.setMinMax(1, 1);
        if (dialog.exec() != QDialog::Accepted)
            return {nullptr, true, {}};
    }
    auto sink = std::make_unique<QtPageSink>(*printer_);
    if (!sink->IsActive())
        return {nullptr, false, "the printer " + fw::FromQString(printer_->printerName()) + " could not be started."};
    return {std::move(sink), false, {}};
}

void QtPrinterChooser::PrintSetup()
{
    QPageSetupDialog dialog(printer_.get(), parent_);
    dialog.exec();
}

CReportPrinting::CReportPrinting(PrinterChooser& printers, ReportSource& source) : printers_(printers), source_(source) {}

void CReportPrinting::SetOptions(PartPrintOptions& parts, MultPrintOptions& mults)
{
    partOptions_ = &parts;
    multOptions_ = &mults;
}

void CReportPrinting::SetDialogs(PartOptionsDialog parts, MultOptionsDialog mults)
{
    partDialog_ = std::move(parts);
    multDialog_ = std::move(mults);
}

void CReportPrinting::PrintParts(PrintMode mode, const std::string& list)
{
    GuardCommand("CPrintParts::PrintParts", [&] {
        PartPrintOptions& options = *partOptions_;
        options.detailsAvailable = mode == PrintMode::custom;
        options.cancelled = 0;
        if (partDialog_ && !partDialog_(options))
            return;
        CPrintParts report(printers_, source_);
        report.Print(mode, options, list);
    });
}

void CReportPrinting::PrintMults(PrintMode mode, const std::string& list)
{
    GuardCommand("CPrintMults::PrintMults", [&] {
        MultPrintOptions& options = *multOptions_;
        options.attachedPartsPrintable = mode == PrintMode::custom;
        options.cancelled = 0;
        if (multDialog_ && !multDialog_(options))
            return;
        CPrintMults report(printers_, source_);
        report.Print(mode, options, list);
    });
}
