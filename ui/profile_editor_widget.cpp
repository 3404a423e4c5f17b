#include "ui/profile_editor_widget.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace korva {

ProfileEditorWidget::ProfileEditorWidget(ProfileEditor& editor, QWidget* parent)
    : EditorDialog([&editor] { return editor.finished(); }, [&editor] { editor.onClose(); }, parent), editor_(editor) {
    setObjectName("profileEditor");
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(toQt(ProfileEditor::kAllowanceNote), this);
    note->setObjectName("allowanceNote");
    layout->addWidget(note);
    addFieldsAndButtons(layout, editor_.fields(), editor_.buttons());
    refresh();
}

void ProfileEditorWidget::refresh() {
    setWindowTitle(toQt(editor_.title()));
    EditorDialog::refresh();
}

} // namespace korva
