#include "table/SingleDummyBenchLog.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>
#include <unordered_set>

namespace corvane {

namespace {

void AppendTimes(std::string& out, const char* key, const std::vector<double>& times) {
    out += ", \"";
    out += key;
    out += "\": [";
    char number[32];
    for (std::size_t i = 0; i < times.size(); ++i) {
        std::snprintf(number, sizeof number, i == 0 ? "%.3f" : ", %.3f", times[i]);
        out += number;
    }
    out += ']';
}

// The text after `"key":`, spaces skipped; nothing when the key is missing.
std::optional<std::string_view> ValueOf(std::string_view line, std::string_view key) {
    const std::string quoted = "\"" + std::string(key) + "\"";
    const std::size_t at = line.find(quoted);
    if (at == std::string_view::npos) return std::nullopt;
    std::string_view rest = line.substr(at + quoted.size());
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    if (rest.empty() || rest.front() != ':') return std::nullopt;
    rest.remove_prefix(1);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    return rest;
}

bool ReadInt(std::string_view line, std::string_view key, int low, int high, int& value) {
    const auto text = ValueOf(line, key);
    if (!text) return false;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
    (void)end;
    return ec == std::errc{} && value >= low && value <= high;
}

bool ReadTimes(std::string_view line, std::string_view key, std::vector<double>& times) {
    auto text = ValueOf(line, key);
    if (!text || text->empty() || text->front() != '[') return false;
    std::string_view rest = text->substr(1);
    times.clear();
    for (;;) {
        while (!rest.empty() && (rest.front() == ' ' || rest.front() == ',')) rest.remove_prefix(1);
        if (rest.empty()) return false;
        if (rest.front() == ']') return true;
        double t = 0;
        const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), t);
        if (ec != std::errc{} || !std::isfinite(t) || t < 0) return false;
        times.push_back(t);
        rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
    }
}

// The deal of one line, or a message saying what is wrong with it.
std::string ReadDeal(std::string_view line, int& samples, SingleDummyBenchDeal& d) {
    if (line.front() != '{' || line.back() != '}') return "not one JSON object";
    if (!ReadInt(line, "seed", 1, 2147483647, d.Seed)) return "no seed";
    if (!ReadInt(line, "samples", 1, 1000000, samples)) return "no sample count";
    const auto skipped = ValueOf(line, "skipped");
    d.Skipped = skipped && skipped->starts_with("true");
    if (d.Skipped) return {};
    if (!ReadInt(line, "strain", 0, 4, d.Strain) || !ReadInt(line, "level", 1, 7, d.Level) ||
        !ReadInt(line, "declarer", 0, 3, d.Declarer)) {
        return "no contract";
    }
    if (!ReadInt(line, "dd", 0, 13, d.DoubleDummyTricks) || !ReadInt(line, "declarer_play", 0, 13, d.DeclarerPlaysTricks) ||
        !ReadInt(line, "defence_play", 0, 13, d.DefencePlaysTricks) || !ReadInt(line, "all_play", 0, 13, d.AllPlayTricks)) {
        return "trick counts missing or out of range";
    }
    if (!ReadTimes(line, "wall_ms", d.DecisionMs) || !ReadTimes(line, "cpu_ms", d.DecisionCpuMs) ||
        d.DecisionMs.size() != d.DecisionCpuMs.size()) {
        return "decision times missing or unmatched";
    }
    return {};
}

}  // namespace

std::string FormatSingleDummyBenchLogLine(const SingleDummyBenchDeal& d, int samples) {
    char head[256];
    if (d.Skipped) {
        std::snprintf(head, sizeof head, "{\"seed\": %d, \"samples\": %d, \"skipped\": true}", d.Seed, samples);
        return head;
    }
    std::snprintf(head, sizeof head,
                  "{\"seed\": %d, \"samples\": %d, \"skipped\": false, \"strain\": %d, \"level\": %d, "
                  "\"declarer\": %d, \"dd\": %d, \"declarer_play\": %d, \"defence_play\": %d, \"all_play\": %d",
                  d.Seed, samples, d.Strain, d.Level, d.Declarer, d.DoubleDummyTricks,
                  d.DeclarerPlaysTricks, d.DefencePlaysTricks, d.AllPlayTricks);
    std::string out = head;
    AppendTimes(out, "wall_ms", d.DecisionMs);
    AppendTimes(out, "cpu_ms", d.DecisionCpuMs);
    out += '}';
    return out;
}

void ReadSingleDummyBenchLog(const std::vector<std::string>& lines, const std::string& name,
                             SingleDummyBenchLog& log) {
    std::unordered_set<std::int32_t> seen;
    for (const SingleDummyBenchDeal& d : log.Deals) seen.insert(d.Seed);
    for (std::size_t i = 0; i < lines.size() && log.Error.empty(); ++i) {
        std::string_view line = lines[i];
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
        while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
        if (line.empty()) continue;
        const std::string where = name + " line " + std::to_string(i + 1) + ": ";
        SingleDummyBenchDeal deal;
        int samples = 0;
        if (const std::string problem = ReadDeal(line, samples, deal); !problem.empty()) {
            log.Error = where + problem;
        } else if (log.Samples != 0 && samples != log.Samples) {
            log.Error = where + std::to_string(samples) + " samples, the lines before " + std::to_string(log.Samples);
        } else if (!seen.insert(deal.Seed).second) {
            log.Samples = samples;
            ++log.Duplicates;
        } else {
            log.Samples = samples;
            log.Deals.push_back(std::move(deal));
        }
    }
}

}  // namespace corvane
