// The hint a question gets from the rule reference on its number line, pointing the learner to the
// rule.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_RULE_HINT_H
#define VARNEL_BANK_RULE_HINT_H

#include <QString>

// The hint a question gets from the rule reference on its number line: it points
// the learner to the rule and adds nothing of its own.
namespace RuleHint {

// The hint text for a reference such as "97.301(d)"; empty when there is no reference.
QString forReference(const QString& reference);

} // namespace RuleHint

#endif
