#include "AllWindows.h"

#include "analysis/AnalysisWindows.h"
#include "balls/BallWindows.h"
#include "common/WindowRegistry.h"
#include "editors/EditorWindows.h"
#include "filters/FilterWindows.h"
#include "lists/ListWindows.h"
#include "main/MainWindows.h"
#include "methods/MethodWindows.h"
#include "print/PrintWindows.h"

namespace velmorix {

void registerAllWindows(WindowRegistry& registry) {
    // Each group of windows adds its registration here.
    (void)registry;
    registerMainWindows(registry);
    registerBallWindows(registry);
    registerEditorWindows(registry);
    registerFilterWindows(registry);
    registerListWindows(registry);
    registerPrintWindows(registry);
    registerAnalysisWindows(registry);
    registerMethodWindows(registry);
}

} // namespace velmorix
