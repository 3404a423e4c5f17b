#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace korva {

class CFLView;

// The face of CFLView: builds the form's controls, forwards each to one
// method of the view and then shows the view's state again.
class FListViewWidget : public QWidget {
    Q_OBJECT
public:
    FListViewWidget(CFLView& view, QWidget* parent = nullptr);

    // The view's initial update, shown, with the focus where it asks.
    void start();
    // Shows the view's state; also after the document changed underneath.
    void refresh();

signals:
    // Something the user did may have changed the document.
    void documentTouched();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build();
    void connectControls();
    void after();
    void applyFocusRequest();

    CFLView& view_;
    QLineEdit* foodName_ = nullptr;
    QLineEdit* amount_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    QPushButton* addFromCategories_ = nullptr;
    QListWidget* items_ = nullptr;
    QLabel* servingLine_ = nullptr;
    QComboBox* displayUnit_ = nullptr;
    QComboBox* entryUnit_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* help_ = nullptr;
    std::array<QLabel*, 9> totals_{};
    bool scrollPending_ = false;
};

} // namespace korva
