#include "sheet_prompts.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tarnvik::qt {

namespace {

QLineEdit* Field(QDialog& dialog, QFormLayout& form, const QString& label, const char* name,
                 const std::string& text) {
    auto* edit = new QLineEdit(QString::fromStdString(text), &dialog);
    edit->setObjectName(QLatin1String(name));
    form.addRow(label, edit);  // the label is the field's buddy
    return edit;
}

std::string Text(const QLineEdit* edit) {
    return edit->text().trimmed().toStdString();
}

}  // namespace

std::optional<SheetFields> AskSheetFields(QWidget* parent, const SheetFields& given) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("tarnvikSheetFields"));
    dialog.setWindowTitle(QStringLiteral("Save sizing sheet"));
    auto* form = new QFormLayout;
    QLineEdit* title = Field(dialog, *form, QStringLiteral("&Title:"), "sheetTitle", given.title);
    QLineEdit* project =
        Field(dialog, *form, QStringLiteral("&Project:"), "sheetProject", given.project);
    QLineEdit* tag = Field(dialog, *form, QStringLiteral("T&ag:"), "sheetTag", given.tag);
    QLineEdit* customer =
        Field(dialog, *form, QStringLiteral("&Customer:"), "sheetCustomer", given.customer);
    auto* note = new QLabel(
        QStringLiteral("Project, tag and customer are printed on the sheet when filled in."),
        &dialog);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    QPushButton* save = buttons->addButton(QStringLiteral("&Save…"), QDialogButtonBox::AcceptRole);
    save->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    dialog.resize(380, dialog.sizeHint().height());

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    SheetFields fields{Text(title), Text(project), Text(tag), Text(customer)};
    if (fields.title.empty()) fields.title = SheetFields{}.title;
    return fields;
}

QString AskSheetFileName(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent, QStringLiteral("Save sizing sheet"));
    dialog.setObjectName(QStringLiteral("tarnvikSheetFile"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(
        {QStringLiteral("Web pages (*.html *.htm)"), QStringLiteral("All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("html"));
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    dialog.selectFile(QFileInfo(suggested).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

void OfferToOpenSheet(QWidget* parent, const QString& path, const QString& chartNote) {
    const QString title = QStringLiteral("Save sizing sheet");
    QMessageBox box(
        QMessageBox::Information, title,
        QStringLiteral("The sizing sheet is saved as\n") + QDir::toNativeSeparators(path),
        QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("tarnvikSheetSaved"));
    box.setTextFormat(Qt::PlainText);
    QString more;
    if (!chartNote.isEmpty()) more = chartNote + QStringLiteral("\n\n");
    more += QStringLiteral("Open it in the web browser? There it can be printed or saved as PDF.");
    box.setInformativeText(more);
    QPushButton* open = box.addButton(QStringLiteral("&Open in browser"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Close);
    box.setDefaultButton(open);
    box.exec();
    if (box.clickedButton() != open) return;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        QMessageBox failed(QMessageBox::Warning, title,
                           QStringLiteral("No web browser could be started to open\n") +
                               QDir::toNativeSeparators(path),
                           QMessageBox::Ok, parent);
        failed.setTextFormat(Qt::PlainText);
        failed.exec();
    }
}

}  // namespace tarnvik::qt
