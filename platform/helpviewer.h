// The program's help: an HTML file with one anchor per topic id, shown in
// the program's own help window.
#pragma once

#include <QString>

class QTextBrowser;

// The help file used by ShowHelpTopic (the launcher sets it at start-up).
void SetHelpFile(const QString& path);
QString HelpFile();

// Opens the help window (created on first use) at the anchor `topicId`
// ("Sommaire", "OPTIONS", "Balle", ...). A missing help file is reported in
// a message box.
void ShowHelpTopic(const QString& topicId);

// Closes the help window, if it was opened.
void CloseHelp();

// The help window, or nullptr when it was never opened (for tests).
QTextBrowser* HelpWindow();
