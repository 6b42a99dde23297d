// The player's own settings, apart from the data folder: Qt's INI file for the
// user on every system (the Windows registry would not follow a test's own
// place for them, QSettings::setPath).
#pragma once

#include <QSettings>

namespace velomark {

QSettings userSettings();

} // namespace velomark
