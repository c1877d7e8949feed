// libFuzzer target: the rich-text reader, laying each document out at the table window's width.
// SPDX-License-Identifier: MIT
#include "display/rtf_reader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

// Fonts and layout need a GUI application; the offscreen platform needs no display.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static int argc = 1;
    static char name[] = "fuzz_rtf_reader";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
    return 0;
}

// Reads the bytes as RTF and lays the document out at the table window's width,
// so a document that the reader builds wrongly shows up in the layout too.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument document;
    RtfReader::readInto(document, bytes);
    document.setTextWidth(577);
    static_cast<void>(document.size());
    return 0;
}
