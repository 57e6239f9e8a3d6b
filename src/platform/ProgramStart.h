#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QCoreApplication;

namespace velmorix {

// Loads Qt's own Turkish texts (file and print dialogs, their buttons) whatever
// the system language is, and makes Turkish the default locale of the widgets.
// False when the translation file is missing; the dialogs then stay English.
bool installQtTranslations(QCoreApplication& app);

// The player's own data folder: ~/VELMORIX, on Windows Documents\VELMORIX.
QString homeDataFolder();

// The data folder the arguments (program name left out) ask for: a folder
// given, "--home" for the home data folder, nothing for the working directory
// (on Windows, where a shortcut's working directory is the program's own, the
// home data folder). Nothing on any other arguments.
std::optional<QString> requestedDataFolder(const QStringList& args);
QString dataFolderUsageText();

// Creates the folder when missing and makes it the working directory. The
// Turkish text of the failure, or an empty text.
QString enterDataFolder(const QString& folder);

} // namespace velmorix

namespace velmorix {

// The number of balls of the game played last (the platform's settings
// store), 0 when none is remembered.
int rememberedGameBalls();
void rememberGameBalls(int balls);

} // namespace velmorix
