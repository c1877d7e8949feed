// BankStatus, the outcome of an operation on the question bank: success, or the reason it failed in
// words a learner can read.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_BANK_STATUS_H
#define VARNEL_BANK_BANK_STATUS_H

#include <QString>

// The outcome of an operation on the question bank: success, or the reason it
// failed, in words a learner can read. Nothing in the bank throws or shows dialogs.
// A caller that drops one drops a failure, so every caller must look at it.
class [[nodiscard]] BankStatus {
public:
    static BankStatus success() { return BankStatus(); }
    static BankStatus failure(const QString& reason) { return BankStatus(reason); }

    bool ok() const { return m_reason.isNull(); }
    explicit operator bool() const { return ok(); }
    const QString& reason() const { return m_reason; }

private:
    BankStatus() = default;
    explicit BankStatus(const QString& reason)
        : m_reason(reason.isNull() ? QStringLiteral("unknown error") : reason) {}
    QString m_reason;
};

#endif
