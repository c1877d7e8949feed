// ReadableTextView: its accessible text interface over the readable text of its document.
// SPDX-License-Identifier: MIT
#include "display/readable_text_view.h"

#include "display/readable_text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTextCursor>

namespace {

// Qt's own interface for a text box, but over the readable text; offsets are the
// document's positions, so the caret and selections mean what they mean there.
class ReadableTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadableTextAccessible(ReadableTextView* view)
        : QAccessibleWidget(view, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return readable();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = view()->isReadOnly();
        state.editable = !view()->isReadOnly();
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    QString text(int startOffset, int endOffset) const override {
        const QString all = readable();
        startOffset = qBound(0, startOffset, int(all.size()));
        endOffset =
            endOffset < 0 ? int(all.size()) : qBound(startOffset, endOffset, int(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return view()->document()->characterCount() - 1; }

    int cursorPosition() const override { return view()->textCursor().position(); }
    void setCursorPosition(int position) override {
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(qBound(0, position, characterCount()));
        view()->setTextCursor(cursor);
    }

    int selectionCount() const override { return view()->textCursor().hasSelection() ? 1 : 0; }
    void selection(int index, int* startOffset, int* endOffset) const override {
        const QTextCursor cursor = view()->textCursor();
        const bool any = index == 0 && cursor.hasSelection();
        *startOffset = any ? cursor.selectionStart() : 0;
        *endOffset = any ? cursor.selectionEnd() : 0;
    }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int index) override {
        if (index != 0)
            return;
        QTextCursor cursor = view()->textCursor();
        cursor.clearSelection();
        view()->setTextCursor(cursor);
    }
    void setSelection(int index, int startOffset, int endOffset) override {
        if (index != 0)
            return;
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(qBound(0, startOffset, characterCount()));
        cursor.setPosition(qBound(0, endOffset, characterCount()), QTextCursor::KeepAnchor);
        view()->setTextCursor(cursor);
    }

    QRect characterRect(int offset) const override {
        QTextCursor cursor(view()->document());
        cursor.setPosition(qBound(0, offset, characterCount()));
        QRect rect = view()->cursorRect(cursor);
        rect.setWidth(qMax(
            1, view()->fontMetrics().horizontalAdvance(view()->document()->characterAt(offset))));
        return QRect(view()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return view()->cursorForPosition(view()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int startIndex, int endIndex) override {
        QTextCursor cursor(view()->document());
        cursor.setPosition(qBound(0, endIndex, characterCount()));
        view()->setTextCursor(cursor);
        cursor.setPosition(qBound(0, startIndex, characterCount()));
        view()->setTextCursor(cursor);
        view()->ensureCursorVisible();
    }
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = offset;
        *endOffset = offset;
        return QString();
    }

private:
    ReadableTextView* view() const { return static_cast<ReadableTextView*>(widget()); }
    QString readable() const { return ReadableText::of(*view()->document()); }
};

QAccessibleInterface* readableTextFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("ReadableTextView"))
        if (auto* view = qobject_cast<ReadableTextView*>(object))
            return new ReadableTextAccessible(view);
    return nullptr;
}

} // namespace

ReadableTextView::ReadableTextView(QWidget* parent) : QTextEdit(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(readableTextFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
