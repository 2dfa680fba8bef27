#include "sizing_sheet_file.h"

#include <QSaveFile>

#include "sizing/current_chart.h"
#include "ui/calculation_context.h"

#ifndef TARNVIK_VERSION
#error "TARNVIK_VERSION must name the project version"
#endif

namespace tarnvik::qt {

WindowSheet MakeWindowSheet(const platform::Dialog& window, std::string_view pipeName,
                            const SheetFields& fields, QDate date) {
    WindowSheet out;
    sizing::SizingSheet& sheet = out.sheet;
    sheet.title = fields.title;
    sheet.project = fields.project;
    sheet.tag = fields.tag;
    sheet.customer = fields.customer;
    sheet.date = date.toString(Qt::ISODate).toStdString();
    sheet.version = TARNVIK_VERSION;
    sheet.context = ReadCalculationContext(window, pipeName);
    sheet.chart = sizing::CurrentRangeChart(sheet.context, out.chartError);
    return out;
}

QString DefaultSheetFileName(std::string_view sensor, QDate date) {
    QString name = QString::fromUtf8(sensor.data(), static_cast<qsizetype>(sensor.size()));
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    if (!name.isEmpty()) name += QLatin1Char(' ');
    return name + QStringLiteral("sizing sheet ") + date.toString(Qt::ISODate) +
           QStringLiteral(".html");
}

QString WriteFileReplacing(const QString& path, std::string_view text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace tarnvik::qt
