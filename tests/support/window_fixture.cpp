// The window fixture: pressing a button as a person would, dialogs answered by the test, and the
// main window opened on a test bank.
// SPDX-License-Identifier: MIT
#include "window_fixture.h"

#include "learner_actions.h"
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

QString FakeDialogs::saveFileName(QWidget*, const QString&, const QString&, const QString&) {
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QString FakeDialogs::openFileName(QWidget*, const QString&, const QString&, const QString&) {
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

int FakeDialogs::chooseItem(QWidget*, const QString& prompt, const QStringList& items) {
    itemLists << (QStringList{prompt} + items).join(QLatin1Char('|'));
    return itemAnswers.isEmpty() ? -1 : itemAnswers.takeFirst();
}

WindowFixture::WindowFixture(const QVector<TestQuestion>& questions, const QVector<TestHint>& hints,
                             double drawValue)
    : draw(drawValue) {
    if (!bank.write(questions, hints))
        qWarning("window fixture: the test bank could not be written");
    window = std::make_unique<FrmTheo>(bank.folder(), dialogs, draw);
}

WindowFixture::~WindowFixture() = default;

bool WindowFixture::open(Shown shown) {
    const BankStatus status = window->openQuestionBank();
    lastError = status.reason();
    if (!status.ok())
        return false;
    if (shown == Shown::onScreen && !showWindow(window.get()))
        lastError = QStringLiteral("the window did not come on screen");
    else if (shown == Shown::active && !showAndActivate(window.get()))
        lastError = QStringLiteral("the window did not become the active one");
    else
        return true;
    return false;
}

bool WindowFixture::openOn(const QString& number, Shown shown) {
    if (!open(shown))
        return false;
    if (goTo(*window, number))
        return true;
    lastError = QStringLiteral("there is no question %1 to go to").arg(number);
    return false;
}

bool WindowFixture::restart() {
    window.reset();
    window = std::make_unique<FrmTheo>(bank.folder(), dialogs, draw);
    return open();
}
