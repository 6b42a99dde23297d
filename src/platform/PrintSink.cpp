// The sink in use and the texts every printer shares; the real printer is a
// module, loaded the first time something is printed.
#include "platform/PrintSink.h"

#include "platform/Modules.h"

#include <QCoreApplication>
#include <QDir>

namespace velomark {

namespace {

constexpr int kTabStop = 8;

// Where the printing module is missing: nothing is printed, and the player
// is told why.
class MissingPrinter final : public PrintSink {
  public:
    PrintOutcome print(const PrintJob&) override { return {{}, why}; }
    QString why;
};

PrintSink* g_sink = nullptr; // a test's, or the module's once loaded

} // namespace

PrintSink& printSink() {
    if (!g_sink) {
        //: The start of a sentence: "... needs the module ..., which is missing".
        const QString feature = QCoreApplication::translate("velomark::PrintSink", "Printing");
        const LoadedModule module = loadModule(QStringLiteral("velomark-print"), feature);
        if (auto* printer = qobject_cast<PrinterModule*>(module.instance)) {
            g_sink = &printer->printer();
        } else {
            static MissingPrinter missing;
            missing.why = module.why;
            return missing;
        }
    }
    return *g_sink;
}

void setPrintSink(PrintSink* sink) {
    g_sink = sink;
}

QString expandTabs(const QString& line) {
    QString out;
    out.reserve(line.size() + kTabStop * 4);
    for (const QChar c : line) {
        if (c == u'\t')
            out.append(QString(kTabStop - out.size() % kTabStop, u' '));
        else
            out.append(c);
    }
    return out;
}

QString savedAsPdfText(const QStringList& files) {
    QStringList quoted;
    for (const QString& f : files)
        quoted << QLatin1Char('"') + f + QLatin1Char('"');
    // The last two joined by "and", any before them by commas; a comma in a
    // name is left as it is.
    QString names = quoted.isEmpty() ? QString() : quoted.takeLast();
    if (!quoted.isEmpty())
        //: The last two of a list of files: "a", "b" and "c".
        names = QCoreApplication::translate("velomark::PrintSink", "%1 and %2")
                    .arg(quoted.join(QStringLiteral(", ")), names);
    //: %1 is the list of the PDF files written, %2 the folder they are in.
    return QCoreApplication::translate("velomark::PrintSink",
                                       "No printer is installed, so the lap times were saved as %1 "
                                       "in the folder %2.")
        .arg(names, QDir::toNativeSeparators(QDir::currentPath()));
}

} // namespace velomark
