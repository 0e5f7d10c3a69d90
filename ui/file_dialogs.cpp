#include "ui/file_dialogs.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace kalmoris {

namespace {

// The columns of Qt's file list.
enum FileColumn { NameColumn, SizeColumn, TypeColumn, DateColumn };

class FrenchFileList : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || index.column() == NameColumn || files == nullptr)
      return QIdentityProxyModel::data(index, role);
    const QFileInfo info = files->fileInfo(mapToSource(index));
    const QLocale french(QLocale::French, QLocale::France);
    switch (index.column()) {
      case SizeColumn:
        return info.isDir() ? QString() : french.formattedDataSize(info.size());
      case TypeColumn:
        // A file's type is the description of its content, already in the program's language.
        if (info.isDir()) return QStringLiteral("Dossier");
        break;
      case DateColumn:
        return french.toString(info.lastModified(), QLocale::ShortFormat);
      default:
        break;
    }
    return QIdentityProxyModel::data(index, role);
  }
};

}  // namespace

std::unique_ptr<QFileDialog> makeFileDialog(QWidget* parent, const QString& caption,
                                            const QString& directory, const QString& filter) {
  auto dialog = std::make_unique<QFileDialog>(parent, caption, directory, filter);
  dialog->setProxyModel(new FrenchFileList(dialog.get()));
  return dialog;
}

}  // namespace kalmoris
