#include "ui/catalogue/CustomWindow.h"

#include "laps/CustomFile.h"
#include "platform/Messages.h"
#include "platform/StorableText.h"
#include "platform/TextCodec.h"
#include "platform/WidgetLook.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <tuple>

namespace velomark {

namespace {

constexpr int kRowTop = 960;
constexpr int kRowStep = 360;
constexpr int kFieldHeight = 285;
constexpr int kNameLeft = 480;
constexpr int kCountryLeft = 2640;
constexpr int kFieldWidth = 1695;
constexpr int kWidth = 5520;
constexpr int kHeight = 7200;

// A name with a line break would push the rest of it into the country when the
// caption is read back; QLineEdit keeps a pasted line break, so it is refused here.
class CircuitNameValidator final : public StorableTextValidator {
  public:
    CircuitNameValidator(QLineEdit* field, Refused refused)
        : StorableTextValidator(field, 0, refused), m_refused(std::move(refused)) {}
    State validate(QString& input, int& pos) const override {
        if (input.contains(QLatin1Char('\n'))) {
            m_refused(QCoreApplication::translate("velomark::CustomWindow",
                                                  "A circuit name cannot hold a line break."));
            return Invalid;
        }
        return StorableTextValidator::validate(input, pos);
    }

  private:
    Refused m_refused;
};

QLabel* label(QWidget* parent, const QString& text, const QString& name, const QRect& where) {
    auto* l = plainLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(where);
    return l;
}

} // namespace

CustomWindow::CustomWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmcustom"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Setup Custom Circuits"));
    setFixedSize(px(kWidth), px(kHeight));
    buildHeadings();
    buildRows();

    cmdok = new QPushButton(tr("OK"), this);
    cmdok->setObjectName(QStringLiteral("cmdok"));
    cmdok->setGeometry(twipRect(4440, 6240, 855, 375));
    setFaceColour(cmdok, QColor(172, 172, 172));
    connect(cmdok, &QPushButton::clicked, this, &CustomWindow::cmdokClick);

    // OK first, then each row's name and country.
    QWidget* previous = cmdok;
    for (size_t i = 0; i < cn.size(); ++i) {
        setTabOrder(previous, cn[i]);
        setTabOrder(cn[i], co[i]);
        previous = co[i];
    }
    cmdok->setFocus();
}

// The title, the two column headings and the status line under the rows.
void CustomWindow::buildHeadings() {
    QLabel* title = label(this, tr("Custom Circuit Setup"), QStringLiteral("Label1"),
                          twipRect(0, 120, kWidth, 450));
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("Tahoma"));
    titleFont.setPointSizeF(15.75);
    title->setFont(titleFont);
    shrinkToFit(title); // a longer translation must not be cut
    setTextColour(title, QColor(0, 0, 192));

    QFont headingFont = font();
    headingFont.setPointSizeF(9.75);
    for (const auto& [text, name, left] : {std::tuple{tr("Circuit Name"), "Label2", kNameLeft},
                                           std::tuple{tr("Country"), "Label3", kCountryLeft}}) {
        QLabel* heading =
            label(this, text, QString::fromLatin1(name), twipRect(left, 600, kFieldWidth, 300));
        heading->setFont(headingFont);
        shrinkToFit(heading);
        setTextColour(heading, QColor(255, 0, 0));
    }

    m_status = label(this, QString(), QStringLiteral("status"),
                     twipRect(120, kRowTop + kRowStep * 16 + 60, 4200, 300));
    setTextColour(m_status, QColor(160, 0, 0));
}

// The 16 numbered rows of name and country, filled from the custom file.
void CustomWindow::buildRows() {
    const auto refused = [this](const QString& why) { m_status->setText(why); };
    const CustomRows rows = loadCustomRows();
    for (int k = 1; k <= 16; ++k) {
        const size_t i = static_cast<size_t>(k - 1);
        const int top = kRowTop + kRowStep * (k - 1);
        label(this, QString::number(k), QStringLiteral("Label%1").arg(k + 3),
              twipRect(120, top, 300, kFieldHeight))
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

        auto* line = new QFrame(this);
        line->setObjectName(QStringLiteral("Line%1").arg(k));
        line->setFrameShape(QFrame::HLine);
        line->setGeometry(px(120), px(top - 45), px(4335 - 120), 2);

        cn[i] = new QLineEdit(this);
        cn[i]->setObjectName(QStringLiteral("cn%1").arg(k));
        cn[i]->setAccessibleName(tr("Circuit %1 name").arg(k));
        cn[i]->setGeometry(twipRect(kNameLeft, top, kFieldWidth, kFieldHeight));
        new CircuitNameValidator(cn[i], refused);
        setFieldText(cn[i], fromFileText(rows[i].name));

        co[i] = new QLineEdit(this);
        co[i]->setObjectName(QStringLiteral("co%1").arg(k));
        co[i]->setAccessibleName(tr("Circuit %1 country").arg(k));
        co[i]->setGeometry(twipRect(kCountryLeft, top, kFieldWidth, kFieldHeight));
        new StorableTextValidator(co[i], 0, refused);
        setFieldText(co[i], fromFileText(rows[i].country));
    }
    auto* Line17 = new QFrame(this);
    Line17->setObjectName(QStringLiteral("Line17"));
    Line17->setFrameShape(QFrame::HLine);
    Line17->setGeometry(px(120), px(kRowTop + kRowStep * 16 - 45), px(4335 - 120), 2);
}

void CustomWindow::cmdokClick() {
    //: `Clear` names the lap-time editor's CLEAR button, which clears a circuit's times.
    const QString reminder = tr("If you have changed a circuit for a new one, dont forget that you "
                                "will need to `Clear` out the old lap times.");
    showMessage(this, {tr("Reminder !"), reminder, MessageButtons::Ok, MessageIcon::None});
    // The validators keep out what the file cannot hold; text put in another
    // way is checked here and again by writeCustomFile.
    QString problem;
    CustomRows rows;
    for (size_t i = 0; i < rows.size() && problem.isEmpty(); ++i) {
        const auto name = toFileText(cn[i]->text());
        const auto country = toFileText(co[i]->text());
        if (name && country)
            rows[i] = {*name, *country};
        else
            problem = unstorableReason(cn[i]->text() + co[i]->text());
    }
    if (problem.isEmpty()) {
        if (const Status written = writeCustomFile(rows); !written)
            problem = messageText(written.error());
    }
    if (!problem.isEmpty()) {
        showMessage(this, {tr("Custom circuits not saved"), problem, MessageButtons::Ok,
                           MessageIcon::Stop});
        return;
    }
    emit saved();
    close();
}

} // namespace velomark
