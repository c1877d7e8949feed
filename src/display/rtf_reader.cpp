// The rich-text reader: groups, control words, paragraphs, character formats and tables of RTF into
// a QTextDocument, with limits against hostile input.
// SPDX-License-Identifier: MIT
#include "display/rtf_reader.h"

#include "widgets/twip_scale.h"

#include <QFile>
#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLength>
#include <QTextTable>
#include <QTextTableFormat>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// Real documents nest a few dozen groups at most; deeper groups are skipped whole,
// so hostile nesting costs neither stack nor memory.
constexpr std::size_t maxDepth = 256;
// Word processors allow 63 cells in a row; further cells join the last one, so a
// hostile row cannot make a table of unbounded width.
constexpr std::size_t maxColumns = 64;
// A control word has at most 32 letters; longer ones are read and ignored.
constexpr std::size_t maxKeywordLength = 32;
// RTF's default font size is 12 pt, written in half-points.
constexpr int defaultHalfPoints = 24;
constexpr int maxHalfPoints = 3276;
// Files larger than this are not table files; they are treated as unreadable.
constexpr qint64 maxFileSize = 64 * 1024 * 1024;
// The program's one conversion from twips to logical pixels.
constexpr qint64 twipsPerPixel = twips::perPixel;
constexpr qint64 minColumnPixels = 8;
constexpr qint64 maxColumnPixels = 4000;

constexpr char32_t replacementCharacter = 0xFFFD;

enum class Align { Left, Center, Right, Justify };

struct CharStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int halfPoints = defaultHalfPoints;
    bool operator==(const CharStyle&) const = default;
};

// Properties that RTF scopes to a group: a closing brace restores them.
struct GroupState {
    CharStyle chars;
    Align align = Align::Left;
    bool inTable = false;
    bool skip = false;
    int unicodeSkip = 1;
};

struct Run {
    QString text;
    CharStyle style;
};

struct Paragraph {
    std::vector<Run> runs;
    Align align = Align::Left;
};

using Cell = std::vector<Paragraph>;

struct Row {
    std::vector<Cell> cells;
    std::vector<qint64> widthsTwips; // empty when the row's \cellx do not match its cells
    Align align = Align::Left;
};

// Rows with the same number of cells that follow one another form one table.
struct Table {
    std::vector<Row> rows;
    std::size_t columns = 0;
};

enum class Kind {
    Par,
    Line,
    Tab,
    PageBreak,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    FontSize,
    Plain,
    Pard,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    InTable,
    CellEnd,
    RowEnd,
    RowDefaults,
    CellRight,
    RowLeft,
    RowAlignLeft,
    RowAlignCenter,
    RowAlignRight,
    Unicode,
    UnicodeSkip,
    NestedCellEnd,
    NestedRowEnd,
    Character,
    Destination,
};

struct Keyword {
    Kind kind;
    char32_t character = 0;
};

const std::unordered_map<std::string_view, Keyword>& keywords() {
    static const std::unordered_map<std::string_view, Keyword> table = [] {
        std::unordered_map<std::string_view, Keyword> t{
            {"par", {Kind::Par}},
            {"line", {Kind::Line}},
            {"tab", {Kind::Tab}},
            {"page", {Kind::PageBreak}},
            {"sect", {Kind::PageBreak}},
            {"b", {Kind::Bold}},
            {"i", {Kind::Italic}},
            {"ulnone", {Kind::UnderlineNone}},
            {"strike", {Kind::Strike}},
            {"striked", {Kind::Strike}},
            {"fs", {Kind::FontSize}},
            {"plain", {Kind::Plain}},
            {"pard", {Kind::Pard}},
            {"ql", {Kind::AlignLeft}},
            {"qc", {Kind::AlignCenter}},
            {"qr", {Kind::AlignRight}},
            {"qj", {Kind::AlignJustify}},
            {"intbl", {Kind::InTable}},
            {"cell", {Kind::CellEnd}},
            {"row", {Kind::RowEnd}},
            {"trowd", {Kind::RowDefaults}},
            {"cellx", {Kind::CellRight}},
            {"trleft", {Kind::RowLeft}},
            {"trql", {Kind::RowAlignLeft}},
            {"trqc", {Kind::RowAlignCenter}},
            {"trqr", {Kind::RowAlignRight}},
            {"u", {Kind::Unicode}},
            {"uc", {Kind::UnicodeSkip}},
            {"nestcell", {Kind::NestedCellEnd}},
            {"nestrow", {Kind::NestedRowEnd}},
            {"emdash", {Kind::Character, 0x2014}},
            {"endash", {Kind::Character, 0x2013}},
            {"bullet", {Kind::Character, 0x2022}},
            {"lquote", {Kind::Character, 0x2018}},
            {"rquote", {Kind::Character, 0x2019}},
            {"ldblquote", {Kind::Character, 0x201C}},
            {"rdblquote", {Kind::Character, 0x201D}},
            {"emspace", {Kind::Character, 0x2003}},
            {"enspace", {Kind::Character, 0x2002}},
            {"qmspace", {Kind::Character, 0x2005}},
            {"zwj", {Kind::Character, 0x200D}},
            {"zwnj", {Kind::Character, 0x200C}},
        };
        // Every underline style shows as a plain underline.
        for (const char* word : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                                 "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd",
                                 "ulthldash", "ululdbwave", "ulw", "ulwave"})
            t.emplace(word, Keyword{Kind::Underline});
        // Destinations whose text is not part of the body.
        for (const char* word : {"fonttbl",
                                 "colortbl",
                                 "stylesheet",
                                 "info",
                                 "pict",
                                 "header",
                                 "headerl",
                                 "headerr",
                                 "headerf",
                                 "footer",
                                 "footerl",
                                 "footerr",
                                 "footerf",
                                 "footnote",
                                 "annotation",
                                 "object",
                                 "fldinst",
                                 "listtable",
                                 "listoverridetable",
                                 "revtbl",
                                 "rsidtbl",
                                 "xmlnstbl",
                                 "themedata",
                                 "colorschememapping",
                                 "latentstyles",
                                 "datastore",
                                 "generator",
                                 "filetbl",
                                 "nonshppict",
                                 "shp",
                                 "pn",
                                 "pntxta",
                                 "pntxtb",
                                 "nonesttables",
                                 "private",
                                 "template",
                                 "ftnsep",
                                 "ftnsepc",
                                 "ftncn",
                                 "aftnsep",
                                 "aftnsepc",
                                 "aftncn",
                                 "do",
                                 "xe",
                                 "tc",
                                 "txe",
                                 "userprops",
                                 "docvar",
                                 "bkmkstart",
                                 "bkmkend",
                                 "atnid",
                                 "atnauthor",
                                 "atrfstart",
                                 "atrfend",
                                 "pgdsctbl",
                                 "mmathPr",
                                 "protusertbl",
                                 "background",
                                 "defchp",
                                 "defpap",
                                 "oldcprops",
                                 "oldpprops",
                                 "oldsprops",
                                 "oldtprops"})
            t.emplace(word, Keyword{Kind::Destination});
        return t;
    }();
    return table;
}

// Windows-1252 bytes 0x80 to 0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t fromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return cp1252High[byte - 0x80];
    return byte;
}

bool isLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

int hexValue(unsigned char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Replaces unpaired UTF-16 surrogates, which \uN can produce one half at a time.
QString withPairedSurrogates(QString text) {
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text.at(i);
        if (ch.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (ch.isSurrogate())
            text[i] = QChar(static_cast<char16_t>(replacementCharacter));
    }
    return text;
}

QTextCharFormat charFormat(const CharStyle& style) {
    QTextCharFormat format;
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.italic);
    format.setFontUnderline(style.underline);
    format.setFontStrikeOut(style.strike);
    format.setFontPointSize(style.halfPoints / 2.0);
    return format;
}

Qt::Alignment alignment(Align align) {
    switch (align) {
    case Align::Center:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    case Align::Justify:
        return Qt::AlignJustify;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

class Parser {
public:
    explicit Parser(QTextDocument& document) : m_cursor(&document) { m_stack.emplace_back(); }

    void parse(const QByteArray& rtf) {
        const char* p = rtf.constData();
        const char* const end = p + rtf.size();
        const char* first = p;
        while (first < end && (*first == ' ' || *first == '\r' || *first == '\n' || *first == '\t'))
            ++first;
        // A file that opens with a group ends when that group closes; what follows is
        // padding or junk, as word processors treat it.
        m_endsWithOuterGroup = first < end && *first == '{';
        // Inside an edit block a cursor does not lay its block out after every
        // insertion, which would make long paragraphs cost quadratic time.
        m_cursor.beginEditBlock();

        while (p < end) {
            const auto c = static_cast<unsigned char>(*p++);
            switch (c) {
            case '{':
                m_fallbackLeft = 0;
                openGroup();
                break;
            case '}':
                m_fallbackLeft = 0;
                if (closeGroup())
                    p = end; // the document has ended
                break;
            case '\\':
                p = readControl(p, end);
                break;
            case '\r':
            case '\n':
                break;
            default:
                if (takeFallback() || skipping())
                    break;
                if (c == '\t' || c >= 0x20)
                    appendCodePoint(fromCp1252(c));
                break;
            }
        }
        finish();
        m_cursor.endEditBlock();
    }

private:
    GroupState& state() { return m_stack.back(); }
    bool skipping() const { return m_overflow > 0 || m_stack.back().skip; }

    // After \uN the next characters are the fallback for readers without Unicode.
    bool takeFallback() {
        if (m_fallbackLeft <= 0)
            return false;
        --m_fallbackLeft;
        return true;
    }

    void openGroup() {
        if (m_overflow > 0 || m_stack.size() >= maxDepth)
            ++m_overflow;
        else
            m_stack.push_back(m_stack.back());
    }

    // Returns true when the document's outermost group has closed.
    bool closeGroup() {
        if (m_overflow > 0) {
            --m_overflow;
            return false;
        }
        if (m_stack.size() <= 1)
            return false; // an unbalanced brace
        if (m_stack.size() == 2 && m_endsWithOuterGroup)
            return true;
        m_stack.pop_back();
        return false;
    }

    // Reads what follows a backslash and returns the position after it.
    const char* readControl(const char* p, const char* end) {
        if (p == end)
            return p;
        const auto c = static_cast<unsigned char>(*p);
        if (!isLetter(c)) {
            ++p;
            if (c == '\'') {
                if (end - p >= 2 && hexValue(p[0]) >= 0 && hexValue(p[1]) >= 0) {
                    const auto byte =
                        static_cast<unsigned char>(hexValue(p[0]) * 16 + hexValue(p[1]));
                    p += 2;
                    if (!takeFallback() && !skipping())
                        appendCodePoint(fromCp1252(byte));
                }
                return p;
            }
            if (!takeFallback())
                controlSymbol(c);
            return p;
        }

        const char* const wordStart = p;
        while (p < end && isLetter(static_cast<unsigned char>(*p)))
            ++p;
        const auto length = static_cast<std::size_t>(p - wordStart);
        bool negative = false;
        if (p < end && *p == '-' && end - p >= 2 && isDigit(static_cast<unsigned char>(p[1]))) {
            negative = true;
            ++p;
        }
        bool hasParam = false;
        qint64 value = 0;
        // Digits beyond the 32-bit range are read and saturate.
        constexpr qint64 saturation = qint64(std::numeric_limits<qint32>::max()) + 1;
        while (p < end && isDigit(static_cast<unsigned char>(*p))) {
            hasParam = true;
            if (value < saturation)
                value = value * 10 + (*p - '0');
            ++p;
        }
        if (p < end && *p == ' ')
            ++p;
        if (negative)
            value = -value;
        const auto param = static_cast<int>(std::clamp<qint64>(
            value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
        const std::string_view word =
            length <= maxKeywordLength ? std::string_view(wordStart, length) : std::string_view();

        if (word == "bin") {
            // Binary data is skipped in any group, else its bytes would be read as RTF.
            const qint64 count = hasParam ? std::max(param, 0) : 0;
            p += std::min<qint64>(count, end - p);
            takeFallback();
            return p;
        }
        if (!takeFallback())
            controlWord(word, hasParam, param);
        return p;
    }

    void controlSymbol(unsigned char c) {
        if (skipping())
            return;
        switch (c) {
        case '*':
            state().skip = true;
            break;
        case '~':
            appendCodePoint(0x00A0);
            break;
        case '_':
            appendCodePoint(0x2011);
            break;
        case '-':
            appendCodePoint(0x00AD);
            break;
        case '\\':
        case '{':
        case '}':
            appendCodePoint(c);
            break;
        case '\r':
        case '\n':
            endParagraph();
            break;
        default:
            break;
        }
    }

    void controlWord(std::string_view word, bool hasParam, int param) {
        const auto& table = keywords();
        const auto found = table.find(word);
        if (found == table.end() || skipping())
            return;
        const Keyword keyword = found->second;
        GroupState& st = state();
        const bool on = !hasParam || param != 0;
        switch (keyword.kind) {
        case Kind::Destination:
            st.skip = true;
            break;
        case Kind::Par:
            endParagraph();
            break;
        case Kind::Line:
        case Kind::NestedRowEnd:
            appendCodePoint(0x2028);
            break;
        case Kind::Tab:
        case Kind::NestedCellEnd:
            appendCodePoint('\t');
            break;
        case Kind::PageBreak:
            if (!m_paragraph.runs.empty())
                endParagraph();
            break;
        case Kind::Bold:
            st.chars.bold = on;
            break;
        case Kind::Italic:
            st.chars.italic = on;
            break;
        case Kind::Underline:
            st.chars.underline = on;
            break;
        case Kind::UnderlineNone:
            st.chars.underline = false;
            break;
        case Kind::Strike:
            st.chars.strike = on;
            break;
        case Kind::FontSize:
            st.chars.halfPoints =
                hasParam && param > 0 ? std::min(param, maxHalfPoints) : defaultHalfPoints;
            break;
        case Kind::Plain:
            st.chars = CharStyle{};
            break;
        case Kind::Pard:
            st.align = Align::Left;
            st.inTable = false;
            break;
        case Kind::AlignLeft:
            st.align = Align::Left;
            break;
        case Kind::AlignCenter:
            st.align = Align::Center;
            break;
        case Kind::AlignRight:
            st.align = Align::Right;
            break;
        case Kind::AlignJustify:
            st.align = Align::Justify;
            break;
        case Kind::InTable:
            st.inTable = true;
            break;
        case Kind::CellEnd:
            endCell();
            break;
        case Kind::RowEnd:
            endRow();
            break;
        case Kind::RowDefaults:
            m_cellRights.clear();
            m_rowLeft = 0;
            m_rowAlign = Align::Left;
            break;
        case Kind::CellRight:
            if (m_cellRights.size() < maxColumns)
                m_cellRights.push_back(param);
            break;
        case Kind::RowLeft:
            m_rowLeft = param;
            break;
        case Kind::RowAlignLeft:
            m_rowAlign = Align::Left;
            break;
        case Kind::RowAlignCenter:
            m_rowAlign = Align::Center;
            break;
        case Kind::RowAlignRight:
            m_rowAlign = Align::Right;
            break;
        case Kind::Unicode:
            if (hasParam) {
                // Values above 32767 are written as negative 16-bit numbers.
                const qint64 code = param < 0 ? qint64(param) + 65536 : param;
                appendCodePoint(code >= 0 && code <= 0x10FFFF ? static_cast<char32_t>(code)
                                                              : replacementCharacter);
                m_fallbackLeft = st.unicodeSkip;
            }
            break;
        case Kind::UnicodeSkip:
            st.unicodeSkip = hasParam ? std::clamp(param, 0, 255) : 1;
            break;
        case Kind::Character:
            appendCodePoint(keyword.character);
            break;
        }
    }

    // Adds a character to the paragraph in the current style; characters that
    // QTextDocument reserves for its own structure never reach it.
    void appendCodePoint(char32_t cp) {
        if (cp != '\t' && (cp < 0x20 || (cp >= 0x7F && cp < 0xA0)))
            return;
        if (cp == 0x2029)
            cp = 0x2028;
        if (cp == 0xFFFC || (cp >= 0xFDD0 && cp <= 0xFDEF) || (cp & 0xFFFE) == 0xFFFE)
            cp = replacementCharacter;
        const CharStyle& style = state().chars;
        if (m_paragraph.runs.empty() || !(m_paragraph.runs.back().style == style))
            m_paragraph.runs.push_back(Run{QString(), style});
        QString& text = m_paragraph.runs.back().text;
        if (cp > 0xFFFF) {
            text.append(QChar(QChar::highSurrogate(cp)));
            text.append(QChar(QChar::lowSurrogate(cp)));
        } else {
            text.append(QChar(static_cast<char16_t>(cp)));
        }
    }

    Paragraph takeParagraph() {
        Paragraph paragraph = std::move(m_paragraph);
        paragraph.align = state().align;
        m_paragraph = Paragraph{};
        return paragraph;
    }

    void endParagraph() {
        if (state().inTable) {
            m_cell.push_back(takeParagraph());
            return;
        }
        // A paragraph outside a table ends the table before it.
        Paragraph paragraph = takeParagraph();
        finishTable();
        emitParagraph(paragraph);
    }

    void endCell() {
        m_cell.push_back(takeParagraph());
        pushCell();
    }

    void pushCell() {
        if (m_rowCells.size() < maxColumns) {
            m_rowCells.push_back(std::move(m_cell));
        } else {
            Cell& last = m_rowCells.back();
            last.insert(last.end(), std::make_move_iterator(m_cell.begin()),
                        std::make_move_iterator(m_cell.end()));
        }
        m_cell = Cell{};
    }

    void endRow() {
        // A row may end without its last \cell.
        if (!m_paragraph.runs.empty() || !m_cell.empty())
            endCell();
        commitRow();
    }

    void commitRow() {
        if (m_rowCells.empty())
            return;
        Row row;
        row.cells = std::move(m_rowCells);
        m_rowCells = std::vector<Cell>{};
        row.align = m_rowAlign;
        if (m_cellRights.size() == row.cells.size()) {
            qint64 left = m_rowLeft;
            for (const qint64 right : m_cellRights) {
                row.widthsTwips.push_back(right - left);
                left = right;
            }
        }
        if (!m_table.rows.empty() && m_table.columns != row.cells.size())
            finishTable();
        m_table.columns = row.cells.size();
        m_table.rows.push_back(std::move(row));
    }

    void finishTable() {
        if (!m_cell.empty())
            pushCell();
        commitRow();
        if (m_table.rows.empty())
            return;
        emitTable(m_table);
        m_table = Table{};
    }

    void finish() {
        if (!m_paragraph.runs.empty()) {
            if (state().inTable) {
                endCell();
            } else {
                endParagraph();
                return;
            }
        }
        finishTable();
    }

    static void insertParagraph(QTextCursor& cursor, const Paragraph& paragraph, bool first) {
        QTextBlockFormat blockFormat;
        blockFormat.setAlignment(alignment(paragraph.align));
        if (first)
            cursor.setBlockFormat(blockFormat);
        else
            cursor.insertBlock(blockFormat);
        for (const Run& run : paragraph.runs)
            cursor.insertText(withPairedSurrogates(run.text), charFormat(run.style));
    }

    void emitParagraph(const Paragraph& paragraph) {
        insertParagraph(m_cursor, paragraph, m_freshBlock);
        m_freshBlock = false;
    }

    void emitTable(const Table& table) {
        const int rows = static_cast<int>(table.rows.size());
        const int columns = static_cast<int>(table.columns);
        const Row& first = table.rows.front();

        QTextTableFormat format;
        format.setBorder(1);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setCellSpacing(0);
        format.setCellPadding(3);
        format.setAlignment(alignment(first.align));
        if (!first.widthsTwips.empty()) {
            QList<QTextLength> widths;
            for (const qint64 twips : first.widthsTwips)
                widths.append(QTextLength(
                    QTextLength::FixedLength,
                    double(std::clamp(twips / twipsPerPixel, minColumnPixels, maxColumnPixels))));
            format.setColumnWidthConstraints(widths);
        }

        QTextTable* textTable = m_cursor.insertTable(rows, columns, format);
        for (int r = 0; r < rows; ++r) {
            const Row& row = table.rows[std::size_t(r)];
            for (int c = 0; c < columns; ++c) {
                QTextCursor cellCursor = textTable->cellAt(r, c).firstCursorPosition();
                bool firstParagraph = true;
                for (const Paragraph& paragraph : row.cells[std::size_t(c)]) {
                    insertParagraph(cellCursor, paragraph, firstParagraph);
                    firstParagraph = false;
                }
            }
        }
        m_cursor.movePosition(QTextCursor::End);
        m_freshBlock = true;
    }

    QTextCursor m_cursor;
    // True while the cursor stands in an empty block that the next paragraph takes
    // over: at the start of the document and after a table.
    bool m_freshBlock = true;
    bool m_endsWithOuterGroup = false;

    std::vector<GroupState> m_stack;
    // Groups opened beyond maxDepth and not yet closed; their content is skipped.
    std::size_t m_overflow = 0;
    int m_fallbackLeft = 0;

    Paragraph m_paragraph;
    Cell m_cell;
    std::vector<Cell> m_rowCells;
    std::vector<qint64> m_cellRights;
    qint64 m_rowLeft = 0;
    Align m_rowAlign = Align::Left;
    Table m_table;
};

} // namespace

namespace RtfReader {

void readInto(QTextDocument& document, const QByteArray& rtf) {
    // The undo stack would keep a copy of every insertion.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    Parser(document).parse(rtf);
    document.setUndoRedoEnabled(undo);
}

bool loadFile(QTextDocument& document, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxFileSize) {
        document.clear();
        return false;
    }
    const QByteArray bytes = file.read(maxFileSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > maxFileSize) {
        document.clear();
        return false;
    }
    readInto(document, bytes);
    return true;
}

} // namespace RtfReader
