#pragma once

#include "app/profile_editor.h"
#include "ui/editor_dialog.h"

namespace korva {

// The face of ProfileEditor: the note on RDA and ODA above the value fields,
// and the editor's buttons.
class ProfileEditorWidget : public EditorDialog {
    Q_OBJECT
public:
    ProfileEditorWidget(ProfileEditor& editor, QWidget* parent = nullptr);

private:
    void refresh() override;

    ProfileEditor& editor_;
};

} // namespace korva
