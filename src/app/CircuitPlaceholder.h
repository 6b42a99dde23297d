// Stands in for the lap-time editor: shows what the main window handed over.
#pragma once

#include <QString>

namespace velomark {
class MainWindow;
void openCircuitPlaceholder(MainWindow& main, const QString& caption, int circuit);
} // namespace velomark
