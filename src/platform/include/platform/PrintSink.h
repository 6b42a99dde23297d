// Every printed document goes through here, so that tests can record what
// would be printed without a printer. The real sink, in the printing module,
// prints on the default printer, or writes a PDF into the data folder where no
// printer is installed.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace velomark {

struct PrintedLine {
    QString text; // may hold tabs; the sink expands them to stops of eight columns
    bool heading = false;
};

struct PrintJob {
    QString name;     // the document's name; also the PDF's name without ".pdf"
    QString fontName; // a fixed-pitch font is used where the system lacks it
    QList<PrintedLine> lines;
};

struct PrintOutcome {
    QString savedAs; // the PDF written instead of printing, or empty
    QString error;   // plain words naming the printer or the file; empty when it worked
};

class PrintSink {
  public:
    virtual ~PrintSink() = default;
    // One document. A document without lines leaves no blank sheet and no
    // file: there is nothing on it to keep.
    virtual PrintOutcome print(const PrintJob& job) = 0;
};

// What the printing module gives the program.
class PrinterModule {
  public:
    virtual ~PrinterModule() = default;
    virtual PrintSink& printer() = 0;
};

// The sink in use: the real printer unless a test installed its own. Where
// the printing module is missing, a sink that prints nothing and says why.
PrintSink& printSink();
// Installs sink (not owned); nullptr puts the real printer back.
void setPrintSink(PrintSink* sink);

// Tabs replaced by blanks up to the next multiple of eight columns.
QString expandTabs(const QString& line);

// One sentence telling the player where PDFs went instead of the printer.
QString savedAsPdfText(const QStringList& files);

} // namespace velomark

#define VELOMARK_PRINTER_MODULE_IID "org.example.velomark.PrinterModule/1"
Q_DECLARE_INTERFACE(velomark::PrinterModule, VELOMARK_PRINTER_MODULE_IID)
