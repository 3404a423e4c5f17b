#pragma once

#include <QObject>

#include "app/display_preferences.h"

namespace korva {

// Applies the user's X and Y factors to each of the program's own dialogs
// the first time it is shown, as scaleDialogRect does with a dialog's
// rectangle.  The desktop's standard dialogs (messages, file and font
// choosers, printing) keep their own sizes.
class DialogScaler : public QObject {
    Q_OBJECT
public:
    explicit DialogScaler(ScaleFactors factors, QObject* parent = nullptr) : QObject(parent), factors_(factors) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ScaleFactors factors_;
};

} // namespace korva
