#include "cli/output.h"

#include <algorithm>
#include <cstdio>

namespace cli {

namespace {

const char* StatusName(Status status) {
    switch (status) {
        case Status::Done:
            return "done";
        case Status::Missing:
            return "missing";
        case Status::Refused:
            return "refused";
        case Status::Error:
            return "error";
        case Status::NotRun:
            return "not run";
    }
    return "";
}

std::string Padded(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) out += std::string(width - out.size(), ' ');
    return out + "  ";
}

// A JSON string: quotes, backslashes and control characters escaped, UTF-8 kept.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string Count(std::uint64_t n, const char* noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

std::string Field(std::string_view name, const std::string& value) {
    return Quoted(name) + ": " + value;
}

}  // namespace

std::string Size(std::uint64_t bytes) {
    if (bytes < 1024) return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
    const char* units[] = {"KB", "MB", "GB", "TB"};
    double value = static_cast<double>(bytes) / 1024;
    int unit = 0;
    for (; value >= 1024 && unit < 3; ++unit) value /= 1024;
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", value, units[unit]);
    return text;
}

std::string ListText(const std::vector<ListedCategory>& listed) {
    std::string out;
    // The built-in categories, then the definitions group by group, the groups in the order
    // the file first names them, each under its name.
    std::vector<std::string> groups{""};
    for (const ListedCategory& item : listed)
        if (std::find(groups.begin(), groups.end(), item.group) == groups.end())
            groups.push_back(item.group);
    for (const std::string& group : groups) {
        if (!group.empty()) out += "\n[" + group + "]\n";
        for (const ListedCategory& item : listed) {
            if (item.group != group) continue;
            out += Padded(item.category->id, 16) + Padded(item.category->name, 20) + item.target +
                   (item.forced ? *item.forced ? "  [on: set by your administrator]"
                                               : "  [off: set by your administrator]"
                                : "") +
                   "\n";
            if (!item.warning.empty()) out += "    warning: " + item.warning + "\n";
        }
    }
    return out;
}

std::string ListJson(const std::vector<ListedCategory>& listed, const std::string& more) {
    std::string out = "{\"categories\": [";
    for (std::size_t i = 0; i < listed.size(); ++i) {
        out += std::string(i ? ", " : "") + "{" + Field("id", Quoted(listed[i].category->id)) +
               ", " + Field("name", Quoted(listed[i].category->name)) + ", " +
               Field("kind", Quoted(listed[i].category->choice ? "tweak" : "category")) + ", " +
               Field("target", Quoted(listed[i].target));
        if (!listed[i].group.empty()) out += ", " + Field("group", Quoted(listed[i].group));
        if (!listed[i].warning.empty()) out += ", " + Field("warning", Quoted(listed[i].warning));
        if (listed[i].forced)
            out += ", " + Field("policy", Quoted(*listed[i].forced ? "on" : "off"));
        out += "}";
    }
    return out + "]" + (more.empty() ? "" : ", " + more) + "}\n";
}

std::string ResultsText(Verb verb, const std::vector<CategoryResult>& results, bool verbose,
                        const std::string& backup) {
    const bool preview = verb == Verb::Preview;
    std::string out = preview ? "Preview: nothing is changed.\n" : "";
    for (const CategoryResult& result : results) {
        out += Padded(result.category->id, 16) + result.target + "\n";
        std::string line;
        switch (result.status) {
            case Status::Done:
                if (!result.category->choice) {
                    line = std::string(preview ? "would delete " : "deleted ") +
                           Count(result.files, "file") + ", " + Count(result.folders, "folder") +
                           ", " + Size(result.bytes);
                } else {
                    line = preview ? "would apply" : "applied";
                }
                break;
            case Status::Missing:
                line = "nothing there";
                break;
            case Status::Refused:
                line = "REFUSED: " + result.reason;
                break;
            case Status::Error:
                line = "FAILED";
                break;
            case Status::NotRun:
                line = "not run: the run ended before this step";
                break;
        }
        out += "    " + line + "\n";
        if (!result.note.empty()) out += "    " + result.note + "\n";
        if (result.kept > 0) out += "    kept (keep list): " + Count(result.kept, "item") + "\n";
        if (verbose) {
            for (const std::string& path : result.paths)
                out += std::string(preview ? "    would delete " : "    deleted ") + path + "\n";
            for (const std::string& path : result.keptPaths) out += "    kept " + path + "\n";
        }
        for (const std::string& item : result.registry)
            out += std::string(preview ? "    would delete " : "    deleted ") + item + "\n";
        for (const Failure& failure : result.failures)
            out += std::string(preview ? "    would stay: " : "    left: ") + failure.path + ": " +
                   failure.reason + "\n";
    }
    if (!backup.empty())
        out += "Registry backup: " + backup + " (skarvel-cli --restore puts it back)\n";
    return out;
}

std::string ResultsJson(Verb verb, const std::vector<CategoryResult>& results, int exitCode,
                        const std::string& backup) {
    std::string out = "{" + Field("command", Quoted(verb == Verb::Preview ? "preview" : "clean")) +
                      ", " + Field("exitCode", std::to_string(exitCode));
    if (!backup.empty()) out += ", " + Field("registryBackup", Quoted(backup));
    out += ", \"categories\": [";
    for (std::size_t i = 0; i < results.size(); ++i) {
        const CategoryResult& r = results[i];
        out += std::string(i ? ", " : "") + "{" + Field("id", Quoted(r.category->id)) + ", " +
               Field("name", Quoted(r.category->name)) + ", " + Field("target", Quoted(r.target)) +
               ", " + Field("status", Quoted(StatusName(r.status))) + ", " +
               Field("files", std::to_string(r.files)) + ", " +
               Field("folders", std::to_string(r.folders)) + ", " +
               Field("bytes", std::to_string(r.bytes)) + ", " +
               Field("kept", std::to_string(r.kept));
        if (!r.note.empty()) out += ", " + Field("note", Quoted(r.note));
        if (!r.reason.empty()) out += ", " + Field("reason", Quoted(r.reason));
        out += ", \"paths\": [";
        for (std::size_t k = 0; k < r.paths.size(); ++k)
            out += std::string(k ? ", " : "") + Quoted(r.paths[k]);
        if (!r.registry.empty()) {
            out += "], \"registry\": [";
            for (std::size_t k = 0; k < r.registry.size(); ++k)
                out += std::string(k ? ", " : "") + Quoted(r.registry[k]);
        }
        out += "], \"failures\": [";
        for (std::size_t k = 0; k < r.failures.size(); ++k)
            out += std::string(k ? ", " : "") + "{" + Field("path", Quoted(r.failures[k].path)) +
                   ", " + Field("reason", Quoted(r.failures[k].reason)) + "}";
        out += "]}";
    }
    return out + "]}\n";
}

}  // namespace cli
