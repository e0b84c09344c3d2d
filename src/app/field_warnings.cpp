#include "app/field_warnings.h"

#include "refdata/room_types.h"

namespace zeltar {

namespace {

bool GoodsWarmed(const ProjectState& s)
{
    return s.productInletTemperature < s.productFinalTemperature;
}

bool RoomWarmerThanGoods(const ProjectState& s)
{
    return s.roomTemperature > s.productFinalTemperature;
}

} // namespace

std::vector<std::string> WarningTexts(const ProjectState& state, Control control, ControlColor color)
{
    if (color != ControlColor::Red)
        return {};
    std::vector<std::string> texts;
    switch (control) {
    case Control::ProductInletTemperature:
        if (GoodsWarmed(state))
            texts.emplace_back(kGoodsWarmedWarning);
        break;
    case Control::ProductFinalTemperature:
        if (GoodsWarmed(state))
            texts.emplace_back(kGoodsWarmedWarning);
        if (RoomWarmerThanGoods(state))
            texts.emplace_back(kRoomWarmerWarning);
        break;
    case Control::RoomTemperature:
        if (RoomWarmerThanGoods(state))
            texts.emplace_back(kRoomWarmerWarning);
        break;
    case Control::Product:
    case Control::PackagingMaterial:
        // The colour is set when the product is chosen and kept (and saved) as it is.
        texts.emplace_back(kPackagedOnRailsWarning);
        break;
    default: break;
    }
    return texts;
}

} // namespace zeltar
