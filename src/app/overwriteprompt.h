#pragma once

#include <QString>

class QWidget;

namespace kx {

class CKanalyxDoc;

// Asks before a save writes over the document's own file when another program or window
// changed that file since the document read or saved it; never merges. True when the save may
// go on: nothing would be lost, or the user chose to overwrite.
bool ConfirmSaveOverChanges(QWidget* parent, const CKanalyxDoc& doc, const QString& path);

} // namespace kx
