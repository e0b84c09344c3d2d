// Why a control shows its warning colour, and what the warned input does to the results: the texts
// of the tooltips and messages of the red fields and lists.
#pragma once

#include "app/form_model.h"

#include <string>
#include <string_view>
#include <vector>

namespace zeltar {

// Goods entering warmer than they leave are cooled the wrong way.
inline constexpr std::string_view kGoodsWarmedWarning =
    "Температура поступающего груза ниже конечной: Q2 отрицательный и уменьшает Q сум.";
// A room warmer than the goods' final temperature cannot cool them to it.
inline constexpr std::string_view kRoomWarmerWarning =
    "Температура в камере выше конечной температуры груза: камера не охладит груз до неё, Q2 завышен.";
// Packaged goods do not hang on rails.
inline constexpr std::string_view kPackagedOnRailsWarning =
    "Груз в таре выбран для камеры с подвесными путями: тара здесь не учитывается (доля тары 0 %), "
    "Q2 рассчитан без неё.";

// The reasons a control in `color` shows its warning for the project `state`: one text a reason,
// empty when the control shows no warning (not red, or red for none of the known reasons).
std::vector<std::string> WarningTexts(const ProjectState& state, Control control, ControlColor color);

} // namespace zeltar
