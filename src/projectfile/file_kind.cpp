#include "projectfile/file_kind.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace zeltar::projectfile {

namespace {

using namespace std::string_view_literals;

// How far into a file its kind is judged: enough for any signature and a fair sample of its bytes.
constexpr std::size_t kSampleBytes = 4096;

struct Signature {
    std::string_view bytes;
    std::string_view what;
};

// Formats a user may pick by mistake in a file dialog, by the bytes they begin with.
constexpr std::array kSignatures{
    Signature{"%PDF-", "документ PDF"},
    Signature{"\x89PNG\r\n\x1A\n", "изображение PNG"},
    Signature{"\xFF\xD8\xFF", "изображение JPEG"},
    Signature{"GIF87a", "изображение GIF"},
    Signature{"GIF89a", "изображение GIF"},
    Signature{"BM", "изображение BMP"},
    Signature{"II*\0"sv, "изображение TIFF"},
    Signature{"MM\0*"sv, "изображение TIFF"},
    Signature{"PK\x03\x04", "архив ZIP или документ, сохранённый в нём (docx, xlsx, odt)"},
    Signature{"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", "документ текстового редактора или таблица (doc, xls)"},
    Signature{"Rar!", "архив RAR"},
    Signature{"7z\xBC\xAF\x27\x1C", "архив 7z"},
    Signature{"\x1F\x8B", "сжатый файл gzip"},
    Signature{"\x7F"
              "ELF",
              "программа"},
    Signature{"MZ", "программа"},
    Signature{"{\\rtf", "документ RTF"},
};

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// A text in UTF-16 without a mark: most characters of a project or note are ASCII, whose high
// byte is 0, so at least this share of the even (big-endian) or odd (little-endian) bytes is 0.
constexpr double kUtf16ZeroShare = 0.3;
// Control bytes other than TAB, CR, LF (and the end-of-file mark of old editors) are rare in any
// text: a project holds none. From this share of the sample on, the file is taken for data.
constexpr double kBinaryControlShare = 1.0 / 32;
constexpr unsigned char kOldEndOfFile = 0x1A;

bool IsTextControl(unsigned char b)
{
    return b == '\t' || b == '\r' || b == '\n' || b == kOldEndOfFile;
}

std::optional<std::string_view> Utf16WithoutMark(std::string_view sample)
{
    std::array<std::size_t, 2> zeros{};
    for (std::size_t i = 0; i < sample.size(); ++i)
        if (sample[i] == '\0')
            ++zeros[i % 2];
    const double half = static_cast<double>(sample.size() / 2);
    if (half < 1)
        return std::nullopt;
    if (static_cast<double>(zeros[1]) >= kUtf16ZeroShare * half && zeros[0] * 4 < zeros[1])
        return "UTF-16 LE";
    if (static_cast<double>(zeros[0]) >= kUtf16ZeroShare * half && zeros[1] * 4 < zeros[0])
        return "UTF-16 BE";
    return std::nullopt;
}

bool LooksLikeData(std::string_view sample)
{
    const auto controls = std::count_if(sample.begin(), sample.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && !IsTextControl(b)) || b == 0x7F;
    });
    return !sample.empty() && static_cast<double>(controls) >= kBinaryControlShare * static_cast<double>(sample.size());
}

// The first line without a UTF-8 mark and leading blanks.
std::string_view FirstLine(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8ByteOrderMark))
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    const std::size_t start = std::min(bytes.find_first_not_of(" \t"), bytes.size());
    bytes.remove_prefix(start);
    return bytes.substr(0, bytes.find_first_of("\r\n"));
}

constexpr std::string_view kNotAProject = "Файл не является файлом проекта ЗЕЛТАР: ";

} // namespace

RecognizedFile RecognizeFile(std::string_view bytes)
{
    if (FirstLine(bytes).starts_with(kObjectFileMark))
        return {FileKind::ObjectFile, ""};
    if (FirstLine(bytes).starts_with(kOwnProjectFileMark))
        return {FileKind::OwnProject, ""};
    if (bytes.starts_with(kUtf16LeMark))
        return {FileKind::Utf16, "UTF-16 LE"};
    if (bytes.starts_with(kUtf16BeMark))
        return {FileKind::Utf16, "UTF-16 BE"};
    for (const Signature& signature : kSignatures)
        if (bytes.starts_with(signature.bytes))
            return {FileKind::Binary, signature.what};
    const std::string_view sample = bytes.substr(0, kSampleBytes);
    if (const std::optional<std::string_view> utf16 = Utf16WithoutMark(sample))
        return {FileKind::Utf16, *utf16};
    if (LooksLikeData(sample))
        return {FileKind::Binary, "двоичные данные, не текст"};
    return {};
}

std::optional<FileProblem> RefuseOtherFileKind(std::string_view bytes)
{
    const RecognizedFile file = RecognizeFile(bytes);
    switch (file.kind) {
    case FileKind::Project: return std::nullopt;
    case FileKind::OwnProject:
        return FileProblem{0,
                           "Файл — проект ЗЕЛТАР в собственном формате (*.zlp), а здесь читается файл "
                           "проекта из 131 строки (*.zlt)."};
    case FileKind::ObjectFile:
        return FileProblem{0, std::string(kNotAProject) +
                                  "это файл объекта (*.zlo) — список камер для сводки по объекту, а не проект "
                                  "одной камеры."};
    case FileKind::Utf16:
        return FileProblem{0, "Файл записан в кодировке " + std::string(file.what) +
                                  ", а файл проекта должен быть в кодировке Windows-1251. Сохраните его в "
                                  "кодировке Windows-1251 (Кириллица Windows) и откройте снова."};
    case FileKind::Binary: return FileProblem{0, std::string(kNotAProject) + "это " + std::string(file.what) + "."};
    }
    return std::nullopt;
}

} // namespace zeltar::projectfile
