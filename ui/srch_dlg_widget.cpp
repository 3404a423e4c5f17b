#include "ui/srch_dlg_widget.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "lists/flist_view.h"
#include "search/result_rows.h"
#include "search/search_choosers.h"
#include "ui/flist_child_window.h"
#include "ui/flist_view_widget.h"
#include "ui/food_list_windows.h"
#include "ui/help_window.h"
#include "ui/list_choice_dialog.h"
#include "ui/qt_report_printer.h"
#include "ui/qt_text.h"
#include "ui/tab_stop_delegate.h"

namespace korva {

namespace {

QRadioButton* radio(QGroupBox* box, QButtonGroup* group, const char* text, int id, const QString& name) {
    auto* r = new QRadioButton(toQt(text), box);
    r->setObjectName(name);
    group->addButton(r, id);
    box->layout()->addWidget(r);
    return r;
}

void showRows(QListWidget* list, const std::vector<std::string>& rows) {
    QStringList texts;
    for (const auto& r : rows) texts << toQt(r);
    QStringList now;
    for (int i = 0; i < list->count(); ++i) now << list->item(i)->text();
    if (now == texts) return;
    list->clear();
    list->addItems(texts);
}

void showChosen(QListWidget* list, const std::vector<ChosenRow>& rows) {
    std::vector<std::string> names;
    for (const auto& r : rows) names.push_back(r.name);
    showRows(list, names);
}

} // namespace

SrchDlgWidget::SrchDlgWidget(SrchDlg& dialog, QWidget* parent, FoodViewer viewer)
    : QDialog(parent), dialog_(dialog), viewer_(std::move(viewer)) {
    setObjectName(QStringLiteral("searchDialog"));
    setWindowTitle(toQt(SrchDlg::kCaption));
    auto* grid = new QGridLayout(this);

    auto* typeBox = new QGroupBox(toQt(SrchDlg::kTypeGroup), this);
    typeBox->setLayout(new QVBoxLayout);
    types_ = new QButtonGroup(this);
    for (const auto& [text, type] : SrchDlg::kTypeChoices)
        radio(typeBox, types_, text, int(type), QStringLiteral("type%1").arg(int(type)));
    auto* basisBox = new QGroupBox(toQt(SrchDlg::kBasisGroup), this);
    basisBox->setLayout(new QVBoxLayout);
    bases_ = new QButtonGroup(this);
    for (const auto& [text, basis] : SrchDlg::kBasisChoices)
        radio(basisBox, bases_, text, int(basis), QStringLiteral("basis%1").arg(int(basis)));
    grid->addWidget(typeBox, 0, 0, 2, 1);
    grid->addWidget(basisBox, 2, 0);

    minimize_ = button(SrchDlg::kMinimize, "minimizeButton");
    maximize_ = button(SrchDlg::kMaximize, "maximizeButton");
    QPushButton* categories = button(SrchDlg::kCategories, "categoriesButton");
    minimizeList_ = chosenList("minimizeList", &ChosenSets::removeMinimize);
    maximizeList_ = chosenList("maximizeList", &ChosenSets::removeMaximize);
    categoryList_ = chosenList("categoryList", &ChosenSets::removeCategory);
    grid->addWidget(minimize_, 0, 1);
    grid->addWidget(maximize_, 0, 2);
    grid->addWidget(categories, 0, 3);
    grid->addWidget(minimizeList_, 1, 1);
    grid->addWidget(maximizeList_, 1, 2);
    grid->addWidget(categoryList_, 1, 3);
    connect(minimize_, &QPushButton::clicked, this, [this] { act(&SrchDlg::onMinimize); });
    connect(maximize_, &QPushButton::clicked, this, [this] { act(&SrchDlg::onMaximize); });
    connect(categories, &QPushButton::clicked, this, [this] { act(&SrchDlg::onCategories); });

    QPushButton* size = button(SrchDlg::kSearchSize, "searchSizeButton");
    size->setEnabled(SrchDlg::kSearchSizeEnabled);
    QPushButton* search = button(SrchDlg::kSearch, "searchButton");
    connect(search, &QPushButton::clicked, this, [this] { act(&SrchDlg::onSearch); });
    auto* side = new QVBoxLayout;
    side->addWidget(size);
    side->addWidget(search);
    grid->addLayout(side, 2, 1);

    resultsCaption_ = new QLabel(this);
    resultsCaption_->setObjectName(QStringLiteral("resultsCaption"));
    results_ = new QListWidget(this);
    results_->setObjectName(QStringLiteral("resultsList"));
    results_->setItemDelegate(new TabStopDelegate({kResultTabStops.begin(), kResultTabStops.end()}, results_));
    results_->setMinimumWidth(fontMetrics().averageCharWidth() * 90);
    servingLine_ = new QLabel(this);
    servingLine_->setObjectName(QStringLiteral("servingLine"));
    grid->addWidget(resultsCaption_, 3, 0, 1, 4);
    grid->addWidget(results_, 4, 0, 1, 4);
    coverageNote_ = new QLabel(this);
    coverageNote_->setObjectName(QStringLiteral("coverageNote"));
    coverageNote_->setWordWrap(true);
    auto* under = new QVBoxLayout;
    under->addWidget(servingLine_);
    under->addWidget(coverageNote_);
    grid->addLayout(under, 5, 0, 1, 4);
    connect(results_, &QListWidget::currentRowChanged, this, [this](int row) {
        dialog_.onResultSelected(row);
        refresh();
    });

    add_ = button(SrchDlg::kAdd, "addButton");
    QPushButton* help = button(SrchDlg::kHelp, "helpButton");
    QPushButton* clear = button(SrchDlg::kClear, "clearButton");
    QPushButton* view = button(SrchDlg::kView, "viewButton");
    QPushButton* print = button(SrchDlg::kPrint, "printButton");
    QPushButton* close = button(SrchDlg::kClose, "closeButton");
    auto* bottom = new QHBoxLayout;
    for (QPushButton* b : {add_, help, clear, view, print, close}) bottom->addWidget(b);
    grid->addLayout(bottom, 6, 0, 1, 4);
    connect(add_, &QPushButton::clicked, this, [this] { act(&SrchDlg::onAdd); });
    connect(help, &QPushButton::clicked, this, [this] { act(&SrchDlg::onHelp); });
    setHelp(this, [this] { act(&SrchDlg::onHelp); });
    connect(clear, &QPushButton::clicked, this, [this] { act(&SrchDlg::onClear); });
    connect(close, &QPushButton::clicked, this, [this] { act(&SrchDlg::onClose); });
    connect(view, &QPushButton::clicked, this, [this] {
        const auto food = dialog_.onView();
        if (food && viewer_) viewer_(food->category, food->food, this);
        refresh();
    });
    connect(print, &QPushButton::clicked, this, [this] {
        (void)dialog_.onPrint(QtReportPrinter::shared());
        refresh();
    });

    connect(types_, &QButtonGroup::idClicked, this, [this](int id) {
        dialog_.onTypeChosen(static_cast<SearchType>(id));
        refresh();
    });
    connect(bases_, &QButtonGroup::idClicked, this, [this](int id) {
        dialog_.onBasisChosen(static_cast<ComparisonBasis>(id));
        refresh();
    });
    refresh();
}

QPushButton* SrchDlgWidget::button(const char* text, const char* name) {
    auto* b = new QPushButton(toQt(text), this);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QListWidget* SrchDlgWidget::chosenList(const char* name, void (ChosenSets::*remove)(int)) {
    auto* list = new QListWidget(this);
    list->setObjectName(QLatin1String(name));
    connect(list, &QListWidget::itemDoubleClicked, this, [this, list, remove](QListWidgetItem* item) {
        (dialog_.chosen().*remove)(list->row(item));
        refresh();
    });
    return list;
}

void SrchDlgWidget::act(void (SrchDlg::*control)()) {
    (dialog_.*control)();
    if (dialog_.finished()) {
        done(dialog_.addRequested() ? QDialog::Accepted : QDialog::Rejected);
        return;
    }
    refresh();
}

void SrchDlgWidget::reject() {
    if (!dialog_.finished()) dialog_.onClose();
    QDialog::reject();
}

void SrchDlgWidget::refresh() {
    types_->button(int(dialog_.type()))->setChecked(true);
    types_->button(int(SearchType::Optimize))->setEnabled(dialog_.listEnabled());
    bases_->button(int(dialog_.basis()))->setChecked(true);
    minimize_->setText(toQt(dialog_.minimizeCaption()));
    minimize_->setEnabled(dialog_.minimizeEnabled());
    maximize_->setEnabled(dialog_.maximizeEnabled());
    add_->setEnabled(dialog_.listEnabled());
    showChosen(minimizeList_, dialog_.chosen().minimizeRows());
    showChosen(maximizeList_, dialog_.chosen().maximizeRows());
    showChosen(categoryList_, dialog_.chosen().categoryRows());
    resultsCaption_->setText(toQt(dialog_.resultsCaption()));
    const QSignalBlocker quiet(results_);
    showRows(results_, dialog_.screenRows());
    coverageNote_->setText(toQt(dialog_.coverageNote()));
    coverageNote_->setVisible(!coverageNote_->text().isEmpty());
    results_->setCurrentRow(dialog_.selectedRow());
    servingLine_->setText(toQt(dialog_.servingLine()));
}

// ---- The choosers -------------------------------------------------------------

namespace {

// The choosers of several rows; categories can also be cleared.
template <class Behaviour>
void runChooser(Behaviour& behaviour, QWidget* parent, const char* name, bool withClear) {
    MultiChoice choice{name,
                       Behaviour::kCaption,
                       behaviour.rows(),
                       [&](int row) { return behaviour.isSelected(row); },
                       [&](int row, bool chosen) { behaviour.onRowClicked(row, chosen); },
                       [&] { behaviour.onOk(); },
                       [&] { behaviour.onCancel(); },
                       {},
                       [&] { return behaviour.finished(); }};
    if constexpr (requires { behaviour.onClear(); })
        if (withClear) choice.clear = [&] { behaviour.onClear(); };
    runMultiChoice(choice, parent);
}

} // namespace

void QtSearchWindows::run(NtrDialog& dialog) { runChooser(dialog, parent_, "nutrientChooser", false); }
void QtSearchWindows::run(CtlDialog& dialog) { runChooser(dialog, parent_, "categoryChooser", true); }

void QtSearchWindows::run(SrchDlg& dialog) {
    SrchDlgWidget face(dialog, parent_, lists_.foodViewer());
    face.exec();
    if (!dialog.finished()) dialog.onClose();
}

std::optional<int> QtSearchWindows::askSearchSize(int current) {
    QDialog face(parent_);
    face.setObjectName(QStringLiteral("searchSizeDialog"));
    face.setWindowTitle(toQt(searchmsg::kSizeCaption));
    auto* layout = new QVBoxLayout(&face);
    auto* text = new QLabel(toQt(searchmsg::kSizeText), &face);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* size = new QSpinBox(&face);
    size->setObjectName(QStringLiteral("searchSize"));
    size->setRange(kMinSearchSize, kMaxSearchSize);
    size->setValue(current);
    layout->addWidget(size);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &face);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &face, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &face, &QDialog::reject);
    layout->addWidget(buttons);
    if (face.exec() != QDialog::Accepted) return std::nullopt;
    return size->value();
}

bool QtSearchWindows::addToActiveView(std::size_t position, std::uint16_t unit) {
    FListChildWindow* window = lists_.activeWindow();
    if (!window) return false;
    window->addFromSearch(position, unit);
    return true;
}

} // namespace korva
