// The pool-text parser: the quirks of published pools, a pool's structure, one-question files, bad
// input, and the rule hints.
// SPDX-License-Identifier: MIT
#include "bank/pool_text_parser.h"
#include "bank/rule_hint.h"

#include <QtTest>

namespace {

// Errata notes as the committee puts them before the pool: they hold lines that look
// like number lines and choices, and must not be read as questions.
const QByteArray errata = "2023-2027 General Class Question Pool 3rd Errata\n"
                          "G1C08 \xE2\x80\x93 question deleted\n"
                          "G2E12 \xE2\x80\x93 in the answers, change answer D to read:\n"
                          "D. All these choices are correct\n"
                          "G9Z99 (A)\n\n";

QByteArray pool(const QByteArray& body) {
    return errata + "FCC Element 3 Question Pool\n\nSUBELEMENT G1 \xE2\x80\x93 RULES\n" + body +
           "\n~~~end of question pool text~~~\nNOTE: graphics follow.\n";
}

const QByteArray plainQuestion = "G1A01 (C) [97.301(d)]\n"
                                 "Which band?\n"
                                 "A. 60 meters\n"
                                 "B. 160 meters\n"
                                 "C. 80 meters\n"
                                 "D. 20 meters\n"
                                 "~~\n";

} // namespace

class TestPoolTextParser : public QObject {
    Q_OBJECT
private slots:
    void quirks_data();
    void quirks();
    void poolStructure();
    void oneQuestionFiles();
    void badInput_data();
    void badInput();
    void ruleHint_data();
    void ruleHint();
};

void TestPoolTextParser::quirks_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("reference");

    const QStringList plainChoices{"60 meters", "160 meters", "80 meters", "20 meters"};
    QTest::newRow("LF") << pool(plainQuestion) << "G1A01"
                        << "Which band?"
                        << "3" << plainChoices << "97.301(d)";
    QByteArray crlf = pool(plainQuestion);
    crlf.replace("\n", "\r\n");
    QTest::newRow("CRLF") << crlf << "G1A01"
                          << "Which band?"
                          << "3" << plainChoices << "97.301(d)";
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF" + pool(plainQuestion)) << "G1A01"
                                     << "Which band?"
                                     << "3" << plainChoices << "97.301(d)";
    QTest::newRow("trailing spaces")
        << pool("G1A01 (C) [97.301(d)]  \nWhich band? \nA. 60 meters \nB. 160 meters\t\n"
                "C. 80 meters\nD. 20 meters   \n~~ \n")
        << "G1A01"
        << "Which band?"
        << "3" << plainChoices << "97.301(d)";
    QTest::newRow("tab after marker")
        << pool("G4E11 (D)\nWhat precaution?\nA. Ground it\nB.\tKeep it dry\nC. A resistor\n"
                "D. A controller\n~~\n")
        << "G4E11"
        << "What precaution?"
        << "4" << QStringList{"Ground it", "Keep it dry", "A resistor", "A controller"} << "";
    QTest::newRow("no space after marker")
        << pool("G2E02 (B)\nWhat is VARA?\nA. A mode\nB. A protocol\nC. A finder\n"
                "D.A DX spotting system\n~~\n")
        << "G2E02"
        << "What is VARA?"
        << "2" << QStringList{"A mode", "A protocol", "A finder", "A DX spotting system"} << "";
    QTest::newRow("no space before parenthesis")
        << pool("T6A12(A)\nWhat switch?\nA. SPST\nB. SPDT\nC. DPST\nD. DPDT\n~~\n") << "T6A12"
        << "What switch?"
        << "1" << QStringList{"SPST", "SPDT", "DPST", "DPDT"} << "";
    QTest::newRow("number line indented by tabs")
        << pool("\t\tE1C12 (D) [97.305(c)]\nWhich?\nA. a\nB. b\nC. c\nD. d\n~~\n") << "E1C12"
        << "Which?"
        << "4" << QStringList{"a", "b", "c", "d"} << "97.305(c)";
    QTest::newRow("curly quotes kept")
        << pool("G1B01 (A)\nWhat does \xE2\x80\x9C"
                "CQ\xE2\x80\x9D mean?\n"
                "A. A station\xE2\x80\x99s call\nB. b\nC. c\nD. d\n~~\n")
        << "G1B01" << QString::fromUtf8("What does \u201CCQ\u201D mean?") << "1"
        << QStringList{QString::fromUtf8("A station\u2019s call"), "b", "c", "d"} << "";
    QTest::newRow("no-break space")
        << pool("G5A01 (B)\nHow many\xC2\xA0ohms?\nA. 1\xC2\xA0ohm\nB. 2\nC. 3\nD. 4\n~~\n")
        << "G5A01"
        << "How many ohms?"
        << "2" << QStringList{"1 ohm", "2", "3", "4"} << "";
    QTest::newRow("unbalanced nested reference")
        << pool("G1B05 (D) [97.111((5)(b)]\nWhen?\nA. a\nB. b\nC. c\nD. d\n~~\n") << "G1B05"
        << "When?"
        << "4" << QStringList{"a", "b", "c", "d"} << "97.111((5)(b)";
    QTest::newRow("reference of several parts")
        << pool("G1B06 (B) [97.15(b), PRB-1, 101 FCC 2d 952 (1985)]\nWhich?\nA. a\nB. b\n"
                "C. c\nD. d\n~~\n")
        << "G1B06"
        << "Which?"
        << "2" << QStringList{"a", "b", "c", "d"} << "97.15(b), PRB-1, 101 FCC 2d 952 (1985)";
    // Text taken from the PDF: long lines wrapped, a page break (form feed) inside a question.
    QTest::newRow("wrapped lines and page break")
        << pool("G1A06 (C) [97.303]\nWhich of the following applies when the rules designate\n"
                "the amateur service as secondary?\n\n\fA. Stations must record the call\n"
                "sign of the primary station\nB. b\nC. c\n\n\fD. d\n~~\n")
        << "G1A06"
        << "Which of the following applies when the rules designate the amateur service as "
           "secondary?"
        << "3"
        << QStringList{"Stations must record the call sign of the primary station", "b", "c", "d"}
        << "97.303";
}

void TestPoolTextParser::quirks() {
    QFETCH(QByteArray, text);
    const PoolTextResult result =
        PoolTextParser::parse(text, QStringLiteral("pool.txt"), PoolTextParser::Layout::WholePool);
    QVERIFY2(result.status().ok(), qPrintable(result.error.toString()));
    QCOMPARE(result.questions.size(), 1);
    const PoolQuestion& q = result.questions.first();
    QTEST(q.number, "number");
    QTEST(q.stem, "stem");
    QTEST(q.answer, "answer");
    QTEST(QStringList(q.choices.begin(), q.choices.end()), "choices");
    QTEST(q.reference, "reference");
}

void TestPoolTextParser::poolStructure() {
    // Deleted and removed questions are skipped; G0 comes last as published; nothing after
    // the end marker is read; the heading may carry a trailing space.
    const QByteArray text = errata +
                            "FCC Element 3 Question Pool Syllabus\nG1A01 (A)\n"
                            "FCC Element 3 Question Pool \n"
                            "G1A \xE2\x80\x93 General class frequency privileges\n\n" +
                            plainQuestion +
                            "\nG1C08  Question Deleted (section not renumbered)\n~~\n"
                            "T7D05 Question Removed (section not renumbered) \n~~\n"
                            "G0A01 (A)\nWhat is RF?\nA. a\nB. b\nC. c\nD. d\n~~\n\n"
                            "~~~~End of question pool text~~~~\n"
                            "G9D99 (A)\nAfter the end\nA. a\nB. b\nC. c\nD. d\n~~\n";
    const PoolTextResult result =
        PoolTextParser::parse(text, QStringLiteral("pool.txt"), PoolTextParser::Layout::WholePool);
    QVERIFY2(result.status().ok(), qPrintable(result.error.toString()));
    QCOMPARE(result.questions.size(), 2);
    QCOMPARE(result.questions.at(0).number, QStringLiteral("G1A01"));
    QCOMPARE(result.questions.at(0).line, 12);
    QCOMPARE(result.questions.at(1).number, QStringLiteral("G0A01"));
    QCOMPARE(result.deleted, (QStringList{"G1C08", "T7D05"}));
}

void TestPoolTextParser::oneQuestionFiles() {
    // As Debian's hamexam installs a pool: no heading, no separator.
    const PoolTextResult result = PoolTextParser::parse(
        "G0A03 (D) [97.13(c)(1)] \nHow can you determine?\nA. a\nB. b\nC. c\nD. d\n",
        QStringLiteral("G0A03"), PoolTextParser::Layout::OneQuestion);
    QVERIFY2(result.status().ok(), qPrintable(result.error.toString()));
    QCOMPARE(result.questions.size(), 1);
    QCOMPARE(result.questions.first().answer, QStringLiteral("4"));
    QCOMPARE(result.questions.first().choices[3], QStringLiteral("d"));
    QCOMPARE(result.questions.first().reference, QStringLiteral("97.13(c)(1)"));

    const PoolTextResult empty =
        PoolTextParser::parse("\n", QStringLiteral("G0A04"), PoolTextParser::Layout::OneQuestion);
    QVERIFY(!empty.status().ok());
}

void TestPoolTextParser::badInput_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("message");

    // The pool body starts on line 10 of the fixture.
    QTest::newRow("choice missing in the middle")
        << pool("G1A02 (B)\nWhich?\nA. a\nB. b\nD. d\n~~\n") << 14 << "G1A02"
        << "choice C is missing";
    QTest::newRow("last choice missing")
        << pool("G1A02 (B)\nWhich?\nA. a\nB. b\nC. c\n~~\n") << 10 << "G1A02"
        << "choice D is missing";
    QTest::newRow("choice missing before the next question")
        << pool("G1A02 (B)\nWhich?\nA. a\nB. b\nC. c\nG1A03 (A)\nWhy?\nA. a\nB. b\nC. c\nD. d\n")
        << 10 << "G1A02"
        << "choice D is missing";
    QTest::newRow("choice missing at the end of the file")
        << QByteArray(errata + "FCC Element 3 Question Pool\nG1A02 (B)\nWhich?\nA. a\nB. b\n") << 8
        << "G1A02"
        << "choice C is missing";
    QTest::newRow("choice text empty")
        << pool("G1A02 (B)\nWhich?\nA. a\nB.\nC. c\nD. d\n~~\n") << 10 << "G1A02"
        << "choice B has no text";
    QTest::newRow("choice twice") << pool("G1A02 (B)\nWhich?\nA. a\nB. b\nB. b\nC. c\nD. d\n~~\n")
                                  << 14 << "G1A02"
                                  << "choice B appears twice";
    QTest::newRow("no stem") << pool("G1A02 (B)\nA. a\nB. b\nC. c\nD. d\n~~\n") << 10 << "G1A02"
                             << "no text";
    QTest::newRow("two answer letters")
        << pool("G1A02 (B, C)\nWhich?\nA. a\nB. b\nC. c\nD. d\n~~\n") << 10 << "G1A02"
        << "two answer letters";
    QTest::newRow("two answer letters run together")
        << pool("G1A02 (BC)\nWhich?\nA. a\nB. b\nC. c\nD. d\n~~\n") << 10 << "G1A02"
        << "two answer letters";
    QTest::newRow("answer letter outside A-D")
        << pool("G1A02 (E)\nWhich?\nA. a\nB. b\nC. c\nD. d\n~~\n") << 10 << "G1A02"
        << "answer letter E is not one of A, B, C and D";
    QTest::newRow("answer letter missing")
        << pool("G1A02 ()\nWhich?\nA. a\nB. b\nC. c\nD. d\n~~\n") << 10 << "G1A02"
        << "answer letter is missing";
    QTest::newRow("no parentheses")
        << pool("G1A02 [97.3]\nWhich?\nA. a\nB. b\nC. c\nD. d\n~~\n") << 10 << "G1A02"
        << "no answer letter";
    QTest::newRow("choices under a damaged number line")
        << pool(plainQuestion + "\nG1AO2 (B)\nWhich?\nA. a\nB. b\nC. c\nD. d\n~~\n") << 20
        << "G1A01"
        << "choice A stands outside any question";
    QTest::newRow("not UTF-8")
        << pool(plainQuestion + "G1A02 (B)\nWhich station\x92s call?\nA. a\nB. b\nC. c\nD. d\n")
        << 18 << "G1A02"
        << "not UTF-8";
    QTest::newRow("UTF-16") << QByteArray("F\0C\0C\0", 6) << 1 << ""
                            << "NUL bytes";
    QTest::newRow("no heading") << QByteArray(plainQuestion) << 0 << ""
                                << "no pool heading";
    QTest::newRow("no questions") << pool("") << 0 << ""
                                  << "no questions";
}

void TestPoolTextParser::badInput() {
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    const PoolTextResult result =
        PoolTextParser::parse(text, QStringLiteral("pool.txt"), PoolTextParser::Layout::WholePool);
    QVERIFY(!result.status().ok());
    QCOMPARE(result.error.file, QStringLiteral("pool.txt"));
    QTEST(result.error.line, "line");
    QTEST(result.error.question, "question");
    QVERIFY2(result.error.message.contains(message), qPrintable(result.error.message));
}

void TestPoolTextParser::ruleHint_data() {
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("hint");
    QTest::newRow("none") << ""
                          << "";
    QTest::newRow("one section") << "97.301(d)"
                                 << "See section 97.301(d) of the amateur service rules.";
    QTest::newRow("section with further paragraphs")
        << "97.305(a), (c)"
        << "See section 97.305(a), (c) of the amateur service rules.";
    QTest::newRow("several sections") << "97.501, 97.505(a)"
                                      << "See sections 97.501, 97.505(a) of the amateur service "
                                         "rules.";
    QTest::newRow("outside part 97") << "97.13(c)(2), 1.1307(b)"
                                     << "See sections 97.13(c)(2), 1.1307(b) of the FCC rules.";
    QTest::newRow("not a section") << "97.15(b), PRB-1, 101 FCC 2d 952 (1985)"
                                   << "See 97.15(b), PRB-1, 101 FCC 2d 952 (1985).";
}

void TestPoolTextParser::ruleHint() {
    QFETCH(QString, reference);
    QTEST(RuleHint::forReference(reference), "hint");
}

QTEST_GUILESS_MAIN(TestPoolTextParser)
#include "test_pool_text_parser.moc"
