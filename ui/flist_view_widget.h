#pragma once

#include "ui/list_form_widget.h"

namespace korva {

class CFLView;

// The face of CFLView: the shared list form with both unit selectors.
class FListViewWidget : public ListFormWidget {
    Q_OBJECT
public:
    FListViewWidget(CFLView& view, QWidget* parent = nullptr);

    void refresh() override;

private:
    CFLView& view_;
    QLabel* servingLine_ = nullptr;
    QComboBox* entryUnit_ = nullptr;
};

} // namespace korva
