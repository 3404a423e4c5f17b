#pragma once

#include <QMainWindow>
#include <QStatusBar>
#include <QWidget>

#include <string>

#include "ui/qt_text.h"

namespace korva {

// Shows a note in the status line of the main window that holds `w`; the
// note stays until the next prompt replaces it.  Nothing without one.
inline void showStatusNote(QWidget* w, const std::string& note) {
    if (auto* main = qobject_cast<QMainWindow*>(w->window())) main->statusBar()->showMessage(toQt(note));
}

} // namespace korva
