// The printing module: Qt's printer on the default print queue, or a PDF in
// the data folder, written through the safe save, where no printer is
// installed. Loaded when the player first prints.
#include "platform/PrintSink.h"

#include "files/SafeReplace.h"
#include "platform/TextCodec.h"
#include "platform/WidgetLook.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QObject>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace velomark {

namespace {

constexpr qreal kPointSize = 10; // what printers use when no size is asked for
constexpr qreal kSmallestPointSize = 6;

// The report's columns line up only in a fixed-pitch font.
QFont printFont(const QString& name) {
    QFont f = fixedPitchFont(name);
    f.setPointSizeF(kPointSize);
    return f;
}

// A session line with its setup name is about a hundred characters, wider
// than an A4 page at 10 points: the font shrinks until the widest line fits.
void fitWidest(QFont& font, const QStringList& lines, const QPaintDevice& device) {
    qsizetype widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, line.size());
    const QString sample(widest, u'M');
    while (font.pointSizeF() > kSmallestPointSize &&
           QFontMetricsF(font, &device).horizontalAdvance(sample) > device.width())
        font.setPointSizeF(font.pointSizeF() - 0.5);
}

QPageLayout a4Layout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

// Line after line from the top of the page; a line that would not fit starts a new page.
bool paintLines(QPagedPaintDevice& device, const PrintJob& job) {
    QStringList lines;
    for (const PrintedLine& line : job.lines)
        lines << expandTabs(line.text);
    QFont plain = printFont(job.fontName);
    fitWidest(plain, lines, device);
    QFont bold = plain;
    bold.setBold(true);
    const QFontMetrics metrics(plain, &device);
    const int step = metrics.lineSpacing();

    QPainter p;
    if (!p.begin(&device))
        return false;
    int y = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // A heading starts a new page rather than stand alone at its foot.
        qsizetype block = 1;
        while (job.lines[i].heading && i + block < lines.size() && !job.lines[i + block].heading)
            ++block;
        if (y > 0 && y + step * block > device.height()) {
            if (!device.newPage())
                return false;
            y = 0;
        }
        p.setFont(job.lines[i].heading ? bold : plain);
        p.drawText(0, y + metrics.ascent(), lines[i]);
        y += step;
    }
    return p.end();
}

class RealPrinter final : public PrintSink {
  public:
    PrintOutcome print(const PrintJob& job) override {
        if (job.lines.isEmpty())
            return {};
        const QPrinterInfo queue = QPrinterInfo::defaultPrinter();
        return queue.isNull() ? toPdf(job) : toPrinter(queue, job);
    }

  private:
    static PrintOutcome toPrinter(const QPrinterInfo& queue, const PrintJob& job) {
        QPrinter printer(queue, QPrinter::HighResolution);
        printer.setDocName(job.name);
        printer.setPageLayout(a4Layout());
        if (!printer.isValid() || !paintLines(printer, job))
            return {{},
                    //: %1 is the printer's name, %2 the document's.
                    QCoreApplication::translate("velomark::PrintSink",
                                                "The printer %1 did not take \"%2\".")
                        .arg(queue.printerName(), job.name)};
        return {};
    }

    static PrintOutcome toPdf(const PrintJob& job) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        bool painted = false;
        {
            QPdfWriter pdf(&buffer);
            pdf.setTitle(job.name);
            pdf.setCreator(QStringLiteral("Velomark")); // not translated: the program's name
            pdf.setPageLayout(a4Layout());
            painted = paintLines(pdf, job);
        } // the writer finishes the file when it goes
        const QString file = job.name + QStringLiteral(".pdf");
        if (!painted)
            return {{},
                    QCoreApplication::translate("velomark::PrintSink",
                                                "The file %1 could not be drawn.")
                        .arg(file)};
        const std::string path = diskName(file);
        const Status saved = writeExportFile(realFileOps(), path, buffer.data().toStdString());
        if (!saved)
            return {{}, messageText(saved.error())};
        return {file, {}};
    }
};

class PrinterPlugin final : public QObject, public PrinterModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VELOMARK_PRINTER_MODULE_IID)
    Q_INTERFACES(velomark::PrinterModule)

  public:
    PrintSink& printer() override { return m_printer; }

  private:
    RealPrinter m_printer;
};

} // namespace

} // namespace velomark

#include "PrinterModule.moc"
