// The pool-text parser: headings, number lines with their rule references, choices and separators
// of the published layout, and the one-question layout.
// SPDX-License-Identifier: MIT
#include "bank/pool_text_parser.h"

#include <QRegularExpression>
#include <QStringDecoder>

QString PoolTextError::toString() const {
    QString text = file;
    if (line > 0)
        text += QStringLiteral(":%1").arg(line);
    if (!question.isEmpty())
        text += QStringLiteral(": question ") + question;
    return text + QStringLiteral(": ") + message;
}

namespace {

const QRegularExpression& headingPattern() {
    static const QRegularExpression re(QStringLiteral("^FCC Element \\d+ Question Pool$"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

const QRegularExpression& endPattern() {
    static const QRegularExpression re(QStringLiteral("^~+\\s*end of question pool text\\s*~*$"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

// The number, then whatever follows it; "T6A12(A)" has no space before the parenthesis.
const QRegularExpression& numberLinePattern() {
    static const QRegularExpression re(
        QStringLiteral("^([A-Z]\\d[A-Z]\\d\\d)(?=[\\s(\\[]|$)(.*)$"));
    return re;
}

const QRegularExpression& deletedPattern() {
    static const QRegularExpression re(
        QStringLiteral("^question\\s+(deleted|removed|withdrawn)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

// "(C)" then an optional "[reference]"; the reference may hold brackets of its own
// or unbalanced parentheses ("[97.111((5)(b)]"), so it runs to the last "]".
const QRegularExpression& answerPattern() {
    static const QRegularExpression re(QStringLiteral("^\\(([^)]*)\\)\\s*(?:\\[(.*)\\])?$"));
    return re;
}

// "A." to "D." at the start of a line; the text may follow with a space, a tab or
// nothing at all ("D.A DX").
const QRegularExpression& choicePattern() {
    static const QRegularExpression re(QStringLiteral("^([A-D])\\.\\s*(.*)$"));
    return re;
}

const QRegularExpression& separatorPattern() {
    static const QRegularExpression re(QStringLiteral("^~~+$"));
    return re;
}

// Turns one raw line into the text the parser works on: the published files carry
// CR line ends, no-break spaces, tabs after markers, trailing spaces and (in text
// taken from the PDF) form feeds at page breaks.
QString cleanLine(QString line) {
    QString out;
    out.reserve(line.size());
    for (QChar c : line) {
        switch (c.unicode()) {
        case u'\r':
        case u'\f':
        case 0xFEFF: // byte-order mark
            break;
        case u'\t':
        case 0x00A0: // no-break space
        case 0x2007: // figure space
        case 0x202F: // narrow no-break space
            out += QLatin1Char(' ');
            break;
        default:
            out += c;
        }
    }
    return out.trimmed();
}

QString letterName(int index) {
    return QString(QChar(u'A' + index));
}

class Reader {
public:
    Reader(const QString& fileName, PoolTextParser::Layout layout)
        : m_fileName(fileName),
          m_state(layout == PoolTextParser::Layout::WholePool ? State::BeforeHeading
                                                              : State::Between) {}

    PoolTextResult read(const QByteArray& bytes);

private:
    enum class State { BeforeHeading, Between, Deleted, Stem, Choices, Finished };

    bool fail(int line, const QString& question, const QString& message);
    bool readLine(const QString& line, int lineNumber);
    bool startQuestion(const QString& number, const QString& rest, int lineNumber);
    bool finishQuestion();
    bool inQuestion() const { return m_state == State::Stem || m_state == State::Choices; }

    QString m_fileName;
    State m_state;
    PoolQuestion m_current;
    int m_choiceCount = 0;
    QString m_lastNumber; // for errors on lines between questions
    PoolTextResult m_result;
};

bool Reader::fail(int line, const QString& question, const QString& message) {
    m_result.error = PoolTextError{m_fileName, line, question, message};
    return false;
}

PoolTextResult Reader::read(const QByteArray& bytes) {
    const bool wholePool = m_state == State::BeforeHeading;
    if (bytes.contains('\0')) {
        const int line = int(bytes.left(bytes.indexOf('\0')).count('\n')) + 1;
        fail(line, QString(),
             QStringLiteral("the file holds NUL bytes, so it is not UTF-8 text "
                            "(UTF-16 perhaps); save it as UTF-8 text"));
        return m_result;
    }
    const QList<QByteArray> lines = bytes.split('\n');
    for (int i = 0; i < lines.size() && m_state != State::Finished; ++i) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString decoded = decoder.decode(lines.at(i));
        if (decoder.hasError()) {
            fail(i + 1, inQuestion() ? m_current.number : m_lastNumber,
                 QStringLiteral("the text is not UTF-8; save the file as UTF-8 text"));
            return m_result;
        }
        if (!readLine(cleanLine(decoded), i + 1))
            return m_result;
    }
    if (m_state == State::BeforeHeading) {
        fail(0, QString(),
             QStringLiteral("no pool heading such as \"FCC Element 3 Question Pool\" was "
                            "found; is this a published question pool?"));
        return m_result;
    }
    if (!finishQuestion())
        return m_result;
    if (m_result.questions.isEmpty() && m_result.deleted.isEmpty())
        fail(0, QString(),
             wholePool ? QStringLiteral("no questions follow the pool heading")
                       : QStringLiteral("the file holds no question"));
    return m_result;
}

bool Reader::readLine(const QString& line, int lineNumber) {
    if (m_state == State::BeforeHeading) {
        if (headingPattern().match(line).hasMatch())
            m_state = State::Between;
        return true;
    }
    if (endPattern().match(line).hasMatch()) {
        if (!finishQuestion())
            return false;
        m_state = State::Finished;
        return true;
    }
    const QRegularExpressionMatch number = numberLinePattern().match(line);
    if (number.hasMatch()) {
        if (!finishQuestion())
            return false;
        return startQuestion(number.captured(1), number.captured(2).trimmed(), lineNumber);
    }
    if (separatorPattern().match(line).hasMatch()) {
        if (!finishQuestion())
            return false;
        m_state = State::Between;
        return true;
    }
    if (line.isEmpty())
        return true;

    const QRegularExpressionMatch choice = choicePattern().match(line);
    switch (m_state) {
    case State::Deleted:
        return true;
    case State::Between:
        // Headings of subelements and groups sit between questions; a choice there
        // means the number line above it is damaged, and skipping it would lose a question.
        if (choice.hasMatch())
            return fail(lineNumber, m_lastNumber,
                        QStringLiteral("choice %1 stands outside any question; is the number "
                                       "line above it damaged?")
                            .arg(choice.captured(1)));
        return true;
    case State::Stem:
    case State::Choices:
        if (choice.hasMatch()) {
            const int index = choice.captured(1).at(0).unicode() - u'A';
            if (index == m_choiceCount) {
                m_current.choices[index] = choice.captured(2).trimmed();
                ++m_choiceCount;
                m_state = State::Choices;
                return true;
            }
            if (index > m_choiceCount)
                return fail(lineNumber, m_current.number,
                            QStringLiteral("choice %1 is missing").arg(letterName(m_choiceCount)));
            return fail(lineNumber, m_current.number,
                        QStringLiteral("choice %1 appears twice").arg(letterName(index)));
        }
        // Text taken from the PDF wraps long lines; a line without a marker continues
        // the stem or the choice above it.
        {
            QString& target =
                m_state == State::Stem ? m_current.stem : m_current.choices[m_choiceCount - 1];
            target += target.isEmpty() ? line : QLatin1Char(' ') + line;
        }
        return true;
    case State::BeforeHeading:
    case State::Finished:
        break;
    }
    return true;
}

bool Reader::startQuestion(const QString& number, const QString& rest, int lineNumber) {
    m_lastNumber = number;
    if (deletedPattern().match(rest).hasMatch()) {
        m_result.deleted << number;
        m_state = State::Deleted;
        return true;
    }
    const QRegularExpressionMatch answer = answerPattern().match(rest);
    if (!answer.hasMatch())
        return fail(
            lineNumber, number,
            rest.startsWith(QLatin1Char('('))
                ? QStringLiteral("unexpected text after the answer letter: \"%1\"").arg(rest)
                : QStringLiteral("the number line has no answer letter in parentheses"));
    QString letters;
    for (QChar c : answer.captured(1))
        if (c.isLetter())
            letters += c;
    if (letters.isEmpty())
        return fail(lineNumber, number, QStringLiteral("the answer letter is missing"));
    if (letters.size() > 1)
        return fail(
            lineNumber, number,
            QStringLiteral("two answer letters (%1); a question has one").arg(answer.captured(1)));
    const QChar letter = letters.at(0).toUpper();
    if (letter < QLatin1Char('A') || letter > QLatin1Char('D'))
        return fail(lineNumber, number,
                    QStringLiteral("answer letter %1 is not one of A, B, C and D").arg(letters));

    m_current = PoolQuestion{};
    m_current.number = number;
    m_current.answer = QString::number(letter.unicode() - u'A' + 1);
    m_current.reference = answer.captured(2).trimmed();
    m_current.file = m_fileName;
    m_current.line = lineNumber;
    m_choiceCount = 0;
    m_state = State::Stem;
    return true;
}

bool Reader::finishQuestion() {
    if (!inQuestion())
        return true;
    m_state = State::Between;
    if (m_current.stem.isEmpty())
        return fail(m_current.line, m_current.number, QStringLiteral("the question has no text"));
    if (m_choiceCount < 4)
        return fail(m_current.line, m_current.number,
                    QStringLiteral("choice %1 is missing").arg(letterName(m_choiceCount)));
    for (int i = 0; i < 4; ++i)
        if (m_current.choices[i].isEmpty())
            return fail(m_current.line, m_current.number,
                        QStringLiteral("choice %1 has no text").arg(letterName(i)));
    m_result.questions << m_current;
    return true;
}

} // namespace

PoolTextResult PoolTextParser::parse(const QByteArray& bytes, const QString& fileName,
                                     Layout layout) {
    return Reader(fileName, layout).read(bytes);
}

bool PoolTextParser::isQuestionNumber(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^[A-Z]\\d[A-Z]\\d\\d$"));
    return re.match(text).hasMatch();
}
