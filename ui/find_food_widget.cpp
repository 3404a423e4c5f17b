#include "ui/find_food_widget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "search/find_food_dialog.h"
#include "ui/qt_text.h"

namespace korva {

FindFoodWidget::FindFoodWidget(FindFoodDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog), text_(new QLineEdit(this)), category_(new QComboBox(this)),
      results_(new QListWidget(this)), note_(new QLabel(this)) {
    setObjectName(QStringLiteral("findFoodDialog"));
    setWindowTitle(toQt(FindFoodDialog::kCaption));
    setSizeGripEnabled(true);
    text_->setObjectName(QStringLiteral("findFoodText"));
    category_->setObjectName(QStringLiteral("findFoodCategory"));
    results_->setObjectName(QStringLiteral("findFoodResults"));
    note_->setObjectName(QStringLiteral("findFoodNote"));
    note_->setWordWrap(true);
    for (const std::string& c : dialog_.categoryChoices()) category_->addItem(toQt(c));

    auto* fields = new QFormLayout;
    fields->addRow(toQt(FindFoodDialog::kTextLabel), text_);
    fields->addRow(toQt(FindFoodDialog::kCategoryLabel), category_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(results_, 1);
    layout->addWidget(note_);
    resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 24);

    text_->installEventFilter(this);
    results_->installEventFilter(this);
    connect(text_, &QLineEdit::textEdited, this, [this](const QString& t) {
        dialog_.onTextEdited(fromQt(t));
        refresh();
    });
    connect(category_, &QComboBox::activated, this, [this](int choice) {
        dialog_.onCategoryChosen(choice);
        refresh();
        text_->setFocus();
    });
    connect(results_, &QListWidget::currentRowChanged, this, [this](int row) { dialog_.onRowSelected(row); });
    connect(results_, &QListWidget::itemDoubleClicked, this, [this] {
        dialog_.onEnter();
        finishIfDone();
    });
    refresh();
}

bool FindFoodWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        dialog_.onStep(static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down);
        const QSignalBlocker block(results_);
        results_->setCurrentRow(dialog_.selectedRow());
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        dialog_.onEnter();
        finishIfDone();
        return true;
    default: return QDialog::eventFilter(watched, event);
    }
}

void FindFoodWidget::reject() {
    dialog_.onEscape();
    QDialog::reject();
}

void FindFoodWidget::finishIfDone() {
    if (dialog_.finished()) accept();
}

void FindFoodWidget::refresh() {
    const QSignalBlocker block(results_);
    results_->clear();
    // The parts of a row are joined with a dash the 8-bit names cannot hold.
    const QString dash = QStringLiteral(" \u2014 ");
    for (const FindFoodDialog::Row& r : dialog_.rows())
        results_->addItem(toQt(r.name) + dash + toQt(r.category) + dash + toQt(r.serving));
    results_->setCurrentRow(dialog_.selectedRow());
    note_->setText(toQt(dialog_.note()));
    note_->setVisible(!dialog_.note().empty());
}

} // namespace korva
