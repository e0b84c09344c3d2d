// zeltar-cli calc [--format text|csv|json] FILE...: load each project into a freshly started
// program exactly as the window's load command does, and print every value the recalculation
// writes, sorted by NAME, texts as the window shows them.
#include "batch_output.h"
#include "cli_support.h"
#include "commands.h"

#include "app/form_model.h"
#include "app/result_controls.h"
#include "object/parallel_load.h"
#include "object/summary_row.h"

#include <algorithm>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace zeltar::cli {

namespace {

constexpr const char* kCalcUsage =
    "Usage: zeltar-cli calc [--format text|csv|json] FILE.zlt...\n"
    "\n"
    "Loads each project file into a freshly started program, runs the recalculation once and prints\n"
    "every result field, sorted by NAME (byte order). NAME is the parameter name with its row\n"
    "suffix, TEXT the field's text as the window shows it. Three more results give the warning\n"
    "colours of the temperature fields (NAME.Color, red or white).\n"
    "\n"
    "  --format text  one line per result, NAME<TAB>TEXT; with several files each line begins with\n"
    "                 the file's path and a TAB (the default)\n"
    "  --format csv   a header line 'file;NAME;...', then one line per file; texts without the\n"
    "                 display blanks, decimal comma, ';' between fields, RFC 4180 quoting, UTF-8\n"
    "  --format json  an array of {\"file\": ..., \"results\": {NAME: TEXT, ...}} or\n"
    "                 {\"file\": ..., \"error\": ...}\n"
    "\n"
    "A file that cannot be read or is not a sound project is named on standard error; the other\n"
    "files are still processed.\n"
    "\n"
    "Exit status: 0 when every file loaded, 1 when a file was refused (or the output could not be\n"
    "written), 2 on a usage error.\n";

// Files loaded side by side before their results are printed in order: enough to keep every core
// busy, few enough that a thousand files need little memory.
constexpr std::size_t kFilesPerBatch = 64;

struct FileResults {
    std::string file;
    bool loaded = false;
    std::vector<std::string> messages; // for stderr, each naming the file
    std::string error;                 // every message of a refused load, one per line
    std::vector<calc::ListingLine> results;
};

FileResults Calculate(const std::string& file)
{
    FileResults out;
    out.file = file;
    try {
        FormModel model(Today());
        out.loaded = model.loadProject({true, file});
        out.messages = model.takeErrors();
        if (out.loaded)
            out.results = ResultListingOf(model);
    } catch (const std::exception& e) {
        out.loaded = false;
        out.messages.push_back(file + ": " + e.what());
    }
    if (!out.loaded) {
        for (const std::string& message : out.messages)
            out.error += (out.error.empty() ? "" : "\n") + message;
    }
    return out;
}

// Prints the results file by file in the order given, each batch as soon as it is loaded.
class Printer {
public:
    Printer(OutputFormat format, bool severalFiles) : format_(format), severalFiles_(severalFiles)
    {
        if (format_ == OutputFormat::Csv) {
            std::vector<std::string> header{"file"};
            const std::vector<std::string>& names = object::ResultListingNames();
            header.insert(header.end(), names.begin(), names.end());
            write(CsvLine(header));
        }
        if (format_ == OutputFormat::Json)
            write("[");
    }

    void print(const FileResults& r)
    {
        for (const std::string& message : r.messages)
            std::fprintf(stderr, "zeltar-cli calc: %s\n", message.c_str());
        switch (format_) {
        case OutputFormat::Text: write(text(r)); break;
        case OutputFormat::Csv: write(csv(r)); break;
        case OutputFormat::Json: write(json(r)); break;
        }
        ++count_;
    }

    void finish()
    {
        if (format_ == OutputFormat::Json)
            write(count_ == 0 ? "]\n" : "\n]\n");
    }

private:
    static void write(const std::string& out) { std::fwrite(out.data(), 1, out.size(), stdout); }

    std::string text(const FileResults& r) const
    {
        std::string out;
        const std::string prefix = severalFiles_ ? r.file + '\t' : std::string();
        for (const calc::ListingLine& line : r.results)
            out.append(prefix).append(line.name).append("\t").append(line.text).push_back('\n');
        return out;
    }

    // A refused file keeps its line, with empty texts. The columns are the header's: the results
    // only some projects list (the extensions') have none, so every row keeps them aligned.
    static std::string csv(const FileResults& r)
    {
        const std::vector<std::string>& columns = object::ResultListingNames();
        std::vector<std::string> row{r.file};
        for (const calc::ListingLine& line : r.results)
            if (std::binary_search(columns.begin(), columns.end(), line.name))
                row.push_back(object::WithoutDisplayBlanks(line.text));
        row.resize(object::ResultListingNames().size() + 1);
        return CsvLine(row);
    }

    std::string json(const FileResults& r) const
    {
        return (count_ == 0 ? "\n" : ",\n") + JsonFileObject(r.file, r.loaded ? &r.results : nullptr, r.error);
    }

    OutputFormat format_;
    bool severalFiles_;
    int count_ = 0;
};

} // namespace

int RunCalc(const std::vector<std::string>& args)
{
    if (AsksForHelp(args)) {
        std::fputs(kCalcUsage, stdout);
        return 0;
    }
    OutputFormat format = OutputFormat::Text;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--format") {
            const auto chosen = i + 1 < args.size() ? ParseOutputFormat(args[++i]) : std::nullopt;
            if (!chosen) {
                std::fprintf(stderr, "zeltar-cli calc: --format takes text, csv or json\n\n%s", kCalcUsage);
                return 2;
            }
            format = *chosen;
        } else if (args[i] == "--") {
            files.insert(files.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        } else if (args[i].starts_with("--")) {
            std::fprintf(stderr, "zeltar-cli calc: unknown option '%s'\n\n%s", args[i].c_str(), kCalcUsage);
            return 2;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.empty()) {
        std::fputs(kCalcUsage, stderr);
        return 2;
    }
    Printer printer(format, files.size() > 1);
    bool allLoaded = true;
    std::vector<FileResults> batch;
    for (std::size_t first = 0; first < files.size(); first += kFilesPerBatch) {
        batch.assign(std::min(kFilesPerBatch, files.size() - first), FileResults{});
        object::ForEachInParallel(batch.size(), [&](std::size_t i) { batch[i] = Calculate(files[first + i]); });
        for (const FileResults& results : batch) {
            allLoaded = allLoaded && results.loaded;
            printer.print(results);
        }
    }
    printer.finish();
    return std::fflush(stdout) == 0 && allLoaded ? 0 : 1;
}

} // namespace zeltar::cli
