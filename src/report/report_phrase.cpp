#include "report/report_phrase.h"

#include "fields/number_text.h"
#include "refdata/room_types.h"

namespace zeltar::report {

namespace {

constexpr std::string_view kTurnoverNotNormalised = "значение не нормировано";

std::string PieceText(const Piece& piece, const ReportSource& source)
{
    switch (piece.kind) {
    case PieceKind::Fixed: return std::string(piece.text);
    case PieceKind::Number: return fields::StripBlanks(source.text(piece.control));
    case PieceKind::List: return fields::TrimTrailingBlanks(source.text(piece.control));
    case PieceKind::AsShown: return source.text(piece.control);
    case PieceKind::Turnover: return TurnoverText(source);
    }
    return {};
}

} // namespace

bool TurnoverIsNormalised(int roomType)
{
    // The processing rooms (chambers and meat on rails) have no normalised daily turnover.
    return !refdata::IsRoomType(roomType) || refdata::GroupOf(roomType) == refdata::RoomGroup::Store;
}

std::string TurnoverText(const ReportSource& source)
{
    if (!TurnoverIsNormalised(source.roomType()))
        return std::string(kTurnoverNotNormalised);
    return Resolve(
        Join(Number(Control::DailyTurnoverPercent), Fixed(" %   =  "), Number(Control::DailyTurnover), Fixed(" т/сут")),
        source);
}

std::string Resolve(const Phrase& phrase, const ReportSource& source)
{
    std::string text;
    for (std::size_t i = 0; i < phrase.count; ++i)
        text += PieceText(phrase.pieces[i], source);
    return text;
}

} // namespace zeltar::report
