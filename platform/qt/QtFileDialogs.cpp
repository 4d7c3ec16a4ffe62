#include "platform/qt/QtFileDialogs.h"

#include <QColorDialog>
#include <QFileDialog>

namespace {

// The patterns of one filter entry as Qt separates them: by blanks.
QString Patterns(const QString& entry) { return entry.split(';', Qt::SkipEmptyParts).join(' ').trimmed(); }

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    if (parts.size() == 1) {
        if (!Patterns(parts[0]).isEmpty()) filters << Patterns(parts[0]);
        return filters;
    }
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = Patterns(parts[i + 1]);
        if (patterns.isEmpty()) continue;
        // Qt reads the patterns from the last parentheses of an entry; a description that shows
        // them already is kept as it is.
        if (description.isEmpty()) filters << patterns;
        else if (description.endsWith(')')) filters << description;
        else filters << description + " (" + patterns + ")";
    }
    return filters;
}

std::string QtFileDialogs::AskFile(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent_, QString::fromStdString(request.Title), QString::fromStdString(request.Folder));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(QtNameFilters(request.Filter));
    dialog.setDefaultSuffix(QString::fromStdString(request.DefaultExtension));
    const QString name = QString::fromStdString(request.FileName);
    if (!name.isEmpty() && !name.contains('*') && !name.contains('?')) dialog.selectFile(name);
    RunModal(runner_, dialog);
    if (dialog.result() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? std::string() : chosen.front().toStdString();
}

std::string QtFileDialogs::OpenFile(const FileDialogRequest& request) { return AskFile(request, false); }

std::string QtFileDialogs::SaveFile(const FileDialogRequest& request) { return AskFile(request, true); }

ColourRef QtFileDialogs::PickColour(ColourRef start) {
    QColorDialog dialog(QColor(RedOf(start), GreenOf(start), BlueOf(start)), parent_);
    RunModal(runner_, dialog);
    if (dialog.result() != QDialog::Accepted) return start;
    const QColor chosen = dialog.selectedColor();
    return PackRgb(chosen.red(), chosen.green(), chosen.blue());
}
