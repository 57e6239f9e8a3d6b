#include "GameSwitch.h"

#include "AppContext.h"
#include "core/AppState.h"
#include "core/DataDir.h"
#include "core/GameFolder.h"
#include "platform/ProgramStart.h"

#include <system_error>

namespace velmorix {

namespace {

void useFolder(AppContext& context, const Game& game, const std::filesystem::path& folder) {
    context.dir = DataDir(folder);
    // Dialogs that offer a file start in the game's folder.
    std::error_code ec;
    std::filesystem::current_path(folder, ec);
    context.state = AppState(game);
}

} // namespace

std::string enterGame(AppContext& context, const Game& game) {
    const std::filesystem::path base = baseFolderOf(context.dir.root(), context.state.game);
    if (std::string why = prepareGameFolder(base, game); !why.empty())
        return why;
    useFolder(context, game, gameFolderPath(base, game));
    rememberGameBalls(game.balls());
    return {};
}

std::string enterStartGame(AppContext& context, bool& fatal) {
    fatal = false;
    const FolderGame here = readFolderGame(context.dir);
    if (here.damaged) {
        fatal = true;
        return damagedMarkerText();
    }
    if (here.marked) {
        // Started in a game's own folder.
        useFolder(context, here.game, context.dir.root());
        return {};
    }
    const std::optional<Game> last = Game::withBalls(rememberedGameBalls());
    if (!last)
        return {};
    return enterGame(context, *last);
}

} // namespace velmorix
