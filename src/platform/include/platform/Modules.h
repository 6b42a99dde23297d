// Features that few starts need (the progress chart, printing) live in
// modules beside the program and are loaded when first used, so that a start
// costs no more than a bare window.
#pragma once

#include <QString>

class QObject;

namespace velomark {

struct LoadedModule {
    QObject* instance = nullptr; // the module's root object, kept for the program's life
    QString why;                 // one sentence for the player where there is no instance
};

// The module file called name (without its ending) from the program's folder,
// or else from one of Qt's library paths; feature names what needs it, as
// the start of a sentence ("The progress chart").
LoadedModule loadModule(const QString& name, const QString& feature);

} // namespace velomark
