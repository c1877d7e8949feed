// Text rules of the question bank: trimming spaces, and only spaces, before question numbers are
// compared.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_TEXT_RULES_H
#define VARNEL_BANK_TEXT_RULES_H

#include <QString>

// Removes leading and trailing spaces, and only spaces: a tab or a line break is
// part of the text. Question numbers are compared after this trim.
inline QString trimSpaces(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

#endif
