// Sub-commands of zeltar-cli. Each takes the arguments after its name and returns the exit code.
#pragma once

#include <string>
#include <vector>

namespace zeltar::cli {

int RunCalc(const std::vector<std::string>& args);
int RunPlay(const std::vector<std::string>& args);
int RunReport(const std::vector<std::string>& args);
int RunSummary(const std::vector<std::string>& args);
int RunOverview(const std::vector<std::string>& args);
int RunExplain(const std::vector<std::string>& args);
int RunConvert(const std::vector<std::string>& args);

} // namespace zeltar::cli
