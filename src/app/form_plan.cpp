// The plan's compass button and the ten sun and outside/inside tiles: they change the orientation
// or a surface flag and what the plan and tiles write (directions, texts, outer coefficients), and
// the results follow at once.
#include "app/form_impl.h"

#include "app/form_rows.h"
#include "model/surface_tiles.h"
#include "plan/compass.h"

namespace zeltar {

namespace {

enum class TileKind { Sun, Facing };

struct Tile {
    Control paintBox;
    int row;
    TileKind kind;
};

constexpr Tile kTiles[]{
    {Control::SunTileA, WallA, TileKind::Sun},         {Control::SunTileB, WallB, TileKind::Sun},
    {Control::SunTileC, WallC, TileKind::Sun},         {Control::SunTileD, WallD, TileKind::Sun},
    {Control::SunTileCeiling, Ceiling, TileKind::Sun}, {Control::FacingTileA, WallA, TileKind::Facing},
    {Control::FacingTileB, WallB, TileKind::Facing},   {Control::FacingTileC, WallC, TileKind::Facing},
    {Control::FacingTileD, WallD, TileKind::Facing},   {Control::FacingTileCeiling, Ceiling, TileKind::Facing},
};

int& FlagOf(ProjectState& state, const Tile& tile)
{
    EnclosureRow& row = state.rows[static_cast<std::size_t>(tile.row)];
    return tile.kind == TileKind::Sun ? row.sunlit : row.outsideFacing;
}

} // namespace

void FormModel::Impl::turnCompass()
{
    state.planOrientation = plan::TurnedOrientation(state.planOrientation);
    showWallDirections();
    recalculate();
}

void FormModel::Impl::showWallDirections()
{
    // Drawing the plan brings an orientation of 360° or more back by one turn.
    state.planOrientation = plan::NormalizedOrientation(state.planOrientation);
    if (state.planOrientation != drawnOrientation) {
        drawnOrientation = state.planOrientation;
        change(Control::Plan); // the plan draws the orientation of the project record
    }
    const auto directions = plan::WallDirections(state.planOrientation);
    for (int wall = WallA; wall <= WallD; ++wall) {
        const auto w = static_cast<std::size_t>(wall);
        state.rows[w].facing = directions[w];
        setText(*kWallDirectionFields[w], std::string(plan::DirectionText(directions[w])));
    }
}

void FormModel::Impl::showTiles()
{
    for (const Tile& tile : kTiles) {
        const int flag = FlagOf(state, tile);
        const auto row = static_cast<std::size_t>(tile.row);
        setIndex(tile.paintBox, flag);
        if (tile.kind == TileKind::Sun) {
            setText(*kSunlitTexts[row], std::string(SunTextFor(flag)));
        } else {
            const std::string text(FacingTextFor(flag));
            setText(*kOutsideFacingTexts[row], text);
            setText(*kOutsideFacingCopies[row], text);
            state.rows[static_cast<std::size_t>(tile.row)].outerSurfaceCoefficient = OuterCoefficientFor(flag);
        }
    }
}

bool FormModel::Impl::clickTile(Control paintBox)
{
    for (const Tile& tile : kTiles) {
        if (tile.paintBox != paintBox)
            continue;
        int& flag = FlagOf(state, tile);
        flag = flag == 1 ? 0 : 1;
        showTiles();
        recalculate();
        return true;
    }
    return false;
}

} // namespace zeltar
