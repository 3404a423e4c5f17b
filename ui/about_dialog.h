#pragma once

#include <QDialog>

namespace korva {

// "About KORVA ...": the program's mark, name, version and credits.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace korva
