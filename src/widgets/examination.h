// The three examinations the program studies for, Technician, General and Extra: their names on
// the command line and in the window, and the pool letter of each.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_EXAMINATION_H
#define VARNEL_WIDGETS_EXAMINATION_H

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

// An examination, each with its own bank in its own working folder.
enum class Examination { Technician, General, Extra };

namespace Examinations {

// All three, in the order a learner takes them.
inline constexpr Examination all[] = {Examination::Technician, Examination::General,
                                      Examination::Extra};

// The value of --exam: "technician", "general", "extra".
QString optionValue(Examination exam);
// The examination of an --exam value, exactly as written; none for anything else.
std::optional<Examination> fromOptionValue(const QString& value);
// The one line that refuses any other --exam value, naming the three.
QString unknownValueMessage(const QString& value);
// "Technician", "General", "Extra".
QString displayName(Examination exam);
// The examination whose pool numbers its questions with this letter (T, G, E); none
// for the letters of older pools.
std::optional<Examination> fromPoolLetter(QChar letter);
// The main window's caption: the program's title alone for General, as it always
// was, and with the examination's name for the other two.
QString caption(const QString& programTitle, Examination exam);

// The About box's line on the exam studied: "General class exam", and, when the
// bank records them, its pool's dates ("pool valid July 1, 2023 to June 30, 2027").
QString aboutLine(Examination exam, const QDate& validFrom, const QDate& validUntil);

// What the program's command line asks for. Options the program does not know (Qt's
// own, such as -platform) are left to Qt.
struct ProgramOptions {
    Examination exam = Examination::General;
    QString launcher; // the command that starts the program on another exam's bank
    bool help = false;
    bool version = false;
    QString error; // the one line that refuses the command line; exit status 2
};
ProgramOptions parseArguments(const QStringList& arguments);
// The text of --help.
QString usage();

} // namespace Examinations

#endif
