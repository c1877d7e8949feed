// FieldBinding: a control bound to one field of a record source, filled on every change of row and
// written back when changed.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_BANK_FIELD_BINDING_H
#define VARNEL_BANK_FIELD_BINDING_H

#include <QString>

// A control bound to one field of a record source. The source fills it on every
// change of row; a text box also reports whether its text changed after the fill,
// so the source can write it back into the row it leaves or saves.
class FieldBinding {
public:
    virtual ~FieldBinding() = default;

    // Shows a value from the row without counting as a change and without running
    // the control's change handler; returns whether the shown text differs from before.
    virtual bool fill(const QString& value) = 0;
    // Runs the control's change handler after a fill that changed its text.
    virtual void notifyChanged() = 0;
    // Whether the control's text goes back into the row (text boxes do, labels never).
    virtual bool writesBack() const = 0;
    // Whether the text was changed (by the program or by typing) since the last fill.
    virtual bool isChanged() const = 0;
    // The text to write back.
    virtual QString text() const = 0;
};

#endif
