#include "message_box.h"

#include <QMessageBox>
#include <QString>

namespace tarnvik::qt {

namespace {
QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

void ShowMessageBox(QWidget* parent, std::string_view text, std::string_view caption) {
    QMessageBox box(QMessageBox::NoIcon, FromUtf8(caption), FromUtf8(text), QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("tarnvikMessageBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace tarnvik::qt
