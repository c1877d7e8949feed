// The topic catalogue: the ten topics (subelements G0 to G9) and the pool letters they are known
// under.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_DRILL_TOPIC_CATALOGUE_H
#define VARNEL_DRILL_TOPIC_CATALOGUE_H

#include <QString>
#include <QStringList>
#include <optional>

// The ten topics (subelements G0 to G9) and the pool letters they are known under.
// One table serves start-up (the topic lists), the question change (the topic of a
// number) and the topic jump (the first question of a topic).
namespace TopicCatalogue {

// The ten display names in list order, "RF Safety" (digit 0) first.
const QStringList& names();
// The topic name of a question-number prefix such as "G5" or "T0"; none unless the
// prefix is one of the 48 recognised codes (exact, case-sensitive).
std::optional<QString> nameForCode(const QString& prefix);
// The subelements of a pool letter in the order its syllabus prints them, such as
// "E1" ... "E9", "E0"; empty for a letter that takes no topic.
QStringList syllabusCodes(QChar poolLetter);
// The first question of a topic for a pool letter, such as "N7A01"; none when the
// letter does not take the topic (or the name is no topic name).
std::optional<QString> startCode(QChar poolLetter, const QString& topicName);

} // namespace TopicCatalogue

#endif
