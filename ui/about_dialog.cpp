#include "ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/artwork.h"

namespace korva {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("About KORVA ..."));

    auto* mark = new QLabel(this);
    mark->setPixmap(programIcon().pixmap(64, 64));
    mark->setAlignment(Qt::AlignTop);

    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setTextFormat(Qt::RichText);
    text->setText(QStringLiteral("<b>Korvana</b> Version 2.0<br>"
                                 "A diet planner for one person.<br><br>"
                                 "Foods from the USDA nutrient data base.<br>"
                                 "Targets after the recommended daily allowances."));

    auto* row = new QHBoxLayout;
    row->addWidget(mark);
    row->addWidget(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

} // namespace korva
