#include "platform/Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace velomark {

LoadedModule loadModule(const QString& name, const QString& feature) {
    QStringList folders{QCoreApplication::applicationDirPath()};
    folders << QCoreApplication::libraryPaths();
    const QString program = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name);
        QPluginLoader loader(path);
        if (loader.fileName().isEmpty()) // no such file there
            continue;
        if (QObject* instance = loader.instance())
            return {instance, {}};
        return {nullptr, QStringLiteral("%1 needs the module %2, which could not be loaded: %3.")
                             .arg(feature, QDir::toNativeSeparators(loader.fileName()),
                                  loader.errorString())};
    }
    return {nullptr, QStringLiteral("%1 needs the module %2, which is missing from the folder %3; "
                                    "installing Velomark again brings it back.")
                         .arg(feature, name, program)};
}

} // namespace velomark
