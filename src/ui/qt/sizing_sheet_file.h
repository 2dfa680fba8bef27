// The window's sizing sheet as a file: what goes on it, the name offered
// for it, and the write that never leaves half a page behind.
#pragma once

#include <QDate>
#include <QString>
#include <string>
#include <string_view>

#include "sizing/sizing_sheet.h"

namespace tarnvik::platform {
class Dialog;
}

namespace tarnvik::qt {

// What the user adds to a sheet; empty fields are left off the page.
struct SheetFields {
    std::string title = "Sizing sheet";
    std::string project;
    std::string tag;
    std::string customer;
};

struct WindowSheet {
    sizing::SizingSheet sheet;
    // Why the range chart is not on the sheet; empty when it is.
    std::string chartError;
};

// The sheet of what window shows now: its inputs (pipeName, when not
// empty, as the pipe whose diameter box 1000 shows), its results, the
// current sensor type's range chart, the fields, date (ISO 8601) and the
// program's version.
WindowSheet MakeWindowSheet(const platform::Dialog& window, std::string_view pipeName,
                            const SheetFields& fields, QDate date);

// "QA30 sizing sheet 2024-05-17.html".
QString DefaultSheetFileName(std::string_view sensor, QDate date);

// Writes text to a new file beside path and renames it over path, so the
// old file stays whole until the new one is. Empty on success, else why not.
QString WriteFileReplacing(const QString& path, std::string_view text);

}  // namespace tarnvik::qt
