#include "shell/colorchooser.h"

#include <QColorDialog>

ColorChooser ChooseColor = ChooseColorWithDialog;

std::optional<TColor> ChooseColorWithDialog(TColor initial, QWidget* parent)
{
    const QColor chosen = QColorDialog::getColor(QColorFromCanvas(initial), parent,
                                                 QStringLiteral(" Choisir une couleur"));
    if (!chosen.isValid())
        return std::nullopt;
    return CanvasFromQColor(chosen);
}
