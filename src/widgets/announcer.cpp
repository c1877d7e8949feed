// Announcer: the notification screen readers read out when a change moves no focus.
// SPDX-License-Identifier: MIT
#include "widgets/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QTimer>

namespace {

class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<Announcer*>(widget())->lastSaid();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* announcerFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("Announcer"))
        if (auto* announcer = qobject_cast<Announcer*>(object))
            return new AnnouncerAccessible(announcer);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent, std::function<QString()> compose)
    : QWidget(parent), m_compose(std::move(compose)) {
    static const bool installed = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("Announcer"));
    // Shown (a hidden object is no notification) but of no size: nothing to see or click.
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Announcer::changed() {
    // A window being made shows its first state, which the reader reads as it appears.
    if (m_pending || !window()->isVisible())
        return;
    m_pending = true;
    m_focusAtChange = window()->focusWidget();
    QTimer::singleShot(0, this, &Announcer::sayWhenActive);
}

void Announcer::sayWhenActive() {
    if (!window()->isVisible() || window()->focusWidget() != m_focusAtChange) {
        m_pending = false;
        return;
    }
    if (!window()->isActiveWindow()) {
        if (!m_waitingForActive)
            window()->installEventFilter(this);
        m_waitingForActive = true;
        return;
    }
    say();
}

bool Announcer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window() && event->type() == QEvent::WindowActivate && m_waitingForActive) {
        m_waitingForActive = false;
        window()->removeEventFilter(this);
        // After the window's own activation, which the reader tells first.
        QTimer::singleShot(0, this, &Announcer::sayWhenActive);
    }
    return false;
}

void Announcer::say() {
    m_pending = false;
    m_said = m_compose();
    if (m_said.isEmpty())
        return;
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    // A notification is read out when it comes to show.
    hide();
    show();
}
