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
    // What waiting would do for a failure: a lasting one (a read-only or replaced
    // file, a damaged one) fails again however often it is tried; a passing one (a
    // lock held by another program, a full disk) may not; a conflict means another
    // program changed the row since it was shown, so it was left as that program wrote it.
    enum class Kind { Lasting, Passing, Conflict };

    static BankStatus success() { return BankStatus(); }
    static BankStatus failure(const QString& reason, Kind kind = Kind::Lasting) {
        return BankStatus(reason, kind);
    }

    bool ok() const { return m_reason.isNull(); }
    explicit operator bool() const { return ok(); }
    const QString& reason() const { return m_reason; }
    Kind kind() const { return m_kind; }

private:
    BankStatus() = default;
    BankStatus(const QString& reason, Kind kind)
        : m_reason(reason.isNull() ? QStringLiteral("unknown error") : reason), m_kind(kind) {}
    QString m_reason;
    Kind m_kind = Kind::Lasting;
};

#endif
