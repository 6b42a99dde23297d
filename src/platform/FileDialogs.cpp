#include "platform/FileDialogs.h"

#include <QFileDialog>

namespace velomark {

namespace {

class RealFileDialogs final : public FileDialogSink {
  public:
    QString ask(QWidget* parent, const FileQuestion& q) override {
        if (q.kind == FileQuestion::Kind::Save)
            return QFileDialog::getSaveFileName(parent, q.title, q.proposed, q.filter);
        return QFileDialog::getOpenFileName(parent, q.title, q.proposed, q.filter);
    }
};

RealFileDialogs g_real;
FileDialogSink* g_sink = &g_real;

} // namespace

FileDialogSink& fileDialogs() {
    return *g_sink;
}

void setFileDialogSink(FileDialogSink* sink) {
    g_sink = sink ? sink : &g_real;
}

} // namespace velomark
