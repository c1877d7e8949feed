// FrmTheo's start-up and shutdown: the load handler, opening the question bank, the unload handler
// and Exit.
// SPDX-License-Identifier: MIT
#include "drill/answer_placement.h"
#include "drill/random_draw.h"
#include "drill/topic_catalogue.h"
#include "main_window/frm_theo.h"
#include "widgets/data_control.h"
#include "widgets/twips.h"

#include "bank/bank_schema.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

void FrmTheo::Form_Load() {
    m_shared.StartupFlag = flagTrue;
    for (const QString& name : TopicCatalogue::names())
        List1->addItem(name);
    for (const QString& name : TopicCatalogue::names())
        Combo1->addItem(name);
    Combo1->setEditText(QStringLiteral("Commission's Rules"));
    Option1->setChecked(true); // raises its click: the Quiz set-up runs now
    Option2->setChecked(false);

    m_draw.randomize();
    const std::array<int, 4> tops =
        AnswerPlacement::boxTops(AnswerPlacement::placementNumber(m_draw.rnd()));
    // The answer boxes keep their binding; only their rows move.
    for (std::size_t i = 0; i < tops.size(); ++i)
        twips::setTop(answerBoxes()[i], tops[i]);
}

BankStatus FrmTheo::openQuestionBank() {
    const QString path = workingFile(BankSchema::fileName);
    auto failed = [&](const BankStatus& status) {
        Data1->recordset().close();
        Data2->recordset().close();
        return BankStatus::failure(
            QStringLiteral("The question bank %1 in the folder %2 could not be opened: %3.")
                .arg(BankSchema::fileName, QDir::toNativeSeparators(QFileInfo(path).absolutePath()),
                     status.reason()));
    };
    if (BankStatus s = Data1->recordset().open(path); !s)
        return failed(s);
    if (BankStatus s = Data2->recordset().open(path); !s) {
        // A bank without a hints table still serves for study; the Hint button says
        // that it holds no hints and keeps no notes.
        if (Data1->recordset().hasTableNamed(BankSchema::hintsTable))
            return failed(s);
    } else if (BankStatus s = Data2->recordset().moveFirst(); !s) {
        // The hint source stands on its first row before the first question looks its
        // hint up.
        return failed(s);
    }
    if (BankStatus s = Data1->recordset().moveFirst(); !s)
        return failed(s);
    // A first question without a number leaves the number box empty, which raises no
    // change; its look-up still moves the hint source off the first hint row, so that
    // nothing typed for this question reaches another's note.
    if (Text1->text().isEmpty())
        lookUpHint();
    showExamination();
    return BankStatus::success();
}

void FrmTheo::Form_Unload(qint16& Cancel) {
    // Refused only when the learner keeps the exam under way.
    if (!endProgram())
        Cancel = 1;
}

void FrmTheo::mnuFileExit_Click() {
    (void)endProgram(); // kept going: the learner chose to stay with the exam
}

bool FrmTheo::endProgram() {
    // Ends the program with all its windows. The note typed for the question on
    // screen is saved as leaving the question would save it; a refusal is told, and
    // the program ends all the same. Nothing else is saved on the way out: a pending
    // new record and text put into the hidden boxes are dropped with the connections.
    // An exam being taken is the one thing the learner is asked about, after the note.
    saveTypedHint(HintLeaving::Program);
    if (!mayLeave())
        return false;
    Data1->recordset().close();
    Data2->recordset().close();
    m_frmPicture.discard();
    m_frmTable.discard();
    m_frmAbout.discard();
    m_frmExam.discard();
    m_frmReview.discard();
    m_frmProgress.discard();
    hide();
    QCoreApplication::exit(0);
    return true;
}
