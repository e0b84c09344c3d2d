#include "object/object_model.h"

#include "fields/number_text.h"
#include "files/file_names.h"
#include "object/parallel_load.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace zeltar::object {

namespace {

constexpr std::string_view kNewObjectName = "Новый объект";
constexpr std::string_view kNewObjectPdfName = "Сводка.pdf";

std::filesystem::path PathOf(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).lexically_normal();
}

std::string WorkingFolder()
{
    std::error_code ec;
    const std::u8string bytes = std::filesystem::current_path(ec).generic_u8string();
    return std::string(bytes.begin(), bytes.end());
}

// Whether `value` is the option's current value or the value its field shows (a factor of 0,855
// shows as «0,86»): committing the field unchanged is no change of the object.
bool IsShownValue(double value, double option, std::string (*shownText)(double))
{
    return value == option || ParseOptionNumber(shownText(option)) == value;
}

bool IsIndex(int index, std::size_t count)
{
    return index >= 0 && static_cast<std::size_t>(index) < count;
}

} // namespace

ObjectModel::ObjectModel()
{
    clear();
}

void ObjectModel::clear()
{
    document_ = ObjectDocument{};
    document_.name = std::string(kNewObjectName);
    filePath_.clear();
    modified_ = false;
    summary_ = Summarize(document_.name, document_.options, {});
    savedDocument_ = document_;
    undoSteps_.clear();
    redoSteps_.clear();
}

std::string ObjectModel::folder() const
{
    return filePath_.empty() ? WorkingFolder() : FolderOf(filePath_);
}

bool ObjectModel::open(const std::string& path)
{
    auto read = ReadObjectFile(path);
    if (auto* error = std::get_if<FileError>(&read)) {
        messages_.push_back(std::move(error->message));
        return false;
    }
    ParsedObject& parsed = std::get<ParsedObject>(read);
    for (std::string& warning : parsed.warnings)
        messages_.push_back(std::move(warning));
    document_ = std::move(parsed.document);
    filePath_ = path;
    modified_ = false;
    summary_ = SummarizeObject(document_, folder());
    savedDocument_ = document_;
    undoSteps_.clear();
    redoSteps_.clear();
    return true;
}

bool ObjectModel::save()
{
    if (filePath_.empty()) {
        messages_.push_back("Объект ещё не сохранён в файл: выберите имя файла.");
        return false;
    }
    return saveAs(filePath_);
}

bool ObjectModel::saveAs(const std::string& path)
{
    if (auto error = WriteObjectFile(path, document_)) {
        messages_.push_back(std::move(error->message));
        return false;
    }
    // A new object gets its folder only now; a saved one may move to another.
    const bool movedFolder = filePath_.empty() || FolderOf(path) != folder();
    filePath_ = path;
    modified_ = false;
    savedDocument_ = document_;
    if (movedFolder) {
        // The rows show their paths relative to the new folder.
        for (SummaryRow& row : summary_.rows) {
            row.listedPath = RelativeRoomPath(folder(), row.path);
            row.leavesFolder = LeavesFolder(folder(), row.path);
        }
    }
    return true;
}

void ObjectModel::setName(const std::string& name)
{
    if (name == document_.name)
        return;
    remember();
    document_.name = name;
    modified_ = true;
    resummarize();
}

bool ObjectModel::setLevelBoundary(double celsius)
{
    return setOption(document_.options.levelBoundaryCelsius, celsius, kLowestLevelBoundaryCelsius,
                     kHighestLevelBoundaryCelsius, fields::FormatGeneral);
}

bool ObjectModel::setSimultaneityFactor(double factor)
{
    return setOption(document_.options.simultaneityFactor, factor, kLowestSimultaneityFactor,
                     kHighestSimultaneityFactor, SimultaneityFactorText);
}

bool ObjectModel::setOption(double& option, double value, double lowest, double highest,
                            std::string (*shownText)(double))
{
    if (!(value >= lowest && value <= highest))
        return false;
    if (!IsShownValue(value, option, shownText)) {
        remember();
        option = value;
        modified_ = true;
        resummarize();
    }
    return true;
}

int ObjectModel::addRooms(const std::vector<std::string>& paths)
{
    const int first = roomCount();
    if (!paths.empty())
        remember();
    const std::string working = WorkingFolder();
    for (const std::string& path : paths)
        document_.rooms.push_back({AbsoluteRoomPath(working, path), ""});
    summary_.rows.resize(document_.rooms.size());
    ForEachInParallel(paths.size(),
                      [&](std::size_t i) { summary_.rows[first + i] = loadRow(first + static_cast<int>(i)); });
    if (!paths.empty()) {
        modified_ = true;
        resummarize();
    }
    return first;
}

void ObjectModel::removeRoom(int index)
{
    if (!IsIndex(index, document_.rooms.size()))
        return;
    remember();
    document_.rooms.erase(document_.rooms.begin() + index);
    summary_.rows.erase(summary_.rows.begin() + index);
    modified_ = true;
    resummarize();
}

bool ObjectModel::moveRoom(int from, int to)
{
    if (!IsIndex(from, document_.rooms.size()) || !IsIndex(to, document_.rooms.size()))
        return false;
    if (from == to)
        return true;
    remember();
    const auto rotate = [from, to](auto& list) {
        if (from < to)
            std::rotate(list.begin() + from, list.begin() + from + 1, list.begin() + to + 1);
        else
            std::rotate(list.begin() + to, list.begin() + from, list.begin() + from + 1);
    };
    rotate(document_.rooms);
    rotate(summary_.rows);
    modified_ = true;
    resummarize();
    return true;
}

void ObjectModel::setDisplayName(int index, const std::string& displayName)
{
    if (!IsIndex(index, document_.rooms.size()) || document_.rooms[index].displayName == displayName)
        return;
    remember();
    document_.rooms[index].displayName = displayName;
    SummaryRow& row = summary_.rows[index];
    row.roomName = displayName.empty() ? RoomNameFromPath(row.path) : displayName;
    row.texts[static_cast<int>(SummaryColumn::RoomName)] = row.roomName;
    modified_ = true;
    resummarize();
}

void ObjectModel::removeRooms(std::vector<int> indices)
{
    std::erase_if(indices, [this](int index) { return !IsIndex(index, document_.rooms.size()); });
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    if (indices.empty())
        return;
    remember();
    for (auto it = indices.rbegin(); it != indices.rend(); ++it) {
        document_.rooms.erase(document_.rooms.begin() + *it);
        summary_.rows.erase(summary_.rows.begin() + *it);
    }
    modified_ = true;
    resummarize();
}

void ObjectModel::remember()
{
    undoSteps_.push_back(document_);
    if (undoSteps_.size() > kHistoryDepth)
        undoSteps_.erase(undoSteps_.begin());
    redoSteps_.clear();
}

bool ObjectModel::undo()
{
    if (undoSteps_.empty())
        return false;
    ObjectDocument before = std::move(undoSteps_.back());
    undoSteps_.pop_back();
    redoSteps_.push_back(document_);
    showDocument(std::move(before));
    return true;
}

bool ObjectModel::redo()
{
    if (redoSteps_.empty())
        return false;
    ObjectDocument after = std::move(redoSteps_.back());
    redoSteps_.pop_back();
    undoSteps_.push_back(document_);
    showDocument(std::move(after));
    return true;
}

void ObjectModel::showDocument(ObjectDocument document)
{
    std::vector<ObjectRoom> listed = std::move(document_.rooms);
    std::vector<SummaryRow> rows = std::move(summary_.rows);
    document_ = std::move(document);
    summary_.rows.assign(document_.rooms.size(), SummaryRow{});
    std::vector<std::size_t> toLoad;
    for (std::size_t i = 0; i < document_.rooms.size(); ++i) {
        const ObjectRoom& room = document_.rooms[i];
        const auto still =
            std::find_if(listed.begin(), listed.end(), [&room](const ObjectRoom& r) { return r.path == room.path; });
        if (still == listed.end()) {
            toLoad.push_back(i);
            continue;
        }
        SummaryRow& row = summary_.rows[i] = rows[static_cast<std::size_t>(still - listed.begin())];
        row.roomName = room.displayName.empty() ? RoomNameFromPath(row.path) : room.displayName;
        row.texts[static_cast<int>(SummaryColumn::RoomName)] = row.roomName;
    }
    ForEachInParallel(toLoad.size(),
                      [&](std::size_t i) { summary_.rows[toLoad[i]] = loadRow(static_cast<int>(toLoad[i])); });
    modified_ = !(document_ == savedDocument_);
    resummarize();
}

bool ObjectModel::renameRoom(int index, const std::string& typed)
{
    if (!IsIndex(index, document_.rooms.size()) || typed == document_.rooms[index].displayName ||
        (!typed.empty() && typed == summary_.rows[index].roomName))
        return false;
    setDisplayName(index, typed);
    return true;
}

const std::string& ObjectModel::roomPath(int index) const
{
    return document_.rooms.at(static_cast<std::size_t>(index)).path;
}

std::vector<int> ObjectModel::rowsOfFile(const std::string& path) const
{
    std::error_code ec;
    const auto identity = [&ec](const std::string& p) {
        return std::filesystem::weakly_canonical(std::filesystem::path(std::u8string(p.begin(), p.end())), ec);
    };
    const std::filesystem::path wanted = identity(AbsoluteRoomPath(WorkingFolder(), path));
    std::vector<int> rows;
    for (int i = 0; i < roomCount(); ++i) {
        if (identity(document_.rooms[i].path) == wanted)
            rows.push_back(i);
    }
    return rows;
}

std::vector<int> ObjectModel::reloadRoomsAt(const std::string& changedPath)
{
    std::filesystem::path changed = PathOf(changedPath);
    if (changed.has_parent_path() && !changed.has_filename())
        changed = changed.parent_path(); // a folder named with a trailing slash
    std::vector<int> rows;
    for (int i = 0; i < roomCount(); ++i) {
        const std::filesystem::path file = PathOf(document_.rooms[i].path);
        if (file == changed || file.parent_path() == changed)
            rows.push_back(i);
    }
    for (int row : rows)
        reloadRoom(row);
    return rows;
}

std::string ObjectModel::proposedPdfPath() const
{
    if (filePath_.empty())
        return files::JoinPath(folder(), kNewObjectPdfName);
    return files::WithExtension(filePath_, files::kPdfExtension);
}

void ObjectModel::reloadRoom(int index)
{
    if (!IsIndex(index, document_.rooms.size()))
        return;
    summary_.rows[index] = loadRow(index);
    resummarize();
}

void ObjectModel::reloadAll()
{
    ForEachInParallel(summary_.rows.size(), [&](std::size_t i) { summary_.rows[i] = loadRow(static_cast<int>(i)); });
    resummarize();
}

std::vector<std::string> ObjectModel::takeMessages()
{
    return std::exchange(messages_, {});
}

SummaryRow ObjectModel::loadRow(int index) const
{
    const ObjectRoom& room = document_.rooms[index];
    const std::string objectFolder = folder();
    SummaryRow row = LoadSummaryRow(index + 1, room.path, RelativeRoomPath(objectFolder, room.path), room.displayName,
                                    document_.options.levelBoundaryCelsius);
    // A new object has no folder yet: no room lies outside it.
    row.leavesFolder = !filePath_.empty() && LeavesFolder(objectFolder, room.path);
    return row;
}

void ObjectModel::resummarize()
{
    std::vector<SummaryRow> rows = std::move(summary_.rows);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].number = static_cast<int>(i) + 1;
        rows[i].texts[static_cast<int>(SummaryColumn::Number)] = std::to_string(i + 1);
    }
    MarkRepeatedFiles(rows);
    summary_ = Summarize(document_.name, document_.options, std::move(rows));
}

std::string SimultaneityFactorCaption()
{
    return "Коэффициент одновременности (" + SimultaneityFactorText(kLowestSimultaneityFactor) + "..." +
           SimultaneityFactorText(kHighestSimultaneityFactor) + "):";
}

std::string LevelBoundaryRefusal(std::string_view typed)
{
    return "Граница уровней: «" + std::string(typed) + "» — не температура от " +
           fields::FormatGeneral(kLowestLevelBoundaryCelsius) + " до " +
           fields::FormatGeneral(kHighestLevelBoundaryCelsius) + " °C.";
}

std::string SimultaneityFactorRefusal(std::string_view typed)
{
    return "Коэффициент одновременности: «" + std::string(typed) + "» — не число от " +
           SimultaneityFactorText(kLowestSimultaneityFactor) + " до " +
           SimultaneityFactorText(kHighestSimultaneityFactor) + ".";
}

} // namespace zeltar::object
