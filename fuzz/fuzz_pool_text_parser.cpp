// libFuzzer target: the pool-text parser in one of its two layouts (chosen at build time).
// SPDX-License-Identifier: MIT
#include "bank/pool_text_parser.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

#ifdef VARNEL_FUZZ_ONE_QUESTION
constexpr PoolTextParser::Layout layout = PoolTextParser::Layout::OneQuestion;
#else
constexpr PoolTextParser::Layout layout = PoolTextParser::Layout::WholePool;
#endif

// A result that breaks what the bank builder relies on is as bad as a crash.
void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

// Parses the bytes and checks the promises of the result: a success holds only whole,
// well-formed questions; a failure says where and why.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const PoolTextResult result = PoolTextParser::parse(bytes, QStringLiteral("fuzz.txt"), layout);
    if (!result.status().ok()) {
        check(result.error.file == QStringLiteral("fuzz.txt"));
        check(result.error.line >= 0);
        static_cast<void>(result.error.toString());
        return 0;
    }
    check(!result.questions.isEmpty() || !result.deleted.isEmpty());
    for (const PoolQuestion& question : result.questions) {
        check(PoolTextParser::isQuestionNumber(question.number));
        check(!question.stem.isEmpty());
        check(question.answer.size() == 1 && question.answer.at(0) >= QLatin1Char('1') &&
              question.answer.at(0) <= QLatin1Char('4'));
        for (const QString& choice : question.choices)
            check(!choice.isEmpty());
        check(question.line > 0);
    }
    for (const QString& number : result.deleted)
        check(PoolTextParser::isQuestionNumber(number));
    return 0;
}
