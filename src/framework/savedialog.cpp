#include "framework/savedialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace framework {

namespace {

// A save dialog that gives a name without an extension the one of the type chosen when the user
// accepts, before it asks whether to replace an existing file, so it asks about the file that
// will really be written.
class SaveDialog final : public QFileDialog {
  public:
    SaveDialog(QWidget* parent, const QString& caption, std::span<const SaveFileType> types)
        : QFileDialog(parent, caption), types_(types) {
        QStringList filters;
        for (const SaveFileType& type : types) {
            filters << type.filter;
        }
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        setNameFilters(filters);
        setDefaultSuffix(types.front().suffix);
    }

    QString chosenSuffix() const {
        const QString filter = selectedNameFilter();
        const auto chosen = std::find_if(types_.begin(), types_.end(), [&filter](const auto& type) {
            return type.filter == filter;
        });
        return chosen == types_.end() ? types_.front().suffix : chosen->suffix;
    }

    void accept() override {
        setDefaultSuffix(chosenSuffix());
        QFileDialog::accept();
    }

  private:
    std::span<const SaveFileType> types_;
};

} // namespace

QString withSuffix(const QString& path, const QString& suffix) {
    if (!QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    return path + "." + suffix;
}

QString saveFileName(QWidget* parent, const QString& caption, const QString& proposedName,
                     std::span<const SaveFileType> types) {
    SaveDialog dialog(parent, caption, types);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    // A desktop's own dialog may ignore the default extension.
    return withSuffix(dialog.selectedFiles().front(), dialog.chosenSuffix());
}

} // namespace framework
