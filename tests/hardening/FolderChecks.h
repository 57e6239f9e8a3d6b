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

} // namespace velmorix::test
