#include "pipe_sizes_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "pipe_filter.h"

namespace tarnvik::qt {

namespace {

// The row's pipe: its position in AllPipes().
constexpr int kPipeRole = Qt::UserRole;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

enum Column { kStandard, kName, kOutside, kWall, kInner, kColumns };

QTreeWidgetItem* MakeRow(const sizing::PipeSize& pipe, int position) {
    auto* item = new QTreeWidgetItem;
    item->setText(kStandard, FromUtf8(pipe.standard->name));
    item->setText(kName, FromUtf8(pipe.name));
    item->setText(kOutside, FromUtf8(pipe.outsideText));
    item->setText(kWall, FromUtf8(pipe.wallText));
    item->setText(kInner, FromUtf8(pipe.innerText));
    for (const int c : {kOutside, kWall, kInner})
        item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    item->setData(kName, kPipeRole, position);
    return item;
}

}  // namespace

PipeSizesDialog::PipeSizesDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("tarnvikPipeSizes"));
    setWindowTitle(QStringLiteral("Pipe sizes"));

    auto* filterLabel = new QLabel(QStringLiteral("&Find a pipe:"), this);
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("pipeFilter"));
    filter_->setPlaceholderText(QStringLiteral("2\" sch40, DN50 M, NPS 1-1/2 40S, STD …"));
    filter_->setClearButtonEnabled(true);
    filterLabel->setBuddy(filter_);
    filter_->setAccessibleName(QStringLiteral("Find a pipe"));

    auto* listLabel = new QLabel(QStringLiteral("&Sizes (mm):"), this);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("pipeList"));
    list_->setColumnCount(kColumns);
    list_->setHeaderLabels({QStringLiteral("Standard"), QStringLiteral("Pipe"),
                            QStringLiteral("Outside diameter"), QStringLiteral("Wall"),
                            QStringLiteral("Inner diameter")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    listLabel->setBuddy(list_);
    // A list reads no name from its label: only the mnemonic comes from it.
    list_->setAccessibleName(QStringLiteral("Pipe sizes"));
    const auto pipes = sizing::AllPipes();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(pipes.size()));
    for (std::size_t i = 0; i < pipes.size(); ++i)
        rows.push_back(MakeRow(pipes[i], static_cast<int>(i)));
    list_->addTopLevelItems(rows);
    for (const int c : {kOutside, kWall, kInner})
        list_->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    for (int c = 0; c < kColumns; ++c) list_->resizeColumnToContents(c);
    // The names take the room to spare, the numbers stay under their headers.
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(kName, QHeaderView::Stretch);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("pipeStatus"));
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText);
    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("pipeRefusal"));
    refusal_->setWordWrap(true);
    refusal_->setTextFormat(Qt::PlainText);
    refusal_->hide();

    auto* buttons = new QDialogButtonBox(this);
    use_ = buttons->addButton(QStringLiteral("&Use inner diameter"), QDialogButtonBox::AcceptRole);
    use_->setObjectName(QStringLiteral("pipeUse"));
    use_->setDefault(true);
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filterLabel);
    layout->addWidget(filter_);
    layout->addWidget(listLabel);
    layout->addWidget(list_, 1);
    layout->addWidget(status_);
    layout->addWidget(refusal_);
    layout->addWidget(buttons);
    resize(620, 460);

    connect(filter_, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateUseButton(); });
    // A double click chooses. (Enter reaches the default button; the
    // list's own "activated" on Enter would choose twice.)
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (use_->isEnabled()) accept();
    });
    // Up and down in the filter box move through the list, so the keys
    // need not leave the box.
    filter_->installEventFilter(this);
    ApplyFilter();
}

void PipeSizesDialog::SetTypingAllowed(bool allowed, const QString& whyNot) {
    allowed_ = allowed;
    refusal_->setText(whyNot);
    refusal_->setVisible(!allowed);
    list_->setAccessibleDescription(allowed ? QString() : whyNot);
    UpdateUseButton();
}

const sizing::PipeSize* PipeSizesDialog::SelectedPipe() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty() || selected.front()->isHidden()) return nullptr;
    const int at = selected.front()->data(kName, kPipeRole).toInt();
    const auto pipes = sizing::AllPipes();
    if (at < 0 || static_cast<std::size_t>(at) >= pipes.size()) return nullptr;
    return &pipes[static_cast<std::size_t>(at)];
}

void PipeSizesDialog::accept() {
    // Enter with nothing chosen, or while the box takes nothing, keeps
    // the dialog open.
    if (!use_->isEnabled()) return;
    QDialog::accept();
}

bool PipeSizesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == filter_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QKeyEvent copy(QEvent::KeyPress, key, static_cast<QKeyEvent*>(event)->modifiers());
            QCoreApplication::sendEvent(list_, &copy);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PipeSizesDialog::ApplyFilter() {
    const PipeFilter shown = FilterPipes(filter_->text().toStdString());
    const auto pipes = sizing::AllPipes();
    std::vector<bool> visible(pipes.size(), false);
    for (const sizing::PipeSize* pipe : shown.pipes)
        visible[static_cast<std::size_t>(pipe - pipes.data())] = true;
    QTreeWidgetItem* only = nullptr;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        const bool show = visible[static_cast<std::size_t>(item->data(kName, kPipeRole).toInt())];
        item->setHidden(!show);
        if (!show && item->isSelected()) item->setSelected(false);
        if (show) only = only == nullptr ? item : nullptr;
    }
    // One pipe left: it is the choice, as the name named it.
    if (shown.pipes.size() == 1 && only) {
        list_->setCurrentItem(only);
        only->setSelected(true);
        list_->scrollToItem(only);
    }

    QString status;
    if (shown.exact) {
        const sizing::PipeSize& p = *shown.pipes.front();
        status = FromUtf8(p.name) + QStringLiteral(": inner diameter ") + FromUtf8(p.innerText) +
                 QStringLiteral(" mm");
    } else {
        const auto n = static_cast<qsizetype>(shown.pipes.size());
        const QString count = n == 0   ? QStringLiteral("no sizes")
                              : n == 1 ? QStringLiteral("1 size")
                                       : QStringLiteral("%1 sizes").arg(n);
        if (shown.note.empty()) {
            status = count;
        } else {
            // "The pipe "2 inch" is ambiguous; add the schedule or series: 9 sizes."
            status = FromUtf8(shown.note);
            if (n > 0) status += QStringLiteral(": ") + count;
        }
        status[0] = status[0].toUpper();
        status += QLatin1Char('.');
    }
    status_->setText(status);
    UpdateUseButton();
}

void PipeSizesDialog::UpdateUseButton() {
    use_->setEnabled(allowed_ && SelectedPipe() != nullptr);
}

}  // namespace tarnvik::qt
