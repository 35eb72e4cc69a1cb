// The fonts the program carries in a "fonts" folder beside it (the Windows
// build carries Liberation Sans there): loaded at start, and Liberation Sans
// put in place of Arial where the system has no Arial, so that text takes
// the room the layouts were designed for. A program without the folder
// (the Linux build, where fontconfig does the same) changes nothing.
#pragma once

#include <QString>

// Loads every font file of `folder`; returns how many loaded.
int LoadCarriedFonts(const QString& folder);

// The same from the program's own "fonts" folder.
int LoadProgramFonts();
