// The topic catalogue's table: the ten topic names, which pool letters take which subelements, and
// the code of each topic.
// SPDX-License-Identifier: MIT
#include "drill/topic_catalogue.h"

namespace TopicCatalogue {

namespace {

// G, T and E pools have all ten subelements (the current Extra pool has safety as
// E0); the older A and N pools have no subelement 0.
bool letterTakesDigit(QChar letter, int digit) {
    if (letter == QLatin1Char('G') || letter == QLatin1Char('T') || letter == QLatin1Char('E'))
        return digit >= 0 && digit <= 9;
    if (letter == QLatin1Char('A') || letter == QLatin1Char('N'))
        return digit >= 1 && digit <= 9;
    return false;
}

} // namespace

const QStringList& names() {
    static const QStringList list{
        QStringLiteral("RF Safety"),
        QStringLiteral("Commission's Rules"),
        QStringLiteral("Operating Procedures"),
        QStringLiteral("Radio Wave Propagation"),
        QStringLiteral("Amateur Radio Practices"),
        QStringLiteral("Electrical Principles"),
        QStringLiteral("Circuit Components"),
        QStringLiteral("Practical Circuits"),
        QStringLiteral("Signals And Emissions"),
        QStringLiteral("Antennas And Feed Lines"),
    };
    return list;
}

std::optional<QString> nameForCode(const QString& prefix) {
    if (prefix.size() != 2)
        return std::nullopt;
    const QChar digitChar = prefix.at(1);
    if (digitChar < QLatin1Char('0') || digitChar > QLatin1Char('9'))
        return std::nullopt;
    const int digit = digitChar.unicode() - '0';
    if (!letterTakesDigit(prefix.at(0), digit))
        return std::nullopt;
    return names().at(digit);
}

QStringList syllabusCodes(QChar poolLetter) {
    // The pools print subelement 0 last: T1 ... T9, T0.
    QStringList codes;
    for (int digit : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0})
        if (letterTakesDigit(poolLetter, digit))
            codes << QString(poolLetter) + QString::number(digit);
    return codes;
}

std::optional<QString> startCode(QChar poolLetter, const QString& topicName) {
    const int digit = static_cast<int>(names().indexOf(topicName));
    if (digit < 0 || !letterTakesDigit(poolLetter, digit))
        return std::nullopt;
    return QString(poolLetter) + QString::number(digit) + QStringLiteral("A01");
}

} // namespace TopicCatalogue
