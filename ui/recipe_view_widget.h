#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace korva {

class CRecipeView;

// The face of CRecipeView: builds the recipe form, forwards each control to
// one method of the view and then shows the view's state again.
class RecipeViewWidget : public QWidget {
    Q_OBJECT
public:
    RecipeViewWidget(CRecipeView& view, QWidget* parent = nullptr);

    void start();
    void refresh();
    // Whatever was typed into the instructions, the serving description and
    // the servings, taken into the recipe (before a menu's Save).
    void commit();

signals:
    void documentTouched();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build();
    void connectControls();
    void after();
    void applyFocusRequest();

    CRecipeView& view_;
    QLineEdit* ingredient_ = nullptr;
    QLineEdit* amount_ = nullptr;
    QScrollBar* amountScroll_ = nullptr;
    QPushButton* addFromCategories_ = nullptr;
    QListWidget* items_ = nullptr;
    QPlainTextEdit* instructions_ = nullptr;
    QLineEdit* servingDescription_ = nullptr;
    QLineEdit* servings_ = nullptr;
    QScrollBar* servingsScroll_ = nullptr;
    QComboBox* displayUnit_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* help_ = nullptr;
    std::array<QLabel*, 9> perServing_{};
    bool scrollPending_ = false;
};

} // namespace korva
