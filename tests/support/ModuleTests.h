#pragma once

// What the module tests share: GoogleTest, a scratch data folder and the core.
#include "core/AppState.h"
#include "core/BallsFile.h"
#include "core/ColumnFile.h"
#include "core/DateCode.h"
#include "core/EditorFile.h"
#include "core/Encoding.h"
#include "core/FileError.h"
#include "core/Game.h"
#include "core/GameFolder.h"
#include "core/ListUndo.h"
#include "core/Numbers.h"
#include "core/Random.h"
#include "core/SafeFile.h"
#include "support/ScopedLocale.h"
#include "support/TempDataDir.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

using namespace velmorix;
using namespace velmorix::test;
