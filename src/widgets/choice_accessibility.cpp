// The accessible interface of the field labels, registered with Qt's factory.
// SPDX-License-Identifier: MIT
#include "widgets/choice_accessibility.h"

#include "widgets/click_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMetaObject>

namespace {

class FieldLabelAccessible : public QAccessibleWidget {
public:
    explicit FieldLabelAccessible(ClickLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override {
        return label()->isPressable() ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description && label()->isRightAnswerShown())
            return QAccessibleWidget::text(kind) + QStringLiteral(", right answer");
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        // The text as shown, whole even where the label cuts it: an ampersand in a
        // question is part of the question, not an access key.
        const QString fixed = label()->accessibleName();
        return fixed.isEmpty() ? label()->text() : fixed;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->isPressable() && label()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && label()->isPressable()) {
            // The answer opens a message box; it runs after the screen reader's call has
            // returned rather than inside it.
            QMetaObject::invokeMethod(label(), &ClickLabel::press, Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
};

QAccessibleInterface* fieldLabelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("ClickLabel"))
        if (auto* label = qobject_cast<ClickLabel*>(object))
            return new FieldLabelAccessible(label);
    return nullptr;
}

} // namespace

namespace ChoiceAccessibility {

void install() {
    static const bool installed = [] {
        QAccessible::installFactory(fieldLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace ChoiceAccessibility
