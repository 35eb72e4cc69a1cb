// The dialog " Astuce du jour": one numbered hint about the program, with
// buttons to step through the hints and a check box that keeps it (or not)
// at start-up; and the hints, read from the "TIPS" text.
#pragma once

#include "window/modulewindow.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

class PaintBox;
class QCheckBox;
class QLabel;

class TTipF : public OpeningDialog
{
    Q_OBJECT

public:
    explicit TTipF(QWidget* parent = nullptr);

    void SuivantBoutClick();
    void PrecedentBoutClick();
    void QuitterBoutClick();
    void TipCroixClick();

    // The hints, loaded while the dialog shows (empty otherwise).
    const QStringList& TipList() const { return m_tipList; }
    // The hint box as last composed (its status picture follows TipCroix).
    const QImage& TipBoxPicture() const { return m_boxPicture; }

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void BuildButtons();
    void ShowCurrentTip();
    void ComposeTipBox();
    void StepTip(int step);

    PaintBox* m_tipBox = nullptr;
    QLabel* m_tipLab = nullptr;
    QLabel* m_numeroLab = nullptr;
    QCheckBox* m_tipCroix = nullptr;
    QImage m_tipCache;
    QImage m_boxPicture;
    QStringList m_tipList;
};

// One hint per line of a Windows-1252 text whose lines end with CR LF,
// up to a line holding exactly "FIN" (or the end of the text).
QStringList ParseTipLines(const QByteArray& bytes);

// The program's hints, from its "TIPS" resource.
QStringList LoadTipList();

// "Astuce n° 3 sur 17" for the index 2 of 17 hints.
QString TipNumberText(int index, int count);
