// FrmTheo's handlers for the pool text import: Next G9, Accept and Transfer.
// SPDX-License-Identifier: MIT
#include "authoring/pool_text_ops.h"
#include "main_window/frm_theo.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

// Next G9 and Accept stop silently at their first failure (a position that leaves
// the 16-bit range, a cut that cannot be made, a refused New or Update). What was
// set before it stays as it is; nothing is rolled back.

namespace {

const QString questionMarker = QStringLiteral("G9");
constexpr qint16 windowLength = 1000;

} // namespace

void FrmTheo::Command3_Click() {
    Text9->setText(QString::number(m_shared.ParsePos));

    const std::optional<qint16> from = PoolTextOps::add(m_shared.ParsePos, 1);
    if (!from)
        return;
    const std::optional<qint16> found = PoolTextOps::find(m_shared.PoolText, questionMarker, *from);
    if (!found)
        return;
    m_shared.FoundPos = *found;

    const std::optional<QString> window =
        PoolTextOps::mid(m_shared.PoolText, m_shared.FoundPos, windowLength);
    if (!window)
        return; // no further question: the window and the cursor stay
    Text2->setPlainText(*window);
    m_shared.ParsePos = m_shared.FoundPos;
}

void FrmTheo::Command4_Click() {
    SharedModule& s = m_shared;
    auto showCursor = [&] { Text9->setText(QString::number(s.ParsePos)); };
    // Each step sets one position and stops the import when the value failed.
    auto set = [](qint16& position, const std::optional<qint16>& value) {
        if (value)
            position = *value;
        return value.has_value();
    };

    // While a new record is pending, a second one is not started.
    if (!Command1->isEnabled())
        return;
    if (!startNewRecord())
        return;

    Text1->setText(Text2->toPlainText().left(5));
    if (!set(s.ParsePos, PoolTextOps::add(s.FoundPos, 7)))
        return;
    showCursor();

    // The stem runs up to and including its question mark.
    if (!set(s.FoundPos, PoolTextOps::find(s.PoolText, QStringLiteral("?"), s.ParsePos)))
        return;
    const std::optional<QString> stem = PoolTextOps::cut(s.PoolText, s.ParsePos, s.FoundPos);
    if (!stem)
        return;
    Text3->setPlainText(*stem);

    // The answer number stands right after the question mark.
    if (!set(s.ParsePos, PoolTextOps::add(s.FoundPos, 1)))
        return;
    const std::optional<QString> answer = PoolTextOps::mid(s.PoolText, s.ParsePos, 3);
    if (!answer)
        return;
    Text4->setText(PoolTextOps::numberText(PoolTextOps::readNumber(*answer)));
    showCursor();

    // Each choice runs from just after its marker to just before the next marker;
    // choice D ends where the next question number begins.
    struct Row {
        QPlainTextEdit* box;
        QString opening;
        QString closing;
    };
    const Row rows[] = {
        {Text5, QStringLiteral("A."), QStringLiteral("B.")},
        {Text6, QStringLiteral("B."), QStringLiteral("C.")},
        {Text7, QStringLiteral("C."), QStringLiteral("D.")},
        {Text8, QStringLiteral("D."), questionMarker},
    };
    for (const Row& row : rows) {
        if (!set(s.FoundPos, PoolTextOps::find(s.PoolText, row.opening, s.ParsePos)))
            return;
        if (!set(s.ParsePos, PoolTextOps::add(s.FoundPos, 2)))
            return;
        const std::optional<qint16> closing =
            PoolTextOps::find(s.PoolText, row.closing, s.ParsePos);
        if (!closing || !set(s.FoundPos, PoolTextOps::subtract(*closing, 1)))
            return;
        const std::optional<QString> choice = PoolTextOps::cut(s.PoolText, s.ParsePos, s.FoundPos);
        if (!choice)
            return;
        row.box->setPlainText(*choice);
        if (row.box == Text8)
            break;
        // The next row finds its opening marker right at this closing one.
        if (!set(s.ParsePos, PoolTextOps::add(s.FoundPos, 1)))
            return;
        showCursor();
    }

    // Three characters before the next question number, so that Next G9, which
    // searches from one past the cursor, finds exactly that number.
    if (!set(s.ParsePos, PoolTextOps::subtract(s.FoundPos, 2)))
        return;
    showCursor();

    // Accept's last step. Like every step of the import it ends silently when it
    // fails: the new record stays pending with its text, and Update can save it.
    static_cast<void>(saveNewRecord());
}

void FrmTheo::Command9_Click() {
    m_shared.TransferFlag = flagTrue;
}
