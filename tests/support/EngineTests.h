#pragma once

// What the engine and analysis tests share.
#include "analysis/ArbitraryGrouping.h"
#include "analysis/AutoSelection.h"
#include "analysis/ChaosReport.h"
#include "analysis/ColumnDraw.h"
#include "analysis/EditorEntry.h"
#include "analysis/FollowingNumbers.h"
#include "analysis/GroupingConfig.h"
#include "analysis/HitScan.h"
#include "analysis/HitsCommand.h"
#include "analysis/ListElimination.h"
#include "analysis/ListEntryParsing.h"
#include "analysis/ListPaging.h"
#include "analysis/ListReport.h"
#include "analysis/PlayedPairs.h"
#include "analysis/QuantumListFilter.h"
#include "analysis/QuantumRange.h"
#include "analysis/QuantumStatistics.h"
#include "analysis/RandomColumnList.h"
#include "analysis/RangeStatistics.h"
#include "analysis/RepetitionCounts.h"
#include "analysis/ResultsImport.h"
#include "analysis/ResultsToBalls.h"
#include "analysis/SextetReport.h"
#include "analysis/StatisticsReport.h"
#include "analysis/TextReportFile.h"
#include "analysis/WriteListCommand.h"
#include "batch/BatchCommand.h"
#include "core/Clock.h"
#include "core/ColumnRecord.h"
#include "engine/BackTest.h"
#include "engine/CandidateSlices.h"
#include "engine/ChaosRules.h"
#include "engine/ColumnEvaluator.h"
#include "engine/ListBuilder.h"
#include "engine/ListFilter.h"
#include "engine/ListStream.h"
#include "engine/ListTexts.h"
#include "engine/LiveCount.h"
#include "engine/LiveCountWorker.h"
#include "engine/PairsFile.h"
#include "engine/RepetitionBan.h"
#include "engine/RunContext.h"
#include "engine/RunData.h"
#include "engine/SelectionControls.h"
#include "engine/SelectionFile.h"
#include "engine/SubsetIndex.h"
#include "support/ModuleTests.h"
#include "support/RandomColumns.h"
#include "support/StateRanges.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <mutex>
#include <random>
#include <sstream>
#include <tuple>

using namespace velmorix;
using namespace velmorix::test;

// The mask of the given balls.
inline ColumnMask balls(std::initializer_list<int> list) {
    ColumnMask m = 0;
    for (int b : list)
        m |= ColumnMask{1} << b;
    return m;
}
