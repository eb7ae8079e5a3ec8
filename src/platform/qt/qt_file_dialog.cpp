#include "platform/qt/qt_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace kvx {

namespace {

// "Kurvex Plot Files (*.plt)" with "*.plt" becomes the toolkit's
// "Kurvex Plot Files (*.plt) (*.plt)", whose last brackets it reads as the
// patterns and hides from the list. "*.*" is every file, as the entry
// "All Files (*.*)" promises; here it would leave out names without a dot.
QString nameFilter(const FileFilter& filter)
{
    QStringList patterns;
    for (const QString& pattern : QString::fromStdString(filter.patterns).split(u';', Qt::SkipEmptyParts)) {
        patterns << (pattern.trimmed() == QStringLiteral("*.*") ? QStringLiteral("*") : pattern.trimmed());
    }
    return QString::fromStdString(filter.description) + QStringLiteral(" (") + patterns.join(u' ') +
           QStringLiteral(")");
}

// The extension a name typed without one gets under `filter`: its single
// pattern's ("*.svg" gives "svg"), else the request's default.
QString suffixFor(const FileFilter& filter, const std::string& fallback)
{
    const QString patterns = QString::fromStdString(filter.patterns);
    if (patterns.startsWith(QStringLiteral("*.")) && !patterns.contains(u';') && patterns.indexOf(u'*', 1) < 0) {
        return patterns.mid(2);
    }
    return QString::fromStdString(fallback);
}

}  // namespace

std::optional<std::string> askQtFileName(const FileDialogRequest& request, QWidget* owner)
{
    QFileDialog dialog(owner, QString::fromStdString(request.title));
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    QStringList filters;
    for (const FileFilter& filter : request.filters) {
        filters << nameFilter(filter);
    }
    dialog.setNameFilters(filters);
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);  // the overwrite question is the dialog's
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& chosen) {
            const qsizetype index = filters.indexOf(chosen);
            if (index >= 0) {
                dialog.setDefaultSuffix(suffixFor(request.filters[static_cast<std::size_t>(index)],
                                                  request.defaultExtension));
            }
        });
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.proposal.empty()) {
        const QFileInfo proposal(QString::fromStdString(request.proposal));
        dialog.setDirectory(proposal.absolutePath());
        dialog.selectFile(proposal.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    QDir::setCurrent(QFileInfo(chosen).absolutePath());
    return chosen.toStdString();
}

}  // namespace kvx
