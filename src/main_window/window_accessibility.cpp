// The accessible interface of the auxiliary windows, registered with Qt's factory.
// SPDX-License-Identifier: MIT
#include "main_window/window_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface* windowFactory(const QString& className, QObject* object) {
    // Asked first with the object's own class: a class made straight from QWidget.
    if (!object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (!widget->isWindow() || object->metaObject()->superClass() != &QWidget::staticMetaObject)
        return nullptr;
    // Named by its title (or by a name of its own, where it has one).
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

namespace WindowAccessibility {

void install() {
    static const bool installed = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace WindowAccessibility
