#include "app/CircuitPlaceholder.h"

#include "app/MainWindow.h"

#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

namespace velomark {

namespace {
class Placeholder : public QWidget {
public:
    Placeholder(MainWindow& main, const QString& caption) : m_main(&main)
    {
        setObjectName(QStringLiteral("frmtimes"));
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(QStringLiteral("Lap Time Data"));
        auto* layout = new QVBoxLayout(this);
        auto* track = new QLabel(caption, this);
        track->setObjectName(QStringLiteral("track"));
        auto* info = new QLabel(QStringLiteral("File %1, circuit %2").arg(main.fn(), main.tno2()), this);
        info->setObjectName(QStringLiteral("handover"));
        layout->addWidget(track);
        layout->addWidget(info);
        main.hide();
    }
    ~Placeholder() override
    {
        if (m_main)
            m_main->show();
    }

private:
    QPointer<MainWindow> m_main;
};
} // namespace

void openCircuitPlaceholder(MainWindow& main, const QString& caption, int)
{
    (new Placeholder(main, caption))->show();
}

} // namespace velomark
