// Saving a picture or a table to a file the user chooses, with a French
// message when the file cannot be written. The file dialog and the message
// go through replaceable functions, so that tests need neither.
#pragma once

#include <QString>
#include <functional>

class QByteArray;
class QImage;
class QWidget;

// What the save dialog asks for.
struct SaveRequest
{
    QString title; // "Enregistrer l'image"
    QString proposedPath; // folder and proposed name, with its extension
    QString filter; // "Image PNG (*.png)"
    QString suffix; // "png": added to a name typed without one
};

// Returns the chosen path, or an empty string when the user gave up.
using SavePathChooser = std::function<QString(QWidget* parent, const SaveRequest& request)>;
// Tells the user that a file could not be written.
using SaveFailureReporter = std::function<void(QWidget* parent, const QString& title, const QString& message)>;

// Put another chooser or reporter in place of the dialog and the message
// box; an empty function brings the program's own back.
void SetSavePathChooser(SavePathChooser chooser);
void SetSaveFailureReporter(SaveFailureReporter reporter);

enum class SaveResult
{
    Saved,
    Cancelled,
    Failed
};

// "Enregistrer l'image...": `picture` as a PNG file, pixel for pixel,
// proposed as `fileStem`.png.
SaveResult SavePictureAs(QWidget* parent, const QImage& picture, const QString& fileStem);

// "Enregistrer les mesures...": `csv` as it is, proposed as `fileStem`.csv.
SaveResult SaveCsvAs(QWidget* parent, const QByteArray& csv, const QString& fileStem);
