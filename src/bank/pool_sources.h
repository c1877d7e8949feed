// Reading every pool source in order, a whole pool text file or a folder of one-question files,
// failing at the first fault.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_POOL_SOURCES_H
#define VARNEL_BANK_POOL_SOURCES_H

#include "bank/bank_info.h"
#include "bank/bank_status.h"
#include "bank/pool_text_parser.h"

#include <QStringList>
#include <QVector>

// Reads every source, in order: a whole pool text file as the question pool committee
// publishes it, or a folder of one-question files named by their numbers (as Debian's
// hamexam installs them). Fails at the first fault, including a question number that
// appears twice, and a source that is neither a regular file nor a folder, or is larger
// than any pool could be (64 MiB). info, when given, gets where the questions came from.
BankStatus readPoolSources(const QStringList& sources, QVector<PoolQuestion>* questions,
                           BankInfo* info = nullptr);

#endif
