#pragma once
// Printing the line-printer reports with Qt: a page sink drawing on a QPrinter (a printer or a
// PDF file), the print dialog that chooses it, Print Setup, and the part and mult printouts
// behind the dispatcher's print codes (their options dialogs first).

#include "partprog/PartPrintOptions.h"
#include "machmult/MultPrintOptions.h"
#include "shell/NavServices.h"
#include "shell/PageSink.h"
#include "shell/ReportData.h"

#include <QFont>
#include <QPainter>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

// The PDF file proposed for a report after one printed to previous: beside it, named after the
// report's title ("Mults [Standard: A]" -> "Mults Standard A.pdf").
QString ProposedPdfName(const QString& previous, const std::string& title);

// Lines on the printable area of a QPrinter: 80 columns and 57 line positions fit the page, in a
// fixed-pitch font whose own line spacing is the line height.
class QtPageSink : public PageSink {
public:
    static constexpr int kColumns = 80;
    static constexpr int kLinePositions = 57;

    explicit QtPageSink(QPrinter& printer);
    ~QtPageSink() override;
    // False when the printer (or PDF file) could not be opened.
    bool IsActive() const { return painter_.isActive(); }

    void StartPage() override;
    void DrawLine(int line, const std::string& text) override;
    void EndPage() override {}
    void EndDocument() override;

    // The largest report font for the area: 80 columns across, 57 lines down.
    static QFont ReportFont(const QSizeF& area, QPaintDevice* device);

private:
    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    int lineHeight_ = 0;
    int ascent_ = 0;
    int pages_ = 0;
};

// The program's printer, kept between reports; its settings come from Print Setup.
class QtPrinterChooser : public PrinterChooser {
public:
    explicit QtPrinterChooser(QWidget* parent = nullptr);
    ~QtPrinterChooser() override;

    // Shows the print dialog (none when printing to a PDF file) and starts the job.
    Choice Choose(const std::string& title) override;
    // File > Print Setup: the page set-up dialog on the program's printer.
    void PrintSetup();
    // Every report goes to this PDF file without a dialog (tests, previews); empty: the printer.
    void SetPdfOutput(const QString& file);
    QPrinter& Printer() { return *printer_; }
    void SetParent(QWidget* parent) { parent_ = parent; }

private:
    QWidget* parent_;
    std::unique_ptr<QPrinter> printer_;
    QString pdf_;
};

// The dispatcher's part and mult printouts: the options dialog, then the report.
class CReportPrinting : public PrintService {
public:
    using PartOptionsDialog = std::function<bool(PartPrintOptions&)>;   // false: cancelled
    using MultOptionsDialog = std::function<bool(MultPrintOptions&)>;

    CReportPrinting(PrinterChooser& printers, ReportSource& source);
    // The application's option records, which the dialogs fill (until set: records of its own).
    void SetOptions(PartPrintOptions& parts, MultPrintOptions& mults);
    void SetDialogs(PartOptionsDialog parts, MultOptionsDialog mults);

    void PrintParts(PrintMode mode, const std::string& list) override;
    void PrintMults(PrintMode mode, const std::string& list) override;

private:
    PrinterChooser& printers_;
    ReportSource& source_;
    PartPrintOptions ownPartOptions_;
    MultPrintOptions ownMultOptions_;
    PartPrintOptions* partOptions_ = &ownPartOptions_;
    MultPrintOptions* multOptions_ = &ownMultOptions_;
    PartOptionsDialog partDialog_;
    MultOptionsDialog multDialog_;
};
