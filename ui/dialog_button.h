#pragma once

#include <QPushButton>

#include "ui/qt_text.h"

namespace korva {

// A dialog's push button, found by `name` in tests.  It does not take Enter
// for itself when focused: Enter stays with the dialog's default action.
inline QPushButton* dialogButton(const char* caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(toQt(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace korva
