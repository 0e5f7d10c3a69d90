#pragma once

#include <QString>

class QWidget;

namespace kalmoris {

// The name of a file to write, asked through the save dialog with `filter`; `extension`
// (".TEG", ".csv") is appended when the name does not already end with it, in any case.
// The dialog confirms replacing the name it returns; a name that becomes an existing file once
// the extension is appended is confirmed here. A name that is a folder raises a FileFailure.
// Empty when the user cancels or keeps the existing file.
QString askFileNameToWrite(QWidget* parent, const QString& filter, const QString& extension);

}  // namespace kalmoris
