// The accessible interfaces of the auxiliary windows, of named combo boxes and of hidden lists,
// registered with Qt's factory.
// SPDX-License-Identifier: MIT
#include "widgets/window_accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QListWidget>
#include <QMainWindow>
#include <QMetaObject>

namespace {

class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text kind) const override {
        // What the title bar says, which is what the learner sees the window called.
        if (kind == QAccessible::Name && !widget()->windowTitle().isEmpty())
            return widget()->windowTitle().trimmed();
        return QAccessibleWidget::text(kind);
    }
};

class NamedComboAccessible : public QAccessibleWidget {
public:
    explicit NamedComboAccessible(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    // Named by its own name (or by the label that names it); its text is its value.
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = combo()->view()->isVisible();
        state.editable = combo()->isEditable();
        return state;
    }

    // The drop-down list first, as Qt's own combo box has it, then the text field.
    int childCount() const override { return 1 + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(combo()->view());
        return QAccessibleWidget::child(index - 1);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child && child->object() == combo()->view())
            return 0;
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? index : index + 1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction())
            QMetaObject::invokeMethod(combo(), &QComboBox::showPopup, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    // Asked with the object's own class first, before Qt's interfaces.
    if (!object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // The program's own windows (FrmPicture, FrmTable …), not Qt's menus and pop-ups.
    if (widget->isWindow() && className.startsWith(QLatin1String("Frm")) &&
        object->metaObject()->superClass() == &QWidget::staticMetaObject)
        return new WindowAccessible(widget);
    if (auto* combo = qobject_cast<QComboBox*>(object))
        return new NamedComboAccessible(combo);
    // The study window's list box (the second topic list) is never shown; asked while
    // it is being made, before it is hidden, so whether it is hidden cannot decide.
    if (qobject_cast<QListWidget*>(object) && qobject_cast<QMainWindow*>(widget->window()))
        return new QAccessibleWidget(widget, QAccessible::List);
    return nullptr;
}

} // namespace

namespace WindowAccessibility {

void install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace WindowAccessibility
