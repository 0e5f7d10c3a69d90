#pragma once

#include <QString>

#include <memory>

class QFileDialog;
class QWidget;

namespace kalmoris {

// A file dialog of the program, to open or to save. Qt's own dialog writes the sizes and dates
// of its list in the system's locale, whatever the program's, and calls a folder "Folder": its
// list goes through a model that writes them in French (the desktop's own dialog, where there
// is one, speaks the desktop's language).
std::unique_ptr<QFileDialog> makeFileDialog(QWidget* parent, const QString& caption,
                                            const QString& directory, const QString& filter);

}  // namespace kalmoris
