#include "ui/dialog_look.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPalette>
#include <QPrintDialog>
#include <QTimer>

namespace korva {

namespace {

// Set once a dialog has its look, so showing it again changes nothing.
const char* kDoneProperty = "korvaLookDone";

bool isStandardDialog(QObject* o) {
    return qobject_cast<QMessageBox*>(o) || qobject_cast<QFileDialog*>(o) || qobject_cast<QFontDialog*>(o) ||
           qobject_cast<QInputDialog*>(o) || qobject_cast<QPrintDialog*>(o) || qobject_cast<QPageSetupDialog*>(o);
}

QColor toQColor(RgbColor c) { return QColor(c.red, c.green, c.blue); }

void colour(QDialog* dialog) {
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, toQColor(kDialogBackground));
    palette.setColor(QPalette::WindowText, toQColor(kDialogText));
    dialog->setPalette(palette);
}

// Once a modal dialog is gone, the window under it takes the keyboard back
// (its shortcuts with it), also where no window manager hands it back; a
// window another modal dialog now blocks is left alone.
void returnKeyboard(QDialog* dialog) {
    QWidget* parent = dialog->parentWidget();
    if (!parent) return;
    QTimer::singleShot(0, parent->window(), [w = parent->window()] {
        const QWidget* active = QApplication::activeWindow();
        const QWidget* modal = QApplication::activeModalWidget();
        if (w->isVisible() && (!active || !active->isVisible()) && (!modal || modal == w)) w->activateWindow();
    });
}

} // namespace

bool DialogLook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide) {
        if (auto* d = qobject_cast<QDialog*>(watched); d && d->isModal() && d->isWindow()) returnKeyboard(d);
        return false;
    }
    if (event->type() != QEvent::Show) return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || isStandardDialog(dialog) || dialog->property(kDoneProperty).isValid()) return false;
    dialog->setProperty(kDoneProperty, true);
    colour(dialog);
    if (factors_.x == 1.0f && factors_.y == 1.0f) return false;

    DisplayPreferences prefs;
    prefs.setFactors(factors_);
    const QRect g = dialog->geometry();
    const DesignRect r = prefs.scaleDialogRect({g.left(), g.top(), g.right() + 1, g.bottom() + 1});
    dialog->resize(r.right - r.left, r.bottom - r.top);
    return false;
}

} // namespace korva
