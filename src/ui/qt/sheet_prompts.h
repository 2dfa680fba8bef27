// The questions saving a sizing sheet asks, as the window asks them: the
// fields to print, the file, and whether to open the saved page.
#pragma once

#include <QString>
#include <optional>

#include "sizing_sheet_file.h"

class QWidget;

namespace tarnvik::qt {

// The title and the project, tag and customer fields, starting from
// given; nullopt when the user cancels.
std::optional<SheetFields> AskSheetFields(QWidget* parent, const SheetFields& given);

// A file dialog for saving, suggesting the path; ".html" is added to a
// name without a suffix. Empty when the user cancels.
QString AskSheetFileName(QWidget* parent, const QString& suggested);

// Says where the sheet went (and chartNote, if any) and offers to open it
// in the web browser, from where it prints or saves as PDF.
void OfferToOpenSheet(QWidget* parent, const QString& path, const QString& chartNote);

}  // namespace tarnvik::qt
