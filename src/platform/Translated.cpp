#include "platform/Translated.h"

#include "platform/TextCodec.h"

#include <QCoreApplication>

#include <vector>

namespace velomark {

namespace {

QString translated(SourceText source) {
    return QCoreApplication::translate(source.context, source.text);
}

QString withoutClosingPeriod(QString text) {
    while (text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

QString shownValue(const SentenceValue& value) {
    switch (value.kind) {
    case SentenceValue::Kind::FileText:
        return fromFileText(value.text);
    case SentenceValue::Kind::Utf8:
        return fromDiskName(value.text);
    case SentenceValue::Kind::Omitted:
        return QString::fromLatin1(kOmittedPlace.data(), kOmittedPlace.size());
    case SentenceValue::Kind::Nested:
        break;
    }
    QString inner = shown(*value.nested);
    if (value.clause)
        inner = withoutClosingPeriod(inner);
    // An English sentence after a comma: "... because the file ..."
    if (value.lowerThe && inner.startsWith(QLatin1String("The ")))
        inner[0] = QLatin1Char('t');
    return inner;
}

std::string utf8(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace

QString shown(const Sentence& sentence) {
    if (sentence.source() == nullptr)
        return sentence.values().empty() ? QString() : shownValue(sentence.values().front());
    // The places are filled in one pass over the translated text, so a value
    // that holds "%1" (a file name may) is never filled in again.
    std::vector<std::string> values;
    values.reserve(sentence.values().size());
    for (const SentenceValue& value : sentence.values())
        values.push_back(utf8(shownValue(value)));
    return QString::fromStdString(
        fillPlaces(utf8(translated({sentence.context(), sentence.source()})), values));
}

QString shown(SourceText source) {
    return translated(source);
}

QString shown(const Circuit& circuit, const QString& between) {
    return translated(circuit.name) + between + translated(circuit.country);
}

QString shownCaption(const CircuitChoice& circuit) {
    if (const auto fixed = fixedCircuitOf(circuit.trackset, circuit.number))
        return shown(*fixed, QStringLiteral("\n"));
    return fromFileText(circuit.caption);
}

QString shownHeading(const CircuitChoice& circuit) {
    if (const auto fixed = fixedCircuitOf(circuit.trackset, circuit.number))
        return shown(*fixed, QStringLiteral(" - "));
    return fromFileText(customHeading(circuit.caption));
}

std::string fileTextIn(SourceText source) {
    return toFileText(translated(source)).value_or(std::string(source.text));
}

} // namespace velomark
