#pragma once

#include "FaultInjection.h"

#include <QString>
#include <string>
#include <vector>

namespace velmorix::test {

// What must hold of a data folder between two commands: only data files and
// the named temporaries are there, and every column list the program wrote
// holds whole records. A hand-made file that nothing rewrote, or a copy of it,
// may keep its odd length: `planted` holds the files as they were put there.
std::vector<std::string> folderProblems(const TempDataDir& data, const FolderSnapshot& planted);

// The question a player who does not want to wait for minutes under the
// sanitizers answers No to: a build of many thousands of columns, a grouping
// build of every combination of the grouped balls.
bool isSlowBuildQuestion(const QString& text);

// The title of every error box.
inline const QString ErrorTitle = QStringLiteral("! HATA !");

// The keys a player presses in any window.
inline constexpr int PlayerKeys[] = {
    Qt::Key_F1,     Qt::Key_F2,       Qt::Key_F3,  Qt::Key_F4,   Qt::Key_F5,     Qt::Key_F6,    Qt::Key_F7,
    Qt::Key_F8,     Qt::Key_F9,       Qt::Key_F10, Qt::Key_F11,  Qt::Key_F12,    Qt::Key_Home,  Qt::Key_End,
    Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Up,  Qt::Key_Down, Qt::Key_Return, Qt::Key_Delete};

} // namespace velmorix::test
