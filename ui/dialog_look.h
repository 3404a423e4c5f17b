#pragma once

#include <QObject>

#include "app/display_preferences.h"

namespace korva {

// Gives each of the program's own dialogs its look the first time it is
// shown: the dialog colours, and the user's X and Y factors applied as
// scaleDialogRect does with a dialog's rectangle.  The desktop's standard
// dialogs (messages, file and font choosers, printing) keep their own.
class DialogLook : public QObject {
    Q_OBJECT
public:
    explicit DialogLook(ScaleFactors factors, QObject* parent = nullptr) : QObject(parent), factors_(factors) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ScaleFactors factors_;
};

} // namespace korva
