#include "projectfile/own_material_text.h"

#include "projectfile/line_message.h"
#include "projectfile/line_table.h"
#include "projectfile/list_entry_names.h"

#include "fields/control_catalogue.h"
#include "fields/number_text.h"
#include "fields/utf8.h"

#include <algorithm>

namespace zeltar::projectfile::detail {

namespace {

constexpr std::string_view kSeparator = "; ";

bool IsUtf8(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();)
        if (!fields::NextCodePoint(text, pos))
            return false;
    return true;
}

std::optional<double> PositiveNumber(std::string_view text)
{
    const std::optional<double> value = fields::ParseDecimal(text);
    if (!value || *value <= 0 || *value > kLargestFieldMagnitude)
        return std::nullopt;
    return value;
}

} // namespace

std::string OwnMaterialText(const OwnMaterial& material)
{
    return material.name + std::string(kSeparator) + fields::ShortestText(material.conductivity) +
           std::string(kSeparator) + fields::ShortestText(material.solarFactor);
}

ParsedOwnMaterial ParseOwnMaterial(std::string_view value)
{
    const std::size_t last = value.rfind(';');
    const std::size_t middle =
        last == std::string_view::npos || last == 0 ? std::string_view::npos : value.rfind(';', last - 1);
    if (middle == std::string_view::npos)
        return {std::nullopt,
                "ожидается «название; теплопроводность; коэффициент поглощения солнечной радиации», "
                "а записано " +
                    Quoted(value)};
    OwnMaterial material;
    material.name = std::string(value.substr(0, middle));
    const auto trimmed = [](std::string_view text) {
        const std::size_t first = text.find_first_not_of(' ');
        return first == std::string_view::npos ? std::string_view{}
                                               : text.substr(first, text.find_last_not_of(' ') - first + 1);
    };
    const std::string_view conductivity = trimmed(value.substr(middle + 1, last - middle - 1));
    const std::string_view solarFactor = trimmed(value.substr(last + 1));
    const std::optional<double> lambda = PositiveNumber(conductivity);
    if (!lambda)
        return {std::nullopt, "теплопроводность " + Quoted(conductivity) + " должна быть числом больше 0"};
    const std::optional<double> factor = PositiveNumber(solarFactor);
    if (!factor)
        return {std::nullopt, "коэффициент поглощения " + Quoted(solarFactor) + " должен быть числом больше 0"};
    material.conductivity = *lambda;
    material.solarFactor = *factor;
    return {std::move(material), {}};
}

std::string OwnMaterialNameProblem(const std::vector<OwnMaterial>& own, std::size_t index)
{
    const std::string& name = own[index].name;
    if (!IsUtf8(name))
        return "название материала повреждено (не UTF-8)";
    if (fields::StripBlanks(name).empty())
        return "у материала нет названия";
    if (name.find_first_of("\r\n") != std::string::npos)
        return "название материала " + Quoted(name) + " содержит перевод строки";
    if (IsBuiltInMaterialName(name))
        return "название " + Quoted(name) + " уже есть во встроенных списках материалов";
    for (std::size_t i = 0; i < index; ++i)
        if (own[i].name == name)
            return "материал " + Quoted(name) + " уже назван под номером " + std::to_string(i + 1);
    return {};
}

} // namespace zeltar::projectfile::detail
