#pragma once

#include <QDialog>

#include <array>
#include <cstddef>
#include <functional>

class QGroupBox;

namespace korva {

class QuestDialog;

// The face of QuestDialog: four groups of answers inside the settings frame,
// the kind of new user, Accept and Cancel.
class QuestDialogWidget : public QDialog {
    Q_OBJECT
public:
    QuestDialogWidget(QuestDialog& dialog, QWidget* parent = nullptr);

    void reject() override;

private:
    template <std::size_t N>
    QGroupBox* radioGroup(const char* title, const char* name, const std::array<const char*, N>& labels, int checked,
                          std::function<void(int)> choose);

    QuestDialog& dialog_;
};

} // namespace korva
