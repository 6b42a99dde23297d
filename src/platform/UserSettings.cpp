#include "platform/UserSettings.h"

namespace velomark {

QSettings userSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Velomark"),
                     QStringLiteral("Velomark"));
}

} // namespace velomark
