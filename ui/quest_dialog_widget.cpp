#include "ui/quest_dialog_widget.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/quest_dialog.h"
#include "ui/qt_text.h"

namespace korva {

template <std::size_t N>
QGroupBox* QuestDialogWidget::radioGroup(const char* title, const char* name, const std::array<const char*, N>& labels,
                                         int checked, std::function<void(int)> choose) {
    auto* box = new QGroupBox(toQt(title), this);
    box->setObjectName(QString::fromLatin1(name) + QStringLiteral("Group"));
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (std::size_t i = 0; i < N; ++i) {
        auto* button = new QRadioButton(toQt(labels[i]), box);
        button->setObjectName(QString::fromLatin1(name) + QString::number(i));
        button->setChecked(static_cast<int>(i) == checked);
        group->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
    }
    connect(group, &QButtonGroup::idClicked, this, [choose = std::move(choose)](int id) { choose(id); });
    return box;
}

QuestDialogWidget::QuestDialogWidget(QuestDialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
    setObjectName("questDialog");
    setWindowTitle(toQt(QuestDialog::kCaption));
    const NewUserAnswers& a = dialog_.answers();
    auto* layout = new QVBoxLayout(this);

    auto* settings = new QGroupBox(toQt(QuestDialog::kSettingsFrame), this);
    settings->setObjectName("settingsFrame");
    auto* grid = new QGridLayout(settings);
    grid->addWidget(radioGroup(QuestDialog::kHeightGroup, "height", QuestDialog::kHeightLabels, a.height,
                               [this](int i) { dialog_.onHeight(i); }),
                    0, 0);
    grid->addWidget(radioGroup(QuestDialog::kAgeGroup, "age", QuestDialog::kAgeLabels, a.age,
                               [this](int i) { dialog_.onAge(i); }),
                    0, 1);
    grid->addWidget(radioGroup(QuestDialog::kSexGroup, "sex", QuestDialog::kSexLabels, a.sex,
                               [this](int i) { dialog_.onSex(i); }),
                    1, 0);
    grid->addWidget(radioGroup(QuestDialog::kFrameGroup, "frame", QuestDialog::kFrameLabels, a.frame,
                               [this](int i) { dialog_.onFrame(i); }),
                    1, 1);
    layout->addWidget(settings);
    layout->addWidget(radioGroup(QuestDialog::kTypeGroup, "type", QuestDialog::kTypeLabels, a.type,
                                 [this](int i) { dialog_.onType(i); }));

    auto* acceptButton = new QPushButton(toQt(QuestDialog::kAccept), this);
    acceptButton->setObjectName("acceptButton");
    acceptButton->setDefault(true);
    auto* cancel = new QPushButton(toQt(QuestDialog::kCancel), this);
    cancel->setObjectName("cancelButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(acceptButton);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(acceptButton, &QPushButton::clicked, this, [this] {
        dialog_.onAccept();
        QDialog::accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QuestDialogWidget::reject);
}

void QuestDialogWidget::reject() {
    dialog_.onCancel();
    QDialog::reject();
}

} // namespace korva
