#include "ui/dialog_scaling.h"

#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>

namespace korva {

namespace {

const char* kScaledProperty = "korvaScaled";

bool isStandardDialog(QObject* o) {
    return qobject_cast<QMessageBox*>(o) || qobject_cast<QFileDialog*>(o) || qobject_cast<QFontDialog*>(o) ||
           qobject_cast<QInputDialog*>(o) || qobject_cast<QPrintDialog*>(o) || qobject_cast<QPageSetupDialog*>(o);
}

} // namespace

bool DialogScaler::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show) return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || isStandardDialog(dialog) || dialog->property(kScaledProperty).isValid()) return false;
    dialog->setProperty(kScaledProperty, true);
    if (factors_.x == 1.0f && factors_.y == 1.0f) return false;

    DisplayPreferences prefs;
    prefs.setFactors(factors_);
    const QRect g = dialog->geometry();
    const DesignRect r = prefs.scaleDialogRect({g.left(), g.top(), g.right() + 1, g.bottom() + 1});
    dialog->resize(r.right - r.left, r.bottom - r.top);
    return false;
}

} // namespace korva
