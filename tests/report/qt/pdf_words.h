// Words of a PDF page with their boxes in points, as `pdftotext -bbox` reports them.
#pragma once

#include <charconv>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

namespace zeltar::report::testing {

struct PdfWord {
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::string text;
};

struct PdfPage {
    double width = 0;
    double height = 0;
    int pages = 0;
    std::vector<PdfWord> words;

    // Words equal to `text`, in reading order.
    std::vector<PdfWord> find(const std::string& text) const
    {
        std::vector<PdfWord> found;
        for (const PdfWord& word : words) {
            if (word.text == text)
                found.push_back(word);
        }
        return found;
    }
};

// Locale-independent (a GUI application may switch the C locale to one with a decimal comma).
inline double Number(const std::string& text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

inline std::string RunAndRead(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t read = 0;
        while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, read);
        pclose(pipe);
    }
    return output;
}

inline std::string XmlUnescaped(std::string text)
{
    const std::pair<const char*, const char*> entities[] = {
        {"&quot;", "\""}, {"&apos;", "'"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities) {
        for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
            text.replace(at, std::string(entity).size(), character);
    }
    return text;
}

inline PdfPage ReadPdfWords(const std::string& pdfPath)
{
    const std::string html = RunAndRead("pdftotext -bbox '" + pdfPath + "' - 2>/dev/null");
    PdfPage page;
    const std::regex pageTag(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), pageTag); it != std::sregex_iterator(); ++it) {
        ++page.pages;
        page.width = Number((*it)[1]);
        page.height = Number((*it)[2]);
    }
    const std::regex wordTag(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), wordTag); it != std::sregex_iterator(); ++it) {
        page.words.push_back(
            {Number((*it)[1]), Number((*it)[2]), Number((*it)[3]), Number((*it)[4]), XmlUnescaped((*it)[5])});
    }
    return page;
}

// Points per layout unit of 1/300 inch.
inline constexpr double kPointsPerLayoutUnit = 72.0 / 300.0;

} // namespace zeltar::report::testing
