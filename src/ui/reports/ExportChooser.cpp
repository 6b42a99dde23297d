#include "ui/reports/ExportChooser.h"

#include "ui/reports/CsvExportWindow.h"

#include "ui/reports/ClipboardExportWindow.h"
#include "ui/reports/HtmlExportWindow.h"
#include "ui/reports/PrintWindow.h"
#include "ui/reports/ScreenExportWindow.h"
#include "ui/reports/TextExportWindow.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <functional>
#include <utility>

namespace velomark {

ExportChooser::ExportChooser(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmexport"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Export Lap Times"));

    auto* frame = new QGroupBox(this);
    auto* options = new QVBoxLayout(frame);
    auto* group = new QButtonGroup(this); // one option at most, none at opening
    auto option = [&](const QString& caption, const char* name) {
        auto* b = new QRadioButton(caption, frame);
        b->setObjectName(QString::fromLatin1(name));
        options->addWidget(b);
        group->addButton(b);
        return b;
    };
    optprt = option(tr("Printer"), "optprt");
    opttxt = option(tr("Text file (ASCII)"), "opttxt");
    optweb = option(tr("Web Page (HTML)"), "optweb");
    optclip = option(tr("Clipboard"), "optclip");
    optscrn = option(tr("Screen"), "optscrn");

    cmdexport = new QPushButton(tr("OK"), this);
    cmdexport->setObjectName(QStringLiteral("cmdexport"));
    Command1 = new QPushButton(tr("Cancel"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(cmdexport, &QPushButton::clicked, this, &ExportChooser::cmdexportClick);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdexport);
    buttons->addWidget(Command1);
    // The CSV file stands below the buttons, so the five original choices and
    // the buttons keep their places.
    optcsv = new QRadioButton(tr("CSV file"), this);
    optcsv->setObjectName(QStringLiteral("optcsv"));
    group->addButton(optcsv);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(frame);
    outer->addLayout(buttons);
    outer->addWidget(optcsv);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    // Screen comes first when tabbing, though it stands last.
    QWidget* order[] = {optscrn, optprt, opttxt, optweb, optclip, cmdexport, Command1, optcsv};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void ExportChooser::cmdexportClick() {
    using Open = std::function<QWidget*()>;
    const std::pair<QRadioButton*, Open> windows[] = {
        {optprt, [] { return new PrintWindow; }},
        {optclip, [] { return new ClipboardExportWindow; }},
        {optweb, [] { return new HtmlExportWindow; }},
        {opttxt, [] { return new TextExportWindow; }},
        {optscrn, [] { return new ScreenExportWindow; }},
        {optcsv, [] { return new CsvExportWindow; }},
    };
    for (const auto& [option, open] : windows) {
        if (option->isChecked())
            open()->show();
    }
    close();
}

} // namespace velomark
