#include "app/quest_dialog.h"

namespace korva {

void QuestDialog::onAccept() {
    result_ = newUserTargets(answers_, defaultProfile_);
    finished_ = true;
}

void QuestDialog::onCancel() {
    result_.reset();
    finished_ = true;
}

} // namespace korva
