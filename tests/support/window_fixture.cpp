#include "window_fixture.h"

#include "main_window/frm_theo.h"

#include <QtTest>

void FakeDialogs::message(QWidget*, const QString& text) {
    messages << text;
    if (onMessage)
        onMessage(text);
}

QString FakeDialogs::inputBox(QWidget*, const QString& prompt, const QString&) {
    prompts << prompt;
    return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
}

bool FakeDialogs::askYesNo(QWidget*, const QString& text) {
    questions << text;
    return yesNoAnswers.isEmpty() ? true : yesNoAnswers.takeFirst();
}

WindowFixture::WindowFixture(const QVector<TestQuestion>& questions, const QVector<TestHint>& hints,
                             double drawValue)
    : draw(drawValue) {
    if (!bank.write(questions, hints))
        qWarning("window fixture: the test bank could not be written");
    window = std::make_unique<FrmTheo>(bank.folder(), dialogs, draw);
}

WindowFixture::~WindowFixture() = default;

bool WindowFixture::open() {
    const BankStatus status = window->openQuestionBank();
    lastError = status.reason();
    return status.ok();
}

bool WindowFixture::restart() {
    window.reset();
    window = std::make_unique<FrmTheo>(bank.folder(), dialogs, draw);
    return open();
}
