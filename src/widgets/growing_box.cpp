// GrowingBox: the note box's larger place while it has the focus or holds a text.
// SPDX-License-Identifier: MIT
#include "widgets/growing_box.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QTextDocument>

GrowingBox::GrowingBox(QPlainTextEdit* box, const QRect& grown)
    : QObject(box), m_box(box), m_designed(box->geometry()), m_grown(grown) {
    // A narrower margin than Qt's gives the grown box its third line.
    box->document()->setDocumentMargin(1);
    // The note wraps at the box's width; a horizontal bar would take a line's room.
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->installEventFilter(this);
    // The document tells of every change, also of a fill whose signals the box holds back.
    connect(box->document(), &QTextDocument::contentsChanged, this, &GrowingBox::follow);
    follow();
}

bool GrowingBox::isGrown() const {
    return m_box->geometry() == m_grown;
}

bool GrowingBox::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == m_box && (type == QEvent::FocusIn || type == QEvent::FocusOut ||
                             type == QEvent::Show || type == QEvent::Hide))
        follow();
    return false;
}

void GrowingBox::follow() {
    // A hidden box keeps its place, ready to show its one line.
    const bool grow = !m_box->isHidden() && (m_box->hasFocus() || !m_box->document()->isEmpty());
    m_box->setGeometry(grow ? m_grown : m_designed);
    if (grow)
        m_box->raise();
}
