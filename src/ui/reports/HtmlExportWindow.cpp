#include "ui/reports/HtmlExportWindow.h"

#include "laps/HtmlPage.h"
#include "platform/Messages.h"
#include "platform/StorableText.h"
#include "platform/TextCodec.h"
#include "platform/Translated.h"

#include <QLabel>
#include <QLineEdit>

namespace velomark {

HtmlExportWindow::HtmlExportWindow()
    : ReportWindow("frmweb", tr("HTML Export"), tr("Choose Trackset to export"), tr("Export")) {
    // not translated: the name of the file the export writes
    hfile = addField("hfile", tr("Filename"), QString::fromLatin1(kHtmlFileName));
    //: The field for the title of the web page.
    htitle = addField("htitle", tr("Title"), shown(kHtmlTitle));
    // The page is written in the files' 8-bit text, so the title must fit it.
    QLabel* status = addStatusLine();
    new StorableTextValidator(htitle, 0, [status](const QString& why) { status->setText(why); });
}

void HtmlExportWindow::run() {
    const std::string target = diskName(hfile->text());
    const ExportResult result =
        exportHtmlFile(target, toFileText(htitle->text()).value_or(std::string()), ticked(),
                       realFileOps(), {}, reportWords(fileTextIn));
    switch (result.refused) {
    case ExportResult::Refused::BadFileName:
        showMessage(this, {shown(kBadHtmlNameTitle), shown(kBadHtmlNameText), MessageButtons::Ok,
                           MessageIcon::Stop});
        return; // open for correcting the name
    case ExportResult::Refused::NothingTicked:
        showMessage(this, {shown(kNothingTickedTitle), shown(kNothingTickedText),
                           MessageButtons::Ok, MessageIcon::None});
        close(); // nothing was written, so no beep
        return;
    case ExportResult::Refused::No:
        break;
    }
    if (result.stop) {
        showStop(*result.stop); // the page was not written, and an older one is still whole
    } else if (result.writeError) {
        showWriteError(*result.writeError);
        return;
    } else {
        beep();
    }
    close();
}

} // namespace velomark
