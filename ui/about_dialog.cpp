#include "ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/about_text.h"
#include "ui/artwork.h"
#include "ui/qt_text.h"

namespace korva {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(toQt(AboutText::kCaption));

    auto* mark = new QLabel(this);
    mark->setPixmap(programIcon().pixmap(64, 64));
    mark->setAlignment(Qt::AlignTop);

    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setTextFormat(Qt::RichText);
    QString html = QStringLiteral("<b>%1</b> %2").arg(toQt(AboutText::kProgramName).toHtmlEscaped(),
                                                       toQt(AboutText::versionLine()).toHtmlEscaped());
    for (std::string_view line : AboutText::credits())
        html += QStringLiteral("<br>") + toQt(std::string(line)).toHtmlEscaped();
    text->setText(html);

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
