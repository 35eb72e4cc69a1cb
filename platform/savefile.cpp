#include "platform/savefile.h"

#include <QByteArray>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

SavePathChooser g_chooser;
SaveFailureReporter g_reporter;
// The folder of the last file saved in this run: a class saving several
// films finds them side by side.
QString g_lastFolder;

QString StartFolder()
{
    if (!g_lastFolder.isEmpty() && QDir(g_lastFolder).exists())
        return g_lastFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

// The toolkit's dialog, its words in French.
QString DialogChooser(QWidget* parent, const SaveRequest& request)
{
    QFileDialog dialog(parent, request.title, request.proposedPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.suffix);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Dossier :"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Type de fichier :"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Enregistrer"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void MessageReporter(QWidget* parent, const QString& title, const QString& message)
{
    QMessageBox::warning(parent, title, message);
}

// Asks for the path; a name typed without an extension gets `request.suffix`.
QString ChoosePath(QWidget* parent, const SaveRequest& request)
{
    QString path = g_chooser ? g_chooser(parent, request) : DialogChooser(parent, request);
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + request.suffix;
    return path;
}

// Writes through a temporary file, so that a failure never leaves half a
// file in place of an older one.
bool WriteFile(const QString& path, const std::function<bool(QSaveFile&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Without a commit the temporary file is dropped.
    return write(file) && file.commit();
}

SaveResult Save(QWidget* parent, const SaveRequest& request, const std::function<bool(QSaveFile&)>& write)
{
    const QString path = ChoosePath(parent, request);
    if (path.isEmpty())
        return SaveResult::Cancelled;
    if (!WriteFile(path, write)) {
        const QString message = QStringLiteral("Le fichier « %1 » n'a pas pu être enregistré.\n"
                                               "Vérifiez que le dossier existe, que vous avez le droit d'y écrire "
                                               "et que le disque n'est pas plein, ou choisissez un autre emplacement.")
                                    .arg(QDir::toNativeSeparators(path));
        (g_reporter ? g_reporter : MessageReporter)(parent, request.title, message);
        return SaveResult::Failed;
    }
    g_lastFolder = QFileInfo(path).absolutePath();
    return SaveResult::Saved;
}

} // namespace

void SetSavePathChooser(SavePathChooser chooser)
{
    g_chooser = std::move(chooser);
}

void SetSaveFailureReporter(SaveFailureReporter reporter)
{
    g_reporter = std::move(reporter);
}

SaveResult SavePictureAs(QWidget* parent, const QImage& picture, const QString& fileStem)
{
    if (picture.isNull())
        return SaveResult::Cancelled;
    const SaveRequest request{QStringLiteral("Enregistrer l'image"),
                              QDir(StartFolder()).filePath(fileStem + QStringLiteral(".png")),
                              QStringLiteral("Image PNG (*.png)"), QStringLiteral("png")};
    return Save(parent, request, [&picture](QSaveFile& file) { return picture.save(&file, "PNG"); });
}

SaveResult SaveCsvAs(QWidget* parent, const QByteArray& csv, const QString& fileStem)
{
    const SaveRequest request{QStringLiteral("Enregistrer les mesures"),
                              QDir(StartFolder()).filePath(fileStem + QStringLiteral(".csv")),
                              QStringLiteral("Tableau CSV (*.csv)"), QStringLiteral("csv")};
    return Save(parent, request, [&csv](QSaveFile& file) { return file.write(csv) == csv.size(); });
}
