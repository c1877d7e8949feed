// The window fixture: the main window on a test bank with dialogs answered by the test, a fixed
// draw, and pressing a button as a person would.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_TESTS_SUPPORT_WINDOW_FIXTURE_H
#define VARNEL_TESTS_SUPPORT_WINDOW_FIXTURE_H

#include "bank_fixture.h"
#include "drill/random_draw.h"
#include "widgets/dialogs.h"

#include <QStringList>
#include <functional>
#include <memory>

class FrmTheo;

// Dialogs answered by the test: messages are recorded, input boxes, file dialogs and lists
// return prepared answers.
class FakeDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text) override;
    QString inputBox(QWidget* parent, const QString& prompt,
                     const QString& defaultText = QString()) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    int chooseItem(QWidget* parent, const QString& prompt, const QStringList& items) override;

    QStringList messages;     // every message shown, in order
    QStringList prompts;      // every input box's prompt, in order
    QStringList inputAnswers; // answers for the next input boxes; empty text when used up
    QStringList questions;    // every Yes/No question asked, in order
    QList<bool> yesNoAnswers; // answers for the next Yes/No questions; Yes when used up
    QStringList fileAnswers;  // paths for the next file dialogs; Cancel when used up
    QList<int> itemAnswers;   // indexes for the next lists; Cancel (-1) when used up
    QStringList itemLists;    // every list offered, its prompt and items joined by "|"
    // Runs while a message is "on screen", as a learner's OK would come after it.
    std::function<void(const QString&)> onMessage;
};

// A draw that returns a fixed number and remembers whether it was seeded.
class FixedDraw : public RandomDraw {
public:
    explicit FixedDraw(double value = 0.0) : value(value) {}
    void randomize() override { ++randomizeCalls; }
    double rnd() override {
        ++rndCalls;
        return value;
    }

    double value;
    int randomizeCalls = 0;
    int rndCalls = 0;
};

// How far a test brings the window before it starts: left unshown, on screen (so that
// its controls take real clicks), or also the active window (so that keys reach it).
enum class Shown { no, onScreen, active };

// A bank in a temporary folder and a main window on it, opened as at program start.
class WindowFixture {
public:
    // Writes the bank (the sample bank unless rows are given) and creates the window;
    // call open() to open the bank as start-up does.
    explicit WindowFixture(const QVector<TestQuestion>& questions = TestBank::sampleQuestions(),
                           const QVector<TestHint>& hints = TestBank::sampleHints(),
                           double draw = 0.0);
    ~WindowFixture();

    // Opens the question bank and shows the window as asked; false (with the reason in
    // lastError) when a step fails.
    bool open(Shown shown = Shown::no);
    // The same, then goes to that question as a search would.
    bool openOn(const QString& number, Shown shown = Shown::no);
    // Closes the window and creates a new one on the same folder (a restart).
    bool restart();

    TestBank bank;
    FakeDialogs dialogs;
    FixedDraw draw;
    std::unique_ptr<FrmTheo> window;
    QString lastError;
};

#endif
