// The program's help window: the HTML help beside the executable, one
// anchor per topic id, with a contents link, back, forward and printing. It
// also shows the readme and the documents when the desktop cannot.
#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QAction;
class QPrinter;
class QTextBrowser;
class QToolButton;

class THelpF : public QWidget
{
    Q_OBJECT

public:
    explicit THelpF(QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return Texte; }
    // The page shown, with the anchor it was opened at.
    QUrl Source() const;
    // Shows a page: the help at a topic, a document, the readme.
    void ShowPage(const QUrl& url);
    // The whole page shown (or, when the printer asks for it, the selected
    // text) on `printer`.
    void PrintTo(QPrinter& printer) const;

    void SommaireBoutClick();
    void PrecedentBoutClick();
    void SuivantBoutClick();
    void ImprimerBoutClick();

private:
    QToolButton* MakeButton(const char* name, const char* picture, const QString& text, const QString& hint,
                            const QList<QKeySequence>& keys, void (THelpF::*click)());
    void FollowTitle();

    QTextBrowser* Texte;
    QToolButton* SommaireBout;
    QToolButton* PrecedentBout;
    QToolButton* SuivantBout;
    QToolButton* ImprimerBout;
};

// The help file used by ShowHelpTopic (the launcher sets it at start-up).
void SetHelpFile(const QString& path);
QString HelpFile();

// Opens the help window (created on first use) at the anchor `topicId`
// ("Sommaire", "OPTIONS", "Balle", ...). A missing help file is reported in
// a message box.
void ShowHelpTopic(const QString& topicId);

// Shows a local file in the help window: an HTML document (its drawings
// left out) or a text file. False, and nothing shown, when it cannot be read.
bool ShowInHelpWindow(const QString& path);

// Closes the help window, if it was opened.
void CloseHelp();

// The help window, or nullptr when it was never opened (for tests).
THelpF* HelpWindow();
