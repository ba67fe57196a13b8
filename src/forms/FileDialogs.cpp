#include "forms/FileDialogs.h"

#include <QFileDialog>
#include <QStringList>

QString QtNameFilters(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        // Qt separates patterns with spaces where Windows takes semicolons.
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString shown = QLatin1Char('(') + parts[i + 1] + QLatin1Char(')');
        if (description.endsWith(shown)) {
            // The description already shows its patterns, as Windows filters do: Qt
            // reads them from there, and the text stays as written, shown once.
            filters.append(description.left(description.size() - shown.size()) + QLatin1Char('(') +
                           patterns + QLatin1Char(')'));
        } else {
            filters.append(description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
        }
    }
    if (parts.size() % 2 == 1 && !parts.back().isEmpty()) {
        // A description without a pattern still names something to show.
        filters.append(parts.back());
    }
    return filters.join(QStringLiteral(";;"));
}

QFileDialog* CreateFileDialog(QWidget* parent, FileDialogKind kind)
{
    auto* dialog = new QFileDialog(parent);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setDefaultSuffix(QString());
    if (kind == FileDialogKind::Open) {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::AnyFile);
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
    }
    return dialog;
}

bool RunFileDialog(QFileDialog& dialog, const std::string& fileName, const std::string& filter,
                   std::string& chosen)
{
    dialog.setNameFilter(QtNameFilters(filter));
    dialog.selectFile(QString::fromStdString(fileName));
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) {
        return false;
    }
    chosen = files.first().toStdString();
    return true;
}
