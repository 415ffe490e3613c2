#include "game/BestTimes.h"

#include "platform/NumberFormat.h"

#include <filesystem>
#include <limits>
#include <vector>

namespace {

constexpr std::string_view Header = "Velmora best times 1";
// The file is a few lines; anything larger is not ours.
constexpr std::size_t MaxFileBytes = 4096;

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    while (!line.empty()) {
        const std::size_t end = line.find(' ');
        fields.push_back(line.substr(0, end));
        if (end == std::string_view::npos) break;
        line.remove_prefix(end + 1);
    }
    return fields;
}

} // namespace

std::int32_t TLevelRecord::AverageSeconds() const {
    if (Completed <= 0) return 0;
    return static_cast<std::int32_t>((TotalSeconds + Completed / 2) / Completed);
}

bool TBestTimes::AddCompletion(std::int32_t level, std::int32_t seconds) {
    if (level < 1 || level > 4 || seconds < 0) return false;
    TLevelRecord& record = Levels[static_cast<std::size_t>(level - 1)];
    if (record.Completed == std::numeric_limits<std::int32_t>::max()) return false;
    const bool best = record.Completed == 0 || seconds < record.BestSeconds;
    if (best) record.BestSeconds = seconds;
    ++record.Completed;
    record.TotalSeconds += seconds;
    return best;
}

// A header line, then one line per level: "<level> <best> <completed> <total seconds>".
std::string FormatBestTimes(const TBestTimes& times) {
    std::string text(Header);
    text += "\r\n";
    for (std::size_t i = 0; i < times.Levels.size(); ++i) {
        const TLevelRecord& record = times.Levels[i];
        platform::NumberFormat::AppendInteger(text, static_cast<std::int64_t>(i + 1));
        text += ' ';
        platform::NumberFormat::AppendInteger(text, record.BestSeconds);
        text += ' ';
        platform::NumberFormat::AppendInteger(text, record.Completed);
        text += ' ';
        platform::NumberFormat::AppendInteger(text, record.TotalSeconds);
        text += "\r\n";
    }
    return text;
}

std::optional<TBestTimes> ParseBestTimes(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        if (end == std::string_view::npos) return std::nullopt; // every line ends with CR LF
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    if (lines.size() != 5 || lines[0] != Header) return std::nullopt;
    TBestTimes times;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::vector<std::string_view> fields = Fields(lines[i + 1]);
        if (fields.size() != 4) return std::nullopt;
        const auto level = platform::NumberFormat::ParseInt32(fields[0]);
        const auto best = platform::NumberFormat::ParseInt32(fields[1]);
        const auto completed = platform::NumberFormat::ParseInt32(fields[2]);
        const auto total = platform::NumberFormat::ParseInt64(fields[3]);
        if (!level || !best || !completed || !total) return std::nullopt;
        if (*level != static_cast<std::int32_t>(i + 1) || *best < 0 || *completed < 0 || *total < 0)
            return std::nullopt;
        // The best of n games cannot exceed their total; no games means no time at all.
        if (*completed == 0 ? (*best != 0 || *total != 0) : *best > *total) return std::nullopt;
        times.Levels[i] = {*best, *completed, *total};
    }
    return times;
}

TBestTimesLoad LoadBestTimesFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) return {};
    std::string text;
    if (!platform::SafeFile::ReadAll(path, text, MaxFileBytes)) return {TBestTimes{}, true};
    const auto times = ParseBestTimes(text);
    if (!times) return {TBestTimes{}, true};
    return {*times, false};
}

platform::FileResult SaveBestTimesFile(const std::string& path, const TBestTimes& times) {
    return platform::SafeFile::WriteAll(path, FormatBestTimes(times));
}

std::string FormatMinutes(std::int32_t seconds) {
    std::string text;
    platform::NumberFormat::AppendInteger(text, seconds / 60, 2);
    text += ':';
    platform::NumberFormat::AppendInteger(text, seconds % 60, 2);
    return text;
}

std::string_view LevelName(std::int32_t level) {
    switch (level) {
    case 1:
        return "Easy";
    case 2:
        return "Medium";
    case 3:
        return "Hard";
    case 4:
        return "Extra Hard";
    default:
        return {};
    }
}
