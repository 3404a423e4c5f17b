#pragma once

#include "ui/list_form_widget.h"

class QPlainTextEdit;

namespace korva {

class CRecipeView;

// The face of CRecipeView: the shared list form with the instructions, the
// serving description, the number of servings and one unit selector.
class RecipeViewWidget : public ListFormWidget {
    Q_OBJECT
public:
    RecipeViewWidget(CRecipeView& view, QWidget* parent = nullptr);

    void refresh() override;

private:
    CRecipeView& view_;
    QPlainTextEdit* instructions_ = nullptr;
    QLineEdit* servingDescription_ = nullptr;
    QLineEdit* servings_ = nullptr;
    QScrollBar* servingsScroll_ = nullptr;
};

} // namespace korva
