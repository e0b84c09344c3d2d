// A text of the report as data: fixed words joined with the window's texts, each of these prepared
// by its rule before joining ("+" joins without a separator of its own).
#pragma once

#include "report/report_source.h"

#include <array>
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>

namespace zeltar::report {

enum class PieceKind {
    Fixed,    // the text itself
    Number,   // a numeric or marker field of the window, blanks removed ("  12,5" -> "12,5")
    List,     // a list's selected text, trailing blanks removed ("Абакан    " -> "Абакан")
    AsShown,  // a caption or header field, exactly as the window shows it
    Turnover, // the daily turnover by room type
};

struct Piece {
    PieceKind kind = PieceKind::Fixed;
    std::string_view text; // Fixed: the text
    Control control{};     // Number, List, AsShown: the control whose text it is
};

// clang-format off
constexpr Piece Fixed(std::string_view text) { return {PieceKind::Fixed, text}; }
constexpr Piece Number(Control control) { return {PieceKind::Number, {}, control}; }
constexpr Piece List(Control control) { return {PieceKind::List, {}, control}; }
constexpr Piece AsShown(Control control) { return {PieceKind::AsShown, {}, control}; }
constexpr Piece Turnover() { return {PieceKind::Turnover, {}, {}}; }
// clang-format on

inline constexpr std::size_t kMaxPieces = 6;

struct Phrase {
    std::array<Piece, kMaxPieces> pieces{};
    std::size_t count = 0;
};

template <typename... Pieces>
requires(std::same_as<Pieces, Piece>&&...) constexpr Phrase Join(Pieces... pieces)
{
    static_assert(sizeof...(Pieces) <= kMaxPieces, "a phrase holds at most kMaxPieces pieces");
    return Phrase{{pieces...}, sizeof...(Pieces)};
}
constexpr Phrase Join(std::string_view fixedText)
{
    return Join(Fixed(fixedText));
}

// Room types whose daily turnover is a storage rate; the processing rooms (entries 2 to 5) have
// none.
bool TurnoverIsNormalised(int roomType);

// The daily turnover text: "10 %   =  3,5 т/сут", or "значение не нормировано".
std::string TurnoverText(const ReportSource& source);

// The phrase's text for the window's current texts.
std::string Resolve(const Phrase& phrase, const ReportSource& source);

} // namespace zeltar::report
