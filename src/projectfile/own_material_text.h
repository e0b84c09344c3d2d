// An own material as a value of the own project file: «name; conductivity; solar factor», e.g.
// «сэндвич-панель PIR; 0,022; 1». The name runs to the last but one semicolon, so it may hold one.
#pragma once

#include "model/project_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeltar::projectfile::detail {

std::string OwnMaterialText(const OwnMaterial& material);

// The material, or what is wrong with the value (a Russian phrase without the key).
struct ParsedOwnMaterial {
    std::optional<OwnMaterial> material;
    std::string problem;
};
ParsedOwnMaterial ParseOwnMaterial(std::string_view value);

// What is wrong with the name of own material `index` (0-based): empty, a line break, not UTF-8,
// the name of a built-in material of a list it joins, or of an earlier own material. "" when sound.
std::string OwnMaterialNameProblem(const std::vector<OwnMaterial>& own, std::size_t index);

} // namespace zeltar::projectfile::detail
